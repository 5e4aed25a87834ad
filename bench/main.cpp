// Report benchmark: the six layouts over one month and over the whole year
// of a large company, with the per-row value source (the reference) and the
// set-based one. Prints a Markdown table.
//
//   pantoro_bench [--banco FILE] [--sem-referencia-ano | --so-rapido] [--arquivos DIR] [--layout NAME]
//   pantoro_bench --firebird [--banco FILE] [--so-rapido] [--layout NAME]
//
// FILE (default empresa-grande.sqlite in the working folder) is generated
// when missing. The reference runs over the month for every layout and over
// the year for every layout but the vertical delivery one (about 400
// statements per order, some 20 million for a year), unless
// --sem-referencia-ano;
// --so-rapido measures the set-based engine alone.
// --arquivos keeps every report written in DIR (<layout>-<mes|ano>-<motor>.html);
// --layout measures one layout only (standard, pa, detalhado, entrega,
// entrega-vertical, agrupamento).
// --firebird copies the company into the Firebird server the tests use
// (eval "$(scripts/firebird.sh start)" first) and measures both sources over
// the month through a relay that delays each round trip by 0.5 ms, as an
// office network does; the per-row vertical delivery (some 1.6 million
// statements a month, about 3 round trips each) over its first day only.

#include "EmpresaGrande.h"
#include "EmpresaNoFirebird.h"
#include "Medicao.h"

#include "support/Retransmissor.h"

#include "platform/MessageBox.h"
#include "startup/Ambiente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

struct Periodo {
    const char* nome;
    const char* de;
    const char* ate;
    bool ano;
};

const Periodo Periodos[] = {{"mês (05/2024)", "01/05/2024", "31/05/2024", false},
                            {"ano (2024)", "01/01/2024", "31/12/2024", true}};
const Periodo Dia = {"dia (02/05/2024)", "02/05/2024", "02/05/2024", false};

QString numero(double valor, int casas)
{
    return QString::number(valor, 'f', casas);
}

QString medidas(const std::optional<Medida>& m)
{
    if (!m)
        return QStringLiteral("não medido | | | ");
    if (m->erro != 0)
        return QStringLiteral("erro %1 | | | ").arg(m->erro);
    return numero(m->segundos, 3) + QStringLiteral(" | ") + QString::number(m->consultas) + QStringLiteral(" | ") +
           QString::number(m->linhas) + QStringLiteral(" | ") + numero(m->picoMb, 0);
}

FiltroRelatorio filtroDe(const NomeDoLayout& layout, const Periodo& periodo)
{
    FiltroRelatorio filtro;
    filtro.layout = layout.layout;
    filtro.dtDe = QString::fromLatin1(periodo.de);
    filtro.dtAte = QString::fromLatin1(periodo.ate);
    filtro.codiEmpresa = QStringLiteral("001");
    filtro.nomeEmpresa = QStringLiteral("BANANAS DO VALE");
    filtro.tituloJanela = QStringLiteral("Pantoro");
    return filtro;
}

// Both sources over the month through the delaying relay, each layout; the
// vertical delivery's per-row run over one day besides.
void medeNoFirebird(const QString& arquivo, const QString& soLayout, bool referencia, QTextStream& saida)
{
    QElapsedTimer relogio;
    relogio.start();
    const std::unique_ptr<BancoDeTeste> banco = CopiaNoFirebird(arquivo);
    saida << "Empresa copiada no Firebird em " << numero(relogio.elapsed() / 1000.0, 1) << " s\n\n";
    const Retransmissor relay(3050, std::chrono::microseconds(500));
    QString conexao = banco->stringDeConexao();
    conexao.replace(QStringLiteral("127.0.0.1:"), QStringLiteral("127.0.0.1/%1:").arg(relay.porta()));
    ambiente().conexao = std::make_unique<Connection>();
    Conexao().Open(Backend::Firebird, conexao);

    saida << "| Layout | Período | Fiel: s | Fiel: consultas | Fiel: linhas | Fiel: pico MB "
             "| Rápido: s | Rápido: consultas | Rápido: linhas | Rápido: pico MB | mesmo arquivo |\n";
    saida << "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---|\n";
    saida.flush();
    for (const NomeDoLayout& layout : NomesDosLayouts) {
        if (!soLayout.isEmpty() && soLayout != QLatin1String(layout.nome))
            continue;
        const bool vertical = layout.layout == LayoutRelatorio::EntregaVertical;
        for (const Periodo* periodo : {&Periodos[0], &Dia}) {
            if (periodo == &Dia && !vertical)
                continue;
            const FiltroRelatorio filtro = filtroDe(layout, *periodo);
            const Medida rapido = Mede(filtro, MotorRelatorio::Rapido);
            std::optional<Medida> fiel;
            if (referencia && (!vertical || periodo == &Dia))
                fiel = Mede(filtro, MotorRelatorio::Fiel);
            saida << "| " << layout.nome << " | " << QString::fromUtf8(periodo->nome) << " | " << medidas(fiel) << " | "
                  << medidas(rapido) << " | ";
            if (fiel)
                saida << (fiel->resumoArquivo == rapido.resumoArquivo ? "sim" : "NÃO");
            saida << " |\n";
            saida.flush();
        }
    }
    Conexao().Close();
    ambiente().conexao.reset();
}

