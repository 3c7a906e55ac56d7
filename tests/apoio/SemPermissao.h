#pragma once

#include <functional>

#include "validation/Resultado.h"

// Runs a check where a file of mode 000 cannot be opened: as root (who opens anything) the check
// runs in a child process under the user nobody. Hands back the check's result.
Resultado executarSemPermissao(const std::function<Resultado()>& verificacao);
