#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "report/Relatorio.h"
#include "report/RelatorioEntregaVertical.h"
#include "startup/Ambiente.h"
#include "support/BancoDeTeste.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// What one run leaves behind: the file, the form changes, the messages, the
// scratch grid, or the error that stopped it.
struct Execucao {
    long erro = 0;
    QByteArray arquivo;
    ResultadoRelatorio resultado;
    QStringList mensagens;
    QStringList grade;
};

class Diferencial : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta_.isValid());
        ambiente().PastaRelatorios = pasta_.path() + QStringLiteral("/");
        caixa_ = std::make_shared<CaixaGravadora>();
        caixaAnterior_ = InstalaCaixaDeMensagem(caixa_);
    }

    void TearDown() override { InstalaCaixaDeMensagem(caixaAnterior_); }

    Execucao executa(const FiltroRelatorio& filtro, MotorRelatorio motor)
    {
        Execucao execucao;
        caixa_->mensagens.clear();
        FlexTemp().Clear();
        try {
            execucao.resultado = ExecutaRelatorio(filtro, motor);
        } catch (const VbError& erro) {
            execucao.erro = erro.Number();
        }
        QFile arquivo(ambiente().PastaRelatorios + QStringLiteral("pantoro.html"));
        if (arquivo.open(QIODevice::ReadOnly))
            execucao.arquivo = arquivo.readAll();
        for (const Mensagem& mensagem : caixa_->mensagens)
            execucao.mensagens << mensagem.titulo + QLatin1Char('|') + mensagem.prompt;
        const FlexGrid& grade = FlexTemp();
        for (int linha = 0; linha < grade.Rows(); ++linha)
            for (int coluna = 0; coluna < grade.Cols(); ++coluna)
                execucao.grade << grade.TextMatrix(linha, coluna);
        return execucao;
    }

    // Both engines over the same filter: same error or same file, form
    // changes, messages and grid.
    void comparaMotores(const FiltroRelatorio& filtro)
    {
        const Execucao fiel = executa(filtro, MotorRelatorio::Fiel);
        const Execucao rapido = executa(filtro, MotorRelatorio::Rapido);
        ASSERT_EQ(rapido.erro, fiel.erro);
        // A stopped run leaves the file as far as it got: the same bytes.
        EXPECT_EQ(rapido.arquivo.toStdString(), fiel.arquivo.toStdString());
        if (fiel.erro != 0)
            return;
        EXPECT_EQ(rapido.resultado.dtAte, fiel.resultado.dtAte);
        EXPECT_EQ(rapido.resultado.dataEmissaoForcada, fiel.resultado.dataEmissaoForcada);
        EXPECT_EQ(rapido.resultado.semDados, fiel.resultado.semDados);
        EXPECT_EQ(rapido.resultado.arquivo, fiel.resultado.arquivo);
        EXPECT_EQ(rapido.mensagens, fiel.mensagens);
        EXPECT_EQ(rapido.grade, fiel.grade);
    }

private:
    QTemporaryDir pasta_;
    std::shared_ptr<CaixaGravadora> caixa_;
    std::shared_ptr<CaixaDeMensagem> caixaAnterior_;
};

