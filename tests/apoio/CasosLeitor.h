#pragma once

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "validation/Resultado.h"

// One row of a reader's table: the file content in, the code and the whole message out.
struct CasoLeitor {
  const char* nome;
  std::string conteudo;
  int32_t codigo;
  std::string mensagem;
};

// Runs each row through validar(conteudo), which writes the file and runs the reader.
template <class Casos, class Validar>
void verificarCasos(const Casos& casos, Validar validar) {
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const Resultado resultado = validar(caso.conteudo);
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
  }
}
