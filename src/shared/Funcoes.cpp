#include "Funcoes.h"

VariaveisFuncoes& funcoes()
{
    static VariaveisFuncoes variaveis;
    return variaveis;
}
