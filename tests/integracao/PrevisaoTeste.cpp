#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "apoio/PastaCaso.h"

namespace {

const std::string inicioGrade =
    "[ZEL-KOVA] [VAL] Realizando validacao dos arquivos de pontos de grade por modelo";
const std::string fimGrade = "[ZEL-KOVA] [VAL] Arquivos de pontos de grade por modelo OK";
const std::string inicioNovo =
    "[ZEL-KOVA] [VAL] Realizando validacao dos arquivos de precipitacao prevista (modelo novo)";
const std::string inicioAntigo =
    "[ZEL-KOVA] [VAL] Realizando validacao dos arquivos de precipitacao prevista (modelo antigo)";
const std::string fimPrevisao = "[ZEL-KOVA] [VAL] Arquivos de precipitacao prevista OK";
const std::string naoExecutada = "[ZEL-KOVA] [ERRO] A rotina ZEL-KOVA nao sera executada";

// A change to the example's input files: a file written (empty name: none) and files removed.
struct Mudanca {
  std::string escrever;
  std::string conteudo;
  std::vector<std::string> remover = {};
};

struct Caso {
  const char* nome;
  std::vector<Mudanca> mudancas;
  int codigo;
  std::string linhaCodigo;          // empty when the validation passes
  std::vector<std::string> trecho;  // report lines from the grid step on; <entrada> is the folder
};

// The example's zel.conf with the old, undated forecast layout.
std::string configuracaoAntiga() {
  const std::string original =
      lerArquivo(juntar(juntar(CAMINHO_EXEMPLO, "Arq_Entrada"), "zel.conf"));
  const std::string antiga =
      boost::regex_replace(original, boost::regex("^arqPrev\\h*=\\h*1"), "arqPrev = 0");
  EXPECT_NE(original, antiga);
  return antiga;
}

std::vector<std::string> trechoDesde(const std::vector<std::string>& linhas, size_t quantidade) {
  for (size_t i = 0; i < linhas.size(); ++i) {
    if (linhas[i] == inicioGrade) {
      return {linhas.begin() + i, linhas.begin() + std::min(linhas.size(), i + quantidade)};
    }
  }
  return {};
}

void verificar(const Caso casos[], size_t quantidade) {
  for (size_t i = 0; i < quantidade; ++i) {
    const Caso& caso = casos[i];
    SCOPED_TRACE(caso.nome);
    PastaCaso pasta;
    pasta.copiarExemplo();
    pasta.roteiroModelo("estado 0 0\n");
    for (const Mudanca& mudanca : caso.mudancas) {
      for (const std::string& nome : mudanca.remover)
        ASSERT_TRUE(boost::filesystem::remove(juntar(pasta.caminho("Arq_Entrada"), nome)));
      if (!mudanca.escrever.empty()) pasta.entrada(mudanca.escrever, mudanca.conteudo);
    }
    const Saida saida = pasta.executar();
    const std::vector<std::string> linhas = saida.linhas();
    EXPECT_EQ(caso.codigo, saida.codigo);
    std::vector<std::string> esperado;
    for (std::string linha : caso.trecho) {
      const auto marca = linha.find("<entrada>");
      if (marca != std::string::npos)
        linha.replace(marca, 9, juntar(pasta.caminho("Arq_Entrada"), ""));
      esperado.push_back(linha);
    }
    EXPECT_EQ(esperado, trechoDesde(linhas, esperado.size()));
    if (caso.linhaCodigo.empty()) {
      EXPECT_EQ(1,
                std::count(linhas.begin(), linhas.end(),
                           "[ZEL-KOVA] Validacao dos arquivos de entrada concluida com sucesso"));
    } else {
      EXPECT_EQ(1, std::count(linhas.begin(), linhas.end(), caso.linhaCodigo));
      EXPECT_EQ(naoExecutada, linhas.back());
    }
  }
}

}  // namespace

