// Stand-in model library: follows the script "modelo_substituto.txt" of the case folder.
//   estado S MS      sets estado to S, then waits MS milliseconds
//   mensagem TEXTO   adds a message line (empty text: an empty line), shown at the first 200
//   total N          totalBacias
//   processadas N    baciasProcessadas
//   retorno N        the export's result (0 when absent)
//   excecao TEXTO    throws std::runtime_error(TEXTO); with no text, an int (no std::exception)
#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include "run/AcessoCompartilhado.h"
#include "run/ContextoExecucao.h"

#ifdef _WIN32
#define EXPORTACAO extern "C" __declspec(dllexport)
#else
#define EXPORTACAO extern "C" __attribute__((visibility("default")))
#endif

namespace {

#ifdef _WIN32
const char* const separador = "\\";
#else
const char* const separador = "/";
#endif

}  // namespace

EXPORTACAO int32_t executarZelKovaCompartilhado(ContextoExecucao* contexto) {
  std::ifstream roteiro(contexto->diretorio + separador + "modelo_substituto.txt");
  std::string mensagens;
  bool mensagensGravadas = false;
  int32_t retorno = 0;
  std::string linha;
  while (std::getline(roteiro, linha)) {
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    std::istringstream campos(linha);
    std::string comando;
    campos >> comando;
    if (comando == "mensagem") {
      std::string texto;
      std::getline(campos, texto);
      if (!texto.empty() && texto[0] == ' ') texto.erase(0, 1);
      mensagens += texto + "\n";
    } else if (comando == "estado") {
      int32_t estado = 0;
      long espera = 0;
      campos >> estado >> espera;
      if (estado == estadoProcessando && !mensagensGravadas) {
        contexto->mensagens = mensagens;
        mensagensGravadas = true;
      }
      gravarCompartilhado(contexto->estado, estado);
      std::this_thread::sleep_for(std::chrono::milliseconds(espera));
    } else if (comando == "total") {
      int32_t valor = 0;
      campos >> valor;
      gravarCompartilhado(contexto->totalBacias, valor);
    } else if (comando == "processadas") {
      int32_t valor = 0;
      campos >> valor;
      gravarCompartilhado(contexto->baciasProcessadas, valor);
    } else if (comando == "retorno") {
      campos >> retorno;
    } else if (comando == "excecao") {
      std::string texto;
      std::getline(campos, texto);
      if (texto.empty()) throw 7;
      throw std::runtime_error(texto.substr(1));
    }
  }
  return retorno;
}
