#include "LinhaDeComando.h"

#include "email/ConfigEmail.h"
#include "platform/VbError.h"

#include <QCommandLineParser>
#include <QMap>

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

template <typename T>
T escolha(const QMap<QString, T>& nomes, const QString& opcao, const QString& valor)
{
    const auto encontrado = nomes.constFind(valor);
    if (encontrado == nomes.constEnd())
        falha(QStringLiteral("--%1: \"%2\" is not one of %3").arg(opcao, valor, nomes.keys().join(QLatin1Char('|'))));
    return encontrado.value();
}

}  // namespace

OpcoesLinhaDeComando LeLinhaDeComando(const QStringList& argumentos, const QString& hoje)
{
    const QStringList comValor{QStringLiteral("relatorio"), QStringLiteral("de"),      QStringLiteral("ate"),
                               QStringLiteral("data"),      QStringLiteral("vendedor"), QStringLiteral("marca"),
                               QStringLiteral("tipo"),      QStringLiteral("cliente"),  QStringLiteral("fonte"),
                               QStringLiteral("pdf"),       QStringLiteral("demo"),     QStringLiteral("xlsx"),
                               QStringLiteral("csv"),       QStringLiteral("email"),    QStringLiteral("pdf-navegador")};
    QCommandLineParser leitor;
    leitor.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& nome : comValor)
        leitor.addOption(QCommandLineOption(nome, QString(), QStringLiteral("valor")));
    leitor.addOption(QCommandLineOption(QStringLiteral("fiel")));
    if (!leitor.parse(QStringList{QStringLiteral("pantoro")} + argumentos))
        falha(leitor.errorText());

    OpcoesLinhaDeComando opcoes;
    const QStringList posicionais = leitor.positionalArguments();
    if (posicionais.size() > 1)
        falha(QStringLiteral("one launch string at most, got: %1").arg(posicionais.join(QLatin1Char(' '))));
    opcoes.lancamentoDado = !posicionais.isEmpty();
    opcoes.lancamento = posicionais.value(0);
    opcoes.pastaDemo = leitor.value(QStringLiteral("demo"));
    if (leitor.isSet(QStringLiteral("demo")) && opcoes.pastaDemo.isEmpty())
        falha(QStringLiteral("--demo needs a folder"));

    opcoes.relatorio = leitor.isSet(QStringLiteral("relatorio"));
    const QStringList soComRelatorio{QStringLiteral("de"),      QStringLiteral("ate"),   QStringLiteral("data"),
                                     QStringLiteral("vendedor"), QStringLiteral("marca"), QStringLiteral("tipo"),
                                     QStringLiteral("cliente"),  QStringLiteral("fonte"), QStringLiteral("pdf"),
                                     QStringLiteral("pdf-navegador"), QStringLiteral("fiel"), QStringLiteral("xlsx"),
                                     QStringLiteral("csv"),      QStringLiteral("email")};
    for (const QString& nome : soComRelatorio)
        if (!opcoes.relatorio && leitor.isSet(nome))
            falha(QStringLiteral("--%1 needs --relatorio").arg(nome));

    FiltroRelatorio& filtro = opcoes.filtro;
    if (opcoes.relatorio)
        filtro.layout = escolha(layouts(), QStringLiteral("relatorio"), leitor.value(QStringLiteral("relatorio")));
    if (leitor.isSet(QStringLiteral("data")))
        filtro.data = escolha(datas(), QStringLiteral("data"), leitor.value(QStringLiteral("data")));
    filtro.dtDe = leitor.isSet(QStringLiteral("de")) ? leitor.value(QStringLiteral("de")) : hoje;
    filtro.dtAte = leitor.isSet(QStringLiteral("ate")) ? leitor.value(QStringLiteral("ate")) : hoje;
    filtro.vendedor = leitor.value(QStringLiteral("vendedor"));
    filtro.marca = leitor.value(QStringLiteral("marca"));
    filtro.tipoCliente = leitor.value(QStringLiteral("tipo"));
    filtro.cliente = leitor.value(QStringLiteral("cliente"));
    if (leitor.isSet(QStringLiteral("fonte"))) {
        const QString fonte = leitor.value(QStringLiteral("fonte"));
        const QStringList tamanhos{QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("11"),
                                   QStringLiteral("12"), QStringLiteral("14")};
        if (!tamanhos.contains(fonte))
            falha(QStringLiteral("--fonte: \"%1\" is not one of 8|10|11|12|14").arg(fonte));
        filtro.tamanhoFonte = fonte.toInt();
    }
    opcoes.pdf = leitor.value(QStringLiteral("pdf"));
    opcoes.pdfNavegador = leitor.value(QStringLiteral("pdf-navegador"));
    opcoes.xlsx = leitor.value(QStringLiteral("xlsx"));
    opcoes.csv = leitor.value(QStringLiteral("csv"));
    if (leitor.isSet(QStringLiteral("email"))) {
        try {
            opcoes.email = LeEnderecos(leitor.value(QStringLiteral("email")));
        } catch (const VbError& erro) {
            falha(QStringLiteral("--email: ") + erro.Description());
        }
    }
    if (leitor.isSet(QStringLiteral("fiel")))
        opcoes.motor = MotorRelatorio::Fiel;
    return opcoes;
}

QString TextoDeUso()
{
    return QStringLiteral(
        "usage:\n"
        "  pantoro [LAUNCH]\n"
        "  pantoro --relatorio LAYOUT [--de dd/mm/yyyy] [--ate dd/mm/yyyy]\n"
        "          [--data emissao|entrega|fechamento] [--vendedor NAME] [--marca BRAND]\n"
        "          [--tipo TYPE] [--cliente NAME] [--fonte 8|10|11|12|14] [--pdf FILE]\n"
        "          [--pdf-navegador FILE] [--xlsx FILE] [--csv FILE] [--email ADDRESS[,ADDRESS...]] [--fiel]\n"
        "          [LAUNCH]\n"
        "  pantoro --demo DIR [--relatorio LAYOUT ...] [LAUNCH]\n"
        "LAYOUT: standard | pa | detalhado | entrega | entrega-vertical | agrupamento\n");
}
