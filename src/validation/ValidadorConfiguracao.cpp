#include "validation/Validador.h"

// Steps for zel.conf, initial state, parameters and the model list.
int32_t Validador::validarArquivoConfiguracao() { return 200; }
int32_t Validador::validarArquivosInicializacao() { return 200; }
int32_t Validador::validarArquivosParametros() { return 200; }
int32_t Validador::validarArquivoModelosPrecipitacao() { return 200; }
