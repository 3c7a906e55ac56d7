#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <boost/filesystem.hpp>
#include <boost/regex.hpp>
#include <gtest/gtest.h>

#include "apoio/LinhasConsole.h"
#include "apoio/PastaCaso.h"

namespace {

const std::string inicioGrade = "Realizando validacao dos arquivos de pontos de grade por modelo";
const std::string fimGrade = "Arquivos de pontos de grade por modelo OK";
const std::string inicioNovo =
    "Realizando validacao dos arquivos de precipitacao prevista (modelo novo)";
const std::string inicioAntigo =
    "Realizando validacao dos arquivos de precipitacao prevista (modelo antigo)";
const std::string fimPrevisao = "Arquivos de precipitacao prevista OK";

// A change to the example's input files: a file written (empty name: none) and files removed.
struct Mudanca {
  std::string escrever;
  std::string conteudo;
  std::vector<std::string> remover = {};
};

struct Caso {
  const char* nome;
  std::vector<Mudanca> mudancas;
  int falha;                        // the code printed when the validation fails, 0 when it passes
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
    if (linhas[i] == etiquetaRelatorio + inicioGrade) {
      return {linhas.begin() + i, linhas.begin() + std::min(linhas.size(), i + quantidade)};
    }
  }
  return {};
}

void verificar(const std::vector<Caso>& casos) {
  for (const Caso& caso : casos) {
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
    EXPECT_EQ(caso.falha == 0 ? 0 : 203, saida.codigo);
    std::vector<std::string> esperado;
    for (const std::string& linha : caso.trecho) {
      esperado.push_back(etiquetaRelatorio +
                         trocarMarca(linha, "<entrada>", juntar(pasta.caminho("Arq_Entrada"), "")));
    }
    if (caso.falha != 0) esperado.push_back(linhaNaoExecutada);  // right after the report
    EXPECT_EQ(esperado, trechoDesde(linhas, esperado.size()));
    const std::string linhaFinal =
        caso.falha == 0 ? "[ZEL-KOVA] Validacao dos arquivos de entrada concluida com sucesso"
                        : inicioFalhaValidacao + std::to_string(caso.falha);
    EXPECT_EQ(1, std::count(linhas.begin(), linhas.end(), linhaFinal));
    if (caso.falha != 0) {
      EXPECT_EQ(linhaNaoExecutada, linhas.back());
    }
  }
}

}  // namespace

TEST(PrevisaoTeste, LayoutDatado) {
  const std::vector<Caso> casos = {
      {"exemplo", {}, 0, {inicioGrade, fimGrade, inicioNovo, fimPrevisao}},
      {"sem o dia 1: vale o dia 2 e o dia 3 nunca e lido",
       {{"eta40_p010321a040321.dat", "ruim\n", {"eta40_p010321a020321.dat"}}},
       0,
       {inicioGrade, fimGrade, inicioNovo, fimPrevisao}},
      {"nenhum dia do modelo gfs_025",
       {{"gfs_025_p010321a050321.dat",
         "-45 -23 1\n",
         {"gfs_025_p010321a020321.dat", "gfs_025_p010321a030321.dat",
          "gfs_025_p010321a040321.dat"}}},
       100,
       {inicioGrade, fimGrade, inicioNovo, "Nenhum arquivo de precipitacao foi encontrado"}},
      {"ponto de grade ausente do arquivo de previsao",
       {{"RIO_BAIXO_eta40.txt", "1\n-44.5 -23.0\n"}},
       196,
       {inicioGrade, fimGrade, inicioNovo, "Verificacao falhou para eta40_p010321a020321.dat",
        "Coordenada -44.5000 -23.0000 do arquivo RIO_BAIXO_eta40 nao existente"}},
      {"arquivo de previsao invalido",
       {{"gfs_025_p010321a020321.dat", "-45.5 -22.75 1\n-45.25 -22.75\n"}},
       105,
       {inicioGrade, fimGrade, inicioNovo,
        "Verificacao falhou para <entrada>gfs_025_p010321a020321.dat", "Sub Bacia: RIO_ALTO",
        "Dias Previsao: 3", "Quantidade de elementos por linha fora do padrao.", "Esperado: 3.",
        "Encontrado: 2"}},
      {"arquivo de pontos de grade ausente",
       {{"", "", {"RIO_BAIXO_gfs.txt"}}},
       197,
       {inicioGrade, "Verificacao falhou para o seguinte arquivo: <entrada>RIO_BAIXO_gfs.txt",
        "Arquivo de configuracao nao encontrado: <entrada>RIO_BAIXO_gfs.txt"}},
      {"ponto de grade fora do limite",
       {{"RIO_ALTO_eta40.txt", "1\n-45.4 -90.5\n"}},
       105,
       {inicioGrade, "Verificacao falhou para o seguinte arquivo: <entrada>RIO_ALTO_eta40.txt",
        "Valor de latitude menor que o permitido", "Valor lido: -90.5", "Minimo permitido -90",
        "Linha: -45.4 -90.5", "Numero da linha: 2", "Linha: -45.4 -90.5"}},
  };
  verificar(casos);
}

