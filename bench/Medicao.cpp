#include "Medicao.h"

#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>

namespace {

// Resets the peak resident set size of the process (Linux 4.0 and later).
void zeraPico()
{
    QFile arquivo(QStringLiteral("/proc/self/clear_refs"));
    if (arquivo.open(QIODevice::WriteOnly))
        arquivo.write("5");
}

double picoMb()
{
    QFile arquivo(QStringLiteral("/proc/self/status"));
    if (!arquivo.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : arquivo.readAll().split('\n'))
        if (linha.startsWith("VmHWM:"))
            return linha.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

QByteArray resumo(const QString& caminho)
{
    QFile arquivo(caminho);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (arquivo.open(QIODevice::ReadOnly))
        hash.addData(&arquivo);
    return hash.result().toHex();
}

}  // namespace

Medida Mede(const FiltroRelatorio& filtro, MotorRelatorio motor, const QString& copia)
{
    Medida medida;
    const ContadorConsultas antes = Conexao().contador;
    zeraPico();
    QElapsedTimer relogio;
    relogio.start();
    try {
        medida.semDados = ExecutaRelatorio(filtro, motor).semDados;
    } catch (const VbError& erro) {
        medida.erro = erro.Number();
    }
    medida.segundos = relogio.nsecsElapsed() / 1e9;
    medida.picoMb = picoMb();
    medida.consultas = Conexao().contador.consultas - antes.consultas;
    medida.linhas = Conexao().contador.linhas - antes.linhas;
    const QString gerado = ambiente().PastaRelatorios + QStringLiteral("pantoro.html");
    medida.resumoArquivo = resumo(gerado);
    if (!copia.isEmpty()) {
        QFile::remove(copia);
        QFile::copy(gerado, copia);
    }
    return medida;
}
