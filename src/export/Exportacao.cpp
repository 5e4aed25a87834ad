#include "Exportacao.h"

#include "export/GravaCsv.h"
#include "export/GravaXlsx.h"
#include "paging/LeitorRelatorio.h"
#include "platform/UserLocale.h"

namespace {

// Keeps each row's texts and the table it belongs to.
class LinhasLidas : public ReceptorDeRelatorio {
public:
    void InicioDeTabela(const TabelaRelatorio&) override { ++tabela_; }
    void Linha(const LinhaRelatorio& linha) override
    {
        LinhaDoRelatorio lida{tabela_, linha.negrito, {}};
        for (const CelulaRelatorio& celula : linha.celulas)
            lida.celulas.append(celula.texto);
        linhas.append(lida);
    }
    void FimDeTabela() override {}

    QVector<LinhaDoRelatorio> linhas;

private:
    int tabela_ = -1;
};

}  // namespace

Planilha LePlanilha(const QString& arquivoHtml, const QString& linhaDoPeriodo)
{
    LinhasLidas lidas;
    LeRelatorio(arquivoHtml, lidas);
    return MontaPlanilha(lidas.linhas, linhaDoPeriodo, LocaleUsuario());
}

void ExportaRelatorio(const QString& arquivoHtml, const QString& destino, FormatoPlanilha formato,
                      const QString& linhaDoPeriodo)
{
    const Planilha planilha = LePlanilha(arquivoHtml, linhaDoPeriodo);
    if (formato == FormatoPlanilha::Xlsx)
        GravaXlsx(planilha, destino);
    else
        GravaCsv(planilha, destino, LocaleUsuario());
}
