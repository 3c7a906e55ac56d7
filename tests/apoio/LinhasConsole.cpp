#include "apoio/LinhasConsole.h"

std::vector<std::string> comecandoCom(const std::vector<std::string>& linhas,
                                      const std::string& inicio) {
  std::vector<std::string> resultado;
  for (const std::string& linha : linhas)
    if (linha.rfind(inicio, 0) == 0) resultado.push_back(linha);
  return resultado;
}

std::vector<std::string> linhasDoRelatorio(const std::vector<std::string>& linhas) {
  std::vector<std::string> relatorio;
  for (const std::string& linha : comecandoCom(linhas, etiquetaRelatorio))
    relatorio.push_back(linha.substr(etiquetaRelatorio.size()));
  return relatorio;
}

std::string trocarMarca(std::string texto, const std::string& marca, const std::string& valor) {
  for (auto posicao = texto.find(marca); posicao != std::string::npos;
       posicao = texto.find(marca, posicao + valor.size()))
    texto.replace(posicao, marca.size(), valor);
  return texto;
}
