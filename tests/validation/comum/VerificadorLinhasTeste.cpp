#include "validation/comum/VerificadorLinhas.h"

#include <gtest/gtest.h>

TEST(VerificadorLinhasTeste, Regras) {
  struct Caso {
    const char* nome;
    std::string linha;
    std::string anterior;
    int32_t numero;
    bool ignorar;
    int32_t codigo;
    std::string mensagem;
  };
  const Caso casos[] = {
      {"primeira linha vazia com marcador", "", marcadorPrimeiraLinha, 1, false, 196,
       "Primeira linha em branco"},
      {"primeira linha vazia sem marcador", "", "inicio", 1, false, 100, ""},
      {"tres espacos e uma letra", "   a", "x", 5, false, 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:    a\nNumero da linha: 5"},
      {"espaco antes da tabulacao: regra 3", " \tx", "x", 2, false, 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  \tx\nNumero da linha: 2"},
      {"tabulacao antes do espaco: regra 4", "\t x", "x", 2, false, 105,
       "Tabulacao encontrada na linha: \t x\nNumero da linha: 2"},
      {"anterior vazia vence o espaco", " x", "", 3, false, 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 3"},
      {"vazia depois de vazia, ignorada", "", "", 3, true, 100, ""},
      {"numero sem separador", "\tx", "a", 1234, false, 105,
       "Tabulacao encontrada na linha: \tx\nNumero da linha: 1234"},
      {"so espacos nao e vazia", "  ", "a", 7, false, 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:   \nNumero da linha: 7"},
      {"linha 1 nao vazia com marcador", "abc", marcadorPrimeiraLinha, 1, false, 100, ""},
  };
  VerificadorLinhas verificador;
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    Resultado resultado;
    verificador.verificarLinha(resultado, caso.linha, caso.anterior, caso.numero, caso.ignorar);
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
  }
}