TEST(PrevisaoTeste, LayoutAntigo) {
  const Mudanca antigo = {"zel.conf", configuracaoAntiga()};
  const std::vector<Caso> casos = {
      {"exemplo", {antigo}, 0, {inicioGrade, fimGrade, inicioAntigo, fimPrevisao}},
      {"salto: nomeia o dia antes do primeiro arquivo achado depois da falta",
       {antigo,
        {"eta40_p010321a050321.dat",
         "x\n",
         {"eta40_p010321a030321.dat", "eta40_p010321a040321.dat"}},
        {"eta40_p010321a060321.dat", "x\n"},
        {"eta40_p010321a070321.dat", "x\n"}},
       197,
       {inicioGrade, fimGrade, inicioAntigo, "Salto nos arquivos de precipitacao identificado",
        "Faltando arquivo: eta40_p010321a040321.dat"}},
#ifndef _WIN32
      // only where file names are case-sensitive; on Windows the file opens by either name
      {"nome em maiusculas conta na busca",
       {antigo, {"ETA40_P010321A030321.DAT", "-45 -23 1\n", {"eta40_p010321a030321.dat"}}},
       197,
       {inicioGrade, fimGrade, inicioAntigo, "Salto nos arquivos de precipitacao identificado",
        "Faltando arquivo: eta40_p010321a030321.dat"}},
#endif
      {"dias alem da contagem nao sao lidos",
       {antigo,
        {"gfs_025_p010321a080321.dat",
         "ruim\n",
         {"gfs_025_p010321a030321.dat", "gfs_025_p010321a040321.dat"}}},
       0,
       {inicioGrade, fimGrade, inicioAntigo, fimPrevisao}},
      {"sem arquivo do modelo: pulado",
       {antigo,
        {"",
         "",
         {"gfs_025_p010321a020321.dat", "gfs_025_p010321a030321.dat",
          "gfs_025_p010321a040321.dat"}}},
       0,
       {inicioGrade, fimGrade, inicioAntigo, fimPrevisao}},
      {"ponto de grade ausente no dia 2",
       {antigo, {"gfs_025_p010321a030321.dat", "-45.5 -22.75 1\n-45.0 -23.0 1\n-44.75 -23 1\n"}},
       196,
       {inicioGrade, fimGrade, inicioAntigo, "Verificacao falhou para gfs_025_p010321a030321.dat",
        "Coordenada -45.2500 -22.7500 do arquivo RIO_ALTO_gfs nao existente"}},
      {"linha com dois valores",
       {antigo, {"eta40_p010321a020321.dat", "-45.4 -22.8 1 2\n"}},
       103,
       {inicioGrade, fimGrade, inicioAntigo,
        "Verificacao falhou para <entrada>eta40_p010321a020321.dat",
        "Valor de precipitacao nao numerico", "Valor lido: 1 2", "Linha: -45.4 -22.8 1 2",
        "Numero da linha: 1"}},
  };
  verificar(casos);
}
