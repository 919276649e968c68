#include "RenderStateBuilder.h"

#include "BoardSetup.h"
#include "DiagramState.h"
#include "EchoText.h"
#include "NeckLimits.h"
#include "PatternLibrary.h"
#include "ScaleCatalog.h"
#include "ScaleNameMatch.h"
#include "SettingsFile.h"
#include "TuningPreset.h"

#include <algorithm>
#include <cctype>

namespace {

// "6 or 7", "4, 5 or 6", "4": the string counts instrument allows.
std::string AllowedCounts(Instrument instrument)
{
    const std::vector<int> counts = AllowedStringCounts(instrument);
    std::string text;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (i > 0)
            text += i + 1 == counts.size() ? " or " : ", ";
        text += std::to_string(counts[i]);
    }
    return text;
}

// "guitar", "bass", "mandolin" or "banjo".
std::string LowerCaseName(Instrument instrument)
{
    std::string name = InstrumentName(instrument);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

// Applies record of the library as the degrees of layer; false with error when there is none.
bool ApplyLibraryScale(DiagramState& state, const std::string& name, int layer, int& index,
                       std::string& error)
{
    index = RenderStateBuilder::FindScale(state.scaleLibrary, name);
    if (index < 0) {
        error = "unknown scale " + Quoted(name);
        const std::vector<std::string> nearest =
            ScaleNameMatch::Nearest(state.scaleLibrary, name, 3);
        for (std::size_t i = 0; i < nearest.size(); ++i) {
            error += (i == 0 ? "; the nearest are " : ", ") + Quoted(nearest[i]);
        }
        return false;
    }
    const ScaleRecord* record = state.scaleLibrary.Record(index);
    for (int degree = 0; degree < 12; ++degree) {
        if (record->degrees[degree] != 0)
            state.fretboard->ToggleDegree(degree, layer);
    }
    return true;
}

// Sets the library pattern called name as the board's pattern, as the pattern setup dialog
// hands it over, and places its first match as Find Pattern does; false with error when there
// is no such pattern or it fits nowhere.
bool PlacePattern(CFretboard& board, const std::string& name, std::string& error)
{
    PatternLibrary library;
    LoadPatterns(library);
    const auto record =
        std::find_if(library.records.begin(), library.records.end(),
                     [&name](const PatternRecord& record) { return record.name == name; });
    if (record == library.records.end()) {
        error = "unknown pattern " + Quoted(name);
        return false;
    }
    board.pattern.Clear();
    const int count = board.GetStringCount();
    constexpr int ROWS = 6;
    for (int fret = 0; fret < static_cast<int>(record->cells.size()); ++fret) {
        for (int row = 0; row < ROWS; ++row) {
            if (record->cells[fret][row] == 1)
                board.pattern.Toggle(count - row - 1, fret);
        }
    }
    if (!board.FindMatches()) {
        error = "pattern " + Quoted(name) + " is found nowhere on this neck and scale";
        return false;
    }
    board.SelectMatch(0);
    return true;
}

} // namespace

