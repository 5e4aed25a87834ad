#include "Relatorio.h"

#include "platform/Ado.h"
#include "platform/Conversions.h"
#include "platform/MessageBox.h"
#include "platform/TextFile.h"
#include "report/ExecucaoRelatorio.h"
#include "report/FonteEmConjunto.h"
#include "report/FontePorLinha.h"
#include "report/RelatorioAgrupaProd.h"
#include "report/RelatorioDetalhado.h"
#include "report/RelatorioEntregaVertical.h"
#include "report/RelatorioPA.h"
#include "report/RelatorioStandard.h"
#include "shared/Funcoes.h"
#include "startup/Ambiente.h"

#include <memory>

namespace {

int tamanhoDaFonte(int escolhido)
{
    switch (escolhido) {
    case 10:
    case 11:
    case 12:
    case 14:
        return escolhido;
    default:
        return 8;
    }
}

QString colunaDaData(DataRelatorio data)
{
    switch (data) {
    case DataRelatorio::Emissao:
        return QStringLiteral("DATA_PEDI");
    case DataRelatorio::Entrega:
        return QStringLiteral("DATA_REAL_ENTG");
    case DataRelatorio::Fechamento:
        break;
    }
    return QStringLiteral("DATA_FECH");
}

std::unique_ptr<FonteDeValores> fonteDeValores(ExecucaoRelatorio& execucao, MotorRelatorio motor)
{
    if (motor == MotorRelatorio::Fiel)
        return std::make_unique<FontePorLinha>(execucao);
    return std::make_unique<FonteEmConjunto>(execucao);
}

std::unique_ptr<PassosRelatorio> passosDoLayout(ExecucaoRelatorio& execucao, FonteDeValores& fonte)
{
    switch (execucao.filtro.layout) {
    case LayoutRelatorio::Standard:
        return std::make_unique<PassosStandard>(execucao, fonte);
    case LayoutRelatorio::PA:
        return std::make_unique<PassosPA>(execucao, fonte);
    case LayoutRelatorio::Detalhado:
        return std::make_unique<PassosDetalhado>(execucao, fonte, VarianteDetalhada::ComValores);
    case LayoutRelatorio::Entrega:
        return std::make_unique<PassosDetalhado>(execucao, fonte, VarianteDetalhada::Entrega);
    case LayoutRelatorio::EntregaVertical:
        return std::make_unique<PassosEntregaVertical>(execucao, fonte);
    case LayoutRelatorio::AgrupaProd:
        break;
    }
    return std::make_unique<PassosAgrupaProd>(execucao, fonte);
}

void ampulheta(const GanchosRelatorio& ganchos, bool ligada)
{
    if (ganchos.ampulheta)
        ganchos.ampulheta(ligada);
}

}  // namespace

VariaveisRelatorio& relatorio()
{
    static VariaveisRelatorio variaveis;
    return variaveis;
}

ResultadoRelatorio ExecutaRelatorio(const FiltroRelatorio& filtroDoForm, MotorRelatorio motor,
                                    const GanchosRelatorio& ganchos, const QString& arquivoRelatorio)
{
    ResultadoRelatorio resultado;
    ExecucaoRelatorio execucao;
    execucao.filtro = filtroDoForm;
    FiltroRelatorio& filtro = execucao.filtro;
    const std::unique_ptr<FonteDeValores> fonte = fonteDeValores(execucao, motor);
    const std::unique_ptr<PassosRelatorio> passos = passosDoLayout(execucao, *fonte);

    execucao.idMarca = fonte->IdMarca(filtro.marca, passos->UsaMarca());
    if (!Trim(filtro.marca).isEmpty())
        MsgBox(QStringLiteral("Atenção!!!\rEste tipo de filtro (Marca) pode trazer distorções nos descontos "
                              "aplicados no cabeçalho do Pedido.\rSomente os descontos aplicados no item "
                              "são considerados neste filtro"),
               IconeMensagem::Informacao, filtro.tituloJanela);

    if (!IsDate(Variant(filtro.dtAte)))
        filtro.dtAte = filtro.dtDe;
    resultado.dtAte = filtro.dtAte;
    if (ganchos.dataFinal)
        ganchos.dataFinal(filtro.dtAte);

    if (!Trim(filtro.cliente).isEmpty()) {
        QString nome = Trim(filtro.cliente);
        execucao.filtroCliente =
            QStringLiteral(" and pedi_veds.idClie = '") + ParaTexto(IdCliente(nome)) + QStringLiteral("' ");
    }

    ampulheta(ganchos, true);
    execucao.tamanhoFonte = tamanhoDaFonte(filtro.tamanhoFonte);

    if (filtro.layout == LayoutRelatorio::PA) {
        if (filtro.data != DataRelatorio::Emissao)
            MsgBox(QStringLiteral("O Relatório de PA somente pode ser processado com a opção da Data do "
                                  "Pedido (Data de Vendas).\rO sistema está ajustado o parametro "
                                  "automaticamente"),
                   IconeMensagem::Informacao, filtro.tituloJanela);
        filtro.data = DataRelatorio::Emissao;
        resultado.dataEmissaoForcada = true;
        if (ganchos.dataEmissaoForcada)
            ganchos.dataEmissaoForcada();
    }

    VariaveisRelatorio& variaveis = relatorio();
    variaveis.ArqRelatorio =
        arquivoRelatorio.isEmpty() ? ambiente().PastaRelatorios + QStringLiteral("pantoro.html") : arquivoRelatorio;
    execucao.saida.arquivo = variaveis.ArqRelatorio;
    if (ArquivoExiste(execucao.saida.arquivo))
        ApagaArquivo(execucao.saida.arquivo);

    execucao.colunaData = colunaDaData(filtro.data);
    execucao.Escreve(passos->PaginaInicial());
    execucao.saida.Descarrega();
    passos->Prepara();

    QString& sql = funcoes().Sql;
    sql.clear();
    sql = passos->ConsultaPedidos();
    // Read as the rows are asked for: a run holds one order record at a time.
    Recordset pedidos;
    pedidos.CursorLocation = adUseClient;
    pedidos.Open(UCase(sql), Conexao(), adOpenForwardOnly, adLockBatchOptimistic);
    if (pedidos.Eof()) {
        ampulheta(ganchos, false);
        MsgBox(QStringLiteral("Não há dados para exibir!"), IconeMensagem::Informacao, TituloRelease());
        pedidos.Close();
        resultado.semDados = true;
        return resultado;
    }
    try {
        for (; !pedidos.Eof(); pedidos.MoveNext())
            passos->Linha(pedidos);
        execucao.Escreve(passos->Fechamento());
        execucao.saida.Descarrega();
    } catch (...) {
        // What a line-by-line run would have written before the error.
        execucao.saida.Descarrega();
        throw;
    }
    pedidos.Close();
    ampulheta(ganchos, false);
    variaveis.ArquivoHTML = variaveis.ArqRelatorio;
    variaveis.Periodo = QStringLiteral("De %1 até %2").arg(filtro.dtDe, filtro.dtAte);
    resultado.arquivo = variaveis.ArquivoHTML;
    return resultado;
}
