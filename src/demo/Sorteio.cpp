#include "Sorteio.h"

uint64_t Sorteio::proximo()
{
    uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int Sorteio::entre(int minimo, int maximo)
{
    return minimo + static_cast<int>(proximo() % static_cast<uint64_t>(maximo - minimo + 1));
}

int Sorteio::ponderado(const std::vector<int>& pesos)
{
    int total = 0;
    for (int peso : pesos)
        total += peso;
    int sorteado = entre(1, total);
    for (int i = 0; i < static_cast<int>(pesos.size()); ++i) {
        sorteado -= pesos[i];
        if (sorteado <= 0)
            return i;
    }
    return static_cast<int>(pesos.size()) - 1;
}

QString Sorteio::digitos(int quantos)
{
    QString texto;
    for (int i = 0; i < quantos; ++i)
        texto += QChar(u'0' + entre(0, 9));
    return texto;
}

QString Sorteio::digitosComo(const QString& mascara)
{
    QString texto = mascara;
    qsizetype fim = texto.size();
    while (fim > 0) {
        if (texto[fim - 1] != u'#') {
            --fim;
            continue;
        }
        qsizetype inicio = fim - 1;
        while (inicio > 0 && texto[inicio - 1] == u'#')
            --inicio;
        texto.replace(inicio, fim - inicio, digitos(static_cast<int>(fim - inicio)));
        fim = inicio;
    }
    return texto;
}
