#include "Clock.h"

namespace {

// 01/01/0001 and 31/12/9999 23:59:59 UTC: a value outside is a typo, and
// seconds that large would overflow as milliseconds.
constexpr qint64 kPrimeiroSegundo = -62135596800;
constexpr qint64 kUltimoSegundo = 253402300799;

}  // namespace

QDateTime Agora()
{
    bool ok = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&ok);
    if (ok && epoch >= kPrimeiroSegundo && epoch <= kUltimoSegundo) {
        const QDateTime utc = QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
        return QDateTime(utc.date(), utc.time());
    }
    return QDateTime::currentDateTime();
}

QDate Hoje()
{
    return Agora().date();
}
