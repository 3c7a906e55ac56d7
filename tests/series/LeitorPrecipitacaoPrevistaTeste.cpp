#include "series/LeitorPrecipitacaoPrevista.h"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

#include "apoio/Arquivos.h"
#include "apoio/CasosLeitor.h"
#include "apoio/SemPermissao.h"

namespace {

// One reader for every file, as the driver uses it; a passing file hands on its keys, and the
// map must hold the keys of that file only.
void verificar(const std::vector<CasoLeitorLista>& casos, bool modeloNovo) {
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  leitor.modeloNovo = modeloNovo;
  verificarCasos(
      casos,
      [&](const std::string& conteudo) {
        // the old layout never looks at the name
        leitor.caminho =
            pasta.escrever(modeloNovo ? "eta40_p010321a020321.dat" : "qualquer.txt", conteudo);
        return leitor.validar();
      },
      [&leitor] {
        std::vector<std::string> chaves;
        for (const auto& [chave, valor] : leitor.mapaCoordenadas) {
          EXPECT_TRUE(valor);
          chaves.push_back(chave);
        }
        EXPECT_EQ(leitor.coordenadas, chaves);
        return chaves;
      });
}

// Rows of one field of the old layout: the content is the field, which linhaDoValor puts into
// line 7, after six passing lines with keys of their own.
template <class LinhaDoValor>
void verificarCampo(LinhaDoValor linhaDoValor, const std::vector<CasoLeitor>& casos) {
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  verificarCasos(casos, [&](const std::string& valor) {
    leitor.caminho = pasta.escrever(
        "qualquer.txt", "1 1 1\n2 2 1\n3 3 1\n4 4 1\n5 5 1\n6 6 1\n" + linhaDoValor(valor) + "\n");
    return leitor.validar();
  });
}

const std::string ok = "Validacao concluida com sucesso";

}  // namespace

TEST(LeitorPrecipitacaoPrevistaTeste, FormatoNovoNomeDoArquivo) {
  const auto formato = [](const std::string& nome) {
    return "Arquivo " + nome +
           " no formato incorreto\nFormato esperado: "
           "modelo_prec_P{data_inicial}A{data_final}.dat\n";
  };
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  leitor.modeloNovo = true;
  // the content is the file name
  const std::vector<CasoLeitor> casos = {
      {"maiusculas aceitas", "MODELO_P010120A020120.DAT", 100, ok},
      {"data inicial depois da final", "x_p020321a010321.dat", 100, ok},
      {"ano 00 e 2000, bissexto", "x_p290200a010300.dat", 100, ok},
      {"grupos de oito digitos", "x_p01012020a02012020.dat", 130,
       formato("x_p01012020a02012020.dat")},
      {"texto depois de .dat", "x_p010321a020321.dat.bak", 130,
       formato("x_p010321a020321.dat.bak")},
      {"nada antes de _p", "_P010321A020321.dat", 130, formato("_P010321A020321.dat")},
      {"dia fora do mes", "x_p310221a010321.dat", 130, formato("x_p310221a010321.dat")},
      {"mes zero na data final", "x_p010321a010021.dat", 130, formato("x_p010321a010021.dat")},
      {"mes 13", "x_p011321a010321.dat", 130, formato("x_p011321a010321.dat")},
      {"29 de fevereiro fora de ano bissexto", "x_p290221a010321.dat", 130,
       formato("x_p290221a010321.dat")},
  };
  verificarCasos(casos, [&](const std::string& nome) {
    leitor.caminho = pasta.escrever(nome, "-45 -23 1\n");
    return leitor.validar();
  });
}

