#include "validation/Validador.h"

// Steps for the grid points and the forecast precipitation.
int32_t Validador::validarArquivosPontosGrade() { return 200; }
int32_t Validador::validarPrecipitacaoPrevistaModeloNovo() { return 200; }
int32_t Validador::validarPrecipitacaoPrevistaModeloAntigo() { return 200; }
