#pragma once

#include <functional>

#include "validation/Resultado.h"

// Runs the call in a child process that may not open any file, so that a file which exists
// cannot be opened there, even by root. The child's Resultado comes back through a pipe.
Resultado semAbrirArquivos(const std::function<Resultado()>& chamada);
