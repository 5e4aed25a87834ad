#include "fixtures/BaseRelatorio.h"
#include "platform/Ado.h"
#include "platform/VbError.h"
#include "report/Relatorio.h"
#include "startup/Ambiente.h"

#include <QProcess>
#include <QRegularExpression>

// The program only reads the company database. Its connection opens the
// embedded database read-only, so not even a statement built to write can
// change it. Firebird has no read-only connection: there the database
// itself is switched to read-only (as its owner may), and everything the
// program does still works, so none of its statements writes. In both,
// every kind of write is refused by the database.
namespace {

const char* const Escritas[] = {
    "insert into marc (idmarc, desc_marc) values (99, 'NOVA')",
    "update pess set nome_pess = 'ALTERADO'",
    "delete from pedi_veds",
    "drop table pess",
};

class SomenteLeitura : public BaseRelatorio {
protected:
    void SetUp() override
    {
        BaseRelatorio::SetUp();
        fixture_ = std::move(ambiente().conexao);
        if (GetParam().banco == Backend::Firebird) {
            fixture_.reset();
            ASSERT_NO_FATAL_FAILURE(firebirdSomenteLeitura());
        }
        // The program's own connection, opened as start-up opens it.
        ambiente().conexao = std::make_unique<Connection>();
        ambiente().conexao->Open(GetParam().banco, banco->stringDeConexao());
    }

    void TearDown() override
    {
        ambiente().conexao = std::move(fixture_);
        BaseRelatorio::TearDown();
    }

    void firebirdSomenteLeitura() const
    {
        const QString texto = banco->stringDeConexao();
        const QRegularExpression campos(QStringLiteral("Data Source=([^;]*);User ID=([^;]*);Password=([^;]*)"));
        const QRegularExpressionMatch achado = campos.match(texto);
        ASSERT_TRUE(achado.hasMatch());
        QProcessEnvironment ambienteGfix = QProcessEnvironment::systemEnvironment();
        ambienteGfix.insert(QStringLiteral("ISC_USER"), achado.captured(2));
        ambienteGfix.insert(QStringLiteral("ISC_PASSWORD"), achado.captured(3));
        QProcess gfix;
        gfix.setProcessEnvironment(ambienteGfix);
        gfix.setProcessChannelMode(QProcess::MergedChannels);
        gfix.start(QStringLiteral("gfix"), {QStringLiteral("-mode"), QStringLiteral("read_only"), achado.captured(1)});
        ASSERT_TRUE(gfix.waitForFinished(60000));
        ASSERT_EQ(gfix.exitCode(), 0) << gfix.readAll().toStdString();
    }

private:
    std::unique_ptr<Connection> fixture_;
};

TEST_P(SomenteLeitura, ProgramaLeTudoMasNaoEscreve)
{
    for (const auto& [nome, layout] : NomesDosLayouts)
        EXPECT_FALSE(executa(filtroDeMaio(layout)).arquivo.isEmpty());

    for (const char* escrita : Escritas) {
        SCOPED_TRACE(escrita);
        try {
            Conexao().Executa(QString::fromLatin1(escrita));
            ADD_FAILURE() << "the database took the write";
        } catch (const VbError& erro) {
            EXPECT_EQ(erro.Number(), adErroNaConsulta);
            EXPECT_TRUE(erro.Description().contains(QLatin1String("readonly"), Qt::CaseInsensitive) ||
                        erro.Description().contains(QLatin1String("read-only"), Qt::CaseInsensitive))
                << erro.Description().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bancos, SomenteLeitura, ::testing::ValuesIn(ParametrosRelatorio()), NomeDoParametro);

}  // namespace
