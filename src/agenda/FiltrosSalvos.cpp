#include "FiltrosSalvos.h"

#include "agenda/GrupoIni.h"
#include "agenda/PeriodoRelativo.h"
#include "platform/VbError.h"
#include "platform/WindowsPath.h"

namespace {

const QStringList& chavesDoFiltro()
{
    static const QStringList chaves{QStringLiteral("relatorio"), QStringLiteral("periodo"), QStringLiteral("de"),
                                    QStringLiteral("ate"),       QStringLiteral("data"),    QStringLiteral("vendedor"),
                                    QStringLiteral("marca"),     QStringLiteral("tipo"),    QStringLiteral("cliente"),
                                    QStringLiteral("fonte")};
    return chaves;
}

const QStringList& tamanhosDeFonte()
{
    static const QStringList tamanhos{QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("11"),
                                      QStringLiteral("12"), QStringLiteral("14")};
    return tamanhos;
}

// The value of `chave` among the names of `tabela` (ignoring case), as `pega` gives it.
template <typename Tabela, typename Pega>
auto escolhe(const GrupoIni& grupo, const QString& chave, const Tabela& tabela, Pega pega)
{
    const QString valor = grupo.Valor(chave);
    QStringList nomes;
    for (const auto& item : tabela) {
        if (valor.compare(QLatin1String(item.nome), Qt::CaseInsensitive) == 0)
            return pega(item);
        nomes << QLatin1String(item.nome);
    }
    grupo.Falha(chave, QStringLiteral("\"%1\" não é um destes: %2.").arg(valor, nomes.join(QStringLiteral(", "))));
}

QDate leData(const QString& texto)
{
    QDate data = QDate::fromString(texto.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (!data.isValid())
        data = QDate::fromString(texto.trimmed(), QStringLiteral("d/M/yyyy"));
    return data;
}

QString semData(const QString& texto)
{
    return QStringLiteral("\"%1\" não é uma data dd/mm/aaaa.").arg(texto);
}

QString dataDepois()
{
    return QStringLiteral("a data final é anterior à data inicial.");
}

void leDatas(const GrupoIni& grupo, FiltroSalvo& salvo)
{
    if (grupo.Tem(QStringLiteral("periodo"))) {
        for (const QString& fixa : {QStringLiteral("de"), QStringLiteral("ate")})
            if (grupo.Tem(fixa))
                grupo.Falha(fixa, QStringLiteral("use periodo= ou de= e ate=, não os dois."));
        salvo.periodo = grupo.Valor(QStringLiteral("periodo")).toLower();
        try {
            CalculaPeriodo(salvo.periodo, QDate(2000, 1, 1));
        } catch (const VbError& erro) {
            grupo.Falha(QStringLiteral("periodo"), erro.Description());
        }
        return;
    }
    if (!grupo.Tem(QStringLiteral("de")) && !grupo.Tem(QStringLiteral("ate")))
        grupo.Falha(QStringLiteral("periodo"), QStringLiteral("falta o período: periodo=NOME, ou de= e ate=."));
    for (const auto& [chave, data] :
         {std::pair{QStringLiteral("de"), &salvo.de}, std::pair{QStringLiteral("ate"), &salvo.ate}}) {
        if (!grupo.Tem(chave))
            grupo.Falha(chave, QStringLiteral("falta a chave %1= (dd/mm/aaaa).").arg(chave));
        *data = leData(grupo.Valor(chave));
        if (!data->isValid())
            grupo.Falha(chave, semData(grupo.Valor(chave)));
    }
    if (salvo.ate < salvo.de)
        grupo.Falha(QStringLiteral("ate"), dataDepois());
}

QString nomeDoLayout(LayoutRelatorio layout)
{
    for (const NomeDoLayout& nome : NomesDosLayouts)
        if (nome.layout == layout)
            return QLatin1String(nome.nome);
    return {};
}

QString nomeDaData(DataRelatorio data)
{
    for (const NomeDaData& nome : NomesDasDatas)
        if (nome.data == data)
            return QLatin1String(nome.nome);
    return {};
}

// A date of the form as SalvaFiltros writes it, or a message.
QString dataDoFormulario(const QString& texto, const QString& qual)
{
    const QDate data = leData(texto);
    if (!data.isValid())
        throw VbError(vb_error::TypeMismatch, QStringLiteral("A data %1 %2").arg(qual, semData(texto)));
    return TextoDaData(data);
}

QString caminhoDoArquivo()
{
    return CaminhoLocal(ArquivoAgenda());
}

}  // namespace

const QStringList& ChavesDeAgendamento()
{
    static const QStringList chaves{QStringLiteral("enviar"), QStringLiteral("para"), QStringLiteral("quando"),
                                    QStringLiteral("somente-com-dados"), QStringLiteral("assunto")};
    return chaves;
}

QString ArquivoAgenda()
{
    return QStringLiteral("c:\\korva\\config\\pantoro-agenda.ini");
}

DocumentoIni LeArquivoAgenda()
{
    return DocumentoIni::Le(ArquivoAgenda(), caminhoDoArquivo());
}

QStringList NomesDosFiltrosSalvos()
{
    return LeArquivoAgenda().Grupos();
}

FiltroSalvo LeFiltroSalvo(const QString& nome)
{
    return FiltroSalvoDoGrupo(LeArquivoAgenda(), nome);
}

FiltroSalvo FiltroSalvoDoGrupo(const DocumentoIni& arquivo, const QString& nome)
{
    const GrupoIni grupo(arquivo, nome);
    for (const QString& chave : grupo.Chaves())
        if (!chavesDoFiltro().contains(chave) && !ChavesDeAgendamento().contains(chave))
            grupo.Falha(chave, QStringLiteral("chave desconhecida; as chaves são %1.")
                                   .arg((chavesDoFiltro() + ChavesDeAgendamento()).join(QStringLiteral(", "))));
    FiltroSalvo salvo;
    salvo.nome = nome;
    if (!grupo.Tem(QStringLiteral("relatorio")))
        grupo.Falha(QStringLiteral("relatorio"), QStringLiteral("falta a chave relatorio= (o layout do relatório)."));
    salvo.layout = escolhe(grupo, QStringLiteral("relatorio"), NomesDosLayouts,
                           [](const NomeDoLayout& nome) { return nome.layout; });
    leDatas(grupo, salvo);
    if (grupo.Tem(QStringLiteral("data")))
        salvo.data =
            escolhe(grupo, QStringLiteral("data"), NomesDasDatas, [](const NomeDaData& nome) { return nome.data; });
    salvo.vendedor = grupo.Valor(QStringLiteral("vendedor"));
    salvo.marca = grupo.Valor(QStringLiteral("marca"));
    salvo.tipoCliente = grupo.Valor(QStringLiteral("tipo"));
    salvo.cliente = grupo.Valor(QStringLiteral("cliente"));
    if (grupo.Tem(QStringLiteral("fonte"))) {
        const QString fonte = grupo.Valor(QStringLiteral("fonte"));
        if (!tamanhosDeFonte().contains(fonte))
            grupo.Falha(
                QStringLiteral("fonte"),
                QStringLiteral("\"%1\" não é um destes: %2.").arg(fonte, tamanhosDeFonte().join(QStringLiteral(", "))));
        salvo.tamanhoFonte = fonte.toInt();
    }
    return salvo;
}

FiltroRelatorio AplicaFiltroSalvo(const FiltroSalvo& salvo, const QDate& hoje, FiltroRelatorio base)
{
    const DatasDoPeriodo datas =
        salvo.periodo.isEmpty() ? DatasDoPeriodo{salvo.de, salvo.ate} : CalculaPeriodo(salvo.periodo, hoje);
    base.layout = salvo.layout;
    base.data = salvo.data;
    base.dtDe = TextoDaData(datas.de);
    base.dtAte = TextoDaData(datas.ate);
    base.vendedor = salvo.vendedor;
    base.marca = salvo.marca;
    base.tipoCliente = salvo.tipoCliente;
    base.cliente = salvo.cliente;
    base.tamanhoFonte = salvo.tamanhoFonte;
    return base;
}

void SalvaFiltros(const QString& nome, const FiltroRelatorio& filtro, const QString& periodo)
{
    DocumentoIni arquivo = LeArquivoAgenda();
    QVector<std::pair<QString, QString>> valores{{QStringLiteral("relatorio"), nomeDoLayout(filtro.layout)}};
    QStringList remover;
    if (!periodo.trimmed().isEmpty()) {
        CalculaPeriodo(periodo, QDate(2000, 1, 1));
        valores.append({QStringLiteral("periodo"), periodo.trimmed().toLower()});
        remover << QStringLiteral("de") << QStringLiteral("ate");
    } else {
        const QString de = dataDoFormulario(filtro.dtDe, QStringLiteral("inicial"));
        const QString ate = dataDoFormulario(filtro.dtAte, QStringLiteral("final"));
        if (leData(ate) < leData(de))
            throw VbError(vb_error::TypeMismatch, QStringLiteral("Não foi salvo: ") + dataDepois());
        valores.append({QStringLiteral("de"), de});
        valores.append({QStringLiteral("ate"), ate});
        remover << QStringLiteral("periodo");
    }
    valores.append({QStringLiteral("data"), nomeDaData(filtro.data)});
    for (const auto& [chave, valor] :
         {std::pair{QStringLiteral("vendedor"), filtro.vendedor}, std::pair{QStringLiteral("marca"), filtro.marca},
          std::pair{QStringLiteral("tipo"), filtro.tipoCliente},
          std::pair{QStringLiteral("cliente"), filtro.cliente}}) {
        if (valor.trimmed().isEmpty())
            remover << chave;
        else
            valores.append({chave, valor.trimmed()});
    }
    valores.append({QStringLiteral("fonte"), QString::number(filtro.tamanhoFonte)});
    arquivo.DefineGrupo(nome, valores, remover);
    arquivo.Grava(caminhoDoArquivo());
}

void RemoveFiltroSalvo(const QString& nome)
{
    DocumentoIni arquivo = LeArquivoAgenda();
    arquivo.RemoveGrupo(nome);
    arquivo.Grava(caminhoDoArquivo());
}
