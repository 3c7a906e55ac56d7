#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// The field message of the initial-state and parameter readers: "Valor do campo " + nome + the
// finding, then the value, line and line-number pieces.
inline std::string campo(const std::string& nome, const std::string& achado,
                         const std::string& valor, const std::string& linha, int numero) {
  return "Valor do campo " + nome + achado + "\nValor lido: " + valor + "\nLinha: " + linha +
         "\nNumero da linha: " + std::to_string(numero);
}

// A row of a reader that hands on a list of names: the names it must hold when the row passes.
struct CasoLista {
  const char* nome;
  std::string conteudo;
  int32_t codigo;
  std::string mensagem;
  std::vector<std::string> nomes = {};
};

// As verificarCasos; after a passing row nomesLidos() must give the row's names.
template <class Validar, class NomesLidos>
void verificarListas(const std::vector<CasoLista>& casos, Validar validar, NomesLidos nomesLidos) {
  for (const CasoLista& caso : casos) {
    verificarCasos(std::vector<CasoLista>{caso}, validar);
    if (caso.codigo == 100) {
      EXPECT_EQ(caso.nomes, nomesLidos()) << caso.nome;
    }
  }
}
