#include "FileMessages.h"

#include "DataFile.h"

#include <cerrno>

namespace {

// sentence, then ": " and the reason for error when there is one, then the full stop.
QString WithReason(const QString& sentence, int error)
{
    if (error == 0) {
        return sentence + QLatin1Char('.');
    }
    return sentence + QStringLiteral(": ") + QString::fromStdString(DataFile::Reason(error)) +
           QLatin1Char('.');
}

} // namespace

QString FileMessages::NotSaved(const QString& thing, const QString& file, const StoreFault& fault)
{
    return WithReason(QStringLiteral("The %1 could not be written to %2").arg(thing, file),
                      fault.error);
}

QString FileMessages::NotForgotten(const QString& thing, const QString& file, StoreResult result,
                                   const StoreFault& fault)
{
    if (result == StoreResult::Unreadable) {
        return WithReason(QStringLiteral("The %1 was kept because %2 could not be read completely")
                              .arg(thing, file),
                          fault.error);
    }
    if (!fault.refusingFolder.empty()) {
        return WithReason(QStringLiteral("The %1 was kept because the folder '%2' does not allow a "
                                         "safe rewrite of %3")
                              .arg(thing, QString::fromStdString(fault.refusingFolder), file),
                          fault.error);
    }
    return WithReason(
        QStringLiteral("The %1 was kept because %2 could not be written").arg(thing, file),
        fault.error);
}

QString FileMessages::NotRead(const UnreadFile& file)
{
    const QString name = QString::fromStdString(file.name);
    if (file.error == 0) {
        return QStringLiteral("%1 could not be read to its end; what follows the unreadable part "
                              "is not listed and is kept as it is.")
            .arg(name);
    }
    return WithReason(QStringLiteral("%1 could not be read, so nothing in it is used").arg(name),
                      file.error);
}

QString FileMessages::SettingsNotSaved(int error)
{
    if (error == EBUSY) {
        return QStringLiteral(
            "The settings were not saved because pinto_c.dat is busy in another window.");
    }
    return WithReason(QStringLiteral("The settings could not be written to pinto_c.dat"), error);
}