// Vertical delivery runs that overflow, each order one line of subgroup 1
// (and a deactivated line, which the product sum counts and the subgroup
// sum does not): the per-row run writes the blocks up to the failing step,
// and the set-based one must leave the same file.
TEST_P(Diferencial, DepoisDeUmEstouroOsDoisMotoresDeixamOMesmoArquivo)
{
    const struct {
        const char* caso;
        std::vector<std::pair<int, int>> linhas;  // per order: active, deactivated quantity
        int blocosEscritos;
    } casos[] = {
        {"os totais passam de 32767 no quarto pedido", {{5, 0}, {6, 0}, {20000, 0}, {20000, 0}}, 3},
        {"a soma do produto do segundo pedido passa de 32767", {{5, 0}, {20000, 20000}, {7, 0}}, 2},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        BancoDeTeste banco(GetParam());
        banco.executaScript(QStringLiteral(
            "insert into empr (idempr, codi_empr, nome_conh_empr) values (1, '001', 'EMPRESA');"
            "insert into pess (idpess, nome_pess, nome_conh) values (1, 'CLIENTE', 'C');"
            "insert into clie (idclie, idpess) values (1, 1);"
            "insert into marc (idmarc, desc_marc) values (1, 'MARCA');"
            "insert into prod (idprod, codi_prod, desc_prod, idmarc, IDSUB0_GRUP) values (1, 'BN01', 'BANANA', 1, 1)"));
        int item = 0;
        for (int pedido = 1; pedido <= int(c.linhas.size()); ++pedido) {
            banco.executa(QStringLiteral("insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idclie, "
                                         "VALO_DECT) values (%1, %2, '001', '2024-05-%3 00:00:00', 1, 0)")
                              .arg(pedido)
                              .arg(100 + pedido)
                              .arg(pedido, 2, 10, QLatin1Char('0')));
            const auto [ativa, desativada] = c.linhas[pedido - 1];
            for (const auto& [qtde, desativacao] : {std::pair{ativa, "null"}, {desativada, "'2024-05-01 00:00:00'"}})
                if (qtde > 0)
                    banco.executa(QStringLiteral("insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, "
                                                 "QTDE, VALO_UNIT, VALO_DECT, VALO_LIQU, VALO_TOTA, status_prod, "
                                                 "data_desa) values (%1, %2, 1, %3, 1, 0, 1, %3, 'Verde', %4)")
                                      .arg(++item)
                                      .arg(pedido)
                                      .arg(qtde)
                                      .arg(QLatin1String(desativacao)));
        }
        FiltroRelatorio filtro;
        filtro.layout = LayoutRelatorio::EntregaVertical;
        filtro.dtDe = QStringLiteral("01/05/2024");
        filtro.dtAte = QStringLiteral("31/05/2024");
        filtro.codiEmpresa = QStringLiteral("001");
        const Execucao fiel = executa(filtro, MotorRelatorio::Fiel);
        const Execucao rapido = executa(filtro, MotorRelatorio::Rapido);
        ASSERT_EQ(fiel.erro, vb_error::Overflow);
        EXPECT_EQ(rapido.erro, fiel.erro);
        EXPECT_EQ(rapido.arquivo.toStdString(), fiel.arquivo.toStdString());
        for (int pedido = 1; pedido <= int(c.linhas.size()); ++pedido)
            EXPECT_EQ(fiel.arquivo.contains(">" + QByteArray::number(100 + pedido).rightJustified(6, '0') + "<"),
                      pedido <= c.blocosEscritos)
                << pedido;
    }
}

// A day stored without its time: SQLite refuses it (its instants are text,
// and only the full form compares alike in every query); Firebird keeps it
// as midnight, and both engines count it in the day's figures.
TEST_P(Diferencial, DiaSemHoraNaoDivideOsMotores)
{
    BancoDeTeste banco(GetParam());
    banco.executaScript(QStringLiteral(
        "insert into empr (idempr, codi_empr, nome_conh_empr) values (1, '001', 'EMPRESA');"
        "insert into pess (idpess, nome_pess, nome_conh) values (1, 'VENDEDOR', 'V');"
        "insert into vend (idvend, idpess) values (1, 1)"));
    const QString pedido = QStringLiteral("insert into pedi_veds (idpedi_veds, nume_pedi, codi_empr, data_pedi, idvend, "
                                          "VALO_DECT) values (1, 101, '001', '2024-05-21', 1, 0)");
    if (GetParam() == Backend::Sqlite) {
        EXPECT_THROW(banco.executa(pedido), std::runtime_error);
        return;
    }
    banco.executa(pedido);
    banco.executa(QStringLiteral("insert into pedi_veds_deta (idpedi_veds_deta, idpedi_veds, idprod, QTDE) "
                                 "values (1, 1, 1, 3)"));
    FiltroRelatorio filtro;
    filtro.layout = LayoutRelatorio::PA;
    filtro.dtDe = QStringLiteral("01/05/2024");
    filtro.dtAte = QStringLiteral("31/05/2024");
    filtro.codiEmpresa = QStringLiteral("001");
    filtro.vendedor = QStringLiteral("V");
    comparaMotores(filtro);
    EXPECT_TRUE(executa(filtro, MotorRelatorio::Fiel).arquivo.contains("<TD width=15% ALIGN='RIGHT'>1</TD>"));
}

INSTANTIATE_TEST_SUITE_P(Bancos, Diferencial, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
