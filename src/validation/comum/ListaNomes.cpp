#include "validation/comum/ListaNomes.h"

#include <algorithm>
#include <exception>

#include <boost/algorithm/string/trim.hpp>

#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"

namespace {

// The text before the comment as a C scan of "%[^']" takes it: a NUL byte ends it too.
std::string campoAntesDoComentario(const std::string& linha) {
  return valorAntesDoComentario(linha.substr(0, linha.find('\0')));
}

}  // namespace

void validarListaNomes(
    std::istream& arquivo, const TextosListaNomes& textos, Resultado& resultado,
    int32_t& numeroLinha, std::string& linha, std::vector<std::string>& nomes,
    const std::function<int32_t(Resultado&, const std::string&)>& validarQuantidade) {
  int32_t quantidade = 0;
  nomes.clear();
  try {
    lerLinhasDeLista(
        arquivo, resultado, linha, marcadorPrimeiraLinha, numeroLinha,
        [&] { quantidade = validarQuantidade(resultado, campoAntesDoComentario(linha)); },
        [&](const std::string&) {
          // one name per counted line, in the place of its number: a line judged again whole,
          // for text behind a NUL byte, names the same place, and one judged whole only (blank
          // up to the NUL) still names it, with the empty name
          nomes.resize(static_cast<size_t>(numeroLinha - 1));
          nomes.back() = boost::trim_copy(campoAntesDoComentario(linha));
        },
        TextoAposNulo::decididoPeloLeitor);
    if (!resultado.valido()) return;
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
