#pragma once

#include <QLocale>
#include <QString>

// The user's regional settings: QLocale::system(), or PANTORO_LOCALE (e.g.
// pt_BR) when set. Tests switch it with DefinirLocaleUsuario.
const QLocale& LocaleUsuario();
void DefinirLocaleUsuario(const QLocale& locale);

QString SeparadorDecimal();
QString SeparadorData();
QString SeparadorHora();
