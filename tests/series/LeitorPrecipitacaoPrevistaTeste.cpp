#include "series/LeitorPrecipitacaoPrevista.h"

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
  std::vector<std::string> coordenadas = {};
  std::string arquivo = "eta40_p010321a020321.dat";
};

// One reader for every file, as the driver uses it; the map must hold the last file only.
void verificar(const Caso casos[], size_t quantidade, bool modeloNovo) {
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  for (size_t i = 0; i < quantidade; ++i) {
    const Caso& caso = casos[i];
    SCOPED_TRACE(caso.nome);
    leitor.caminho = pasta.escrever(caso.arquivo, caso.conteudo);
    leitor.modeloNovo = modeloNovo;
    const Resultado resultado = leitor.validar();
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
    if (caso.codigo == 100) {
      EXPECT_EQ(caso.coordenadas, leitor.coordenadas);
      std::vector<std::string> chaves;
      for (const auto& [chave, valor] : leitor.mapaCoordenadas) {
        EXPECT_TRUE(valor);
        chaves.push_back(chave);
      }
      EXPECT_EQ(caso.coordenadas, chaves);
    }
  }
}

const std::string ok = "Validacao concluida com sucesso";
const std::string formatoNome =
    " no formato incorreto\nFormato esperado: modelo_prec_P{data_inicial}A{data_final}.dat\n";

}  // namespace

TEST(LeitorPrecipitacaoPrevistaTeste, FormatoNovoNomeDoArquivo) {
  const Caso casos[] = {
      {"maiusculas aceitas",
       "-45 -23 1\n",
       100,
       ok,
       {"-45.0000 -23.0000"},
       "MODELO_P010120A020120.DAT"},
      {"data inicial depois da final", "", 100, ok, {}, "x_p020321a010321.dat"},
      {"ano 00 e 2000, bissexto", "", 100, ok, {}, "x_p290200a010300.dat"},
      {"grupos de oito digitos",
       "",
       130,
       "Arquivo x_p01012020a02012020.dat" + formatoNome,
       {},
       "x_p01012020a02012020.dat"},
      {"texto depois de .dat",
       "",
       130,
       "Arquivo x_p010321a020321.dat.bak" + formatoNome,
       {},
       "x_p010321a020321.dat.bak"},
      {"nada antes de _p",
       "",
       130,
       "Arquivo _P010321A020321.dat" + formatoNome,
       {},
       "_P010321A020321.dat"},
      {"dia fora do mes",
       "",
       130,
       "Arquivo x_p310221a010321.dat" + formatoNome,
       {},
       "x_p310221a010321.dat"},
      {"mes zero na data final",
       "",
       130,
       "Arquivo x_p010321a010021.dat" + formatoNome,
       {},
       "x_p010321a010021.dat"},
      {"mes 13", "", 130, "Arquivo x_p011321a010321.dat" + formatoNome, {}, "x_p011321a010321.dat"},
      {"29 de fevereiro fora de ano bissexto",
       "",
       130,
       "Arquivo x_p290221a010321.dat" + formatoNome,
       {},
       "x_p290221a010321.dat"},
  };
  verificar(casos, std::size(casos), true);
}

