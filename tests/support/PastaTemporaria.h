#pragma once

#include <QString>
#include <QTemporaryDir>

// The bytes of a file, empty when it cannot be read.
QByteArray Conteudo(const QString& caminho);
// Writes `bytes` to the file, creating its folders; throws when it cannot.
void EscreveArquivo(const QString& caminho, const QByteArray& bytes);

// A temporary folder standing for drive C: for the life of the object
// (PANTORO_DRIVE_C points at it; the previous value comes back after).
class DriveCTemporario {
public:
    DriveCTemporario();
    ~DriveCTemporario();

    QString raiz() const { return pasta_.path(); }
    // Writes `bytes` to the file at the POSIX path below the root, creating folders.
    void escreve(const QString& caminhoRelativo, const QByteArray& bytes) const;

private:
    QTemporaryDir pasta_;
    QByteArray anterior_;
    bool tinhaAnterior_ = false;
};
