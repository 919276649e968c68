#include "MissingSamplesNotice.h"

#include "DataFile.h"
#include "InfoBox.h"
#include "SoundSchemes.h"

#include <QSet>
#include <QString>

#include <cerrno>
#include <optional>
#include <string>

void MissingSamplesNotice::ShowOnce(QWidget* parent, const SoundSchemeTable& table, int slot,
                                    const QString& name)
{
    static QSet<QString> reported;
    if (reported.contains(name)) {
        return;
    }
    int error = 0;
    const std::optional<std::string> missing = FirstMissingSample(table, slot, &error);
    if (!missing) {
        return;
    }
    reported.insert(name);
    const QString path = QString::fromStdString(*missing);
    // A sample that is there but cannot be read (a FIFO, say) is named with the system's reason.
    ShowInfo(parent, QStringLiteral("Sound Scheme"),
             error == ENOENT
                 ? QStringLiteral("The samples of \"%1\" cannot be found: %2 is missing.")
                       .arg(name, path)
                 : QStringLiteral("The samples of \"%1\" cannot be played: %2: %3.")
                       .arg(name, path, QString::fromStdString(DataFile::Reason(error))));
}
