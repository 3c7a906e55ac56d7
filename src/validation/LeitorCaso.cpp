#include "validation/LeitorCaso.h"

#include <fstream>

#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/ListaNomes.h"
#include "validation/comum/QuantidadeLista.h"

Resultado LeitorCaso::validar() {
  numeroLinha = 1;
  quantidadeSubBacias = 0;
  subBacias.clear();
  linha.clear();
  Resultado resultado{std::string("Validacao ") + "caso.txt" + " OK", codigoValido};
  std::ifstream arquivo;
  // a file that exists but cannot be opened reads as an empty one
  const Resultado aberto = abrirArquivo(utilitarios, caminho, arquivo,
                                        {"Arquivo caso.txt nao encontrado em: " + caminho, 197},
                                        ArquivoQueNaoAbre::vazio);
  if (!aberto.valido()) return aberto;
  validarListaNomes(arquivo,
                    {"Arquivo de caso corrompido: " + caminho, "sub-bacias lidas",
                     "Nome de sub-bacia duplicado: "},
                    resultado, numeroLinha, linha, subBacias,
                    [this](Resultado& resultadoLinha, const std::string& valor) {
                      validarQuantidadeSubBacias(resultadoLinha, valor);
                      return quantidadeSubBacias;
                    });
  return resultado;
}

void LeitorCaso::validarQuantidadeSubBacias(Resultado& resultado, const std::string& valor) {
  quantidadeSubBacias =
      validarQuantidadeLista(resultado, valor, "sub-bacias", false, linha, numeroLinha);
}
