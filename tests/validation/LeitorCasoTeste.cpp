#include "validation/LeitorCaso.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

using namespace std::string_literals;

// One reader for every file, as the driver uses it.
void verificar(const std::vector<CasoLeitorLista>& casos) {
  PastaTemporaria pasta;
  LeitorCaso leitor;
  verificarCasos(
      casos,
      [&](const std::string& conteudo) {
        leitor.caminho = pasta.escrever("caso.txt", conteudo);
        return leitor.validar();
      },
      [&] { return leitor.subBacias; });
}

const std::string ok = "Validacao caso.txt OK";

std::string diferenca(int informado, int lidos) {
  return "Quantidade de dados no arquivo diferente da quantidade de sub-bacias lidas\n"
         "Valor informado: " +
         std::to_string(informado) + "\nQuantidade de dados do arquivo: " + std::to_string(lidos);
}

}  // namespace

TEST(LeitorCasoTeste, QuantidadeNaPrimeiraLinha) {
  const auto naoNumerico = [](const std::string& valor, const std::string& linha) {
    return "Valor do campo quantidade de sub-bacias nao numerico\nValor lido: " + valor +
           "\nLinha: " + linha + "\nNumero da linha: 1";
  };
  const auto negativo = [](const std::string& valor) {
    return "Valor do campo quantidade de sub-bacias negativo ou nulo\nValor lido: " + valor +
           "\nNumero da linha: 1";
  };
  verificar({
      {"ordenadas, nao na ordem do arquivo", "2\nB1\nA1\n", 100, ok, {"A1", "B1"}},
      {"comentario depois do valor", "3 ' tres\nC\nB\nA\n", 100, ok, {"A", "B", "C"}},
      {"sinal de mais", "+3\nA\n", 105, naoNumerico("+3", "+3")},
      {"negativo: sem o trecho da linha", "-3\nA\n", 105, negativo("-3")},
      {"zero", "0\n", 105, negativo("0")},
      {"menos zero", "-0 'x\n", 105, negativo("-0")},
      {"maior inteiro", "2147483647\n", 196, diferenca(2147483647, 0)},
      {"alem do inteiro", "2147483648\n", 105, naoNumerico("2147483648", "2147483648")},
      {"onze digitos", "12345678901\n", 105, naoNumerico("12345678901", "12345678901")},
      {"apostrofo no inicio", "'so comentario\n", 105, naoNumerico("", "'so comentario")},
      {"byte nulo encerra o campo", "1\0x\nA\n"s, 100, ok, {"A"}},
      {"arquivo vazio", "", 196, "Primeira linha em branco"},
      {"primeira linha em branco", "\n2\nA\nB\n", 196, "Primeira linha em branco"},
      {"tabulacao na primeira", "\t2\n", 105,
       "Tabulacao encontrada na linha: \t2\nNumero da linha: 1"},
  });
}

TEST(LeitorCasoTeste, NomesEContagem) {
  const std::string longo(5000, 'N');
  verificar({
      {"nome com comentario", "1\nBACIA1 ' primeira\n", 100, ok, {"BACIA1"}},
      {"nome vazio conta", "2\n'sem nome\nA\n", 100, ok, {"", "A"}},
      {"linhas em branco no fim", "2\nA\nB\n\n\n", 100, ok, {"A", "B"}},
      {"retorno de carro", "2\r\nA\r\nB\r\n", 100, ok, {"A", "B"}},
      {"0x1A no fim do arquivo", "2\r\nA\r\nB\r\n\x1A", 100, ok, {"A", "B"}},
      {"nome longo", "1\n" + longo + "\n", 100, ok, {longo}},
      {"nome ate o byte nulo", "2\nA\0B\nA\0C\n"s, 196, "Nome de sub-bacia duplicado: A"},
      {"texto depois do byte nulo: um nome so",
       "2\nPARDO\nGRANDE\0x\n"s,
       100,
       ok,
       {"GRANDE", "PARDO"}},
      {"byte nulo no inicio: conta com o nome vazio",
       "3\nPARDO\n\0XINGU\nGRANDE\n"s,
       100,
       ok,
       {"", "GRANDE", "PARDO"}},
      {"byte nulo no inicio da ultima", "2\nPARDO\n\0GRANDE"s, 100, ok, {"", "PARDO"}},
      {"dois bytes nulos", "2\nPARDO\n\0\0\n"s, 100, ok, {"", "PARDO"}},
      {"byte nulo sozinho no fim: linha em branco",
       "2\nPARDO\nGRANDE\n\0\n"s,
       100,
       ok,
       {"GRANDE", "PARDO"}},
      {"prefixo ordena antes", "2\nAB\nA\n", 100, ok, {"A", "AB"}},
      {"mais linhas que a quantidade", "2\nA\nB\nC\n", 196, diferenca(2, 3)},
      {"menos linhas", "3\nA\n", 196, diferenca(3, 1)},
      {"linha em branco no meio: numero da primeira em branco", "3\nA\nB\n\n\nC\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 4"},
      {"espaco no inicio de um nome", "2\nA\n B\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  B\nNumero da linha: 3"},
      {"linha so de espacos no fim: nao e linha em branco", "2\nA\nB\n   \n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:    \nNumero da linha: 4"},
      {"duplicado", "3\nB\nA\nB\n", 196, "Nome de sub-bacia duplicado: B"},
      {"duplicado com contagem errada: a contagem vem antes", "2\nB\nB\nC\n", 196, diferenca(2, 3)},
  });
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

  // a file that cannot be opened reads as an empty one
  leitor.caminho = pasta.escrever("caso.txt", "1\nA\n");
  chmod(leitor.caminho.c_str(), 0);
  resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(196, resultado.codigo);
  EXPECT_EQ("Primeira linha em branco", resultado.mensagem);

  // a read error leaves 198, and the count check then replaces it
  leitor.caminho = "/proc/self/mem";
  resultado = leitor.validar();
  EXPECT_EQ(196, resultado.codigo);
  EXPECT_EQ(diferenca(0, -1), resultado.mensagem);
}
