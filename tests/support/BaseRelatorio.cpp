#include "BaseRelatorio.h"

#include "Casos.h"

#include "platform/Conversions.h"
#include "report/Relatorio.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <QFile>

void BaseRelatorio::SetUp()
{
    ASSERT_TRUE(pasta_.isValid());
    funcoes() = VariaveisFuncoes{};
    relatorio() = VariaveisRelatorio{};
    banco = std::make_unique<BancoDeTeste>(GetParam().banco);
    banco->executaScript(DadosDeTeste("support/empresa.sql"));
    ambiente().PastaRelatorios = pastaRelatorios();
    caixa = std::make_shared<CaixaGravadora>();
    caixaAnterior_ = InstalaCaixaDeMensagem(caixa);
}

void BaseRelatorio::TearDown()
{
    InstalaCaixaDeMensagem(caixaAnterior_);
    banco.reset();
}

FiltroRelatorio BaseRelatorio::filtroDeMaio(LayoutRelatorio layout)
{
    FiltroRelatorio filtro;
    filtro.layout = layout;
    filtro.dtDe = QStringLiteral("01/05/2024");
    filtro.dtAte = QStringLiteral("31/05/2024");
    filtro.codiEmpresa = QStringLiteral("001");
    filtro.nomeEmpresa = QStringLiteral("BANANAS & CIA <MATRIZ>");
    filtro.tituloJanela = QStringLiteral("ERP KORVA - Tevrano - Release 2014.08.05 (PRD)(001/MARIA)");
    return filtro;
}

void BaseRelatorio::defineModelo(const QString& valor)
{
    banco->executa(QStringLiteral("delete from empr_cnfg"));
    if (!valor.isEmpty())
        banco->executa(QStringLiteral("insert into empr_cnfg (idempr_cnfg, idempr, nome_para, valo_para) "
                                      "values (1, 1, 'MODELO_PEDI_VEDS', '%1')")
                           .arg(valor));
}

QByteArray BaseRelatorio::arquivoGerado() const
{
    QFile arquivo(pastaRelatorios() + QStringLiteral("pantoro.html"));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

long BaseRelatorio::linhas(const char* tabela)
{
    Recordset rs = AbreConsulta(QStringLiteral("select count(*) as n from ") + QLatin1String(tabela));
    return CLng(rs.Fields(QStringLiteral("n")));
}

QString BaseRelatorio::pastaRelatorios() const
{
    return pasta_.path() + QStringLiteral("/");
}

QByteArray Esperado(const QString& nome, const QByteArray& gerado)
{
    QFile arquivo(QStringLiteral(PANTORO_TESTS_DIR "/report/esperado/") + nome);
    if (!qEnvironmentVariableIsEmpty("PANTORO_REGENERA_ESPERADOS") && arquivo.open(QIODevice::WriteOnly))
        arquivo.write(gerado);
    arquivo.close();
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

std::vector<ParametroRelatorio> ParametrosRelatorio()
{
    std::vector<ParametroRelatorio> parametros;
    for (Backend banco : BancoDeTeste::disponiveis())
        for (MotorRelatorio motor : {MotorRelatorio::Fiel, MotorRelatorio::Rapido})
            parametros.push_back({banco, motor});
    return parametros;
}

std::string NomeDoParametro(const ::testing::TestParamInfo<ParametroRelatorio>& info)
{
    return BancoDeTeste::nome(info.param.banco) + (info.param.motor == MotorRelatorio::Fiel ? "_Fiel" : "_Rapido");
}
