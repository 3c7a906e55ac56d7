#include "config/LeitorPostos.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/SemPermissao.h"

namespace {

struct Caso {
  const char* nome;
  std::string conteudo;
  int32_t codigo;
  std::string mensagem;
  std::vector<std::string> identificadores = {};
};

const std::string ok = "Validacao concluida com sucesso";

void verificar(const std::vector<Caso>& casos) {
  PastaTemporaria pasta;
  LeitorPostos leitor;  // one reader for every file, as the driver uses it
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nome);
    leitor.caminho = pasta.escrever("BACIA_POSTOS_PLU.txt", caso.conteudo);
    const Resultado resultado = leitor.validar();
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
    if (resultado.codigo == 100) {
      EXPECT_EQ(caso.identificadores, leitor.identificadores);
    }
  }
}

std::string naoNumerico(const std::string& valor, const std::string& linha) {
  return "Valor do campo quantidade de postos nao numerico\nValor lido: " + valor +
         "\nLinha: " + linha + "\nNumero da linha: 1";
}

}  // namespace

TEST(LeitorPostosTeste, QuantidadeNaPrimeiraLinha) {
  verificar({
      {"brancos depois da quantidade", "1  \t\nP1 1.000\n", 100, ok, {"P1"}},
      {"zeros a esquerda", "002\nP1 0.5\nP2 0.5\n", 100, ok, {"P1", "P2"}},
      {"arquivo vazio", "", 105, naoNumerico("", "")},
      {"primeira linha em branco", "\n1\nP1 1.0\n", 105, naoNumerico("", "")},
      {"sinal de mais", "+1\nP1 1.0\n", 105, naoNumerico("+1", "+1")},
      {"decimal", "1.0\nP1 1.0\n", 105, naoNumerico("1.0", "1.0")},
      {"comentario", "1 ' um\nP1 1.0\n", 105, naoNumerico("1 ' um", "1 ' um")},
      {"maior inteiro de 32 bits", "2147483647\nP1 1.0\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 2147483647\nQuantidade de dados do arquivo: 1"},
      {"alem de 32 bits", "2147483648\n", 105, naoNumerico("2147483648", "2147483648")},
      {"zero: sem o trecho da linha", "0\n", 105,
       "Valor do campo quantidade de postos negativo ou nulo\nValor lido: 0\nNumero da linha: 1"},
      {"menos zero", "-0\n", 105,
       "Valor do campo quantidade de postos negativo ou nulo\nValor lido: -0\nNumero da linha: 1"},
      {"negativo", "-2\n", 105,
       "Valor do campo quantidade de postos negativo ou nulo\nValor lido: -2\nNumero da linha: 1"},
      {"branco no inicio", " 1\nP1 1.0\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  1\nNumero da linha: 1"},
      {"tabulacao no inicio", "\t1\nP1 1.0\n", 105,
       "Tabulacao encontrada na linha: \t1\nNumero da linha: 1"},
  });
}

TEST(LeitorPostosTeste, CorteDasLinhasDePostos) {
  const std::string muitoLongo(5000, 'X');
  verificar({
      {"dois brancos antes do peso", "1\nP1  1.000\n", 100, ok, {"P1"}},
      {"colunas fixas: oito caracteres, tab e peso", "1\nABCDEFGH\t1.000\n", 100, ok, {"ABCDEFGH"}},
      {"colunas fixas: identificador curto aparado, nona coluna pulada",
       "1\nAB\t\t\t\t\t\tx1.000\n",
       100,
       ok,
       {"AB"}},
      {"crlf", "2\r\nP1 0.5\r\nP2 0.5\r\n", 100, ok, {"P1", "P2"}},
      {"linhas vazias no fim", "1\nP1 1.0\n\n\n", 100, ok, {"P1"}},
      {"identificador de nove caracteres", "1\nABCDEFGHI 1.0\n", 103,
       "Identificador do posto com tamanho menor que um ou maior que oito.\nValor lido: "
       "ABCDEFGHI\nLinha: ABCDEFGHI 1.0\nNumero da linha: 2"},
      {"identificador vazio antes do branco", "1\n 1.0\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  1.0\nNumero da linha: 2"},
      {"hifen", "1\nP-1 1.0\n", 102,
       "Identificador deve conter somente caracteres alfa num\xC3\xA9ricos.\nValor lido: P-1\n"
       "Linha: P-1 1.0\nNumero da linha: 2"},
      {"sublinhado", "1\nP_1 1.0\n", 102,
       "Identificador deve conter somente caracteres alfa num\xC3\xA9ricos.\nValor lido: P_1\n"
       "Linha: P_1 1.0\nNumero da linha: 2"},
      {"acento", "1\nP\xC3\xA7 1.0\n", 102,
       "Identificador deve conter somente caracteres alfa num\xC3\xA9ricos.\nValor lido: "
       "P\xC3\xA7\nLinha: P\xC3\xA7 1.0\nNumero da linha: 2"},
      {"linha curta sem branco: tudo identificador", "1\nP1\t1.0\n", 102,
       "Identificador deve conter somente caracteres alfa num\xC3\xA9ricos.\nValor lido: "
       "P1\t1.0\nLinha: P1\t1.0\nNumero da linha: 2"},
      {"exatamente oito caracteres: peso vazio", "1\nABCDEFGH\n", 105,
       "Valor do campo ke nao numerico\nValor lido: \nLinha: ABCDEFGH\nNumero da linha: 2"},
      {"nove caracteres: peso vazio", "1\nABCDEFGH\t\n", 105,
       "Valor do campo ke nao numerico\nValor lido: \nLinha: ABCDEFGH\t\nNumero da linha: 2"},
      {"identificador sem peso", "1\nP1\n", 105,
       "Valor do campo ke nao numerico\nValor lido: \nLinha: P1\nNumero da linha: 2"},
      {"linha em branco entre postos", "2\nP1 0.5\n\nP2 0.5\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 3"},
      {"tabulacao no inicio do posto", "1\n\tP1 1.0\n", 105,
       "Tabulacao encontrada na linha: \tP1 1.0\nNumero da linha: 2"},
      {"campo muito longo julgado pelas verificacoes", "1\nP1 " + muitoLongo + "\n", 105,
       "Valor do campo ke nao numerico\nValor lido: " + muitoLongo + "\nLinha: P1 " + muitoLongo +
           "\nNumero da linha: 2"},
  });
}

