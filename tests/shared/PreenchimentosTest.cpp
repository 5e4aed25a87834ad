#include "BaseFuncoes.h"

#include "platform/FlexGrid.h"
#include "platform/VbError.h"
#include "support/ItensDaLista.h"

#include <QComboBox>
#include <QWidget>
#include <functional>
#include <map>

namespace {

// Each filler by name: the combo box it fills in the window and the call.
struct Lista {
    const char* combo;
    std::function<void(QWidget*, QString&)> carrega;
};

const std::map<QString, Lista> Listas = {
    {"CarregaTipoCliente", {"cboTipoCli", [](QWidget* janela, QString&) { CarregaTipoCliente(janela); }}},
    {"CarregaVendedores", {"cboVendedor", [](QWidget* janela, QString& f) { CarregaVendedores(janela, f); }}},
    {"CarregaAtividades", {"cboCod", [](QWidget* janela, QString& f) { CarregaAtividades(janela, f); }}},
    {"CarregaClientes",
     {"cboCliente", [](QWidget* janela, QString& f) { CarregaClientes(f, janela->findChild<QComboBox*>()); }}},
};

using Preenchimentos = BaseFuncoes;

TEST_P(Preenchimentos, CadaListaTrocaOQueHaviaPelosAtivosFiltrados)
{
    for (const Caso& caso : Casos("shared/casos/listas.tsv")) {
        SCOPED_TRACE(caso.onde());
        const Lista& lista = Listas.at(caso[0]);
        QWidget janela;
        auto* combo = new QComboBox(&janela);
        combo->setObjectName(QLatin1String(lista.combo));
        combo->addItem(QStringLiteral("SOBRA DE ANTES"));
        QString filtro = caso[1];
        lista.carrega(&janela, filtro);
        EXPECT_EQ(filtro, caso[2]);
        QStringList esperados;
        for (size_t i = 3; i < caso.campos.size(); ++i)
            esperados << caso[i];
        EXPECT_EQ(ItensDaLista(*combo), esperados);
    }
    QString texto = QStringLiteral("ANA");
    try {
        CarregaClientes(texto, nullptr);
        ADD_FAILURE() << "no error without a combo box";
    } catch (const VbError& erro) {
        EXPECT_EQ(erro.Number(), vb_error::ControlNotFound);
    }
}

TEST_P(Preenchimentos, CarregaFlexTempAcrescentaAosQueJaHa)
{
    QObject dono;
    auto* grade = new FlexGrid(&dono);
    grade->setObjectName(QStringLiteral("FlexTemp"));
    grade->SetCols(5);
    grade->SetRows(2);
    grade->SetTextMatrix(1, 0, QStringLiteral("JA ESTAVA"));
    CarregaFlexTemp(&dono);
    QStringList linhas;
    for (int linha = 1; linha < grade->Rows(); ++linha) {
        QStringList celulas;
        for (int coluna = 0; coluna < 5; ++coluna)
            celulas << grade->TextMatrix(linha, coluna);
        linhas << celulas.join(u'|');
    }
    EXPECT_EQ(linhas,
              QStringList({"JA ESTAVA||||", "100|TOM01|0|TOMATE|", "101|BAN01|0|BANANA|", "102|ALF01|0|ALFACE|"}));
}

INSTANTIATE_TEST_SUITE_P(Bancos, Preenchimentos, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
