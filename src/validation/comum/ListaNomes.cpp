#include "validation/comum/ListaNomes.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include <boost/algorithm/string/trim.hpp>

#include "validation/comum/Mensagens.h"
#include "validation/comum/Texto.h"
#include "validation/comum/VerificadorLinhas.h"

namespace {

// The text before the comment as a C scan of "%[^']" takes it: a NUL byte ends it too.
std::string campoAntesDoComentario(const std::string& linha) {
  return valorAntesDoComentario(linha.substr(0, linha.find('\0')));
}

// Line 1 and the names; quantidade takes the count of line 1 as soon as it passed.
void lerNomes(std::istream& arquivo, Resultado& resultado, int32_t& numeroLinha, std::string& linha,
              std::vector<std::string>& nomes,
              const std::function<int32_t(Resultado&, std::string&)>& validarQuantidade,
              int32_t& quantidade) {
  VerificadorLinhas verificador;
  // line 1 is checked whether or not it could be read
  if (!lerLinha(arquivo, linha)) linha.clear();
  verificador.verificarLinha(resultado, linha, marcadorPrimeiraLinha, numeroLinha, false);
  if (resultado.codigo != 100) return;
  std::string valor = campoAntesDoComentario(linha);
  const int32_t lida = validarQuantidade(resultado, valor);
  if (resultado.codigo != 100) return;
  quantidade = lida;

  std::string linhaAnterior = linha;
  ++numeroLinha;
  while (lerLinha(arquivo, linha)) {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (resultado.codigo != 100) return;
    linhaAnterior = linha;
    // a blank line takes no number
    if (linha.empty()) continue;
    std::string nome = campoAntesDoComentario(linha);
    boost::trim(nome);
    nomes.push_back(nome);
    ++numeroLinha;
  }
}

}  // namespace

void validarListaNomes(const std::string& caminho, const TextosListaNomes& textos,
                       Resultado& resultado, int32_t& numeroLinha, std::string& linha,
                       std::vector<std::string>& nomes,
                       const std::function<int32_t(Resultado&, std::string&)>& validarQuantidade) {
  int32_t quantidade = 0;
  std::ifstream arquivo;
  try {
    arquivo.exceptions(std::ios::badbit);
    arquivo.open(caminho);
    lerNomes(arquivo, resultado, numeroLinha, linha, nomes, validarQuantidade, quantidade);
    if (resultado.codigo != 100) return;
  } catch (const std::exception&) {
    resultado = {textos.corrompido, 198};
  }

  const int32_t nomesLidos = numeroLinha - 2;
  if (nomesLidos != quantidade) {
    resultado = {"Quantidade de dados no arquivo diferente da quantidade de " + textos.lidos +
                     "\nValor informado: " + textoInteiro(quantidade) +
                     "\nQuantidade de dados do arquivo: " + textoInteiro(nomesLidos),
                 196};
    return;
  }
  std::sort(nomes.begin(), nomes.end());
  const auto duplicado = std::adjacent_find(nomes.begin(), nomes.end());
  if (duplicado != nomes.end()) resultado = {textos.duplicado + *duplicado, 196};
}