TEST(PrevisaoTeste, LayoutDatado) {
  const Caso casos[] = {
      {"exemplo", {}, 0, "", {inicioGrade, fimGrade, inicioNovo, fimPrevisao}},
      {"sem o dia 1: vale o dia 2 e o dia 3 nunca e lido",
       {{"eta40_p010321a040321.dat", "ruim\n", {"eta40_p010321a020321.dat"}}},
       0,
       "",
       {inicioGrade, fimGrade, inicioNovo, fimPrevisao}},
      {"nenhum dia do modelo gfs_025",
       {{"gfs_025_p010321a050321.dat",
         "-45 -23 1\n",
         {"gfs_025_p010321a020321.dat", "gfs_025_p010321a030321.dat",
          "gfs_025_p010321a040321.dat"}}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 100",
       {inicioGrade, fimGrade, inicioNovo,
        "[ZEL-KOVA] [VAL] Nenhum arquivo de precipitacao foi encontrado", naoExecutada}},
      {"ponto de grade ausente do arquivo de previsao",
       {{"RIO_BAIXO_eta40.txt", "1\n-44.5 -23.0\n"}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 196",
       {inicioGrade, fimGrade, inicioNovo,
        "[ZEL-KOVA] [VAL] Verificacao falhou para eta40_p010321a020321.dat",
        "[ZEL-KOVA] [VAL] Coordenada -44.5000 -23.0000 do arquivo RIO_BAIXO_eta40 nao existente",
        naoExecutada}},
      {"arquivo de previsao invalido",
       {{"gfs_025_p010321a020321.dat", "-45.5 -22.75 1\n-45.25 -22.75\n"}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 105",
       {inicioGrade, fimGrade, inicioNovo,
        "[ZEL-KOVA] [VAL] Verificacao falhou para <entrada>gfs_025_p010321a020321.dat",
        "[ZEL-KOVA] [VAL] Sub Bacia: RIO_ALTO", "[ZEL-KOVA] [VAL] Dias Previsao: 3",
        "[ZEL-KOVA] [VAL] Quantidade de elementos por linha fora do padrao.",
        "[ZEL-KOVA] [VAL] Esperado: 3.", "[ZEL-KOVA] [VAL] Encontrado: 2", naoExecutada}},
      {"arquivo de pontos de grade ausente",
       {{"", "", {"RIO_BAIXO_gfs.txt"}}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 197",
       {inicioGrade,
        "[ZEL-KOVA] [VAL] Verificacao falhou para o seguinte arquivo: <entrada>RIO_BAIXO_gfs.txt",
        "[ZEL-KOVA] [VAL] Arquivo de configuracao nao encontrado: <entrada>RIO_BAIXO_gfs.txt",
        naoExecutada}},
      {"ponto de grade fora do limite",
       {{"RIO_ALTO_eta40.txt", "1\n-45.4 -90.5\n"}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 105",
       {inicioGrade,
        "[ZEL-KOVA] [VAL] Verificacao falhou para o seguinte arquivo: <entrada>RIO_ALTO_eta40.txt",
        "[ZEL-KOVA] [VAL] Valor de latitude menor que o permitido",
        "[ZEL-KOVA] [VAL] Valor lido: -90.5", "[ZEL-KOVA] [VAL] Minimo permitido -90",
        "[ZEL-KOVA] [VAL] Linha: -45.4 -90.5", "[ZEL-KOVA] [VAL] Numero da linha: 2",
        "[ZEL-KOVA] [VAL] Linha: -45.4 -90.5", naoExecutada}},
  };
  verificar(casos, std::size(casos));
}

TEST(PrevisaoTeste, LayoutAntigo) {
  const Mudanca antigo = {"zel.conf", configuracaoAntiga()};
  const Caso casos[] = {
      {"exemplo", {antigo}, 0, "", {inicioGrade, fimGrade, inicioAntigo, fimPrevisao}},
      {"salto: nomeia o dia antes do primeiro arquivo achado depois da falta",
       {antigo,
        {"eta40_p010321a050321.dat",
         "x\n",
         {"eta40_p010321a030321.dat", "eta40_p010321a040321.dat"}},
        {"eta40_p010321a060321.dat", "x\n"},
        {"eta40_p010321a070321.dat", "x\n"}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 197",
       {inicioGrade, fimGrade, inicioAntigo,
        "[ZEL-KOVA] [VAL] Salto nos arquivos de precipitacao identificado",
        "[ZEL-KOVA] [VAL] Faltando arquivo: eta40_p010321a040321.dat", naoExecutada}},
#ifndef _WIN32
      // only where file names are case-sensitive; on Windows the file opens by either name
      {"nome em maiusculas conta na busca",
       {antigo, {"ETA40_P010321A030321.DAT", "-45 -23 1\n", {"eta40_p010321a030321.dat"}}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 197",
       {inicioGrade, fimGrade, inicioAntigo,
        "[ZEL-KOVA] [VAL] Salto nos arquivos de precipitacao identificado",
        "[ZEL-KOVA] [VAL] Faltando arquivo: eta40_p010321a030321.dat", naoExecutada}},
#endif
      {"dias alem da contagem nao sao lidos",
       {antigo,
        {"gfs_025_p010321a080321.dat",
         "ruim\n",
         {"gfs_025_p010321a030321.dat", "gfs_025_p010321a040321.dat"}}},
       0,
       "",
       {inicioGrade, fimGrade, inicioAntigo, fimPrevisao}},
      {"sem arquivo do modelo: pulado",
       {antigo,
        {"",
         "",
         {"gfs_025_p010321a020321.dat", "gfs_025_p010321a030321.dat",
          "gfs_025_p010321a040321.dat"}}},
       0,
       "",
       {inicioGrade, fimGrade, inicioAntigo, fimPrevisao}},
      {"ponto de grade ausente no dia 2",
       {antigo, {"gfs_025_p010321a030321.dat", "-45.5 -22.75 1\n-45.0 -23.0 1\n-44.75 -23 1\n"}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 196",
       {inicioGrade, fimGrade, inicioAntigo,
        "[ZEL-KOVA] [VAL] Verificacao falhou para gfs_025_p010321a030321.dat",
        "[ZEL-KOVA] [VAL] Coordenada -45.2500 -22.7500 do arquivo RIO_ALTO_gfs nao existente",
        naoExecutada}},
      {"linha com dois valores",
       {antigo, {"eta40_p010321a020321.dat", "-45.4 -22.8 1 2\n"}},
       203,
       "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: 103",
       {inicioGrade, fimGrade, inicioAntigo,
        "[ZEL-KOVA] [VAL] Verificacao falhou para <entrada>eta40_p010321a020321.dat",
        "[ZEL-KOVA] [VAL] Valor de precipitacao nao numerico", "[ZEL-KOVA] [VAL] Valor lido: 1 2",
        "[ZEL-KOVA] [VAL] Linha: -45.4 -22.8 1 2", "[ZEL-KOVA] [VAL] Numero da linha: 1",
        naoExecutada}},
  };
  verificar(casos, std::size(casos));
}