TEST(LeitorPrecipitacaoPrevistaTeste, FormatoNovoLinhas) {
  const Caso casos[] = {
      {"vazio", "", 100, ok},
      {"varios valores por linha",
       "-45.12 -23.5 1 2 3\n-44 -23 0 0 1e3",
       100,
       ok,
       {"-44.0000 -23.0000", "-45.1200 -23.5000"}},
      {"so coordenadas", "-45 -23\n-44 -23\n", 100, ok, {"-44.0000 -23.0000", "-45.0000 -23.0000"}},
      {"brancos no inicio e no fim nao contam",
       "  -45\t-23  1 \t\n\t-44 -23 2\r\n",
       100,
       ok,
       {"-44.0000 -23.0000", "-45.0000 -23.0000"}},
      {"menos zero difere de zero",
       "-0 5 1\n0 5 1\n",
       100,
       ok,
       {"-0.0000 5.0000", "0.0000 5.0000"}},
      {"linha com menos elementos", "-45 -23 1\n-44 -23\n", 105,
       "Quantidade de elementos por linha fora do padrao.\nEsperado: 3.\nEncontrado: 2"},
      {"linha vazia no fim", "-45 -23 1\n\n", 105,
       "Quantidade de elementos por linha fora do padrao.\nEsperado: 3.\nEncontrado: 0"},
      {"valor ruim antes da contagem", "-45 -23 1\n-44 -23 -1 5\n", 102,
       "Valor de precipitacao negativo\nValor lido: -1\nLinha: -44 -23 -1 5\nNumero da linha: 2"},
      {"longitude acima", "-45 -23 1\n200 0 1\n", 105,
       "Valor de longitude maior que o permitido\nValor lido: 200\nMaximo permitido: 180\n"
       "Linha: 200 0 1\nNumero da linha: 2"},
      {"coordenada repetida", "-45.12 -23.5 1\n-44 -23 1\n-45.120 -23.50 2\n", 196,
       "Valores repetidos para a coordenada -45.1200 -23.5000"},
      {"repetida depois de uma linha ruim", "-45 -23 1\n-45 -23 1\n-44 -23 x\n", 103,
       "Valor de precipitacao nao numerico\nValor lido: x\nLinha: -44 -23 x\nNumero da linha: 3"},
      {"primeira linha so com longitude", "-45\n-44\n", 105,
       "Valor de latitude não numérico\nValor lido: "},
      {"primeira linha vazia", "\n\n", 105, "Valor de longitude não numérico\nValor lido: "},
      {"depois de falhar, so as chaves do arquivo novo", "10 10 1\n", 100, ok, {"10.0000 10.0000"}},
  };
  verificar(casos, std::size(casos), true);
}

TEST(LeitorPrecipitacaoPrevistaTeste, FormatoAntigo) {
  const std::string longo = "-1." + std::string(5000, '0');
  const Caso casos[] = {
      {"vazio", "", 100, ok},
      {"so linhas vazias", "\n\n", 100, ok},
      {"nome do arquivo nao importa",
       "-45.125 -23.5 12.4\n",
       100,
       ok,
       {"-45.1250 -23.5000"},
       "qualquer.txt"},
      {"tabs entre campos, brancos depois, vazias no fim",
       "-45 -23\t0\t \n-44 -23 1e3\r\n\n\n",
       100,
       ok,
       {"-44.0000 -23.0000", "-45.0000 -23.0000"}},
      {"menos zero difere de zero",
       "0 5 1\n-0 5 1\n",
       100,
       ok,
       {"-0.0000 5.0000", "0.0000 5.0000"}},
      {"linha vazia no meio", "-45 -23 1\n\n-44 -23 1\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 2"},
      {"primeira linha vazia", "\n-45 -23 1\n", 196,
       "Linha em branco encontrada no arquivo\nNumero da linha: 1"},
      {"branco no inicio", " -45 -23 1\n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:  -45 -23 1\nNumero da linha: 1"},
      {"so brancos", "-45 -23 1\n  \n", 105,
       "Espaco em branco encontrado no inicio da linha\nLinha:   \nNumero da linha: 2"},
      {"tab no inicio", "\t-45 -23 1\n", 105,
       "Tabulacao encontrada na linha: \t-45 -23 1\nNumero da linha: 1"},
      {"so longitude", "-45\n", 105, "Valor de latitude não numérico\nValor lido: "},
      {"sem valor", "-45 -23 \n", 104,
       "Valor de precipitacao nao informado\nLinha: -45 -23 \nNumero da linha: 1"},
      {"dois valores", "-45 -23 1.0 2.0\n", 103,
       "Valor de precipitacao nao numerico\nValor lido: 1.0 2.0\nLinha: -45 -23 1.0 2.0\n"
       "Numero da linha: 1"},
      {"virgula decimal", "-45 -23 1,5\n", 105,
       "Utilizado separador \",\" para o campo precipitacao\nValor lido: 1,5\nNumero da linha: 1"},
      {"campo longo inteiro na mensagem", longo + " 0 1\n", 105,
       "Valor de longitude fora do formato\nFormato esperado: número inteiro ou decimal com até 3 "
       "casas\nValor lido: " +
           longo},
      {"separado por virgulas", "-45.5,-23.5,1\n", 105,
       "Valor de longitude não numérico\nValor lido: -45.5,-23.5,1"},
      {"mesma chave escrita de outro jeito", "-45 -23 1\n-45.000 -23.0 2\n", 196,
       "Valores repetidos para a coordenada -45.0000 -23.0000"},
      {"linha ruim depois da repetida", "-45 -23 1\n-45 -23 1\n-44 -23 -2\n", 102,
       "Valor de precipitacao negativo\nValor lido: -2\nLinha: -44 -23 -2\nNumero da linha: 3"},
  };
  verificar(casos, std::size(casos), false);
}