bool eLayout(const QString& nome)
{
    return std::any_of(std::begin(NomesDosLayouts), std::end(NomesDosLayouts),
                       [&](const NomeDoLayout& layout) { return nome == QLatin1String(layout.nome); });
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication aplicacao(argc, argv);
    // One emission time for every run, so that two files can be compared.
    if (qEnvironmentVariableIsEmpty("SOURCE_DATE_EPOCH"))
        qputenv("SOURCE_DATE_EPOCH", "1735689600");
    // The zone file read once, not at every date conversion (glibc checks
    // /etc/localtime on each one when TZ is unset): the same for both engines.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");
    const QStringList argumentos = aplicacao.arguments().mid(1);
    const char* const uso = "uso: pantoro_bench [--banco ARQUIVO] [--sem-referencia-ano | --so-rapido] "
                            "[--arquivos PASTA] [--layout NOME]\n"
                            "     pantoro_bench --firebird [--banco ARQUIVO] [--so-rapido] [--layout NOME]\n";
    if (argumentos == QStringList{QStringLiteral("--help")} || argumentos == QStringList{QStringLiteral("-h")}) {
        std::fputs(uso, stdout);
        return 0;
    }
    QString arquivo = QStringLiteral("empresa-grande.sqlite");
    bool referenciaAno = true;
    bool referenciaMes = true;
    QString copias;
    QString soLayout;
    bool firebird = false;
    for (int i = 0; i < argumentos.size(); ++i) {
        if (argumentos[i] == QLatin1String("--banco") && i + 1 < argumentos.size())
            arquivo = argumentos[++i];
        else if (argumentos[i] == QLatin1String("--sem-referencia-ano"))
            referenciaAno = false;
        else if (argumentos[i] == QLatin1String("--so-rapido"))
            referenciaMes = referenciaAno = false;
        else if (argumentos[i] == QLatin1String("--arquivos") && i + 1 < argumentos.size())
            copias = argumentos[++i];
        else if (argumentos[i] == QLatin1String("--layout") && i + 1 < argumentos.size() && eLayout(argumentos[i + 1]))
            soLayout = argumentos[++i];
        else if (argumentos[i] == QLatin1String("--firebird"))
            firebird = true;
        else {
            std::fputs(uso, stderr);
            return 2;
        }
    }
    QTextStream saida(stdout);

    if (!QFileInfo::exists(arquivo)) {
        QElapsedTimer relogio;
        relogio.start();
        GeraEmpresaGrande(arquivo);
        saida << "Empresa gerada em " << numero(relogio.elapsed() / 1000.0, 1) << " s: " << arquivo << "\n\n";
        saida.flush();
    }
    QTemporaryDir pasta;
    ambiente().PastaRelatorios = pasta.path() + QStringLiteral("/");
    InstalaCaixaDeMensagem(std::make_shared<CaixaGravadora>());
    if (firebird) {
        try {
            medeNoFirebird(QFileInfo(arquivo).absoluteFilePath(), soLayout, referenciaMes, saida);
        } catch (const std::exception& erro) {
            std::fprintf(stderr, "pantoro_bench: %s\n", erro.what());
            return 1;
        }
        return 0;
    }
    Conexao().Open(Backend::Sqlite, QFileInfo(arquivo).absoluteFilePath());

    saida << "| Layout | Período | Fiel: s | Fiel: consultas | Fiel: linhas | Fiel: pico MB "
             "| Rápido: s | Rápido: consultas | Rápido: linhas | Rápido: pico MB "
             "| tempo Fiel/Rápido | consultas Fiel/Rápido | mesmo arquivo |\n";
    saida << "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---|\n";
    saida.flush();
    for (const Periodo& periodo : Periodos)
        for (const NomeDoLayout& layout : NomesDosLayouts) {
            if (!soLayout.isEmpty() && soLayout != QLatin1String(layout.nome))
                continue;
            const FiltroRelatorio filtro = filtroDe(layout, periodo);

            auto copia = [&](const char* motor) {
                if (copias.isEmpty())
                    return QString();
                return copias + QLatin1Char('/') + QLatin1String(layout.nome) +
                       QLatin1String(periodo.ano ? "-ano-" : "-mes-") + QLatin1String(motor) + QStringLiteral(".html");
            };
            const Medida rapido = Mede(filtro, MotorRelatorio::Rapido, copia("rapido"));
            std::optional<Medida> fiel;
            const bool vertical = layout.layout == LayoutRelatorio::EntregaVertical;
            if (periodo.ano ? referenciaAno && !vertical : referenciaMes)
                fiel = Mede(filtro, MotorRelatorio::Fiel, copia("fiel"));

            saida << "| " << layout.nome << " | " << QString::fromUtf8(periodo.nome) << " | " << medidas(fiel) << " | "
                  << medidas(rapido) << " | ";
            if (fiel)
                saida << numero(fiel->segundos / rapido.segundos, 0) << " | "
                      << numero(double(fiel->consultas) / rapido.consultas, 0) << " | "
                      << (fiel->resumoArquivo == rapido.resumoArquivo ? "sim" : "NÃO") << " |\n";
            else
                saida << " | | |\n";
            saida.flush();
        }
    Conexao().Close();
    ambiente().conexao.reset();
    return 0;
}
