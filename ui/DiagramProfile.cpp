#include "DiagramProfile.h"

#include <QSettings>

namespace {

const QString kLeftHanded = QStringLiteral("Diagram/LeftHanded");
const QString kLowStringOnTop = QStringLiteral("Diagram/LowStringOnTop");
const QString kNoteNamesByKey = QStringLiteral("Diagram/NoteNamesByKey");

} // namespace

DiagramOptions DiagramProfile::Load()
{
    const QSettings profile;
    DiagramOptions options;
    options.leftHanded = profile.value(kLeftHanded, false).toBool();
    options.lowStringOnTop = profile.value(kLowStringOnTop, false).toBool();
    options.spelling =
        profile.value(kNoteNamesByKey, false).toBool() ? NoteSpelling::Key : NoteSpelling::Sharps;
    return options;
}

void DiagramProfile::Save(const DiagramOptions& options)
{
    QSettings profile;
    profile.setValue(kLeftHanded, options.leftHanded);
    profile.setValue(kLowStringOnTop, options.lowStringOnTop);
    profile.setValue(kNoteNamesByKey, options.spelling == NoteSpelling::Key);
}