TEST(LeitorPrecipitacaoPrevistaTeste, ArquivoAusenteNosDoisFormatos) {
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  for (const bool modeloNovo : {true, false}) {
    SCOPED_TRACE(modeloNovo);
    leitor.modeloNovo = modeloNovo;
    leitor.caminho = pasta.escrever("m_p010321a020321.dat", "-45 -23 1\n");
    ASSERT_EQ(100, leitor.validar().codigo);
    leitor.caminho = pasta.caminho("m_p010321a030321.dat");
    const Resultado resultado = leitor.validar();
    EXPECT_EQ(197, resultado.codigo);
    EXPECT_EQ("Arquivo " + leitor.caminho + " nao encontrado", resultado.mensagem);
    EXPECT_TRUE(leitor.mapaCoordenadas.empty());
  }
}

TEST(LeitorPrecipitacaoPrevistaTeste, Coordenadas) {
  struct CasoCampo {
    const char* valor;
    bool latitude;
    int32_t codigo;
    std::string mensagem;
  };
  const std::string formato =
      " fora do formato\nFormato esperado: número inteiro ou decimal com até 3 casas\nValor lido: ";
  const CasoCampo casos[] = {
      {"180", false, 100, "antes"},
      {"-180", false, 100, "antes"},
      {"180.000", false, 100, "antes"},
      {"-180.0", false, 100, "antes"},
      {"-0", false, 100, "antes"},
      {"90", true, 100, "antes"},
      {"-90.000", true, 100, "antes"},
      {"180.001", false, 105,
       "Valor de longitude maior que o permitido\nValor lido: 180.001\nMaximo permitido: 180\n"
       "Linha: L\nNumero da linha: 7"},
      {"-200.25", false, 105,
       "Valor de longitude menor que o permitido\nValor lido: -200.25\nMinimo permitido: -180\n"
       "Linha: L\nNumero da linha: 7"},
      {"-90.001", true, 105,
       "Valor de latitude menor que o permitido\nValor lido: -90.001000000000005\n"
       "Minimo permitido: -90\nLinha: L\nNumero da linha: 7"},
      {"90.5", true, 105,
       "Valor de latitude maior que o permitido\nValor lido: 90.5\nMaximo permitido: 90\n"
       "Linha: L\nNumero da linha: 7"},
      {"12.3456", false, 105, "Valor de longitude" + formato + "12.3456"},
      {"+12", false, 105, "Valor de longitude" + formato + "+12"},
      {"1e2", false, 105, "Valor de longitude" + formato + "1e2"},
      {"nan", true, 105, "Valor de latitude" + formato + "nan"},
      {"inf", false, 105, "Valor de longitude" + formato + "inf"},
      {"12,5", false, 105, "Valor de longitude não numérico\nValor lido: 12,5"},
      {"abc", true, 105, "Valor de latitude não numérico\nValor lido: abc"},
      {"", false, 105, "Valor de longitude não numérico\nValor lido: "},
  };
  LeitorPrecipitacaoPrevista leitor;
  leitor.numeroLinha = 7;
  for (const CasoCampo& caso : casos) {
    SCOPED_TRACE(caso.valor);
    Resultado resultado{"antes", 100};
    if (caso.latitude) {
      leitor.validarLatitude(caso.valor, resultado, "L");
    } else {
      leitor.validarLongitude(caso.valor, resultado, "L");
    }
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
  }
}

