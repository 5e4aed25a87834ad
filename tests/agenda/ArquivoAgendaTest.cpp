#include "agenda/Agendamentos.h"
#include "agenda/FiltrosSalvos.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"
#include "support/Auxiliares.h"
#include "support/Casos.h"
#include "support/PastaTemporaria.h"

#include <gtest/gtest.h>

namespace {

const QString Agenda = QStringLiteral("korva/config/pantoro-agenda.ini");

// The message reading `grupo` gets, as a schedule when it is one, else as a saved set.
QString ErroAoLer(const QString& grupo)
{
    try {
        for (const AgendamentoLido& lido : LeAgendamentos(LeArquivoAgenda()))
            if (lido.nome == grupo)
                return lido.erro;
        LeFiltroSalvo(grupo);
    } catch (const VbError& erro) {
        return erro.Description();
    }
    return {};
}

class ErrosDoArquivo : public ::testing::TestWithParam<Caso> {};

TEST_P(ErrosDoArquivo, NomeiamArquivoGrupoEChave)
{
    const DriveCTemporario drive;
    drive.escreve(Agenda, GetParam().bytes("texto"));
    EXPECT_EQ(ErroAoLer(GetParam()("grupo")), GetParam()("mensagem"));
}

INSTANTIATE_TEST_SUITE_P(Tabela, ErrosDoArquivo, ::testing::ValuesIn(Casos("agenda/casos/erros.tsv")), NomeDoCaso);

TEST(ArquivoDaAgenda, ValoresComComentariosAspasECrlf)
{
    const DriveCTemporario drive;
    for (const Caso& caso : Casos("agenda/casos/erros.tsv"))
        if (caso("caso") == QLatin1String("bom_com_comentarios_e_dois_enderecos"))
            drive.escreve(Agenda, caso.bytes("texto"));
    const QVector<AgendamentoLido> lidos = LeAgendamentos(LeArquivoAgenda());
    ASSERT_EQ(lidos.size(), 1);
    const Agendamento& lido = lidos[0].agendamento;
    EXPECT_EQ(lido.filtro.cliente, QStringLiteral("BAR ; \"DO ZÉ\""));
    EXPECT_EQ(lido.filtro.periodo, QStringLiteral("ontem"));
    EXPECT_EQ(lido.para, (QStringList{QStringLiteral("a@b.com.br"), QStringLiteral("c@d.com.br")}));
    EXPECT_EQ(lido.quando.frequencia, Quando::Frequencia::DiasUteis);
    EXPECT_EQ(lido.quando.hora, QTime(7, 0));
    EXPECT_EQ(lido.formatos, QVector<FormatoEnvio>{FormatoEnvio::Pdf});
}

// The window saves over a schedule, deletes a set and saves a new one:
// every other line of the hand-edited file stays as it was.
TEST(ArquivoDaAgenda, SalvarERemoverGuardamOResto)
{
    const DriveCTemporario drive;
    drive.escreve(Agenda, DadosDeTeste("agenda/casos/agenda-antes.ini").toUtf8());
    EXPECT_EQ(NomesDosFiltrosSalvos(),
              (QStringList{QStringLiteral("vendas-do-mes"), QStringLiteral("antigo"), QStringLiteral("entregas")}));
    FiltroRelatorio filtro;
    filtro.layout = LayoutRelatorio::Detalhado;
    filtro.data = DataRelatorio::Entrega;
    filtro.marca = QStringLiteral("BANANA");
    SalvaFiltros(QStringLiteral("vendas-do-mes"), filtro, QStringLiteral("mes-anterior"));
    RemoveFiltroSalvo(QStringLiteral("antigo"));
    filtro = FiltroRelatorio{};
    filtro.dtDe = QStringLiteral("01/11/2026");
    filtro.dtAte = QStringLiteral("30/11/2026");
    filtro.cliente = QStringLiteral("BAR ; \"DO ZÉ\"");
    SalvaFiltros(QStringLiteral("bar do zé"), filtro);
    EXPECT_EQ(QString::fromUtf8(Conteudo(CaminhoLocal(ArquivoAgenda()))),
              DadosDeTeste("agenda/casos/agenda-depois.ini"));

    const FiltroRelatorio relido = AplicaFiltroSalvo(LeFiltroSalvo(QStringLiteral("bar do zé")), QDate(2027, 1, 1));
    EXPECT_EQ(relido.cliente, filtro.cliente);
    EXPECT_EQ(relido.dtDe + relido.dtAte, filtro.dtDe + filtro.dtAte);
    const FiltroRelatorio mes = AplicaFiltroSalvo(LeFiltroSalvo(QStringLiteral("vendas-do-mes")), QDate(2028, 3, 1));
    EXPECT_EQ(mes.dtDe + u' ' + mes.dtAte, QStringLiteral("01/02/2028 29/02/2028"));
    EXPECT_EQ(mes.layout, LayoutRelatorio::Detalhado);
    EXPECT_EQ(mes.data, DataRelatorio::Entrega);
    EXPECT_TRUE(mes.vendedor.isEmpty());

    // Refused, and the file is left as it was.
    EXPECT_EQ(ErroVb([&] { SalvaFiltros(QStringLiteral("a]b"), filtro); }), vb_error::TypeMismatch);
    filtro.dtAte = QStringLiteral("__/__/____");
    EXPECT_EQ(ErroVb([&] { SalvaFiltros(QStringLiteral("novo"), filtro); }), vb_error::TypeMismatch);
    EXPECT_EQ(ErroVb([&] { SalvaFiltros(QStringLiteral("novo"), filtro, QStringLiteral("ontem-e-hoje")); }),
              vb_error::TypeMismatch);
    EXPECT_EQ(ErroVb([] { RemoveFiltroSalvo(QStringLiteral("antigo")); }), vb_error::TypeMismatch);
    EXPECT_EQ(QString::fromUtf8(Conteudo(CaminhoLocal(ArquivoAgenda()))),
              DadosDeTeste("agenda/casos/agenda-depois.ini"));
}

TEST(ArquivoDaAgenda, ArquivoQueNaoEUtf8TemMensagem)
{
    const DriveCTemporario drive;
    drive.escreve(Agenda, "[vendas]\nrelatorio=standard\ncliente=S\xc3O JO\xc3O\n");
    EXPECT_EQ(ErroAoLer(QStringLiteral("vendas")),
              QStringLiteral("O arquivo c:\\korva\\config\\pantoro-agenda.ini não está em UTF-8; grave-o em UTF-8."));
}

}  // namespace
