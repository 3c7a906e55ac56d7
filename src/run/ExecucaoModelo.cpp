#include "run/ExecucaoModelo.h"

#include <chrono>
#include <exception>
#include <string>

#include "platform/Plataforma.h"
#include "run/AcessoCompartilhado.h"
#include "run/ContextoExecucao.h"
#include "run/RegistroLog.h"

plataforma::Biblioteca* bibliotecaModelo = nullptr;
int32_t execucaoConcluida = 0;

int64_t instanteAtual() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

namespace {

unsigned concluir(ContextoExecucao& contexto, int32_t codigo) {
  gravarCompartilhado(contexto.codigoRetorno, codigo);
  gravarCompartilhado(execucaoConcluida, int32_t{1});
  return static_cast<unsigned>(codigo);
}

}  // namespace

unsigned executarModelo(void* dados) {
  ContextoExecucao& contexto = *static_cast<ContextoExecucao*>(dados);
  bibliotecaModelo =
      plataforma::carregarBiblioteca(std::string("bin") + plataforma::separador + "ZEL-KOVA.dll");
  gravarCompartilhado(contexto.inicio, instanteAtual());
  if (bibliotecaModelo == nullptr) {
    gravarCompartilhado(contexto.codigoRetorno, codigoBibliotecaAusente);
    registrarLog("DLL nao encontrada");
    return concluir(contexto, codigoBibliotecaAusente);
  }
  const auto funcao = reinterpret_cast<FuncaoExecutarZelKova>(
      plataforma::obterFuncao(bibliotecaModelo, "executarZelKovaCompartilhado"));
  if (funcao == nullptr) {
    gravarCompartilhado(contexto.codigoRetorno, codigoFuncaoAusente);
    registrarLog("Funcao DLL nao encontrada");
    plataforma::liberarBiblioteca(bibliotecaModelo);
    bibliotecaModelo = nullptr;
    return concluir(contexto, codigoFuncaoAusente);
  }
  int32_t codigo = 0;
  // an exception must not cross the thread: the run ends with its closing lines and its code
  try {
    codigo = funcao(&contexto);
  } catch (const std::exception& erro) {
    registrarLog("[ERRO] Falha na execucao da rotina ZEL-KOVA: " + std::string(erro.what()));
    codigo = codigoExcecaoModelo;
  } catch (...) {
    registrarLog("[ERRO] Falha na execucao da rotina ZEL-KOVA: excecao desconhecida");
    codigo = codigoExcecaoModelo;
  }
  plataforma::liberarBiblioteca(bibliotecaModelo);
  bibliotecaModelo = nullptr;
  return concluir(contexto, codigo);
}
