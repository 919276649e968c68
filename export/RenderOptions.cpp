#include "RenderOptions.h"

#include "EchoText.h"
#include "NeckLimits.h"
#include "NoteName.h"
#include "Notes.h"
#include "TuningPreset.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// True when text starts with a minus and a digit: a value, not an option.
bool IsNegativeNumber(const std::string& text)
{
    return text.size() > 1 && text[0] == '-' && std::isdigit(static_cast<unsigned char>(text[1]));
}

// A decimal integer filling the whole text, maybe with a minus, without plus or blanks.
std::optional<int> ParseNumber(const std::string& text)
{
    if (text.empty() ||
        (!std::isdigit(static_cast<unsigned char>(text.front())) && !IsNegativeNumber(text)))
        return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

// The comma-separated items of text; an empty text gives one empty item.
std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        items.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

bool ParseSize(const std::string& text, int& width, int& height)
{
    std::size_t x = Lower(text).find('x');
    if (x == std::string::npos)
        return false;
    auto w = ParseNumber(text.substr(0, x));
    auto h = ParseNumber(text.substr(x + 1));
    if (!w || !h)
        return false;
    auto inRange = [](int side) {
        return side >= RenderOptions::MIN_SIDE && side <= RenderOptions::MAX_SIDE;
    };
    if (!inRange(*w) || !inRange(*h))
        return false;
    width = *w;
    height = *h;
    return true;
}

bool SetFile(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string ending = Lower(std::filesystem::path(value).extension().string());
    if (value.empty()) {
        error = "no file name after --render";
        return false;
    }
    if (ending == ".png")
        o.format = RenderOptions::Format::Png;
    else if (ending == ".svg")
        o.format = RenderOptions::Format::Svg;
    else if (ending == ".pdf")
        o.format = RenderOptions::Format::Pdf;
    else if (ending == ".wav")
        o.format = RenderOptions::Format::Wav;
    else if (ending == ".mid" || ending == ".midi")
        o.format = RenderOptions::Format::Mid;
    else {
        error = "unknown file type of " + Quoted(value) +
                ": the name must end in .png, .svg, .pdf, .wav or .mid";
        return false;
    }
    o.file = value;
    return true;
}

bool SetSize(const std::string& value, RenderOptions& o, std::string& error)
{
    if (!ParseSize(value, o.width, o.height)) {
        error = "bad size " + Quoted(value) + ": use WxH with each side " +
                std::to_string(RenderOptions::MIN_SIDE) + ".." +
                std::to_string(RenderOptions::MAX_SIDE) + " pixels, e.g. 640x480";
        return false;
    }
    return true;
}

bool SetDpi(const std::string& value, RenderOptions& o, std::string& error)
{
    auto dpi = ParseNumber(value);
    if (!dpi || *dpi < RenderOptions::MIN_DPI || *dpi > RenderOptions::MAX_DPI) {
        error = (dpi ? "resolution " + Quoted(value) + " is out of range"
                     : "bad resolution " + Quoted(value)) +
                ": use --dpi " + std::to_string(RenderOptions::MIN_DPI) + ".." +
                std::to_string(RenderOptions::MAX_DPI);
        return false;
    }
    o.dpi = *dpi;
    return true;
}

bool SetPage(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string page = Lower(value);
    if (page != "a4" && page != "letter") {
        error = "unknown page " + Quoted(value) + ": use a4 or letter";
        return false;
    }
    o.letter = page == "letter";
    return true;
}

bool SetBook(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string book = Lower(value);
    if (book == "keys")
        o.book = RenderOptions::Book::Keys;
    else if (book == "family")
        o.book = RenderOptions::Book::Family;
    else {
        error = "unknown book " + Quoted(value) + ": use keys or family";
        return false;
    }
    return true;
}

bool SetInstrument(const std::string& value, RenderOptions& o, std::string& error)
{
    o.instrument = InstrumentNamed(value);
    if (!o.instrument) {
        error = "unknown instrument " + Quoted(value) + ": use guitar, bass, mandolin or banjo";
        return false;
    }
    return true;
}

bool SetStrings(const std::string& value, RenderOptions& o, std::string& error)
{
    o.strings = ParseNumber(value);
    if (!o.strings) {
        error = "bad string count " + Quoted(value) + ": use a whole number";
        return false;
    }
    return true;
}

bool SetTuning(const std::string& value, RenderOptions& o, std::string& error)
{
    std::vector<int> notes;
    for (const std::string& item : SplitList(value)) {
        auto note = RenderOptions::ParseNote(item);
        if (!note) {
            error = "unknown note " + Quoted(item) + " in --tuning: use " + NoteName::Accepted();
            return false;
        }
        notes.push_back(*note);
    }
    o.tuning = notes;
    return true;
}

// A root note into field; name is the option, for the message.
bool SetNote(const std::string& value, int& field, const char* name, std::string& error)
{
    auto note = RenderOptions::ParseNote(value);
    if (!note) {
        error = "unknown note " + Quoted(value) + " in " + name + ": use " + NoteName::Accepted();
        return false;
    }
    field = *note;
    return true;
}

bool SetDegrees(const std::string& value, RenderOptions& o, std::string& error)
{
    std::array<int, 12> flags{};
    for (const std::string& item : SplitList(value)) {
        auto degree = ParseNumber(item);
        if (!degree || *degree < 0 || *degree > 11) {
            error = "bad degree " + Quoted(item) + " in --degrees: use numbers 0..11";
            return false;
        }
        flags[*degree] = 1;
    }
    o.degrees = flags;
    return true;
}

bool SetLabels(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string labels = Lower(value);
    if (labels == "degrees")
        o.labels = RenderOptions::Labels::Degrees;
    else if (labels == "notes")
        o.labels = RenderOptions::Labels::Notes;
    else if (labels == "none")
        o.labels = RenderOptions::Labels::None;
    else if (labels == "intervals") {
        o.labels = RenderOptions::Labels::Degrees;
        o.diagram.degreeNaming = DegreeNaming::Intervals;
    } else {
        error = "unknown labels " + Quoted(value) + ": use degrees, intervals, notes or none";
        return false;
    }
    return true;
}

bool SetSpelling(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string spelling = Lower(value);
    if (spelling == "sharps")
        o.diagram.spelling = NoteSpelling::Sharps;
    else if (spelling == "key")
        o.diagram.spelling = NoteSpelling::Key;
    else {
        error = "unknown spelling " + Quoted(value) + ": use sharps or key";
        return false;
    }
    return true;
}

bool SetDegreeNames(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string naming = Lower(value);
    if (naming == "classic")
        o.diagram.degreeNaming = DegreeNaming::Classic;
    else if (naming == "flats")
        o.diagram.degreeNaming = DegreeNaming::FlatsAndSharps;
    else if (naming == "intervals")
        o.diagram.degreeNaming = DegreeNaming::Intervals;
    else {
        error = "unknown degree names " + Quoted(value) + ": use classic, flats or intervals";
        return false;
    }
    return true;
}

bool SetRootAs(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string root = Lower(value);
    if (root == "auto")
        o.diagram.rootSpelling = RootSpelling::Auto;
    else if (root == "sharp")
        o.diagram.rootSpelling = RootSpelling::Sharp;
    else if (root == "flat")
        o.diagram.rootSpelling = RootSpelling::Flat;
    else {
        error = "unknown root spelling " + Quoted(value) + ": use auto, sharp or flat";
        return false;
    }
    return true;
}

bool SetFrets(const std::string& value, RenderOptions& o, std::string& error)
{
    auto frets = ParseNumber(value);
    if (!frets || *frets < DEFAULT_FRETS || *frets > MAX_FRETS) {
        error = (frets ? "fret count " + Quoted(value) + " is out of range"
                       : "bad fret count " + Quoted(value)) +
                ": use --frets " + std::to_string(DEFAULT_FRETS) + ".." + std::to_string(MAX_FRETS);
        return false;
    }
    o.diagram.frets = *frets;
    return true;
}

// A whole number low..high into field for a sound file's option name; false with error.
bool SetCount(const std::string& value, int& field, int low, int high, const char* name,
              RenderOptions& o, std::string& error)
{
    auto number = ParseNumber(value);
    if (!number || *number < low || *number > high) {
        error = "bad value " + Quoted(value) + " of " + name + ": use " + std::to_string(low) +
                ".." + std::to_string(high);
        return false;
    }
    field = *number;
    o.soundOption = true;
    return true;
}

bool SetDirection(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string direction = Lower(value);
    if (direction == "up")
        o.direction = RenderOptions::Direction::Up;
    else if (direction == "down")
        o.direction = RenderOptions::Direction::Down;
    else if (direction == "updown")
        o.direction = RenderOptions::Direction::UpAndDown;
    else {
        error = "unknown direction " + Quoted(value) + ": use up, down or updown";
        return false;
    }
    o.soundOption = true;
    return true;
}

// START,STEP,EVERY,TARGET: the tempo starts at START and moves by STEP (signed) every EVERY
// passes until it holds at TARGET.
bool SetTrainer(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::vector<std::string> items = SplitList(value);
    std::array<int, 4> trainer{};
    bool good = items.size() == trainer.size();
    for (std::size_t i = 0; good && i < items.size(); ++i) {
        const bool negative = i == 1 && !items[i].empty() && items[i][0] == '-';
        const auto number = ParseNumber(negative ? items[i].substr(1) : items[i]);
        good = number.has_value();
        trainer[i] = good ? (negative ? -*number : *number) : 0;
    }
    const auto tempo = [](int bpm) {
        return bpm >= RenderOptions::MIN_BPM && bpm <= RenderOptions::MAX_BPM;
    };
    good = good && tempo(trainer[0]) && tempo(trainer[3]) && trainer[1] != 0 &&
           std::abs(trainer[1]) <= RenderOptions::MAX_STEP && trainer[2] >= 1 &&
           trainer[2] <= RenderOptions::MAX_EVERY;
    if (!good) {
        error = "bad trainer " + Quoted(value) + ": use START,STEP,EVERY,TARGET with tempos " +
                std::to_string(RenderOptions::MIN_BPM) + ".." +
                std::to_string(RenderOptions::MAX_BPM) + ", a step of 1.." +
                std::to_string(RenderOptions::MAX_STEP) + " up or down and 1.." +
                std::to_string(RenderOptions::MAX_EVERY) + " passes, e.g. 60,4,2,100";
        return false;
    }
    o.trainer = trainer;
    o.soundOption = true;
    return true;
}

bool SetTuningPreset(const std::string& value, RenderOptions& o, std::string& error)
{
    if (TuningPreset::Named(value, std::nullopt, std::nullopt) == nullptr) {
        error = "unknown tuning preset " + Quoted(value) +
                ": use a name of the Tunings menu, e.g. " + "\"Drop D\" or DADGAD";
        return false;
    }
    o.tuningPreset = value;
    return true;
}

bool SetCapo(const std::string& value, RenderOptions& o, std::string& error)
{
    auto capo = ParseNumber(value);
    if (!capo || *capo > NeckLimits::kHighestCapo) {
        error = "bad capo " + Quoted(value) + ": use --capo 0.." +
                std::to_string(NeckLimits::kHighestCapo);
        return false;
    }
    o.diagram.capo = *capo;
    return true;
}

std::string AsError(std::string sentence);

bool SetFretRange(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::size_t dash = value.find('-');
    const auto from = ParseNumber(value.substr(0, dash));
    const auto to = dash == std::string::npos ? std::nullopt : ParseNumber(value.substr(dash + 1));
    if (!from || !to) {
        error = "bad fret range " + Quoted(value) + ": use --fret-range FROM-TO, e.g. 5-9";
        return false;
    }
    // No range ends below its fourth fret; an end of 0 would else read as the whole neck.
    if (*to < NeckLimits::kFewestFrets - 1) {
        error = "bad fret range " + Quoted(value) + ": " +
                AsError(NeckLimits::ToRefusal(*from, *to, MAX_FRETS));
        return false;
    }
    o.diagram.fromFret = *from;
    o.diagram.toFret = *to;
    return true;
}

// A refusal sentence of NeckLimits as one line of the command line's errors: lower case, no stop.
std::string AsError(std::string sentence)
{
    if (!sentence.empty()) {
        sentence.front() =
            static_cast<char>(std::tolower(static_cast<unsigned char>(sentence.front())));
    }
    if (!sentence.empty() && sentence.back() == '.') {
        sentence.pop_back();
    }
    return sentence;
}

bool SetLook(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string look = Lower(value);
    if (look == "classic")
        o.diagram.look = DiagramLook::Classic;
    else if (look == "modern")
        o.diagram.look = DiagramLook::Modern;
    else {
        error = "unknown look " + Quoted(value) + ": use classic or modern";
        return false;
    }
    return true;
}

bool SetColours(const std::string& value, RenderOptions& o, std::string& error)
{
    const std::string colours = Lower(value);
    if (colours == "light")
        o.diagram.colours = ColourScheme::Light;
    else if (colours == "dark")
        o.diagram.colours = ColourScheme::Dark;
    else {
        error = "unknown colours " + Quoted(value) + ": use light or dark";
        return false;
    }
    return true;
}

using Value = const std::string&;
using Error = std::string&;

// Every option of --render: one row each. A row with a value takes it as the next argument or
// after '='; a flag takes none.
const RenderOptions::Option optionTable[] = {
    {"--render", true, SetFile},
    {"--size", true, SetSize},
    {"--dpi", true, SetDpi},
    {"--page", true, SetPage},
    {"--landscape", false, [](Value, RenderOptions& o, Error) { return o.landscape = true; }},
    {"--book", true, SetBook},
    {"--instrument", true, SetInstrument},
    {"--strings", true, SetStrings},
    {"--tuning", true, SetTuning},
    {"--root", true,
     [](Value v, RenderOptions& o, Error e) { return SetNote(v, o.root, "--root", e); }},
    {"--scale", true,
     [](Value v, RenderOptions& o, Error) {
         o.scaleName = v;
         return true;
     }},
    {"--degrees", true, SetDegrees},
    {"--overlay", true,
     [](Value v, RenderOptions& o, Error) {
         o.overlayName = v;
         return true;
     }},
    {"--overlay-root", true,
     [](Value v, RenderOptions& o, Error e) {
         return SetNote(v, o.overlayRoot, "--overlay-root", e);
     }},
    {"--labels", true, SetLabels},
    {"--common", false, [](Value, RenderOptions& o, Error) { return o.common = true; }},
    {"--no-color", false, [](Value, RenderOptions& o, Error) { return o.noColor = true; }},
    {"--no-markers", false, [](Value, RenderOptions& o, Error) { return o.noMarkers = true; }},
    {"--left-handed", false,
     [](Value, RenderOptions& o, Error) { return o.diagram.leftHanded = true; }},
    {"--low-string-on-top", false,
     [](Value, RenderOptions& o, Error) { return o.diagram.lowStringOnTop = true; }},
    {"--spelling", true, SetSpelling},
    {"--frets", true, SetFrets},
    {"--tuning-preset", true, SetTuningPreset},
    {"--capo", true, SetCapo},
    {"--fret-range", true, SetFretRange},
    {"--degree-names", true, SetDegreeNames},
    {"--root-as", true, SetRootAs},
    {"--pattern", true,
     [](Value v, RenderOptions& o, Error) {
         o.patternName = v;
         return true;
     }},
    {"--bpm", true,
     [](Value v, RenderOptions& o, Error e) {
         return SetCount(v, o.bpm, RenderOptions::MIN_BPM, RenderOptions::MAX_BPM, "--bpm", o, e);
     }},
    {"--direction", true, SetDirection},
    {"--passes", true,
     [](Value v, RenderOptions& o, Error e) {
         return SetCount(v, o.passes, 1, RenderOptions::MAX_PASSES, "--passes", o, e);
     }},
    {"--count-in", true,
     [](Value v, RenderOptions& o, Error e) {
         return SetCount(v, o.countInBars, 0, RenderOptions::MAX_COUNT_IN, "--count-in", o, e);
     }},
    {"--click", false,
     [](Value, RenderOptions& o, Error) { return o.click = o.soundOption = true; }},
    {"--beats", true,
     [](Value v, RenderOptions& o, Error e) {
         return SetCount(v, o.beatsPerBar, 1, RenderOptions::MAX_BEATS, "--beats", o, e);
     }},
    {"--trainer", true, SetTrainer},
    {"--look", true, SetLook},
    {"--colours", true, SetColours},
};

} // namespace

