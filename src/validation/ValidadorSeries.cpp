#include "validation/Validador.h"

// Steps for evapotranspiration, rain gauges and observed flow.
int32_t Validador::validarArquivosEvapotranspiracao() { return 200; }
int32_t Validador::validarArquivosConfiguracaoPostos() { return 200; }
int32_t Validador::validarArquivosPostosPluviometricos() { return 200; }
int32_t Validador::validarArquivosVazaoVerificada() { return 200; }
