#pragma once

class QCoreApplication;
class QLocale;

// Qt's own dialogs and buttons (page set-up, printer choice, "Cancel") in the
// user's language: installs Qt's translation for a Portuguese locale.
// Returns whether a translation was installed; any other language keeps
// Qt's English.
bool CarregaTraducoesDoQt(QCoreApplication& aplicacao, const QLocale& locale);
