#include "config/LeitorParametros.h"

#include <sys/stat.h>

#include <string>

#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

using Caso = CasoLeitor;

const char* ok = "Validacao parametros OK";

// The first n lines of a valid file, line k replaced by the given text when k is 1 to 20.
std::string arquivo(int k = 0, const std::string& texto = "", int n = 20) {
  std::string conteudo;
  for (int i = 1; i <= n; ++i) {
    std::string linha = "0.25 ' parametro";
    if (i == 1) linha = "1500 ' area";
    if (i == 2) linha = "3 0.2 0.3 0.5 ' kts";
    if (i == 17) linha = "200";
    if (i == 18) linha = "5";
    if (i == 19) linha = "300";
    if (i == 20) linha = "0";
    conteudo += (i == k ? texto : linha) + "\n";
  }
  return conteudo;
}

// One reader for every row, as the driver uses it.
template <class Casos>
void verificarParametros(const Casos& casos) {
  PastaTemporaria pasta;
  LeitorParametros leitor;
  verificarCasos(casos, [&](const std::string& conteudo) {
    leitor.caminho = pasta.escrever("A_PARAMETROS.txt", conteudo);
    return leitor.validar();
  });
}

}  // namespace

TEST(LeitorParametrosTeste, ArquivoELinhas) {
  const Caso casos[] = {
      {"valido, linha 21 nunca lida", arquivo() + "\tqualquer\n", 100, ok},
      {"vazio", "", 196, "Configuracao do campo area drenagem nao foi encontrada"},
      {"19 linhas", arquivo(0, "", 19), 196,
       "Configuracao do campo limite inferior chuva nao foi encontrada"},
      {"ultima linha sem fim de linha", arquivo().substr(0, arquivo().size() - 1), 100, ok},
      {"CRLF", "1500\r\n3 0.2 0.3 0.5\r\n" + arquivo().substr(arquivo().find("0.25")), 100, ok},
      {"primeira linha em branco", arquivo(1, ""), 196, "Primeira linha em branco"},
      {"primeira linha so CR", arquivo(1, "\r"), 196, "Primeira linha em branco"},
      {"espaco no inicio da linha 5", arquivo(5, " 1"), 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  1\nNumero da linha: 5"},
      {"tabulacao no inicio da linha 20", arquivo(20, "\t0"), 105,
       "Tabulacao encontrada na linha: \t0\nNumero da linha: 20"},
      {"linha 3 em branco", arquivo(3, ""), 196,
       "Configuracao do campo Str: linha vazia\nNumero da linha: 3"},
      {"linha 2 em branco", arquivo(2, ""), 196,
       "Configuracao de kts não encontrado: linha vazia\nNumero da linha: 2"},
      {"brancos antes do comentario", arquivo(3, "1.5   ' Str"), 100, ok},
  };
  verificarParametros(casos);
}

TEST(LeitorParametrosTeste, AreaDeDrenagem) {
  const auto formato = [](const std::string& valor) {
    return "Valor de area de drenagem nao numerico ou fora do formato\nValor lido: " + valor +
           "\nFormato esperado: número inteiro ou decimal com até 3 casas\nNumero da linha: 1";
  };
  const std::string enorme = std::string(400, '9');
  const Caso casos[] = {
      {"so comentario", arquivo(1, "' area"), 105,
       "Configuracao de area de drenagem nao encontrada: linha em vazia\nNumero da linha: 1"},
      {"1.125", arquivo(1, "1.125"), 100, ok},
      {"1.1234", arquivo(1, "1.1234"), 105, formato("1.1234")},
      {"12.", arquivo(1, "12."), 105, formato("12.")},
      {".5", arquivo(1, ".5"), 105, formato(".5")},
      {"-3", arquivo(1, "-3"), 105,
       "Valor de area de drenagem negativo\nValor lido: -3\nNumero da linha: 1"},
      {"0", arquivo(1, "0"), 100, ok},
      {"999999.9", arquivo(1, "999999.9"), 100, ok},
      {"999999.91", arquivo(1, "999999.91"), 105,
       "Valor maximo de area de drenagem excedido (999999.9)\nValor lido: 999999.91\n"
       "Numero da linha: 1"},
      {"1000000", arquivo(1, "1000000"), 105,
       "Valor maximo de area de drenagem excedido (999999.9)\nValor lido: 1000000\n"
       "Numero da linha: 1"},
      {"alem do double", arquivo(1, enorme), 105,
       "Valor maximo de area de drenagem excedido (999999.9)\nValor lido: " + enorme +
           "\nNumero da linha: 1"},
      {"negativo alem do double", arquivo(1, "-" + enorme), 105,
       "Valor de area de drenagem negativo\nValor lido: -" + enorme + "\nNumero da linha: 1"},
  };
  verificarParametros(casos);
}

TEST(LeitorParametrosTeste, Kts) {
  const auto naLinha = [](const std::string& linha) {
    return "\nLinha: " + linha + "\nNumero da linha: 2";
  };
  const auto tolerancia = [](const std::string& soma) {
    return "Tolerancia na soma de kts excedida\nEsperado: 0.995 <= soma <= 1.004\n"
           "Soma calculada: " +
           soma;
  };
  const Caso casos[] = {
      {"brancos repetidos", arquivo(2, "3   0.2  0.3 0.5"), 100, ok},
      // a NUL behind the comment: the comment joins the weights, and its apostrophe fails first
      {"byte nulo no comentario", arquivo(2, comNulo("3 0.2 0.3 0.5 ' kts", "x")), 105,
       "Valor de kt nao numerico\nValor lido: '" + naLinha(comNulo("3 0.2 0.3 0.5 ' kts", "x"))},
      {"tabulacao entre pesos", arquivo(2, "3 0.2\t0.3 0.5"), 105,
       "Valor de kt nao numerico\nValor lido: 0.2\t0.3" + naLinha("3 0.2\t0.3 0.5")},
      {"contagem nao numerica", arquivo(2, "3.0 0.5 0.5"), 105,
       "Numero de kts nao numerico\nValor lido: 3.0" + naLinha("3.0 0.5 0.5")},
      {"contagem 2", arquivo(2, "2 0.5 0.5"), 105,
       "Numero de kts deve ser maior que 3\nValor lido: 2\nLinha: 2 0.5 0.5"},
      {"contagem negativa", arquivo(2, "-3 0.5 0.5"), 105,
       "Numero de kts deve ser maior que 3\nValor lido: -3\nLinha: -3 0.5 0.5"},
      {"menos pesos que a contagem", arquivo(2, "3 0.5 0.5"), 196,
       "Quantidade de kts lidos menor que o informado\nLido: 2\nInformado: 3\nLinha: 3 0.5 0.5"},
      {"mais pesos que a contagem", arquivo(2, "3 0.5 0.5 0 0"), 196,
       "Quantidade maior de kts do que o informado\nValor informado: 3\nValores lidos: 4 ou mais" +
           naLinha("3 0.5 0.5 0 0")},
      {"soma 0.9", arquivo(2, "3 0.3 0.3 0.3"), 196, tolerancia("0.900000")},
      {"sem pesos", arquivo(2, "3"), 196, tolerancia("0.000000")},
      {"0 0 1", arquivo(2, "3 0 0 1"), 100, ok},
      {"sinal + na contagem; expoente, ponto inicial e sinal + nos pesos",
       arquivo(2, "+3 2e-1 .3 +0.5"), 100, ok},
      {"tabulacao antes do comentario", arquivo(2, "3 0.2 0.3 0.5\t' kts"), 100, ok},
      {"peso 1.5", arquivo(2, "3 0.5 0.5 1.5"), 196,
       "Valor de  kts invalido. Ele deve ser maior que zero e menor que 1.0\nValor lido 1.5" +
           naLinha("3 0.5 0.5 1.5")},
      {"peso negativo", arquivo(2, "3 -0.1 0.6 0.5"), 196,
       "Valor de  kts invalido. Ele deve ser maior que zero e menor que 1.0\nValor lido -0.1" +
           naLinha("3 -0.1 0.6 0.5")},
      {"virgula decimal", arquivo(2, "3 0,2 0,3 0,5"), 105,
       "Valor de kt nao numerico\nValor lido: 0,2" + naLinha("3 0,2 0,3 0,5")},
      {"limite inferior da soma", arquivo(2, "3 0.99499 0 0"), 100, ok},
      {"abaixo do limite inferior", arquivo(2, "3 0.99498 0 0"), 196, tolerancia("0.994980")},
      {"limite superior da soma", arquivo(2, "3 0.5 0.50401 0"), 100, ok},
      {"acima do limite superior", arquivo(2, "3 0.5 0.50402 0"), 196, tolerancia("1.004020")},
      {"nan nao e numero", arquivo(2, "3 nan nan nan"), 105,
       "Valor de kt nao numerico\nValor lido: nan" + naLinha("3 nan nan nan")},
      {"inf nao e numero", arquivo(2, "3 0.5 0.5 -inf"), 105,
       "Valor de kt nao numerico\nValor lido: -inf" + naLinha("3 0.5 0.5 -inf")},
  };
  verificarParametros(casos);
}

TEST(LeitorParametrosTeste, ParametrosELimites) {
  const Caso casos[] = {
      {"negativo", arquivo(9, "-1 ' k2t2"), 105, campo("k2t2", " negativo", "-1", "-1 ' k2t2", 9)},
      {"zero passa", arquivo(16, "0"), 100, ok},
      {"byte nulo no comentario: o valor vai ao fim da linha",
       arquivo(9, comNulo("0.5 ' k2t2", "x")), 105,
       campo("k2t2", " nao numerico", comNulo("0.5 ' k2t2", "x"), comNulo("0.5 ' k2t2", "x"), 9)},
      {"sem limite superior", arquivo(7, "1e300"), 100, ok},
      {"nao numerico", arquivo(4, "abc"), 105, campo("K2t", " nao numerico", "abc", "abc", 4)},
      {"nan", arquivo(10, "nan"), 105, campo("H1", " nao numerico", "nan", "nan", 10)},
      {"inf", arquivo(11, "inf"), 105, campo("H", " nao numerico", "inf", "inf", 11)},
      {"limite superior inf", arquivo(17, "infinity"), 105,
       campo("limite superior ebin", " nao numerico", "infinity", "infinity", 17)},
      {"ebin invertido", arquivo(17, "5", 17) + "10\n300\n0\n", 196,
       "Valor de limite superior ebin maior que limite inferior ebin"},
      {"ebin iguais", arquivo(17, "5"), 100, ok},
      {"chuva invertida", arquivo(19, "1", 19) + "2\n", 196,
       "Valor de limite superior chuva maior que limite inferior chuva"},
      {"chuva iguais", arquivo(19, "0"), 100, ok},
      {"os dois pares invertidos: ebin primeiro", arquivo(17, "5", 17) + "10\n1\n2\n", 196,
       "Valor de limite superior ebin maior que limite inferior ebin"},
  };
  verificarParametros(casos);
}

TEST(LeitorParametrosTeste, SaidasENovaValidacao) {
  PastaTemporaria pasta;
  LeitorParametros leitor;
  leitor.caminho = pasta.escrever("A.txt", arquivo(2, "4 0.25 0.25 0.25 0.25"));
  EXPECT_EQ(100, leitor.validar().codigo);
  EXPECT_EQ(4, leitor.numeroKts);

  // the count is stored before its minimum is checked
  leitor.caminho = pasta.escrever("B.txt", arquivo(2, "2 0.5 0.5"));
  EXPECT_EQ(105, leitor.validar().codigo);
  EXPECT_EQ(2, leitor.numeroKts);

  leitor.caminho = pasta.escrever("C.txt", arquivo(0, "", 1));
  EXPECT_EQ(196, leitor.validar().codigo);
  EXPECT_EQ(0, leitor.numeroKts);

  leitor.caminho = pasta.caminho("E.txt");
  Resultado resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Nao foi possivel abrir o arquivo " + leitor.caminho, resultado.mensagem);

  // an unreadable file is reported at once, before any limit is compared
  leitor.caminho = pasta.escrever("F.txt", arquivo());
  chmod(leitor.caminho.c_str(), 0);
  resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Nao foi possivel abrir o arquivo " + leitor.caminho, resultado.mensagem);

  leitor.caminho = "/proc/self/mem";
  resultado = leitor.validar();
  EXPECT_EQ(197, resultado.codigo);
  EXPECT_EQ("Arquivo de configuracao corrompido: /proc/self/mem", resultado.mensagem);
}
