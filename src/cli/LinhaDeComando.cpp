#include "LinhaDeComando.h"

#include "email/ConfigEmail.h"
#include "platform/VbError.h"

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
        falha(QStringLiteral("--%1: \"%2\" is not one of %3").arg(opcao, valor, nomes.keys().join(QLatin1Char('|'))));
    return encontrado.value();
}

// Our options, by name without "--": those that take a value, and the switches.
const QSet<QString> comValor{QStringLiteral("relatorio"), QStringLiteral("de"),       QStringLiteral("ate"),
                             QStringLiteral("data"),      QStringLiteral("vendedor"), QStringLiteral("marca"),
                             QStringLiteral("tipo"),      QStringLiteral("cliente"),  QStringLiteral("fonte"),
                             QStringLiteral("pdf"),       QStringLiteral("demo"),     QStringLiteral("pdf-navegador"),
                             QStringLiteral("xlsx"),      QStringLiteral("csv"),      QStringLiteral("email")};
const QSet<QString> chaves{QStringLiteral("fiel")};
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
        if (chaves.contains(nome) && igual < 0) {
            lidos.opcoes.insert(nome, QString());
        } else if (comValor.contains(nome)) {
            if (igual >= 0)
                lidos.opcoes.insert(nome, argumento.mid(igual + 1));
            else if (i + 1 < argumentos.size())
                lidos.opcoes.insert(nome, argumentos[++i]);
            else
                falha(QStringLiteral("--%1 needs a value").arg(nome));
        } else {
            lidos.palavras << argumento;
        }
    }
    return lidos;
}

}  // namespace

void OpcoesLinhaDeComando::DefineDatas(const QString& hoje)
{
    filtro.dtDe = de.value_or(hoje);
    filtro.dtAte = ate.value_or(hoje);
}

OpcoesLinhaDeComando LeLinhaDeComando(const QStringList& argumentos)
{
    const Argumentos lidos = separa(argumentos);
    const auto& dadas = lidos.opcoes;
    const auto valor = [&dadas](const char* nome) { return dadas.value(QLatin1String(nome)); };
    const auto dada = [&dadas](const char* nome) { return dadas.contains(QLatin1String(nome)); };

    OpcoesLinhaDeComando opcoes;
    opcoes.lancamentoDado = !lidos.palavras.isEmpty();
    opcoes.lancamento = lidos.palavras.join(QLatin1Char(' '));
    opcoes.pastaDemo = valor("demo");
    if (dada("demo") && opcoes.pastaDemo.isEmpty())
        falha(QStringLiteral("--demo needs a folder"));

    opcoes.relatorio = dada("relatorio");
    for (const QString& nome : soComRelatorio)
        if (!opcoes.relatorio && dadas.contains(nome))
            falha(QStringLiteral("--%1 needs --relatorio").arg(nome));

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
            falha(QStringLiteral("--fonte: \"%1\" is not one of 8|10|11|12|14").arg(fonte));
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
    return QStringLiteral("usage:\n"
                          "  pantoro [LAUNCH]\n"
                          "  pantoro --relatorio LAYOUT [--de dd/mm/yyyy] [--ate dd/mm/yyyy]\n"
                          "          [--data emissao|entrega|fechamento] [--vendedor NAME] [--marca BRAND]\n"
                          "          [--tipo TYPE] [--cliente NAME] [--fonte 8|10|11|12|14] [--pdf FILE]\n"
                          "          [--pdf-navegador FILE] [--xlsx FILE] [--csv FILE]\n"
                          "          [--email ADDRESS[,ADDRESS...]] [--fiel]\n"
                          "          [LAUNCH]\n"
                          "  pantoro --demo DIR [--relatorio LAYOUT ...] [LAUNCH]\n"
                          "LAYOUT: standard | pa | detalhado | entrega | entrega-vertical | agrupamento\n"
                          "Every other argument is a word of the launch string.\n");
}
