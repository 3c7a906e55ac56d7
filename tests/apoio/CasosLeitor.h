#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "validation/Resultado.h"

// One file content and what the reader must answer for it.
struct CasoLeitor {
  const char* nome;
  std::string conteudo;
  int32_t codigo;
  std::string mensagem;
  std::vector<std::string> saida = {};  // the reader's list output, on code 100
};

// Writes each case to nomeArquivo and runs the one reader on it in turn, as the driver reuses a
// reader; on code 100, saida(leitor) must equal the case's saida.
template <class Leitor, class Saida>
void verificarCasos(Leitor& leitor, const std::string& nomeArquivo,
                    const std::vector<CasoLeitor>& casos, Saida saida) {
  PastaTemporaria pasta;
  for (const CasoLeitor& caso : casos) {
    SCOPED_TRACE(caso.nome);
    leitor.caminho = pasta.escrever(nomeArquivo, caso.conteudo);
    const Resultado resultado = leitor.validar();
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
    if (resultado.codigo == 100) {
      EXPECT_EQ(caso.saida, saida(leitor));
    }
  }
}

template <class Leitor>
void verificarCasos(Leitor& leitor, const std::string& nomeArquivo,
                    const std::vector<CasoLeitor>& casos) {
  verificarCasos(leitor, nomeArquivo, casos,
                 [](const Leitor&) { return std::vector<std::string>(); });
}
