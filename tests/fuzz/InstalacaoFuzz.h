#pragma once

// One installation for the start-up targets: drive C: in a temporary folder
// (also the working folder, so relative paths stay inside it), no ODBC driver
// or data source registered (an ODBC string fails at once instead of reaching
// a server), a recording message box, and the module variables reset before
// each call.
#include "platform/MessageBox.h"
#include "platform/VbError.h"
#include "startup/Ambiente.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

class InstalacaoFuzz {
public:
    InstalacaoFuzz(int* argc, char*** argv) : app_(*argc, *argv)
    {
        QDir().mkpath(pasta_.filePath(QStringLiteral("odbc")));
        qputenv("PANTORO_DRIVE_C", pasta_.path().toLocal8Bit());
        qputenv("ODBCSYSINI", pasta_.filePath(QStringLiteral("odbc")).toLocal8Bit());
        qputenv("ODBCINI", pasta_.filePath(QStringLiteral("odbc/odbc.ini")).toLocal8Bit());
        QDir::setCurrent(pasta_.path());
        InstalaCaixaDeMensagem(caixa_);
    }

    QString raiz() const { return pasta_.path(); }

    // Writes the bytes at the POSIX path below the drive's folder.
    void escreve(const QString& caminhoRelativo, const QByteArray& bytes) const
    {
        const QString caminho = pasta_.filePath(caminhoRelativo);
        QDir().mkpath(QFileInfo(caminho).absolutePath());
        QFile file(caminho);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            std::abort();
    }

    // Runs `passo` on fresh module variables (`prepara` may set some first).
    // The program may end (FimDoPrograma, exit code 1) only right after one
    // message, and never shows a message without ending; a VbError must not
    // get out of the start-up routines. Returns whether the program ended.
    template <typename Preparo, typename Passo>
    bool executa(Preparo prepara, Passo passo)
    {
        ambiente() = Ambiente{};
        caixa_->mensagens.clear();
        prepara(ambiente());
        bool terminou = false;
        try {
            passo();
        } catch (const FimDoPrograma& fim) {
            if (fim.ExitCode() != 1)
                std::abort();
            terminou = true;
        } catch (const VbError&) {
            std::abort();
        }
        if (caixa_->mensagens.size() != (terminou ? 1 : 0))
            std::abort();
        return terminou;
    }

    const Mensagem& ultimaMensagem() const { return caixa_->mensagens.constLast(); }

private:
    QCoreApplication app_;
    QTemporaryDir pasta_;
    std::shared_ptr<CaixaGravadora> caixa_ = std::make_shared<CaixaGravadora>();
};
