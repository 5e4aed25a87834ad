#include "LinhaDeComando.h"

#include "email/ConfigEmail.h"
#include "platform/VbError.h"
#include "platform/Versao.h"

#include <QMap>
#include <QSet>

namespace {

const QMap<QString, LayoutRelatorio>& layouts()
{
    static const QMap<QString, LayoutRelatorio> nomes = [] {
        QMap<QString, LayoutRelatorio> mapa;
        for (const NomeDoLayout& nome : NomesDosLayouts)
            mapa.insert(QString::fromLatin1(nome.nome), nome.layout);
        return mapa;
    }();
    return nomes;
}

const QMap<QString, DataRelatorio>& datas()
{
    static const QMap<QString, DataRelatorio> nomes{{QStringLiteral("emissao"), DataRelatorio::Emissao},
                                                    {QStringLiteral("entrega"), DataRelatorio::Entrega},
                                                    {QStringLiteral("fechamento"), DataRelatorio::Fechamento}};
    return nomes;
}

[[noreturn]] void falha(const QString& texto)
{
    throw ErroDeUso(texto.toStdString());
}

template <typename T> T escolha(const QMap<QString, T>& nomes, const QString& opcao, const QString& valor)
{
    const auto encontrado = nomes.constFind(valor);
    if (encontrado == nomes.constEnd())
        falha(QStringLiteral("--%1: \"%2\" não é um dos valores %3")
                  .arg(opcao, valor, nomes.keys().join(QLatin1Char('|'))));
    return encontrado.value();
}

// Our options, by name without "--": those that take a value, and the switches.
const QSet<QString> comValor{QStringLiteral("relatorio"), QStringLiteral("de"),       QStringLiteral("ate"),
                             QStringLiteral("data"),      QStringLiteral("vendedor"), QStringLiteral("marca"),
                             QStringLiteral("tipo"),      QStringLiteral("cliente"),  QStringLiteral("fonte"),
                             QStringLiteral("pdf"),       QStringLiteral("demo"),     QStringLiteral("pdf-navegador"),
                             QStringLiteral("xlsx"),      QStringLiteral("csv"),      QStringLiteral("email")};
const QSet<QString> chaves{QStringLiteral("fiel"), QStringLiteral("help"), QStringLiteral("version")};
// Filters that only a headless report run reads.
const QStringList soComRelatorio{
    QStringLiteral("de"),    QStringLiteral("ate"),           QStringLiteral("data"),    QStringLiteral("vendedor"),
    QStringLiteral("marca"), QStringLiteral("tipo"),          QStringLiteral("cliente"), QStringLiteral("fonte"),
    QStringLiteral("pdf"),   QStringLiteral("pdf-navegador"), QStringLiteral("fiel"),    QStringLiteral("xlsx"),
    QStringLiteral("csv"),   QStringLiteral("email")};

// The arguments split into our options (name -> value, last one wins) and
// the words of the launch string, in order.
struct Argumentos {
    QMap<QString, QString> opcoes;
    QStringList palavras;
};

Argumentos separa(const QStringList& argumentos)
{
    Argumentos lidos;
    for (int i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        const int igual = argumento.indexOf(QLatin1Char('='));
        const QString nome =
            argumento.startsWith(QLatin1String("--")) ? argumento.mid(2, igual < 0 ? -1 : igual - 2) : QString();
        if (argumento == QLatin1String("-h")) {
            lidos.opcoes.insert(QStringLiteral("help"), QString());
        } else if (chaves.contains(nome) && igual < 0) {
            lidos.opcoes.insert(nome, QString());
        } else if (comValor.contains(nome)) {
            if (igual >= 0)
                lidos.opcoes.insert(nome, argumento.mid(igual + 1));
            else if (i + 1 < argumentos.size())
                lidos.opcoes.insert(nome, argumentos[++i]);
            else
                falha(QStringLiteral("--%1 precisa de um valor").arg(nome));
        } else {
            lidos.palavras << argumento;
        }
    }
    return lidos;
}

}  // namespace

