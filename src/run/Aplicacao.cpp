#include "run/Aplicacao.h"

#include <string>

#include "platform/Plataforma.h"
#include "run/AcessoCompartilhado.h"
#include "run/ContextoExecucao.h"
#include "run/ExecucaoModelo.h"
#include "run/Progresso.h"
#include "run/RegistroLog.h"
#include "validation/ConfiguracaoModo.h"
#include "validation/Validador.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/Utilitarios.h"

namespace {

const char* const inicioValidacaoEstrutura =
    "Iniciando validacao da estrutura de pastas e integridade do programa";

void abrirLogDaRodada(const std::string& raiz) {
  abrirArquivoLog(raiz + plataforma::separador + "logs" + plataforma::separador +
                  "desktop_zel.log");
}

int32_t recusar(Utilitarios& utilitarios, const Resultado& resultado, int destinos) {
  registrarTexto(utilitarios.obterCabecalho(), "", destinos);
  registrarLog(inicioValidacaoEstrutura, destinos);
  registrarLog("[ERRO] Falha na validacao. Codigo: " + textoInteiro(resultado.codigo), destinos);
  registrarTexto(resultado.mensagem, "[VAL]", destinos);
  registrarLog("[ERRO] Processamento interrompido", destinos);
  return resultado.codigo;
}

// Both threads on the one record; the record outlives them since both are joined here.
int32_t executarNasTarefas(ContextoExecucao& contexto) {
  gravarCompartilhado(execucaoConcluida, int32_t{0});
  plataforma::Tarefa* tarefaModelo = plataforma::iniciarTarefa(executarModelo, &contexto);
  if (tarefaModelo == nullptr) {
    registrarLog("[ERRO] Nao foi possivel iniciar a execucao da rotina ZEL-KOVA");
    arquivoLog.close();
    return codigoTarefaNaoIniciada;
  }
  plataforma::Tarefa* tarefaProgresso = plataforma::iniciarTarefa(acompanharProgresso, &contexto);
  if (tarefaProgresso == nullptr) {
    registrarLog("[ERRO] Nao foi possivel iniciar o acompanhamento do progresso");
  }
  plataforma::aguardarTarefa(tarefaModelo);
  plataforma::aguardarTarefa(tarefaProgresso);
  plataforma::fecharTarefa(tarefaModelo);
  plataforma::fecharTarefa(tarefaProgresso);
  arquivoLog.close();
  return lerCompartilhado(contexto.codigoRetorno);
}

}  // namespace

int32_t executarAplicacao() {
  Utilitarios utilitarios;
  ContextoExecucao contexto;
  const std::string raiz = utilitarios.obterDiretorioAtual();
  if (raiz.empty()) {
    // without the case folder there is no log to open either
    registrarTexto(utilitarios.obterCabecalho(), "", destinoConsole);
    registrarLog("[ERRO] Nao foi possivel determinar a pasta do caso (diretorio atual)",
                 destinoConsole);
    return codigoSemDiretorio;
  }
  Validador validador;
  ConfiguracaoModo configuracao;

  contexto.diretorio = raiz;
  contexto.modo = modoDesktop;
  configuracao.diretorio = raiz;
  const Resultado resultado = configuracao.validarModoDesktop();
  if (resultado.codigo == codigoSemPastaLogs)
    return recusar(utilitarios, resultado, destinoConsole);
  if (!resultado.valido()) {
    abrirLogDaRodada(raiz);
    return recusar(utilitarios, resultado, destinoConsoleArquivo);
  }

  abrirLogDaRodada(raiz);
  registrarTexto(utilitarios.obterCabecalho(), "", destinoConsoleArquivo);
  registrarLog(inicioValidacaoEstrutura);
  registrarLog("Validacao da estrutura concluida com sucesso");
  registrarLog("Iniciando validacao de arquivos de entrada");
  validador.ajustarParametros(contexto.diretorio, contexto.modo);
  validador.validar();
  if (validador.codigo != statusAprovado) {
    registrarLog("[ERRO] Falha na validacao. Codigo: " +
                 textoInteiro(validador.obterCodigoResultado()));
    registrarTexto(validador.relatorio, "[VAL]", destinoConsoleArquivo);
    registrarLog("[ERRO] A rotina ZEL-KOVA nao sera executada");
    return validador.codigo;
  }
  registrarTexto(validador.relatorio, "[VAL]", destinoConsoleArquivo);
  registrarLog("Validacao dos arquivos de entrada concluida com sucesso");
  return executarNasTarefas(contexto);
}
