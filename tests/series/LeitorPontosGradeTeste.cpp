#include "series/LeitorPontosGrade.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

// One reader for every file, as the driver uses it; a passing file hands on its coordinates.
void verificar(const std::vector<CasoLeitorLista>& casos) {
  PastaTemporaria pasta;
  LeitorPontosGrade leitor;
  verificarCasos(
      casos,
      [&](const std::string& conteudo) {
        leitor.caminho = pasta.escrever("RIO_eta40.txt", conteudo);
        return leitor.validar();
      },
      [&leitor] { return leitor.coordenadas; });
}

const std::string ok = "Validacao concluida com sucesso";

}  // namespace

TEST(LeitorPontosGradeTeste, ArquivosValidosDaoCoordenadasOrdenadas) {
  verificar({
      {"ordenadas, nao na ordem do arquivo",
       "2\n-45.25 -23.5\n-44 -22.125\n",
       100,
       ok,
       {"-44.0000 -22.1250", "-45.2500 -23.5000"}},
      {"linhas vazias no fim nao contam", "1\n-45 -23\n\n\n", 100, ok, {"-45.0000 -23.0000"}},
      {"mais e zero a esquerda, branco depois",
       "+02 \t\n1 2\n0 0\n",
       100,
       ok,
       {"0.0000 0.0000", "1.0000 2.0000"}},
      {"tab entre os campos e brancos depois",
       "1\n-45\t-23.5 \t\n",
       100,
       ok,
       {"-45.0000 -23.5000"}},
      {"fim de linha com retorno", "1\r\n-45.5 -23\r\n", 100, ok, {"-45.5000 -23.0000"}},
      {"ponto repetido fica duas vezes",
       "2\n-45.25 -23.5\n-45.250 -23.500\n",
       100,
       ok,
       {"-45.2500 -23.5000", "-45.2500 -23.5000"}},
      {"menos zero difere de zero",
       "2\n0 0\n-0 -0\n",
       100,
       ok,
       {"-0.0000 -0.0000", "0.0000 0.0000"}},
      {"limites inclusos",
       "4\n-180 -90\n180 90\n-120.5 0\n180.000 90.0\n",
       100,
       ok,
       {"-120.5000 0.0000", "-180.0000 -90.0000", "180.0000 90.0000", "180.0000 90.0000"}},
  });
}

TEST(LeitorPontosGradeTeste, QuantidadeDePontosELinhas) {
  verificar({
      {"arquivo vazio", "", 196, "Primeira linha em branco"},
      {"primeira linha vazia", "\n1\n-45 -23\n", 196, "Primeira linha em branco"},
      {"zero: sem o trecho da linha", "0\n", 105,
       "Valor do campo quantidade de pontos de grade negativo ou nulo\nValor lido: 0\n"
       "Numero da linha: 1"},
      {"negativo", "-3\n", 105,
       "Valor do campo quantidade de pontos de grade negativo ou nulo\nValor lido: -3\n"
       "Numero da linha: 1"},
      {"real", "2.0\n", 105,
       "Valor do campo quantidade de pontos de grade nao numerico\nValor lido: 2.0\n"
       "Linha: 2.0\nNumero da linha: 1"},
      {"letras e comentario", "dois ' pontos\n", 105,
       "Valor do campo quantidade de pontos de grade nao numerico\nValor lido: dois ' pontos\n"
       "Linha: dois ' pontos\nNumero da linha: 1"},
      {"acima de 32 bits", "2147483648\n", 105,
       "Valor do campo quantidade de pontos de grade nao numerico\nValor lido: 2147483648\n"
       "Linha: 2147483648\nNumero da linha: 1"},
      {"maior inteiro de 32 bits", "2147483647\n-45 -23\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 2147483647\nQuantidade de dados do arquivo: 1"},
      {"branco antes da quantidade", " 3\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  3\nNumero da linha: 1"},
      {"tab antes da quantidade", "\t3\n", 105,
       "Tabulacao encontrada na linha: \t3\nNumero da linha: 1"},
      {"menos pontos que o declarado", "2\n-45 -23\n\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 2\nQuantidade de dados do arquivo: 1"},
      {"mais pontos que o declarado", "2\n-45 -23\n-44 -23\n-43 -23\n", 196,
       "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
       "Valor informado: 2\nQuantidade de dados do arquivo: 3"},
      {"linha vazia no meio: o numero dela", "2\n-45 -23\n\n\n-44 -23\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 3"},
      {"branco antes do ponto", "1\n -45 -23\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  -45 -23\nNumero da linha: 2"},
      {"depois de falhar, um arquivo valido so com os seus pontos",
       "1\n-10 -10\n",
       100,
       ok,
       {"-10.0000 -10.0000"}},
  });
}

