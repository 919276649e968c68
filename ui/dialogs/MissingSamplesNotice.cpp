#include "MissingSamplesNotice.h"

#include "InfoBox.h"
#include "SoundSchemes.h"

#include <QSet>
#include <QString>

#include <optional>
#include <string>

void MissingSamplesNotice::ShowOnce(QWidget* parent, const SoundSchemeTable& table, int slot,
                                    const QString& name)
{
    static QSet<QString> reported;
    if (reported.contains(name)) {
        return;
    }
    const std::optional<std::string> missing = FirstMissingSample(table, slot);
    if (!missing) {
        return;
    }
    reported.insert(name);
    ShowInfo(parent, QStringLiteral("Sound Scheme"),
             QStringLiteral("The samples of \"%1\" cannot be found: %2 is missing.")
                 .arg(name, QString::fromStdString(*missing)));
}
