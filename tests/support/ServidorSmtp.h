#pragma once

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// tests/export/servidor_smtp.py on 127.0.0.1 speaking `modo` (nenhuma,
// starttls, ssl), for the life of the object; "ausente": a port nobody
// listens on. Each accepted message is N.json in `pasta`, from 0.
struct ServidorSmtp {
    explicit ServidorSmtp(const QString& modo);
    ~ServidorSmtp();

    QJsonObject mensagem(int numero) const;
    QJsonObject primeira() const { return mensagem(0); }
    int recebidas() const;
    QString logins() const;

    QTemporaryDir pasta;
    int porta = 0;
    QProcess processo;
};
