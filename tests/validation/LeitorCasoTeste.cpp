#include "validation/LeitorCaso.h"

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"

namespace {

struct Caso {
  const char* nome;
  std::string conteudo;
  int32_t codigo;
  std::string mensagem;
  std::vector<std::string> subBacias = {};
};

void verificar(const Caso casos[], size_t quantidade) {
  PastaTemporaria pasta;
  LeitorCaso leitor;  // one reader for every file, as the driver uses it
  for (size_t i = 0; i < quantidade; ++i) {
    const Caso& caso = casos[i];
    SCOPED_TRACE(caso.nome);
    leitor.caminho = pasta.escrever("caso.txt", caso.conteudo);
    const Resultado resultado = leitor.validar();
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
    if (caso.codigo == 100) {
      EXPECT_EQ(caso.subBacias, leitor.subBacias);
    }
  }
}

const std::string ok = "Validacao caso.txt OK";

}  // namespace

TEST(LeitorCasoTeste, QuantidadeNaPrimeiraLinha) {
  const Caso casos[] = {
      {"ordenadas, nao na ordem do arquivo", "2\nB1\nA1\n", 100, ok, {"A1", "B1"}},
      {"comentario depois do valor", "3 ' tres\nC\nB\nA\n", 100, ok, {"A", "B", "C"}},
      {"sinal de mais", "+3\nA\n", 105,
       "Valor do campo quantidade de sub-bacias nao numerico\nValor lido: +3\nLinha: +3\n"
       "Numero da linha: 1"},
      {"negativo: sem o trecho da linha", "-3\nA\n", 105,
       "Valor do campo quantidade de sub-bacias negativo ou nulo\nValor lido: -3\n"
       "Numero da linha: 1"},
      {"zero", "0\n", 105,
       "Valor do campo quantidade de sub-bacias negativo ou nulo\nValor lido: 0\nNumero da linha: 1"},
      {"menos zero", "-0 'x\n", 105,
       "Valor do campo quantidade de sub-bacias negativo ou nulo\nValor lido: -0\n"
       "Numero da linha: 1"},
      {"onze digitos", "12345678901\n", 105,
       "Valor do campo quantidade de sub-bacias nao numerico\nValor lido: 12345678901\n"
       "Linha: 12345678901\nNumero da linha: 1"},
      {"apostrofo no inicio", "'so comentario\n", 105,
       "Valor do campo quantidade de sub-bacias nao numerico\nValor lido: \n"
       "Linha: 'so comentario\nNumero da linha: 1"},
      {"arquivo vazio", "", 196, "Primeira linha em branco"},
      {"primeira linha em branco", "\n2\nA\nB\n", 196, "Primeira linha em branco"},
      {"tabulacao na primeira", "\t2\n", 105, "Tabulacao encontrada na linha: \t2\nNumero da linha: 1"},
  };
  verificar(casos, std::size(casos));
}

TEST(LeitorCasoTeste, NomesEContagem) {
  const std::string longo(5000, 'N');
  const Caso casos[] = {
      {"nome com comentario", "1\nBACIA1 ' primeira\n", 100, ok, {"BACIA1"}},
      {"nome vazio conta", "2\n'sem nome\nA\n", 100, ok, {"", "A"}},
      {"linhas em branco no fim", "2\nA\nB\n\n\n", 100, ok, {"A", "B"}},
      {"retorno de carro", "2\r\nA\r\nB\r\n", 100, ok, {"A", "B"}},
      {"nome longo", "1\n" + longo + "\n", 100, ok, {longo}},
      {"prefixo ordena antes", "2\nAB\nA\n", 100, ok, {"A", "AB"}},
      {"mais linhas que a quantidade", "2\nA\nB\nC\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de sub-bacias lidas\n"
       "Valor informado: 2\nQuantidade de dados do arquivo: 3"},
      {"menos linhas", "3\nA\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de sub-bacias lidas\n"
       "Valor informado: 3\nQuantidade de dados do arquivo: 1"},
      {"linha em branco no meio: numero da primeira em branco", "3\nA\nB\n\n\nC\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 4"},
      {"espaco no inicio de um nome", "2\nA\n B\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  B\nNumero da linha: 3"},
      {"duplicado", "3\nB\nA\nB\n", 196, "Nome de sub-bacia duplicado: B"},
      {"duplicado com contagem errada: a contagem vem antes", "2\nB\nB\nC\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de sub-bacias lidas\n"
       "Valor informado: 2\nQuantidade de dados do arquivo: 3"},
  };
  verificar(casos, std::size(casos));
}

TEST(LeitorCasoTeste, ArquivoAusenteOuIlegivel) {
  PastaTemporaria pasta;
  LeitorCaso leitor;
  leitor.caminho = pasta.caminho("caso.txt");
  Resultado resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Arquivo caso.txt nao encontrado em: " + pasta.caminho("caso.txt"), resultado.mensagem);

  // a folder by that name is not a file
  leitor.caminho = pasta.caminho("pasta");
  pasta.escrever("pasta/x", "");
  EXPECT_EQ(197, leitor.validar().codigo);
}
