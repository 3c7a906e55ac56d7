#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/SemPermissao.h"
#include "validation/comum/Resultado.h"

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

// Any finding, then the value, line and line-number pieces.
inline std::string comValorLido(const std::string& achado, const std::string& valor,
                                const std::string& linha, int numero) {
  return achado + "\nValor lido: " + valor + "\nLinha: " + linha +
         "\nNumero da linha: " + std::to_string(numero);
}

// Two texts joined by a NUL byte.
inline std::string comNulo(const std::string& antes, const std::string& depois) {
  return antes + '\0' + depois;
}

// The field message of the initial-state and parameter readers: "Valor do campo " + nome + the
// finding, then the value, line and line-number pieces.
inline std::string campo(const std::string& nome, const std::string& achado,
                         const std::string& valor, const std::string& linha, int numero) {
  return comValorLido("Valor do campo " + nome + achado, valor, linha, numero);
}

// A row of a reader that hands on a list of texts (names, coordinates) when the file passes.
struct CasoLeitorLista {
  const char* nome;
  std::string conteudo;
  int32_t codigo;
  std::string mensagem;
  std::vector<std::string> lista = {};
};

// As above; after a passing row also compares the row's list with what lista() hands on.
template <class Validar, class Lista>
void verificarCasos(const std::vector<CasoLeitorLista>& casos, Validar validar, Lista lista) {
  for (const CasoLeitorLista& caso : casos) {
    verificarCasos(std::vector<CasoLeitorLista>{caso}, validar);
    SCOPED_TRACE(caso.nome);
    if (caso.codigo == 100) {
      EXPECT_EQ(caso.lista, lista());
    }
  }
}

// Rows whose content is the path the reader gets: missing files, read errors, and the file
// `ilegivel`, which is set to mode 000 and read as a user that mode keeps out.
template <class Casos, class Leitor>
void verificarArquivos(const Casos& casos, Leitor& leitor, const std::string& ilegivel) {
  boost::filesystem::permissions(ilegivel, boost::filesystem::no_perms);
  verificarCasos(casos, [&](const std::string& caminho) {
    leitor.caminho = caminho;
    return caminho == ilegivel ? executarSemPermissao([&leitor] { return leitor.validar(); })
                               : leitor.validar();
  });
}
