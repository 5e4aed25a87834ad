#include "Clock.h"

QDateTime Agora()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
        return QDateTime(utc.date(), utc.time());
    }
    return QDateTime::currentDateTime();
}

QDate Hoje()
{
    return Agora().date();
}
