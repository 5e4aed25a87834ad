#pragma once

#include <QString>

// The report file as a run writes it: each line followed by CRLF, in
// CP1252 (AcrescentaLinha). Line by line, the file opened and closed per
// line; or, after EmLotes, lines kept together and appended about 64 KB at a
// time. The run writes the lines waiting (Descarrega) after the page start,
// at its end and when it stops on an error, so that the file always ends
// where a line-by-line run would have ended it. File errors: the file
// system's VbError, naming the file.
class SaidaDoRelatorio {
public:
    QString arquivo;  // ArqRelatorio

    void EmLotes() { emLotes_ = true; }
    void Escreve(const QString& linha);
    // Appends the lines waiting, if any.
    void Descarrega();

private:
    bool emLotes_ = false;
    QString lote_;
    int linhas_ = 0;
};
