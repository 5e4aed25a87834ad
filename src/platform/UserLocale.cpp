#include "UserLocale.h"

#include <optional>

namespace {

std::optional<QLocale>& localeAtual()
{
    static std::optional<QLocale> locale;
    return locale;
}

// First character of a locale pattern that is not a field letter.
QString separadorDoPadrao(const QString& padrao, const QString& padraoSeNenhum)
{
    for (QChar c : padrao) {
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return QString(c);
    }
    return padraoSeNenhum;
}

}  // namespace

const QLocale& LocaleUsuario()
{
    auto& locale = localeAtual();
    if (!locale) {
        const QByteArray nome = qgetenv("PANTORO_LOCALE");
        locale = nome.isEmpty() ? QLocale::system() : QLocale(QString::fromLatin1(nome));
    }
    return *locale;
}

void DefinirLocaleUsuario(const QLocale& locale)
{
    localeAtual() = locale;
}

QString SeparadorDecimal()
{
    return LocaleUsuario().decimalPoint();
}

QString SeparadorData()
{
    return separadorDoPadrao(LocaleUsuario().dateFormat(QLocale::ShortFormat), QStringLiteral("/"));
}

QString SeparadorHora()
{
    return separadorDoPadrao(LocaleUsuario().timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
}
