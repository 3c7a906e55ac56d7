#pragma once

#include <string>
#include <vector>

#include "validation/comum/Resultado.h"
#include "validation/comum/Utilitarios.h"

// Run modes: the desktop program's, and the service's (no input or output folder needed).
inline constexpr int32_t modoDesktop = -10000;
inline constexpr int32_t modoServico = -30000;

// The logs folder is missing: the refusal goes to the console only.
inline constexpr int32_t codigoSemPastaLogs = 192;

// Checks the installation layout under the root folder: folders, the model library and its
// runtime files.
class ConfiguracaoModo {
 public:
  ConfiguracaoModo();

  Resultado validarModoDesktop();
  Resultado validarModoServico();
  void validarPastasModoDesktop(Resultado& resultado);
  void validarArquivosModoDesktop(Resultado& resultado);
  void validarPastasModoServico(Resultado& resultado);
  void validarArquivosModoServico(Resultado& resultado);

  std::string diretorio;

 private:
  struct Pasta {
    const char* nome;
    int32_t codigo;
    const char* mensagem;
  };
  void validarPastas(Resultado& resultado, const std::vector<Pasta>& pastas);

  Utilitarios utilitarios;
  std::vector<std::string> arquivosDll;
};