bool RenderStateBuilder::Build(const RenderOptions& options, DiagramState& state,
                               std::string& error, const ScaleVocabulary& vocabulary)
{
    Settings settings;
    std::vector<int> tuning;
    if (options.tuningPreset) {
        // A preset names its instrument: one of another instrument switches to it.
        const TuningPreset* preset =
            TuningPreset::Named(*options.tuningPreset, options.instrument, options.strings);
        if (preset == nullptr) {
            error = "unknown tuning preset " + Quoted(*options.tuningPreset);
            return false;
        }
        settings.instrument = preset->instrument;
        settings.stringCount = preset->StringCount();
        tuning = preset->Notes();
    } else if (options.instrument) {
        settings.instrument = *options.instrument;
        settings.stringCount = options.strings.value_or(DefaultStringCount(settings.instrument));
        tuning = StandardTuning(settings.instrument, settings.stringCount);
    } else {
        std::vector<int> stored;
        LoadSettings(settings, stored);
        if (options.strings && *options.strings != settings.stringCount) {
            settings.stringCount = *options.strings;
            tuning = StandardTuning(settings.instrument, settings.stringCount);
        } else {
            tuning = ChooseTuning(settings, stored);
        }
    }
    if (!IsAllowedStringCount(settings.instrument, settings.stringCount)) {
        error = "a " + LowerCaseName(settings.instrument) + " cannot have " +
                std::to_string(settings.stringCount) + " strings: use " +
                AllowedCounts(settings.instrument);
        return false;
    }
    if (options.tuning) {
        if (static_cast<int>(options.tuning->size()) != settings.stringCount) {
            error = "--tuning gives " + std::to_string(options.tuning->size()) + " notes for " +
                    std::to_string(settings.stringCount) + " strings";
            return false;
        }
        tuning = *options.tuning;
    }

    settings.suppressColor = options.noColor ? 1 : 0;
    settings.viewDegrees = options.labels == RenderOptions::Labels::Degrees ? 1 : 0;
    settings.viewNotes = options.labels == RenderOptions::Labels::Notes ? 1 : 0;
    settings.dotMarkers = options.noMarkers ? 0 : 1;
    state.settings = settings;
    state.diagram = options.diagram;
    // Drawn without a window, the picture has no desktop to take colours from.
    if (state.diagram.colours == ColourScheme::System)
        state.diagram.colours = ColourScheme::Light;

    state.fretboard = std::make_unique<CFretboard>(0, nullptr);
    SetUpBoard(*state.fretboard, settings.instrument, tuning, options.diagram.frets);
    CFretboard& board = *state.fretboard;
    NeckLimits::ApplyTo(board, options.diagram);
    board.SetRoot(options.root, LAYER_SCALE);
    board.SetRoot(options.overlayRoot, LAYER_OVERLAY);
    board.SetOverlayMode(options.common ? OVERLAY_COMMON : OVERLAY_ALL);

    LoadScaleLibrary(state.scaleLibrary, vocabulary);
    state.currentScale = -1;
    state.overlayScale = -1;
    if (options.scaleName &&
        !ApplyLibraryScale(state, *options.scaleName, LAYER_SCALE, state.currentScale, error))
        return false;
    if (options.degrees) {
        for (int degree = 0; degree < 12; ++degree) {
            if ((*options.degrees)[degree] != 0)
                board.ToggleDegree(degree, LAYER_SCALE);
        }
    }
    if (options.overlayName &&
        !ApplyLibraryScale(state, *options.overlayName, LAYER_OVERLAY, state.overlayScale, error))
        return false;
    if (options.patternName && !PlacePattern(board, *options.patternName, error))
        return false;
    if (options.book == RenderOptions::Book::Family &&
        ScaleCatalog(state.scaleLibrary).FamilyOf(state.currentScale) < 0) {
        error = Quoted(*options.scaleName) + " belongs to no family of scales";
        return false;
    }
    return true;
}

int RenderStateBuilder::FindScale(const ScaleLibrary& library, const std::string& name)
{
    // The program's own scales first: the built-ins and the installed ones.
    std::vector<bool> own(static_cast<std::size_t>(library.scaleCount), false);
    for (int i = 0; i < std::min(BUILT_IN_SCALE_COUNT, library.scaleCount); ++i)
        own[static_cast<std::size_t>(i)] = true;
    for (int record : library.vocabularyRecords) {
        if (record >= 0 && record < library.scaleCount)
            own[static_cast<std::size_t>(record)] = true;
    }
    for (const bool ownFirst : {true, false}) {
        for (int i = 0; i < library.scaleCount; ++i) {
            if (own[static_cast<std::size_t>(i)] == ownFirst &&
                ScaleNameMatch::Same(library.records[i].name, name))
                return i;
        }
    }
    // Then the other names an installed scale is known by ("Super Locrian", "Blues").
    const std::size_t scales =
        std::min(library.vocabulary.scales.size(), library.vocabularyRecords.size());
    for (std::size_t i = 0; i < scales; ++i) {
        for (const std::string& alias : library.vocabulary.scales[i].aliases) {
            if (ScaleNameMatch::Same(alias, name))
                return library.vocabularyRecords[i];
        }
    }
    return -1;
}
