#include "startup/Ambiente.h"
#include "support/Casos.h"
#include "support/ImprimeTexto.h"

#include <gtest/gtest.h>

namespace {

TEST(Campo, CampoETextoDoChamador)
{
    for (const Caso& caso : Casos("startup/casos/campo.tsv")) {
        SCOPED_TRACE(caso.onde());
        QString texto = caso[0];
        const Variant campo = Campo(static_cast<int16_t>(caso.inteiro(1)), texto);
        EXPECT_EQ(campo.type(), caso.variant(2).type());
        EXPECT_EQ(campo.text(), caso.variant(2).text());
        EXPECT_EQ(texto, caso[3]);
    }
}

}  // namespace