TEST(LeitorPrecipitacaoPrevistaTeste, Precipitacao) {
  struct CasoCampo {
    std::string valor;
    int32_t codigo;
    std::string mensagem;
  };
  const std::string linha = "\nLinha: L\nNumero da linha: 7";
  const CasoCampo casos[] = {
      {"0", 100, "antes"},
      {"-0", 100, "antes"},
      {"0.0", 100, "antes"},
      {"1e3", 100, "antes"},
      {"inf", 100, "antes"},
      {"nan", 100, "antes"},
      {"-nan", 100, "antes"},
      {"", 104, "Valor de precipitacao nao informado" + linha},
      {"-0.1", 102, "Valor de precipitacao negativo\nValor lido: -0.10000000000000001" + linha},
      {"-inf", 102, "Valor de precipitacao negativo\nValor lido: -inf" + linha},
      {"12,5", 105,
       "Utilizado separador \",\" para o campo precipitacao\nValor lido: 12,5\n"
       "Numero da linha: 7"},
      {"-1,5", 105,
       "Utilizado separador \",\" para o campo precipitacao\nValor lido: -1,5\n"
       "Numero da linha: 7"},
      {"1,5,7", 105, "Valor de precipitacao nao numerico\nValor lido: 1,5,7\nNumero da linha: 7"},
      {"1,", 105, "Valor de precipitacao nao numerico\nValor lido: 1,\nNumero da linha: 7"},
      {",5", 105, "Valor de precipitacao nao numerico\nValor lido: ,5\nNumero da linha: 7"},
      {"1.5,2", 105, "Valor de precipitacao nao numerico\nValor lido: 1.5,2\nNumero da linha: 7"},
      {"1,2147483648", 105,
       "Valor de precipitacao nao numerico\nValor lido: 1,2147483648\nNumero da linha: 7"},
      {"1,2147483647", 105,
       "Utilizado separador \",\" para o campo precipitacao\nValor lido: 1,2147483647\n"
       "Numero da linha: 7"},
      {"12.5mm", 103, "Valor de precipitacao nao numerico\nValor lido: 12.5mm" + linha},
      {"1e", 103, "Valor de precipitacao nao numerico\nValor lido: 1e" + linha},
  };
  LeitorPrecipitacaoPrevista leitor;
  leitor.numeroLinha = 7;
  for (const CasoCampo& caso : casos) {
    SCOPED_TRACE(caso.valor);
    Resultado resultado{"antes", 100};
    leitor.validarPrecipitacao(caso.valor, resultado, "L");
    EXPECT_EQ(caso.codigo, resultado.codigo);
    EXPECT_EQ(caso.mensagem, resultado.mensagem);
  }
}

TEST(LeitorPrecipitacaoPrevistaTeste, ArquivoQueNaoAbreNaoPassa) {
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  leitor.caminho = pasta.escrever("m_p010321a020321.dat", "-45 -23 1\n");
  boost::filesystem::permissions(leitor.caminho, boost::filesystem::no_perms);
  for (const bool modeloNovo : {true, false}) {
    SCOPED_TRACE(modeloNovo);
    leitor.modeloNovo = modeloNovo;
    const Resultado resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
    EXPECT_EQ(198, resultado.codigo);
    EXPECT_EQ("Arquivo de configuracao corrompido: " + leitor.caminho, resultado.mensagem);
  }
}
