#include "config/LeitorConfiguracao.h"
#include "config/LeitorInicializacao.h"
#include "config/LeitorModelosPrecipitacao.h"
#include "config/LeitorParametros.h"
#include "platform/Plataforma.h"
#include "validation/Validador.h"

// Steps for zel.conf, initial state, parameters and the model list.

namespace {

// zel.conf passed with defaults filled in: the reader's note on them goes into the report.
constexpr int32_t codigoValoresPadrao = 150;

}  // namespace

int32_t Validador::validarArquivoConfiguracao() {
  LeitorConfiguracao leitor;
  // the reader adds the file name to the folder
  leitor.caminho = diretorio + plataforma::separador + "Arq_Entrada";
  relatorio += "Realizando validacao do arquivo zel.conf\n";
  ultimoResultado = leitor.validar();
  modeloNovo = leitor.arqPrev;
  if (ultimoResultado.codigo == codigoValoresPadrao) {
    relatorio += ultimoResultado.mensagem;  // a note, not a failure
  } else if (relatarFalha("")) {
    return statusReprovado;
  }
  relatorio += "Arquivo zel.conf OK\n";
  return statusAprovado;
}

int32_t Validador::validarArquivosInicializacao() {
  LeitorInicializacao leitor;
  relatorio += "Realizando validacao dos arquivos de inicializacao\n";
  for (const std::string& subBacia : subBacias) {
    leitor.caminho = caminhoEntrada(subBacia + "_INICIALIZACAO.txt");
    ultimoResultado = leitor.validar();
    if (relatarFalha("Verificacao falhou para o seguinte arquivo: " + leitor.caminho + "\n"))
      return statusReprovado;
    DadosSubBacia& dados = dadosSubBacias[subBacia];
    dados.diaInicializacao = leitor.diaInicializacao;
    dados.dataRodada = leitor.dataRodada;
    dados.diasPrevisao = leitor.diasPrevisao;
  }
  relatorio += "Arquivos de inicializacao OK\n";
  return statusAprovado;
}

int32_t Validador::validarArquivosParametros() {
  LeitorParametros leitor;
  relatorio += "Realizando validacao dos arquivos de parametros\n";
  for (const std::string& subBacia : subBacias) {
    leitor.caminho = caminhoEntrada(subBacia + "_PARAMETROS.txt");
    ultimoResultado = leitor.validar();
    // "Verficacao" as the operators know it
    if (relatarFalha("Verficacao falhou para o seguinte arquivo: " + leitor.caminho + "\n"))
      return statusReprovado;
    dadosSubBacias[subBacia].numeroKts = leitor.numeroKts;
  }
  relatorio += "Arquivos de parametros OK\n";
  return statusAprovado;
}

int32_t Validador::validarArquivoModelosPrecipitacao() {
  LeitorModelosPrecipitacao leitor;
  leitor.caminho = caminhoEntrada("modelos_precipitacao.txt");
  ultimoResultado = leitor.validar();
  relatorio += std::string("Realizando validacao do arquivo ") + "modelos_precipitacao.txt" + "\n";
  if (relatarFalha("")) return statusReprovado;
  modelos = leitor.modelos;
  relatorio += std::string("Arquivo ") + "modelos_precipitacao.txt" + " OK\n";
  return statusAprovado;
}
