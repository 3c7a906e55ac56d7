#pragma once

#include <cstdint>

// Result codes of a run that ends before the model runs, besides the validation's.
inline constexpr int32_t codigoSemDiretorio = 190;       // no current directory
inline constexpr int32_t codigoTarefaNaoIniciada = 103;  // the model thread did not start
inline constexpr int32_t codigoFalhaInesperada = 199;    // an exception reached main

// The whole run in the current directory; returns the run's result code.
int32_t executarAplicacao();