TEST(LeitorPostosTeste, Pesos) {
  const auto linhaPeso = [](const std::string& ke) { return "1\nP1 " + ke + "\n"; };
  const auto faixa = [](const std::string& ke) {
    return "Valor de ke incorreto. Intervalo permitido: 0 <= ke <= 1\nValor lido: " + ke +
           "\nLinha: P1 " + ke + "\nNumero da linha: 2";
  };
  const auto formato = [](const std::string& ke) {
    return "Valor do campo ke com formato incorreto\nFormato esperado: parte inteira de tamanho "
           "um e duas casas decimais\nValor lido: " +
           ke + "\nLinha: P1 " + ke + "\nNumero da linha: 2";
  };
  const auto naoNumericoKe = [](const std::string& ke) {
    return "Valor do campo ke nao numerico\nValor lido: " + ke + "\nLinha: P1 " + ke +
           "\nNumero da linha: 2";
  };
  const std::string somaZero =
      "Tolerancia na soma de kes excedida\nEsperado: 0.995 <= soma <= 1.004\n"
      "Soma calculada: 0.000000";
  verificar({
      {"1.000", linhaPeso("1.000"), 100, ok, {"P1"}},
      {"0.000 passa o campo e falha a soma", linhaPeso("0.000"), 196, somaZero},
      {"1 sem ponto", linhaPeso("1"), 105, formato("1")},
      {"1.5", linhaPeso("1.5"), 105, faixa("1.5")},
      {"2.000", linhaPeso("2.000"), 105, faixa("2.000")},
      {"negativo", linhaPeso("-0.5"), 105, faixa("-0.5")},
      {"quatro decimais", linhaPeso("0.1234"), 105, formato("0.1234")},
      {"expoente", linhaPeso("5e-1"), 105, formato("5e-1")},
      {"sem parte inteira", linhaPeso(".5"), 105, formato(".5")},
      {"virgula", linhaPeso("0,5"), 105, naoNumericoKe("0,5")},
      {"texto depois", "1\nP1 1.0 x\n", 105,
       "Valor do campo ke nao numerico\nValor lido: 1.0 x\nLinha: P1 1.0 x\nNumero da linha: 2"},
      {"nan", linhaPeso("nan"), 105, faixa("nan")},
      {"NaN", linhaPeso("NaN"), 105, faixa("NaN")},
      {"inf", linhaPeso("inf"), 105, faixa("inf")},
      {"-Infinity", linhaPeso("-Infinity"), 105, faixa("-Infinity")},
  });
}

TEST(LeitorPostosTeste, VerificacoesFinais) {
  const auto soma = [](const std::string& calculada) {
    return "Tolerancia na soma de kes excedida\nEsperado: 0.995 <= soma <= 1.004\n"
           "Soma calculada: " +
           calculada;
  };
  verificar({
      {"ordenados por bytes", "3\nB2 0.3\nA1 0.3\na10 0.4\n", 100, ok, {"A1", "B2", "a10"}},
      {"soma 0.995", "2\nP1 0.5\nP2 0.495\n", 100, ok, {"P1", "P2"}},
      {"soma 0.994", "2\nP1 0.5\nP2 0.494\n", 196, soma("0.994000")},
      {"soma 1.004", "2\nP1 0.5\nP2 0.504\n", 100, ok, {"P1", "P2"}},
      {"soma 1.005", "2\nP1 0.5\nP2 0.505\n", 196, soma("1.005000")},
      {"quantidade antes da soma", "1\nP1 0.5\nP2 0.9\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 1\nQuantidade de dados do arquivo: 2"},
      {"so a primeira linha", "3\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 3\nQuantidade de dados do arquivo: 0"},
      {"repetido", "3\nP2 0.3\nP1 0.3\nP2 0.4\n", 196, "Valores repetidos para identificador P2"},
      {"caixa distinta nao repete", "2\nP1 0.5\np1 0.5\n", 100, ok, {"P1", "p1"}},
  });
}

TEST(LeitorPostosTeste, ArquivoAusenteIlegivelOuCorrompido) {
  PastaTemporaria pasta;
  LeitorPostos leitor;
  leitor.caminho = pasta.caminho("NADA_POSTOS_PLU.txt");
  Resultado resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Arquivo de configuracao nao encontrado: " + leitor.caminho, resultado.mensagem);

  leitor.caminho = pasta.escrever("A_POSTOS_PLU.txt", "1\nP1 1.0\n");
  boost::filesystem::permissions(leitor.caminho, boost::filesystem::no_perms);
  resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Arquivo de configuracao nao encontrado: " + leitor.caminho, resultado.mensagem);

  // a read error leaves 3, and the count check then replaces it
  leitor.caminho = "/proc/self/mem";
  resultado = leitor.validar();
  EXPECT_EQ(196, resultado.codigo);
  EXPECT_EQ(
      "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
      "Valor informado: 0\nQuantidade de dados do arquivo: -1",
      resultado.mensagem);
}
