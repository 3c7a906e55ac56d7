#include "config/LeitorConfiguracao.h"
#include "config/LeitorInicializacao.h"
#include "config/LeitorModelosPrecipitacao.h"
#include "config/LeitorParametros.h"
#include "platform/Plataforma.h"
#include "validation/Validador.h"

// Steps for zel.conf, initial state, parameters and the model list.

int32_t Validador::validarArquivoConfiguracao() {
  LeitorConfiguracao leitor;
  // the reader adds the file name to the folder
  leitor.caminho = diretorio + plataforma::separador + "Arq_Entrada";
  relatorio += "Realizando validacao do arquivo zel.conf\n";
  ultimoResultado = leitor.validar();
  modeloNovo = leitor.arqPrev;
  if (ultimoResultado.codigo != 100 && ultimoResultado.codigo != 150) {
    relatorio += ultimoResultado.mensagem;
    return 203;
  }
  if (ultimoResultado.codigo == 150) relatorio += ultimoResultado.mensagem;
  relatorio += "Arquivo zel.conf OK\n";
  return 200;
}

int32_t Validador::validarArquivosInicializacao() {
  LeitorInicializacao leitor;
  relatorio += "Realizando validacao dos arquivos de inicializacao\n";
  for (const std::string& subBacia : subBacias) {
    leitor.caminho = caminhoEntrada(subBacia + "_INICIALIZACAO.txt");
    ultimoResultado = leitor.validar();
    if (relatarFalha("Verificacao falhou para o seguinte arquivo: " + leitor.caminho + "\n"))
      return 203;
    DadosSubBacia& dados = dadosSubBacias[subBacia];
    dados.diaInicializacao = leitor.diaInicializacao;
    dados.dataRodada = leitor.dataRodada;
    dados.diasPrevisao = leitor.diasPrevisao;
  }
  relatorio += "Arquivos de inicializacao OK\n";
  return 200;
}

int32_t Validador::validarArquivosParametros() {
  LeitorParametros leitor;
  relatorio += "Realizando validacao dos arquivos de parametros\n";
  for (const std::string& subBacia : subBacias) {
    leitor.caminho = caminhoEntrada(subBacia + "_PARAMETROS.txt");
    ultimoResultado = leitor.validar();
    // "Verficacao" as the operators know it
    if (relatarFalha("Verficacao falhou para o seguinte arquivo: " + leitor.caminho + "\n"))
      return 203;
    dadosSubBacias[subBacia].numeroKts = leitor.numeroKts;
  }
  relatorio += "Arquivos de parametros OK\n";
  return 200;
}

int32_t Validador::validarArquivoModelosPrecipitacao() {
  LeitorModelosPrecipitacao leitor;
  leitor.caminho = caminhoEntrada("modelos_precipitacao.txt");
  ultimoResultado = leitor.validar();
  relatorio += std::string("Realizando validacao do arquivo ") + "modelos_precipitacao.txt" + "\n";
  if (relatarFalha("")) return 203;
  modelos = leitor.modelos;
  relatorio += std::string("Arquivo ") + "modelos_precipitacao.txt" + " OK\n";
  return 200;
}