const RenderOptions::Option* RenderOptions::FindOption(std::string_view name)
{
    for (const Option& option : optionTable) {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

bool RenderOptions::TakeValue(const std::vector<std::string>& args, std::size_t& i,
                              const std::optional<std::string>& attached, const std::string& name,
                              std::string& value, std::string& error)
{
    if (attached) {
        value = *attached;
        return true;
    }
    // The next argument is never taken when it is an option itself: "--scale --help" lacks a value;
    // a negative number is a value all the same.
    if (i + 1 >= args.size() ||
        (args[i + 1].rfind('-', 0) == 0 && !IsNegativeNumber(args[i + 1]))) {
        error = "option " + name + " needs a value";
        return false;
    }
    value = args[++i];
    return true;
}

std::string RenderOptions::UnknownOption(const std::string& arg)
{
    return "unknown option " + Quoted(arg) + "; see pinto --help";
}

std::string RenderOptions::UnexpectedArgument(const std::string& arg)
{
    return "unexpected argument " + Quoted(arg) + "; see pinto --help";
}

bool RenderOptions::Parse(const std::vector<std::string>& args, RenderOptions& options,
                          std::string& error)
{
    RenderOptions o;
    for (std::size_t i = 0; i < args.size() && !o.help && !o.version; ++i) {
        std::string name = args[i];
        std::optional<std::string> attached;
        const std::size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            attached = name.substr(eq + 1);
            name.erase(eq);
        }
        if ((name == "--help" || name == "-h" || name == "--version") && attached) {
            error = "option " + name + " takes no value";
            return false;
        }
        if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--version") {
            o.version = true;
        } else if (const Option* option = FindOption(name)) {
            std::string value;
            if (!option->takesValue && attached) {
                error = "option " + name + " takes no value";
                return false;
            }
            if (option->takesValue && !TakeValue(args, i, attached, name, value, error))
                return false;
            if (!option->apply(value, o, error))
                return false;
        } else if (name.rfind('-', 0) == 0) {
            error = UnknownOption(args[i]);
            return false;
        } else {
            error = UnexpectedArgument(args[i]);
            return false;
        }
    }
    if (!o.help && !o.version) {
        if (o.file.empty()) {
            error = "no picture to write: use --render FILE";
            return false;
        }
        if (o.scaleName && o.degrees) {
            error = "--scale and --degrees cannot be used together";
            return false;
        }
        if (o.soundOption && !o.IsSound()) {
            error = "--bpm, --direction, --passes, --count-in, --click, --beats and --trainer "
                    "belong to a sound: use --render FILE.wav or FILE.mid";
            return false;
        }
        if (o.tuning && o.tuningPreset) {
            error = "--tuning and --tuning-preset cannot be used together";
            return false;
        }
        // The neck's length is known only now: a capo and a range must fit it.
        const DiagramOptions& d = o.diagram;
        if (const std::string refusal = NeckLimits::CapoRefusal(d.capo, d.frets);
            !refusal.empty()) {
            error = "bad capo '" + std::to_string(d.capo) + "': " + AsError(refusal);
            return false;
        }
        const bool range = d.fromFret != 0 || d.toFret != 0;
        std::string refusal = range ? NeckLimits::FromRefusal(d.fromFret, d.frets) : "";
        if (range && refusal.empty()) {
            refusal = NeckLimits::ToRefusal(d.fromFret, d.toFret, d.frets);
        }
        if (!refusal.empty()) {
            error = "bad fret range '" + std::to_string(d.fromFret) + "-" +
                    std::to_string(d.toFret) + "': " + AsError(refusal);
            return false;
        }
        if (o.book != Book::None && o.format != Format::Pdf) {
            error = "--book writes a PDF: the file name must end in .pdf";
            return false;
        }
        if (o.book != Book::None && !o.scaleName) {
            error = "--book needs a scale: use --scale NAME";
            return false;
        }
    }
    options = std::move(o);
    return true;
}

