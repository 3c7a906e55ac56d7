#include "validation/comum/LeituraLinhas.h"

#include <ios>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "apoio/CasosLeitor.h"

// What each text of a line is asked, what `linha` holds after it, and that text hidden behind a
// NUL passes only where the reader said it decides: a judgement that passes every text without
// an "x" stands for a reader that ignores what follows its last field.
TEST(LeituraLinhasTeste, JulgamentoAteONulo) {
  struct Caso {
    const char* nome;
    std::string linha;
    TextoAposNulo aposNulo;
    std::vector<std::string> julgados;
    std::string depois;  // `linha` after the call
    bool levanta;
    int32_t codigo;
  };
  const auto recusado = TextoAposNulo::recusado;
  const auto decidido = TextoAposNulo::decididoPeloLeitor;
  const Caso casos[] = {
      {"sem nulo", "a b", recusado, {"a b"}, "a b", false, 100},
      {"so brancos depois do nulo", comNulo("a", " \t "), recusado, {"a"}, "a", false, 100},
      {"texto depois do nulo que passa: levanta",
       comNulo("a", "b"),
       recusado,
       {"a", comNulo("a", "b")},
       comNulo("a", "b"),
       true,
       100},
      {"o leitor decide: passa",
       comNulo("", "b"),
       decidido,
       {"", comNulo("", "b")},
       comNulo("", "b"),
       false,
       100},
      {"falha ate o nulo: nao julga a linha inteira",
       comNulo("x", "b"),
       recusado,
       {"x"},
       "x",
       false,
       105},
      {"a linha inteira falha",
       comNulo("a", "x"),
       recusado,
       {"a", comNulo("a", "x")},
       comNulo("a", "x"),
       false,
       105},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    std::string linha = caso.linha;
    std::string inteira;
    Resultado resultado;
    std::vector<std::string> julgados;
    bool levantou = false;
    try {
      julgarAteNulo(linha, inteira, resultado, caso.aposNulo, [&] {
        julgados.push_back(linha);
        if (linha.find('x') != std::string::npos) resultado = {"falha", 105};
      });
    } catch (const std::ios_base::failure&) {
      levantou = true;
    }
    EXPECT_EQ(caso.julgados, julgados);
    EXPECT_EQ(caso.depois, linha);
    EXPECT_EQ(caso.levanta, levantou);
    EXPECT_EQ(caso.codigo, resultado.codigo);
  }
}
