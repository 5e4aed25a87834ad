#include "ProgramaJanela.h"

#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "report/frmPantoro.h"
#include "viewer/ImpressoraQt.h"

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
