#pragma once

#include <functional>

#include "validation/comum/Resultado.h"

// Runs a check where a file of mode 000 cannot be opened: as root (who opens anything) the check
// runs in a child process under the user nobody; on Windows, where such a file is only
// read-only, it is held open without sharing meanwhile. Hands back the check's result.
Resultado executarSemPermissao(const std::function<Resultado()>& verificacao);
