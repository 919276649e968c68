#include "DiagramProfile.h"

#include <QSettings>

namespace {

const QString kLeftHanded = QStringLiteral("Diagram/LeftHanded");
const QString kLowStringOnTop = QStringLiteral("Diagram/LowStringOnTop");
const QString kNoteNamesByKey = QStringLiteral("Diagram/NoteNamesByKey");
const QString kFrets = QStringLiteral("Diagram/Frets");
const QString kLook = QStringLiteral("Diagram/Look");
const QString kColours = QStringLiteral("Diagram/Colours");

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
    // Any other word (a hand-edited profile) gives the classic look and the desktop's colours.
    options.look = profile.value(kLook).toString() == QLatin1String("modern")
                       ? DiagramLook::Modern
                       : DiagramLook::Classic;
    const QString colours = profile.value(kColours).toString();
    options.colours = colours == QLatin1String("light")  ? ColourScheme::Light
                      : colours == QLatin1String("dark") ? ColourScheme::Dark
                                                         : ColourScheme::System;
    return options;
}

void DiagramProfile::Save(const DiagramOptions& options)
{
    QSettings profile;
    profile.setValue(kLeftHanded, options.leftHanded);
    profile.setValue(kLowStringOnTop, options.lowStringOnTop);
    profile.setValue(kNoteNamesByKey, options.spelling == NoteSpelling::Key);
    profile.setValue(kFrets, options.frets);
    profile.setValue(kLook, options.look == DiagramLook::Modern ? QStringLiteral("modern")
                                                                : QStringLiteral("classic"));
    const char* colours[] = {"system", "light", "dark"};
    profile.setValue(kColours, QLatin1String(colours[static_cast<int>(options.colours)]));
}