std::optional<int> RenderOptions::ParseNote(const std::string& text)
{
    return NoteName::Parse(text);
}

std::string RenderOptions::HelpText()
{
    return "Usage: pinto [--home] [window options]\n"
           "       pinto --render FILE [options]\n"
           "Without --render the window opens; --home keeps its files in PINTO_HOME or ~/Pinto.\n"
           "The window takes Qt's window options, such as -platform NAME, -style NAME,\n"
           "-geometry WxH+X+Y, -display HOST:N and -reverse.\n"
           "With --render the neck diagram is drawn into FILE without opening a window.\n"
           "\n"
           "FILE's ending chooses the format:\n"
           "  .png, .svg            the diagram as on screen, --size WxH pixels (default 640x480)\n"
           "  .pdf                  the printed page with captions and string names, A4 unless\n"
           "                        --page letter, upright unless --landscape, at --dpi N\n"
           "                        (default 600)\n"
           "  .wav                  the scale played as Play it plays it (44.1 kHz, 16-bit mono)\n"
           "                        with the first scheme of pinto_ss.dat, else the default one\n"
           "  .mid                  the same as a Standard MIDI File: tempo map, notes on channel\n"
           "                        1, click on channel 10\n"
           "\n"
           "Options:\n"
           "  --instrument NAME     guitar, bass, mandolin or banjo; without it the instrument,\n"
           "                        strings and tuning come from pinto_c.dat, else a 6-string "
           "guitar\n"
           "  --strings N           a string count the instrument allows (guitar 6-7, bass 4-6,\n"
           "                        mandolin 4, banjo 4-5); default 6, 4, 4, 5\n"
           "  --tuning E,A,D,G,B,E  open notes, lowest string first; default the instrument's\n"
           "                        standard tuning\n"
           "  --root NOTE           scale root (default A); a note is A to G in any case, then\n"
           "                        #, b, x (double sharp) or bb (double flat): C#, Bb, bb, f#\n"
           "  --scale NAME          a scale of the library, in any letter case: built-in,\n"
           "                        installed, then those of _pinto_s.dat and pinto_s.dat,\n"
           "                        then another name of an installed one (\"Super Locrian\")\n"
           "  --degrees 0,2,4,...   the scale as semitones 0..11 above the root\n"
           "  --overlay NAME        a library scale laid over the scale\n"
           "  --overlay-root NOTE   overlay root (default A)\n"
           "  --common              show only the notes both scales share (default all notes)\n"
           "  --labels KIND         degrees, notes or none (default degrees); intervals is\n"
           "                        degrees named as intervals\n"
           "  --degree-names KIND   classic (-3, -7: the default), flats (b3, #4) or\n"
           "                        intervals (m3, P5)\n"
           "  --no-color            every dot white\n"
           "  --no-markers          no fret position markers\n"
           "  --left-handed         the neck mirrored: nut and open strings at the right\n"
           "  --low-string-on-top   the lowest string (a banjo's short string) as the top line\n"
           "  --spelling KIND       note names with sharps only (sharps, the default) or as\n"
           "                        the scale's key spells them (key: Bb in F major)\n"
           "  --root-as KIND        a root on a black key spelled by key: auto (by the key\n"
           "                        signature, the default), sharp or flat\n"
           "  --frets N             the neck's highest fret, 12..24 (default 12)\n"
           "  --tuning-preset NAME  a tuning of the Tunings menu, such as \"Drop D\", DADGAD or\n"
           "                        \"Open G\"; it sets the instrument and strings too, those of\n"
           "                        --instrument and --strings when they have one of that name\n"
           "  --capo N              a capo on fret N, 1..12, leaving 3 frets above it (0: none)\n"
           "  --fret-range A-B      draw only frets A..B, larger and numbered: A 0..20, at least\n"
           "                        4 frets, within the neck\n"
           "  --pattern NAME        a library pattern, placed where Find Pattern first finds it;\n"
           "                        a sound file then plays it, low string first, one per beat\n"
           "  --book KIND           a scale book in the PDF, as many diagrams a page as fit:\n"
           "                        keys (the --scale on all 12 roots, rising from --root) or\n"
           "                        family (every scale of its family on --root); no overlay\n"
           "  --look KIND           classic (the default) or modern: a neck that fills the\n"
           "                        picture, labels fitted to larger dots, fret numbers\n"
           "  --colours KIND        light (the default) or dark; a PDF is printed on white\n"
           "  --help                show this text\n"
           "  --version             show the program's version\n"
           "Options of a .wav or .mid file:\n"
           "  --bpm N               tempo, 10..600 beats per minute (default 120)\n"
           "  --direction WAY       up, down or updown through the scale (default up)\n"
           "  --passes N            times through the run, 1..999 (default 1)\n"
           "  --count-in BARS       0, 1 or 2 bars of click before the first note (default 0)\n"
           "  --click               a click on every beat, the first of a bar accented\n"
           "  --beats N             beats to the bar, 1..12 (default 4)\n"
           "  --trainer S,STEP,N,T  the tempo starts at S and moves by STEP every N passes until\n"
           "                        it holds at T, e.g. 60,4,2,100\n"
           "\n"
           "Exit code 0 on success; 2 with a one-line message for a bad argument or a file that\n"
           "cannot be written.\n";
}
