#include "PessoasDeTeste.h"

#include "Casos.h"

#include "people/PesquisaRecordada.h"
#include "platform/FlexGrid.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

namespace {

bool EhBusca(const QString& sql)
{
    return sql.startsWith(QLatin1String("SELECT * FROM PESS ")) ||
           sql.contains(QLatin1String("FROM ATIV, PESS, PESS_ATIV"));
}

}  // namespace

void PessoasDeTeste::SetUp()
{
    banco = std::make_unique<BancoDeTeste>(GetParam());
    banco->executaScript(DadosDeTeste("support/pessoas.sql"));
    ambiente().NomeTela = QStringLiteral("frmPantoro");
    funcoes() = VariaveisFuncoes{};
    pesquisaRecordada() = PesquisaRecordada{};
    caixa = std::make_shared<CaixaGravadora>();
    caixaAnterior_ = InstalaCaixaDeMensagem(caixa);
    Conexao().contador.antesDeConsultar = [this](long, const QString& sql) {
        if (EhBusca(sql))
            buscasEnviadas << sql;
    };
}

void PessoasDeTeste::TearDown()
{
    InstalaCaixaDeMensagem(caixaAnterior_);
    banco.reset();
}

QStringList PessoasDeTeste::Ids(const FlexGrid& grid)
{
    QStringList ids;
    for (int r = 1; r < grid.Rows(); ++r)
        ids << grid.TextMatrix(r, 0);
    return ids;
}
