#include "EmpresaAleatoria.h"

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

constexpr std::array<LayoutRelatorio, 6> Layouts{LayoutRelatorio::Standard,  LayoutRelatorio::PA,
                                                 LayoutRelatorio::Detalhado, LayoutRelatorio::Entrega,
                                                 LayoutRelatorio::EntregaVertical, LayoutRelatorio::AgrupaProd};

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
        if (fiel.erro != 0) {
            ++comErro_;
            return;
        }
        ++(fiel.resultado.semDados ? semDados_ : comDados_);
        EXPECT_EQ(rapido.arquivo.toStdString(), fiel.arquivo.toStdString());
        EXPECT_EQ(rapido.resultado.dtAte, fiel.resultado.dtAte);
        EXPECT_EQ(rapido.resultado.dataEmissaoForcada, fiel.resultado.dataEmissaoForcada);
        EXPECT_EQ(rapido.resultado.semDados, fiel.resultado.semDados);
        EXPECT_EQ(rapido.resultado.arquivo, fiel.resultado.arquivo);
        EXPECT_EQ(rapido.mensagens, fiel.mensagens);
        EXPECT_EQ(rapido.grade, fiel.grade);
    }

    static std::string descreve(const FiltroRelatorio& f)
    {
        return QStringLiteral("layout %1 data %2 de '%3' ate '%4' vendedor '%5' tipo '%6' cliente '%7' marca '%8' "
                              "fonte %9 empresa '%10'")
            .arg(static_cast<int>(f.layout))
            .arg(static_cast<int>(f.data))
            .arg(f.dtDe, f.dtAte, f.vendedor, f.tipoCliente, f.cliente, f.marca)
            .arg(f.tamanhoFonte)
            .arg(f.codiEmpresa)
            .toStdString();
    }

    int comDados_ = 0;
    int semDados_ = 0;
    int comErro_ = 0;

private:
    QTemporaryDir pasta_;
    std::shared_ptr<CaixaGravadora> caixa_;
    std::shared_ptr<CaixaDeMensagem> caixaAnterior_;
};

TEST_P(Diferencial, OsDoisMotoresEscrevemOMesmoArquivo)
{
    // Firebird builds every database on its server: fewer companies there.
    const uint32_t empresas = GetParam() == Backend::Sqlite ? 40 : 10;
    for (uint32_t semente = 1; semente <= empresas; ++semente) {
        BancoDeTeste banco(GetParam());
        PerfilEmpresa perfil;
        perfil.grandes = semente % 6 == 0;
        for (const QString& comando : ComandosEmpresaAleatoria(semente, perfil))
            banco.executa(comando);
        std::mt19937 filtros(semente);
        for (int rodada = 0; rodada < 4; ++rodada)
            for (LayoutRelatorio layout : Layouts) {
                const FiltroRelatorio filtro = FiltroAleatorio(filtros, layout);
                SCOPED_TRACE("semente " + std::to_string(semente) + ": " + descreve(filtro));
                comparaMotores(filtro);
                if (HasFatalFailure())
                    return;
            }
    }
    // The draws reach reports, runs without data and stopped runs.
    EXPECT_GT(comDados_, semDados_);
    EXPECT_GT(semDados_, 0);
    if (GetParam() == Backend::Sqlite)
        EXPECT_GT(comErro_, 0);
}

INSTANTIATE_TEST_SUITE_P(Bancos, Diferencial, ::testing::ValuesIn(BancoDeTeste::disponiveis()),
                         BancoDeTeste::nomeDoParametro);

}  // namespace
