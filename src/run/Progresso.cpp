#include "run/Progresso.h"

#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>

#include <boost/format.hpp>

#include "platform/Plataforma.h"
#include "run/AcessoCompartilhado.h"
#include "run/ContextoExecucao.h"
#include "run/ExecucaoModelo.h"
#include "run/RegistroLog.h"
#include "validation/comum/Utilitarios.h"

namespace {

// Waits of the polling, in milliseconds: before the first look, between two looks, and while
// the model thread stores its result.
constexpr uint32_t esperaInicial = 1500;
constexpr uint32_t intervaloConsultas = 3000;
constexpr uint32_t intervaloConclusao = 10;

double segundosDecorridos(const ContextoExecucao& contexto) {
  const int64_t milissegundos = (instanteAtual() - lerCompartilhado(contexto.inicio)) / 1000000;
  return static_cast<double>(milissegundos) / 1000.0;
}

// Halves round away from zero before the value is written without decimals.
std::string segundosInteiros(const ContextoExecucao& contexto) {
  return (boost::format("%.0f segundo(s)") % std::round(segundosDecorridos(contexto))).str();
}

std::string progresso(const ContextoExecucao& contexto, const std::string& segundos) {
  return "Progresso: " +
         (boost::format("%ld/%ld bacia(s) processada(s) em ") %
          lerCompartilhado(contexto.baciasProcessadas) % lerCompartilhado(contexto.totalBacias))
             .str() +
         segundos;
}

void mostrarMensagens(const std::string& mensagens) {
  std::string::size_type inicio = 0;
  while (inicio <= mensagens.size()) {
    const std::string::size_type fim = std::min(mensagens.find('\n', inicio), mensagens.size());
    const std::string trecho = mensagens.substr(inicio, fim - inicio);
    if (!trecho.empty()) registrarLog(trecho);
    inicio = fim + 1;
  }
}

bool execucaoFinalizada() { return lerCompartilhado(execucaoConcluida) == 1; }

}  // namespace

unsigned acompanharProgresso(void* dados) {
  ContextoExecucao& contexto = *static_cast<ContextoExecucao*>(dados);
  Utilitarios utilitarios;
  bool mensagensMostradas = false;
  plataforma::dormir(esperaInicial);
  while (true) {
    const int32_t codigo = lerCompartilhado(contexto.codigoRetorno);
    if (codigo == codigoBibliotecaAusente || codigo == codigoFuncaoAusente) break;
    const int32_t estado = lerCompartilhado(contexto.estado);
    if (estado == estadoCarregando) {
      registrarLog("Executando carga de dados. Tempo decorrido: " + segundosInteiros(contexto));
    } else if (estado == estadoProcessando) {
      if (!mensagensMostradas) mostrarMensagens(contexto.mensagens);
      registrarLog(progresso(contexto, segundosInteiros(contexto)));
      mensagensMostradas = true;
    } else if (estado != estadoAguardando && estado != estadoSilencioso) {
      break;
    }
    // a library that returns without a final state ends the polling too
    if (execucaoFinalizada()) break;
    plataforma::dormir(intervaloConsultas);
  }
  // the status comes from the result the model thread stored, never from an earlier value
  while (!execucaoFinalizada()) plataforma::dormir(intervaloConclusao);
  registrarLog(
      progresso(contexto, (boost::format("%.2f segundo(s)") % segundosDecorridos(contexto)).str()));
  registrarLog("Status: " +
               utilitarios.obterMensagemCodigo(lerCompartilhado(contexto.codigoRetorno), ""));
  registrarLog("Finalizando programa");
  return 0;
}
