#pragma once

#include <cstdint>

#include "platform/Plataforma.h"

// Result codes of a run the library did not finish itself.
inline constexpr int32_t codigoBibliotecaAusente = 101;  // the library does not load
inline constexpr int32_t codigoFuncaoAusente = 102;      // it has no export to run
inline constexpr int32_t codigoExcecaoModelo = 104;      // the export threw

// Handle of the loaded model library.
extern plataforma::Biblioteca* bibliotecaModelo;

// Set to 1 once executarModelo has stored the run's result code; the progress thread waits for it.
extern int32_t execucaoConcluida;

// Thread routine: loads bin/ZEL-KOVA.dll, runs its export on the record, stores the result.
unsigned executarModelo(void* contexto);

// Nanoseconds since 1970 on the system clock.
int64_t instanteAtual();
