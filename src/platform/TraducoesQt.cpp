#include "TraducoesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool CarregaTraducoesDoQt(QCoreApplication& aplicacao, const QLocale& locale)
{
    if (locale.language() != QLocale::Portuguese)
        return false;
    auto* traducao = new QTranslator(&aplicacao);
    // Debian ships the Brazilian file only; it serves every Portuguese locale.
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traducao->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), pasta) &&
        !traducao->load(QStringLiteral("qtbase_pt_BR"), pasta)) {
        delete traducao;
        return false;
    }
    return QCoreApplication::installTranslator(traducao);
}