TEST(LeitorPrecipitacaoPrevistaTeste, FormatoNovoLinhas) {
  const std::vector<CasoLeitorLista> casos = {
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
       "Valor de precipitacao negativo\nValor lido: -1\nLinha: -44 -23 -1 5\nNumero da linha: "
       "2"},
      {"longitude acima", "-45 -23 1\n200 0 1\n", 105,
       "Valor de longitude maior que o permitido\nValor lido: 200\nMaximo permitido: 180\n"
       "Linha: 200 0 1\nNumero da linha: 2"},
      {"coordenada repetida", "-45.12 -23.5 1\n-44 -23 1\n-45.120 -23.50 2\n", 196,
       "Valores repetidos para a coordenada -45.1200 -23.5000"},
      {"repetida depois de uma linha ruim", "-45 -23 1\n-45 -23 1\n-44 -23 x\n", 103,
       "Valor de precipitacao nao numerico\nValor lido: x\nLinha: -44 -23 x\nNumero da linha: "
       "3"},
      {"primeira linha so com longitude", "-45\n-44\n", 105,
       "Valor de latitude não numérico\nValor lido: "},
      {"primeira linha vazia", "\n\n", 105, "Valor de longitude não numérico\nValor lido: "},
      {"byte nulo dentro do valor: o valor inteiro", "-45 -23 " + comNulo("1", "2.5") + "\n", 103,
       "Valor de precipitacao nao numerico\nValor lido: " + comNulo("1", "2.5") +
           "\nLinha: -45 -23 " + comNulo("1", "2.5") + "\nNumero da linha: 1"},
      {"byte nulo antes do valor: a linha cortada nele",
       "-45 -23 1\n-44 -23 " + comNulo("", "1.5") + "\n", 105,
       "Quantidade de elementos por linha fora do padrao.\nEsperado: 3.\nEncontrado: 2"},
      {"so brancos depois do byte nulo",
       "-45 -23 " + comNulo("1.5", "   ") + "\n",
       100,
       ok,
       {"-45.0000 -23.0000"}},
      {"depois de falhar, so as chaves do arquivo novo", "10 10 1\n", 100, ok, {"10.0000 10.0000"}},
  };
  verificar(casos, true);
}

TEST(LeitorPrecipitacaoPrevistaTeste, FormatoAntigo) {
  const std::string longo = "-1." + std::string(5000, '0');
  const std::vector<CasoLeitorLista> casos = {
      {"vazio", "", 100, ok},
      {"so linhas vazias", "\n\n", 100, ok},
      {"exemplo de linha", "-45.125 -23.5 12.4\n", 100, ok, {"-45.1250 -23.5000"}},
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
       "Utilizado separador \",\" para o campo precipitacao\nValor lido: 1,5\nNumero da linha: "
       "1"},
      {"campo longo inteiro na mensagem", longo + " 0 1\n", 105,
       "Valor de longitude fora do formato\nFormato esperado: número inteiro ou decimal com "
       "até 3 "
       "casas\nValor lido: " +
           longo},
      {"separado por virgulas", "-45.5,-23.5,1\n", 105,
       "Valor de longitude não numérico\nValor lido: -45.5,-23.5,1"},
      {"byte nulo dentro do valor: o valor inteiro", "-45 -23 " + comNulo("1", "2.5") + "\n", 103,
       "Valor de precipitacao nao numerico\nValor lido: " + comNulo("1", "2.5") +
           "\nLinha: -45 -23 " + comNulo("1", "2.5") + "\nNumero da linha: 1"},
      {"byte nulo antes do valor: a linha cortada nele", "-45 -23 " + comNulo("", "1.5") + "\n",
       104, "Valor de precipitacao nao informado\nLinha: -45 -23 \nNumero da linha: 1"},
      {"so brancos depois do byte nulo",
       "-45 -23 " + comNulo("1.5", "   ") + "\n",
       100,
       ok,
       {"-45.0000 -23.0000"}},
      {"mesma chave escrita de outro jeito", "-45 -23 1\n-45.000 -23.0 2\n", 196,
       "Valores repetidos para a coordenada -45.0000 -23.0000"},
      {"duas repetidas: a menor no texto, nao no valor", "9 0 1\n10 0 1\n9 0 1\n10 0 1\n", 196,
       "Valores repetidos para a coordenada 10.0000 0.0000"},
      {"linha ruim depois da repetida", "-45 -23 1\n-45 -23 1\n-44 -23 -2\n", 102,
       "Valor de precipitacao negativo\nValor lido: -2\nLinha: -44 -23 -2\nNumero da linha: 3"},
  };
  verificar(casos, false);
}

