#include "Medicao.h"

#include "PicoDeMemoria.h"

#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>

namespace {

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
    ZeraPicoDeMemoria();
    QElapsedTimer relogio;
    relogio.start();
    try {
        medida.semDados = ExecutaRelatorio(filtro, motor).semDados;
    } catch (const VbError& erro) {
        medida.erro = erro.Number();
    }
    medida.segundos = relogio.nsecsElapsed() / 1e9;
    medida.picoMb = PicoDeMemoriaMb();
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
