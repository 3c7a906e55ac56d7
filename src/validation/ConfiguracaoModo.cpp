#include "validation/ConfiguracaoModo.h"

#include "platform/Plataforma.h"

namespace {

const char* const mensagemBin = "Pasta de arquivos DLL nao encontrada\nURI esperada: ";
const char* const mensagemLogs = "Pasta de arquivos de log nao encontrada\nURI esperada: ";

}  // namespace

ConfiguracaoModo::ConfiguracaoModo()
    : arquivosDll{"ZEL-KOVA.dll", "libgcc_s_dw2-1.dll", "libstdc++-6.dll"} {}

Resultado ConfiguracaoModo::validarModoDesktop() {
  Resultado resultado{"Validacao da configuracao do modo desktop concluida com sucesso",
                      codigoValido};
  validarPastasModoDesktop(resultado);
  if (resultado.valido()) validarArquivosModoDesktop(resultado);
  return resultado;
}

Resultado ConfiguracaoModo::validarModoServico() {
  Resultado resultado{"Validacao da configuracao do modo servico concluida com sucesso",
                      codigoValido};
  validarPastasModoServico(resultado);
  if (resultado.valido()) validarArquivosModoServico(resultado);
  return resultado;
}

void ConfiguracaoModo::validarPastas(Resultado& resultado, const std::vector<Pasta>& pastas) {
  for (const Pasta& pasta : pastas) {
    const std::string caminho = diretorio + plataforma::separador + pasta.nome;
    if (!utilitarios.diretorioExiste(caminho)) {
      resultado = {pasta.mensagem + caminho, pasta.codigo};
      return;
    }
  }
}

void ConfiguracaoModo::validarPastasModoDesktop(Resultado& resultado) {
  validarPastas(
      resultado,
      {{"bin", 191, mensagemBin},
       {"logs", codigoSemPastaLogs, mensagemLogs},
       {"Arq_Entrada", 191, "Pasta de arquivos de entrada nao encontrada\nURI esperada: "},
       {"Arq_Saida", 191, "Pasta de arquivos de saida nao encontrada\nURI esperada: "}});
}

void ConfiguracaoModo::validarPastasModoServico(Resultado& resultado) {
  validarPastas(resultado, {{"bin", 191, mensagemBin}, {"logs", codigoSemPastaLogs, mensagemLogs}});
}

void ConfiguracaoModo::validarArquivosModoDesktop(Resultado& resultado) {
  for (const std::string& nome : arquivosDll) {
    const std::string caminho =
        diretorio + plataforma::separador + "bin" + plataforma::separador + nome;
    if (!utilitarios.arquivoExiste(caminho)) {
      resultado = {"Arquivo " + nome + " nao encontrado\nCaminho esperado: " + caminho, 197};
      return;
    }
  }
}

void ConfiguracaoModo::validarArquivosModoServico(Resultado& resultado) {
  validarArquivosModoDesktop(resultado);
}