TEST(LeitorPrecipitacaoPrevistaTeste, Coordenadas) {
  const std::string formato =
      " fora do formato\nFormato esperado: número inteiro ou decimal com até 3 casas\nValor lido: ";
  const auto longitude = [](const std::string& valor) { return valor + " 0 1"; };
  const std::vector<CasoLeitor> longitudes = {
      {"limite de cima", "180", 100, ok},
      {"limite de baixo", "-180", 100, ok},
      {"limite com tres casas", "180.000", 100, ok},
      {"limite com uma casa", "-180.0", 100, ok},
      {"menos zero", "-0", 100, ok},
      {"logo acima", "180.001", 105,
       "Valor de longitude maior que o permitido\nValor lido: 180.001\n"
       "Maximo permitido: 180\nLinha: 180.001 0 1\nNumero da linha: 7"},
      {"abaixo", "-200.25", 105,
       "Valor de longitude menor que o permitido\nValor lido: -200.25\n"
       "Minimo permitido: -180\nLinha: -200.25 0 1\nNumero da linha: 7"},
      {"quatro casas", "12.3456", 105, "Valor de longitude" + formato + "12.3456"},
      {"sinal de mais", "+12", 105, "Valor de longitude" + formato + "+12"},
      {"expoente", "1e2", 105, "Valor de longitude" + formato + "1e2"},
      {"inf", "inf", 105, "Valor de longitude" + formato + "inf"},
      {"virgula", "12,5", 105, "Valor de longitude não numérico\nValor lido: 12,5"},
  };
  verificarCampo(longitude, longitudes);
  const auto latitude = [](const std::string& valor) { return "0 " + valor + " 1"; };
  const std::vector<CasoLeitor> latitudes = {
      {"limite de cima", "90", 100, ok},
      {"limite de baixo com tres casas", "-90.000", 100, ok},
      {"logo abaixo", "-90.001", 105,
       "Valor de latitude menor que o permitido\nValor lido: -90.001000000000005\n"
       "Minimo permitido: -90\nLinha: 0 -90.001 1\nNumero da linha: 7"},
      {"acima", "90.5", 105,
       "Valor de latitude maior que o permitido\nValor lido: 90.5\nMaximo permitido: 90\n"
       "Linha: 0 90.5 1\nNumero da linha: 7"},
      {"nan", "nan", 105, "Valor de latitude" + formato + "nan"},
      {"letras", "abc", 105, "Valor de latitude não numérico\nValor lido: abc"},
  };
  verificarCampo(latitude, latitudes);
}

TEST(LeitorPrecipitacaoPrevistaTeste, Precipitacao) {
  const auto naLinha = [](const std::string& valor) { return "0 0 " + valor; };
  // the line piece and the number of line 7
  const auto linha = [&naLinha](const std::string& valor) {
    return "\nLinha: " + naLinha(valor) + "\nNumero da linha: 7";
  };
  const std::string separador = "Utilizado separador \",\" para o campo precipitacao\nValor lido: ";
  const std::string naoNumerico = "Valor de precipitacao nao numerico\nValor lido: ";
  const std::vector<CasoLeitor> valores = {
      {"zero", "0", 100, ok},
      {"menos zero", "-0", 100, ok},
      {"zero com casa", "0.0", 100, ok},
      {"expoente", "1e3", 100, ok},
      {"infinito", "inf", 100, ok},
      {"nan", "nan", 100, ok},
      {"menos nan", "-nan", 100, ok},
      {"vazio: sem valor lido", "", 104, "Valor de precipitacao nao informado" + linha("")},
      {"negativo", "-0.1", 102,
       "Valor de precipitacao negativo\nValor lido: -0.10000000000000001" + linha("-0.1")},
      {"menos infinito", "-inf", 102,
       "Valor de precipitacao negativo\nValor lido: -inf" + linha("-inf")},
      {"virgula entre inteiros", "12,5", 105, separador + "12,5\nNumero da linha: 7"},
      {"virgula, negativo", "-1,5", 105, separador + "-1,5\nNumero da linha: 7"},
      {"duas virgulas", "1,5,7", 105, naoNumerico + "1,5,7\nNumero da linha: 7"},
      {"nada depois da virgula", "1,", 105, naoNumerico + "1,\nNumero da linha: 7"},
      {"nada antes da virgula", ",5", 105, naoNumerico + ",5\nNumero da linha: 7"},
      {"real antes da virgula", "1.5,2", 105, naoNumerico + "1.5,2\nNumero da linha: 7"},
      {"depois da virgula acima de 32 bits", "1,2147483648", 105,
       naoNumerico + "1,2147483648\nNumero da linha: 7"},
      {"depois da virgula no limite de 32 bits", "1,2147483647", 105,
       separador + "1,2147483647\nNumero da linha: 7"},
      {"unidade depois do numero", "12.5mm", 103, naoNumerico + "12.5mm" + linha("12.5mm")},
      {"expoente sem numero", "1e", 103, naoNumerico + "1e" + linha("1e")},
  };
  verificarCampo(naLinha, valores);
}

TEST(LeitorPrecipitacaoPrevistaTeste, ArquivoAusenteOuQueNaoAbre) {
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  const std::string existente = pasta.escrever("m_p010321a020321.dat", "-45 -23 1\n");
  for (const bool modeloNovo : {true, false}) {
    SCOPED_TRACE(modeloNovo);
    leitor.modeloNovo = modeloNovo;
    leitor.caminho = existente;
    ASSERT_EQ(100, leitor.validar().codigo);
    leitor.caminho = pasta.caminho("m_p010321a030321.dat");
    Resultado resultado = leitor.validar();
    EXPECT_EQ(197, resultado.codigo);
    EXPECT_EQ("Arquivo " + leitor.caminho + " nao encontrado", resultado.mensagem);
    EXPECT_TRUE(leitor.mapaCoordenadas.empty());

    leitor.caminho = existente;
    boost::filesystem::permissions(existente, boost::filesystem::no_perms);
    resultado = executarSemPermissao([&leitor] { return leitor.validar(); });
    boost::filesystem::permissions(existente, boost::filesystem::owner_read);
    EXPECT_EQ(198, resultado.codigo);
    EXPECT_EQ("Arquivo de configuracao corrompido: " + existente, resultado.mensagem);
  }
}

