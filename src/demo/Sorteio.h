#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Fixed-seed numbers (splitmix64): the same sequence on every platform and
// compiler, unlike the standard distributions, so the demo company's rows
// depend only on the seed and the day.
class Sorteio {
public:
    explicit Sorteio(uint64_t semente) : estado_(semente) {}

    uint64_t proximo();
    // A whole number from `minimo` to `maximo`, both included.
    int entre(int minimo, int maximo);
    bool chance(int porCento) { return entre(1, 100) <= porCento; }
    // An index into `pesos`, each index as likely as its weight.
    int ponderado(const std::vector<int>& pesos);
    // `quantos` decimal digits.
    QString digitos(int quantos);
    // `mascara` with each run of "#" replaced by as many digits, the runs drawn
    // from the last to the first (the order the first demo databases drew
    // them in): "##.###-#".
    QString digitosComo(const QString& mascara);

private:
    uint64_t estado_;
};
