#include "validation/ListaNomes.h"

#include <boost/algorithm/string/trim.hpp>

#include "platform/Plataforma.h"
#include "validation/Mensagens.h"
#include "validation/VerificadorLinhas.h"

void lerListaNomes(std::istream& arquivo, Resultado& resultado, int32_t& numeroLinha,
                   std::string& linha, std::vector<std::string>& nomes,
                   const std::function<void(Resultado&, std::string&)>& validarQuantidade) {
  VerificadorLinhas verificador;
  // line 1 is checked whether or not it could be read
  if (!plataforma::lerLinha(arquivo, linha)) linha.clear();
  verificador.verificarLinha(resultado, linha, marcadorPrimeiraLinha, numeroLinha, false);
  if (resultado.codigo != 100) return;
  std::string valor = valorAntesDoComentario(linha);
  validarQuantidade(resultado, valor);
  if (resultado.codigo != 100) return;

  std::string linhaAnterior = linha;
  ++numeroLinha;
  while (plataforma::lerLinha(arquivo, linha)) {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (resultado.codigo != 100) return;
    linhaAnterior = linha;
    // a blank line takes no number
    if (linha.empty()) continue;
    std::string nome = valorAntesDoComentario(linha);
    boost::trim(nome);
    nomes.push_back(nome);
    ++numeroLinha;
  }
}
