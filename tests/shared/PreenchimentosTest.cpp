#include "BaseFuncoes.h"

#include "platform/FlexGrid.h"
#include "platform/VbError.h"
#include "shared/Funcoes.h"

#include <QComboBox>
#include <QWidget>

namespace {

QStringList Itens(const QComboBox& combo)
{
    QStringList itens;
    for (int i = 0; i < combo.count(); ++i)
        itens << combo.itemText(i);
    return itens;
}

QComboBox* NovoCombo(QWidget& janela, const QString& nome)
{
    auto* combo = new QComboBox(&janela);
    combo->setObjectName(nome);
    combo->addItem(QStringLiteral("SOBRA DE ANTES"));
    return combo;
}

QString Entrada(const QString& nome, const QString& documento, const QString& idPessoa, const QString& idCliente)
{
    return nome.leftJustified(50, QLatin1Char(' '), true) + u'|' + documento.leftJustified(20, u' ') + u'|'
        + idPessoa.leftJustified(10, u' ') + u'|' + idCliente.leftJustified(10, u' ') + u'|';
}

const QString Super = QStringLiteral("SUPERMERCADO DO PRODUTOR RURAL DE HORTIFRUTIGRANJEIROS DO SUL");

class Preenchimentos : public BaseFuncoes {};

TEST_P(Preenchimentos, CombosDaJanela)
{
    QWidget janela;
    QComboBox* tipos = NovoCombo(janela, QStringLiteral("cboTipoCli"));
    QComboBox* vendedores = NovoCombo(janela, QStringLiteral("cboVendedor"));
    QComboBox* atividades = NovoCombo(janela, QStringLiteral("cboCod"));

    CarregaTipoCliente(&janela);
    EXPECT_EQ(Itens(*tipos), QStringList({"ATACADO", "VAREJO"}));

    CarregaVendedores(&janela, QStringLiteral("   "));
    EXPECT_EQ(Itens(*vendedores), QStringList({"ANINHA", "BETO"}));
    CarregaVendedores(&janela, QStringLiteral(" be "));
    EXPECT_EQ(Itens(*vendedores), QStringList({"BETO"}));
    CarregaVendedores(&janela, QStringLiteral("CARL"));
    EXPECT_EQ(Itens(*vendedores), QStringList());

    CarregaAtividades(&janela, QString());
    EXPECT_EQ(Itens(*atividades), QStringList({"COMERCIO", "CONSULTORIA", "VENDAS"}));
    CarregaAtividades(&janela, QStringLiteral("co"));
    EXPECT_EQ(Itens(*atividades), QStringList({"COMERCIO", "CONSULTORIA"}));
    CarregaAtividades(&janela, QStringLiteral("D'"));
    EXPECT_EQ(Itens(*atividades), QStringList());
}

TEST_P(Preenchimentos, CarregaClientes)
{
    QWidget janela;
    QComboBox* combo = NovoCombo(janela, QStringLiteral("cboCliente"));

    QString texto = QStringLiteral("  ");
    CarregaClientes(texto, combo);
    EXPECT_EQ(texto, QString());
    const QStringList todos = Itens(*combo);
    EXPECT_EQ(todos, QStringList({Entrada("ANA PAULA SOUZA", "12345678901", "1", "10"),
                                  Entrada("BRUNO LIMA", "98712399900", "3", "12"),
                                  Entrada("D'ÁVILA COMERCIO", "", "2", "11"),
                                  Entrada(Super, "55000111000199", "4", "13")}));
    for (const QString& entrada : todos)
        EXPECT_EQ(entrada.size(), 94);

    texto = QStringLiteral(" 123 ");
    CarregaClientes(texto, combo);
    EXPECT_EQ(texto, QStringLiteral("123"));
    EXPECT_EQ(Itens(*combo), QStringList({Entrada("ANA PAULA SOUZA", "12345678901", "1", "10"),
                                          Entrada("BRUNO LIMA", "98712399900", "3", "12")}));

    texto = QStringLiteral("ana");
    CarregaClientes(texto, combo);
    EXPECT_EQ(Itens(*combo), QStringList({Entrada("ANA PAULA SOUZA", "12345678901", "1", "10")}));

    texto = QStringLiteral("d'á");
    CarregaClientes(texto, combo);
    EXPECT_EQ(Itens(*combo), QStringList({Entrada("D'ÁVILA COMERCIO", "", "2", "11")}));

    texto = QStringLiteral("ANA");
    EXPECT_EQ(NumeroDoErro([&] { CarregaClientes(texto, nullptr); }), vb_error::ControlNotFound);
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

    ASSERT_EQ(grade->Rows(), 5);
    EXPECT_EQ(grade->TextMatrix(1, 0), QStringLiteral("JA ESTAVA"));
    const QStringList esperadas[] = {{"100", "TOM01", "0", "TOMATE", ""},
                                     {"101", "BAN01", "0", "BANANA", ""},
                                     {"102", "ALF01", "0", "ALFACE", ""}};
    for (int linha = 0; linha < 3; ++linha)
        for (int coluna = 0; coluna < 5; ++coluna)
            EXPECT_EQ(grade->TextMatrix(linha + 2, coluna), esperadas[linha][coluna]) << linha << "," << coluna;
}

INSTANTIATE_TEST_SUITE_P(Bancos, Preenchimentos, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
