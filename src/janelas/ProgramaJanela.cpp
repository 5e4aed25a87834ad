#include "ProgramaJanela.h"

#include "janelas/CaixaQt.h"
#include "janelas/ImpressoraQt.h"
#include "janelas/frmPantoro.h"
#include "platform/VbError.h"

#include <QApplication>

int ExecutaJanela(QApplication& app, const QString& argumentoChamada)
{
    InstalaCaixaDeMensagem(std::make_shared<CaixaQt>());
    InstalaImpressora(std::make_shared<ImpressoraQt>());
    try {
        frmPantoro janela;
        janela.Carregar(argumentoChamada);
        janela.show();
        return app.exec();
    } catch (const FimDoPrograma& fim) {
        return fim.ExitCode();
    }
}