TEST(LeitorPontosGradeTeste, LongitudeELatitude) {
  const std::string longo = "-1." + std::string(5000, '0');
  verificar({
      {"quatro casas", "1\n-45.1234 -23\n", 105,
       "Formato do campo longitude incorreto\nValor lido: -45.1234\nLinha: -45.1234 -23\n"
       "Numero da linha: 2"},
      {"sinal de mais", "1\n+12 -23\n", 105,
       "Formato do campo longitude incorreto\nValor lido: +12\nLinha: +12 -23\n"
       "Numero da linha: 2"},
      {"expoente", "1\n1e2 -23\n", 105,
       "Formato do campo longitude incorreto\nValor lido: 1e2\nLinha: 1e2 -23\n"
       "Numero da linha: 2"},
      {"nan", "1\nnan -23\n", 105,
       "Formato do campo longitude incorreto\nValor lido: nan\nLinha: nan -23\n"
       "Numero da linha: 2"},
      {"campo longo inteiro na mensagem", "1\n" + longo + " 0\n", 105,
       "Formato do campo longitude incorreto\nValor lido: " + longo + "\nLinha: " + longo +
           " 0\nNumero da linha: 2"},
      {"virgulas: o numero antes da linha", "1\n-45,5 -23,5\n", 105,
       "Valor de longitude nao numerico\nValor lido: -45,5\nNumero da linha: 2\n"
       "Linha: -45,5 -23,5"},
      {"byte nulo entre digitos: a linha acaba nele", "1\n" + comNulo("1", ".5") + " 0\n", 105,
       "Valor de latitude nao numerico\nValor lido: \nNumero da linha: 2\nLinha: 1"},
      {"byte nulo dentro da latitude: ela inteira, com o nulo",
       "1\n-45.0 " + comNulo("-2", "3.0") + "\n", 105,
       "Valor de latitude nao numerico\nValor lido: " + comNulo("-2", "3.0") +
           "\nNumero da linha: 2\nLinha: -45.0 " + comNulo("-2", "3.0")},
      {"letras", "1\nabc -23\n", 105,
       "Valor de longitude nao numerico\nValor lido: abc\nNumero da linha: 2\nLinha: abc -23"},
      {"so a longitude", "1\n-45\n", 105,
       "Valor de latitude nao numerico\nValor lido: \nNumero da linha: 2\nLinha: -45"},
      {"terceiro numero", "1\n-45 -23 7\n", 105,
       "Valor de latitude nao numerico\nValor lido: -23 7\nNumero da linha: 2\nLinha: -45 -23 7"},
      {"latitude com quatro casas", "1\n0 1.2345\n", 105,
       "Formato do campo latitude incorreto\nValor lido: 1.2345\nLinha: 0 1.2345\n"
       "Numero da linha: 2"},
      {"latitude abaixo: sem dois pontos, linha duas vezes", "1\n-45.5 -95\n", 105,
       "Valor de latitude menor que o permitido\nValor lido: -95\nMinimo permitido -90\n"
       "Linha: -45.5 -95\nNumero da linha: 2\nLinha: -45.5 -95"},
      {"latitude logo abaixo", "1\n0 -90.001\n", 105,
       "Valor de latitude menor que o permitido\nValor lido: -90.001000000000005\n"
       "Minimo permitido -90\nLinha: 0 -90.001\nNumero da linha: 2\nLinha: 0 -90.001"},
      {"latitude acima", "1\n0 90.5\n", 105,
       "Valor de latitude maior que o permitido\nValor lido: 90.5\nMaximo permitido: 90\n"
       "Linha: 0 90.5\nNumero da linha: 2\nLinha: 0 90.5"},
      {"longitude abaixo", "2\n0 0\n-180.5 0\n", 105,
       "Valor de longitude menor que o permitido\nValor lido: -180.5\nMinimo permitido: -180\n"
       "Linha: -180.5 0\nNumero da linha: 3\nLinha: -180.5 0"},
      {"longitude acima", "1\n200 0\n", 105,
       "Valor de longitude maior que o permitido\nValor lido: 200\nMaximo permitido: 180\n"
       "Linha: 200 0\nNumero da linha: 2\nLinha: 200 0"},
  });
}

TEST(LeitorPontosGradeTeste, ArquivoAusenteOuQueNaoAbre) {
  PastaTemporaria pasta;
  LeitorPontosGrade leitor;
  leitor.caminho = pasta.escrever("RIO_gfs.txt", "1\n-45 -23\n");
  ASSERT_EQ(100, leitor.validar().codigo);
  for (const std::string& caminho : {pasta.caminho("RIO_eta40.txt"), pasta.caminho()}) {
    SCOPED_TRACE(caminho);
    leitor.caminho = caminho;
    const Resultado resultado = leitor.validar();
    EXPECT_EQ(197, resultado.codigo);
    EXPECT_EQ("Arquivo de configuracao nao encontrado: " + caminho, resultado.mensagem);
    EXPECT_TRUE(leitor.coordenadas.empty());
  }
  // a file that does not open reads as an empty one
  leitor.caminho = pasta.caminho("RIO_gfs.txt");
  boost::filesystem::permissions(leitor.caminho, boost::filesystem::no_perms);
  const Resultado resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
  EXPECT_EQ(196, resultado.codigo);
  EXPECT_EQ("Primeira linha em branco", resultado.mensagem);

  // a read error leaves 3, and the count check then replaces it
  leitor.caminho = "/proc/self/mem";
  const Resultado erroLeitura = leitor.validar();
  EXPECT_EQ(196, erroLeitura.codigo);
  EXPECT_EQ(
      "Quantidade de dados no arquivo diferente da quantidade de postos lidos\n"
      "Valor informado: 0\nQuantidade de dados do arquivo: -1",
      erroLeitura.mensagem);
}
