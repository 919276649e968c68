#include "DiagramProfile.h"

#include <QSettings>

namespace {

const QString kLeftHanded = QStringLiteral("Diagram/LeftHanded");
const QString kLowStringOnTop = QStringLiteral("Diagram/LowStringOnTop");
const QString kNoteNamesByKey = QStringLiteral("Diagram/NoteNamesByKey");
const QString kFrets = QStringLiteral("Diagram/Frets");
const QString kCapo = QStringLiteral("Diagram/Capo");
const QString kCapoShapes = QStringLiteral("Diagram/CapoShapes");
const QString kFromFret = QStringLiteral("Diagram/FromFret");
const QString kToFret = QStringLiteral("Diagram/ToFret");
const QString kDegreeNames = QStringLiteral("Diagram/DegreeNames");
const QString kRootAsR = QStringLiteral("Diagram/RootAsR");
const QString kRootAs = QStringLiteral("Diagram/RootAs");
const QString kLook = QStringLiteral("Diagram/Look");
const QString kColours = QStringLiteral("Diagram/Colours");

// The profile's words for the degree names and the root spelling, as the command line has them.
const QString kDegreeNamingWords[] = {QStringLiteral("classic"), QStringLiteral("flats"),
                                      QStringLiteral("intervals")};
const QString kRootSpellingWords[] = {QStringLiteral("auto"), QStringLiteral("sharp"),
                                      QStringLiteral("flat")};
// ... and for the look and the colours, in the order of their enumerations.
const QString kLookWords[] = {QStringLiteral("classic"), QStringLiteral("modern")};
const QString kColourWords[] = {QStringLiteral("system"), QStringLiteral("light"),
                                QStringLiteral("dark")};

// The choice whose word the profile holds under key; the first (the default) for any other.
template <class Choice, std::size_t N>
Choice ChoiceOf(const QSettings& profile, const QString& key, const QString (&words)[N])
{
    const QString word = profile.value(key).toString().toLower();
    for (std::size_t i = 0; i < N; ++i) {
        if (word == words[i]) {
            return static_cast<Choice>(i);
        }
    }
    return static_cast<Choice>(0);
}

} // namespace

DiagramOptions DiagramProfile::Load()
{
    const QSettings profile;
    DiagramOptions options;
    options.leftHanded = profile.value(kLeftHanded, false).toBool();
    options.lowStringOnTop = profile.value(kLowStringOnTop, false).toBool();
    options.spelling =
        profile.value(kNoteNamesByKey, false).toBool() ? NoteSpelling::Key : NoteSpelling::Sharps;
    // A count no neck has (a hand-edited profile) gives the twelve frets of old.
    bool number = false;
    const int frets = profile.value(kFrets, DEFAULT_FRETS).toInt(&number);
    options.frets = number && frets >= DEFAULT_FRETS && frets <= MAX_FRETS ? frets : DEFAULT_FRETS;
    // A capo or range the neck cannot take is dropped by the window that reads them.
    options.capo = profile.value(kCapo, 0).toInt();
    options.capoShapes = profile.value(kCapoShapes, false).toBool();
    options.fromFret = profile.value(kFromFret, 0).toInt();
    options.toFret = profile.value(kToFret, 0).toInt();
    options.degreeNaming = ChoiceOf<DegreeNaming>(profile, kDegreeNames, kDegreeNamingWords);
    options.rootAsR = profile.value(kRootAsR, false).toBool();
    options.rootSpelling = ChoiceOf<RootSpelling>(profile, kRootAs, kRootSpellingWords);
    options.look = ChoiceOf<DiagramLook>(profile, kLook, kLookWords);
    options.colours = ChoiceOf<ColourScheme>(profile, kColours, kColourWords);
    return options;
}

void DiagramProfile::Save(const DiagramOptions& options)
{
    QSettings profile;
    profile.setValue(kLeftHanded, options.leftHanded);
    profile.setValue(kLowStringOnTop, options.lowStringOnTop);
    profile.setValue(kNoteNamesByKey, options.spelling == NoteSpelling::Key);
    profile.setValue(kFrets, options.frets);
    profile.setValue(kCapo, options.capo);
    profile.setValue(kCapoShapes, options.capoShapes);
    profile.setValue(kFromFret, options.fromFret);
    profile.setValue(kToFret, options.toFret);
    profile.setValue(kDegreeNames, kDegreeNamingWords[static_cast<int>(options.degreeNaming)]);
    profile.setValue(kRootAsR, options.rootAsR);
    profile.setValue(kRootAs, kRootSpellingWords[static_cast<int>(options.rootSpelling)]);
    profile.setValue(kLook, kLookWords[static_cast<int>(options.look)]);
    profile.setValue(kColours, kColourWords[static_cast<int>(options.colours)]);
}