// One reader and one index over a model's files, as the driver runs them: a line repeated from
// the file before must be judged as if read for the first time. Each passing row hands on the
// indexed keys its file holds.
TEST(LeitorPrecipitacaoPrevistaTeste, ArquivosSeguidosComIndice) {
  const std::vector<std::string> chaves = {"1.0000 1.0000", "2.0000 2.0000", "3.0000 3.0000"};
  const std::vector<std::string> invertidas(chaves.rbegin(), chaves.rend());
  const auto indiceDe = [](const std::vector<std::string>& lista) {
    IndiceCoordenadas indice;
    for (const std::string& chave : lista) {
      CodigoCoordenada codigo = 0;
      bool nova = false;
      codigoDaChave(chave, codigo);
      indice.inserir(codigo, nova);
    }
    return indice;
  };
  const auto indice = indiceDe(chaves);
  const auto outroIndice = indiceDe(invertidas);  // the same keys at other positions
  const std::string tres = "1 1 1\n2 2 1\n3 3 1\n";
  const std::string repetida = "1 1 1\n2 2 1\n1 1 1\n";
  const std::string repetidaMensagem = "Valores repetidos para a coordenada 1.0000 1.0000";
  struct Caso {
    CasoLeitorLista caso;
    bool modeloNovo;
    const IndiceCoordenadas* indice;
  };
  const std::vector<Caso> casos = {
      {{"primeiro arquivo", tres + "9 9 1\n", 100, ok, chaves}, false, &indice},
      {{"o mesmo outra vez", tres + "9 9 1\n", 100, ok, chaves}, false, &indice},
      {{"mesmas coordenadas, valor negativo", "1 1 1\n2 2 -1\n", 102,
        "Valor de precipitacao negativo\nValor lido: -1\nLinha: 2 2 -1\nNumero da linha: 2"},
       false,
       &indice},
      {{"mesma chave escrita de outro jeito",
        "1.0 1 1\n2 2.000 1\n",
        100,
        ok,
        {chaves[0], chaves[1]}},
       false,
       &indice},
      {{"longitude mudada na linha 2", "1 1 1\n200 2 1\n", 105,
        "Valor de longitude maior que o permitido\nValor lido: 200\nMaximo permitido: 180\n"
        "Linha: 200 2 1\nNumero da linha: 2"},
       false,
       &indice},
      {{"repetida na linha 3", repetida, 196, repetidaMensagem}, false, &indice},
      {{"repetida outra vez na linha 3", repetida, 196, repetidaMensagem}, false, &indice},
      {{"repetida fora do indice", "1 1 1\n9 9 1\n2 2 1\n9.0 9 1\n", 196,
        "Valores repetidos para a coordenada 9.0000 9.0000"},
       false,
       &indice},
      {{"outro indice, mesmo arquivo", tres, 100, ok, invertidas}, false, &outroIndice},
      {{"formato novo", "1 1 1 5\n2 2 1 5\n", 100, ok, {invertidas[1], invertidas[2]}},
       true,
       &outroIndice},
      {{"formato novo, linha 2 com menos valores", "1 1 1 5\n2 2 1\n", 105,
        "Quantidade de elementos por linha fora do padrao.\nEsperado: 4.\nEncontrado: 3"},
       true,
       &outroIndice},
  };
  PastaTemporaria pasta;
  LeitorPrecipitacaoPrevista leitor;
  for (const Caso& caso : casos) {
    leitor.modeloNovo = caso.modeloNovo;
    leitor.indice = caso.indice;
    const std::vector<std::string>& lista = caso.indice == &indice ? chaves : invertidas;
    verificarCasos(
        std::vector<CasoLeitorLista>{caso.caso},
        [&](const std::string& conteudo) {
          leitor.caminho = pasta.escrever("m_p010321a020321.dat", conteudo);
          return leitor.validar();
        },
        [&] {
          std::vector<std::string> presentes;
          for (size_t i = 0; i < lista.size(); ++i) {
            if (leitor.presentes[i]) presentes.push_back(lista[i]);
          }
          EXPECT_TRUE(leitor.mapaCoordenadas.empty());
          return presentes;
        });
  }
}