OpcoesLinhaDeComando LeLinhaDeComando(const QStringList& argumentos)
{
    const Argumentos lidos = separa(argumentos);
    const auto& dadas = lidos.opcoes;
    const auto valor = [&dadas](const char* nome) { return dadas.value(QLatin1String(nome)); };
    const auto dada = [&dadas](const char* nome) { return dadas.contains(QLatin1String(nome)); };

    OpcoesLinhaDeComando opcoes;
    opcoes.ajuda = dada("help");
    opcoes.versao = dada("version");
    if (opcoes.ajuda || opcoes.versao)
        return opcoes;
    opcoes.lancamentoDado = !lidos.palavras.isEmpty();
    opcoes.lancamento = lidos.palavras.join(QLatin1Char(' '));
    opcoes.pastaDemo = valor("demo");
    if (dada("demo") && opcoes.pastaDemo.isEmpty())
        falha(QStringLiteral("--demo precisa de uma pasta"));

    opcoes.relatorio = dada("relatorio");
    for (const QString& nome : soComRelatorio)
        if (!opcoes.relatorio && dadas.contains(nome))
            falha(QStringLiteral("--%1 só vale com --relatorio").arg(nome));

    FiltroRelatorio& filtro = opcoes.filtro;
    if (opcoes.relatorio)
        filtro.layout = escolha(layouts(), QStringLiteral("relatorio"), valor("relatorio"));
    if (dada("data"))
        filtro.data = escolha(datas(), QStringLiteral("data"), valor("data"));
    if (dada("de"))
        opcoes.de = valor("de");
    if (dada("ate"))
        opcoes.ate = valor("ate");
    filtro.vendedor = valor("vendedor");
    filtro.marca = valor("marca");
    filtro.tipoCliente = valor("tipo");
    filtro.cliente = valor("cliente");
    if (dada("fonte")) {
        const QString fonte = valor("fonte");
        const QStringList tamanhos{QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("11"),
                                   QStringLiteral("12"), QStringLiteral("14")};
        if (!tamanhos.contains(fonte))
            falha(QStringLiteral("--fonte: \"%1\" não é um dos valores 8|10|11|12|14").arg(fonte));
        filtro.tamanhoFonte = fonte.toInt();
    }
    opcoes.pdf = valor("pdf");
    opcoes.pdfNavegador = valor("pdf-navegador");
    opcoes.xlsx = valor("xlsx");
    opcoes.csv = valor("csv");
    if (dada("email")) {
        try {
            opcoes.email = LeEnderecos(valor("email"));
        } catch (const VbError& erro) {
            falha(QStringLiteral("--email: ") + erro.Description());
        }
    }
    if (dada("fiel"))
        opcoes.motor = MotorRelatorio::Fiel;
    return opcoes;
}

QString TextoDeUso()
{
    return QStringLiteral("uso:\n"
                          "  pantoro [CHAMADA]                 a janela de filtros, como o menu do sistema a abre\n"
                          "  pantoro --relatorio LAYOUT [filtros] [saídas] [CHAMADA]\n"
                          "                                    o relatório sem janela: grava pantoro.html na pasta\n"
                          "                                    de relatórios e mostra o caminho\n"
                          "  pantoro --demo PASTA [...]        cria a instalação de demonstração em PASTA (se\n"
                          "                                    faltar) e roda sobre ela\n"
                          "  pantoro --help | -h               este texto\n"
                          "  pantoro --version                 a versão\n"
                          "LAYOUT: standard | pa | detalhado | entrega | entrega-vertical | agrupamento\n"
                          "filtros: --de dd/mm/aaaa --ate dd/mm/aaaa (padrão: hoje) --data emissao|entrega|fechamento\n"
                          "         --vendedor NOME --marca MARCA --tipo TIPO --cliente NOME --fonte 8|10|11|12|14\n"
                          "         --fiel (consulta por consulta, como o sistema sempre fez)\n"
                          "saídas:  --pdf ARQUIVO --pdf-navegador ARQUIVO --xlsx ARQUIVO --csv ARQUIVO\n"
                          "         --email ENDEREÇO[,ENDEREÇO...] (o PDF, e a planilha com --xlsx)\n"
                          "CHAMADA: a linha de chamada do menu (usuário^empresa^ambiente^); todo argumento\n"
                          "que não é uma opção faz parte dela.\n"
                          "Saída: 0 feito, 1 erro fatal no início, 2 uso incorreto, 3 não há dados,\n"
                          "4 erro de banco de dados, de arquivo ou de e-mail.\n");
}

Decisao DecideExecucao(const QStringList& argumentos, bool temTela)
{
    Decisao decisao;
    try {
        decisao.opcoes = LeLinhaDeComando(argumentos);
    } catch (const ErroDeUso& erro) {
        decisao.codigo = saida::Uso;
        decisao.erroPadrao = QString::fromStdString(erro.what()) + QLatin1Char('\n') + TextoDeUso();
        return decisao;
    }
    const OpcoesLinhaDeComando& opcoes = decisao.opcoes;
    if (opcoes.ajuda)
        decisao.saidaPadrao = TextoDeUso();
    else if (opcoes.versao)
        decisao.saidaPadrao = VersaoDoPrograma() + QLatin1Char('\n');
    else if (opcoes.relatorio)
        decisao.modo = Modo::Relatorio;
    else if (temTela)
        decisao.modo = Modo::Janela;
    else if (!opcoes.pastaDemo.isEmpty())
        decisao.modo = Modo::Demo;
    else {
        decisao.codigo = saida::FalhaNoInicio;
        decisao.erroPadrao = QStringLiteral("pantoro: a janela de filtros precisa de uma tela (DISPLAY ou "
                                            "WAYLAND_DISPLAY), e não há nenhuma.\nSem janela, gere um relatório "
                                            "com --relatorio LAYOUT (ou a demonstração com --demo PASTA).\n") +
                             TextoDeUso();
    }
    return decisao;
}

bool TemTela()
{
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM").split(':').constFirst();
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (plataforma.isEmpty())
        return x11 || wayland;
    if (plataforma == "offscreen" || plataforma == "minimal")
        return false;
    if (plataforma == "xcb")
        return x11;
    if (plataforma.startsWith("wayland"))
        return wayland;
    return true;
}
