#include "ServidorSmtp.h"

#include "support/PastaTemporaria.h"

#include <QDir>
#include <QJsonDocument>
#include <QTcpServer>

ServidorSmtp::ServidorSmtp(const QString& modo)
{
    if (modo == QLatin1String("ausente")) {
        QTcpServer livre;
        if (livre.listen(QHostAddress::LocalHost))
            porta = livre.serverPort();
        return;
    }
    processo.start("/usr/bin/python3", {PANTORO_TESTS_DIR "/export/servidor_smtp.py", pasta.path(), modo});
    if (processo.waitForReadyRead(30000))
        porta = processo.readLine().trimmed().toInt();
}

ServidorSmtp::~ServidorSmtp()
{
    processo.kill();
    processo.waitForFinished();
}

QJsonObject ServidorSmtp::mensagem(int numero) const
{
    return QJsonDocument::fromJson(Conteudo(pasta.filePath(QStringLiteral("%1.json").arg(numero)))).object();
}

int ServidorSmtp::recebidas() const
{
    return QDir(pasta.path()).entryList({"*.json"}).size();
}

QString ServidorSmtp::logins() const
{
    return QString::fromUtf8(Conteudo(pasta.filePath("logins.txt")));
}
