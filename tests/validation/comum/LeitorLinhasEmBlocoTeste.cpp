#include "validation/comum/LeitorLinhasEmBloco.h"

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "platform/Plataforma.h"
#include "validation/comum/Texto.h"

namespace {

std::vector<std::string> linhasEmBloco(const std::string& caminho, size_t tamanhoBloco) {
  std::ifstream arquivo(caminho);
  LeitorLinhasEmBloco leitor(arquivo, tamanhoBloco);
  std::vector<std::string> linhas;
  std::string_view linha;
  while (leitor.proxima(linha)) linhas.emplace_back(linha);
  return linhas;
}

std::vector<std::string> linhasDeLerLinha(const std::string& caminho) {
  std::ifstream arquivo(caminho);
  std::vector<std::string> linhas;
  std::string linha;
  while (lerLinha(arquivo, linha)) linhas.push_back(linha);
  return linhas;
}

}  // namespace

// Every block size, down to one byte, gives the lines lerLinha gives; on Linux, also those
// written here (the Windows build leaves line ends and 0x1A to the system).
TEST(LeitorLinhasEmBlocoTeste, LinhasComoLerLinha) {
  const std::string longa(10000, 'x');
  struct Caso {
    const char* nome;
    std::string conteudo;
    std::vector<std::string> linhas;
  };
  const Caso casos[] = {
      {"vazio", "", {}},
      {"sem quebra no fim", "a\nb", {"a", "b"}},
      {"linhas vazias", "\n\na\n", {"", "", "a"}},
      {"retorno antes da quebra sai", "a\r\nb\r\n", {"a", "b"}},
      {"so um retorno sai", "a\r\r\n", {"a\r"}},
      {"retorno no meio fica", "a\rb\n", {"a\rb"}},
      {"retorno antes do fim do arquivo fica", "a\nb\r", {"a", "b\r"}},
      {"0x1A encerra, o trecho antes e linha",
       "ab\x1A"
       "cd\nef\n",
       {"ab"}},
      {"0x1A no inicio de uma linha",
       "ab\n\x1A"
       "cd\n",
       {"ab"}},
      {"retorno antes do 0x1A fica", "ab\r\x1A\n", {"ab\r"}},
      {"so 0x1A", "\x1A", {}},
      {"bytes nulos sao bytes da linha",
       std::string("a\0b\nc\0\n", 7),
       {std::string("a\0b", 3), std::string("c\0", 2)}},
      {"linha maior que o bloco", "a\n" + longa + "\r\nb", {"a", longa, "b"}},
  };
  PastaTemporaria pasta;
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    const std::string caminho = pasta.escrever("linhas.txt", caso.conteudo);
    const std::vector<std::string> esperadas = linhasDeLerLinha(caminho);
    if (!plataforma::textoTraduzidoPeloSistema) {
      EXPECT_EQ(caso.linhas, esperadas);
    }
    for (const size_t tamanho : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{4096},
                                 LeitorLinhasEmBloco::tamanhoPadrao}) {
      SCOPED_TRACE(tamanho);
      EXPECT_EQ(esperadas, linhasEmBloco(caminho, tamanho));
    }
  }
}
