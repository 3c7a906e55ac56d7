#include "run/RegistroLog.h"

#include <iostream>
#include <sstream>

#include <boost/filesystem.hpp>

#include "platform/Plataforma.h"

std::ofstream arquivoLog;

namespace {

const std::string etiqueta = "[ZEL-KOVA] ";

plataforma::Trava& trava() {
  static plataforma::Trava unica;
  return unica;
}

std::string carimboTempo() { return plataforma::horaLocal("[%d-%m-%Y %H:%M:%S] "); }

// A console that went away (a closed pipe) fails the write; the run and the log go on.
void escreverConsole(const std::string& linha) {
  std::cout << linha << std::endl;
  if (!std::cout) std::cout.clear();
}

// Set at open for a path that is not a regular file: its first write fails as a write error.
bool logRecusado = false;
// The write error is reported after the lines of the call that met it (a text comes whole).
bool falhaPendente = false;

void descartarArquivo() {
  arquivoLog.exceptions(std::ios::goodbit);
  arquivoLog.close();
  falhaPendente = true;
}

// A hard write error is reported once; from then on the log is dropped and the run goes on.
void escreverArquivo(const std::string& carimbo, const std::string& linha) {
  if (logRecusado) {
    logRecusado = false;
    descartarArquivo();
    return;
  }
  if (!arquivoLog.is_open()) return;
  try {
    arquivoLog << carimbo << linha << std::endl;
  } catch (const std::ios_base::failure&) {
    descartarArquivo();
  }
}

void avisarFalhaArquivo() {
  if (!falhaPendente) return;
  falhaPendente = false;
  escreverConsole(etiqueta +
                  "[ERRO] Falha de escrita no arquivo de log; os registros seguem apenas no "
                  "console");
}

}  // namespace

void abrirArquivoLog(const std::string& caminho) {
  boost::system::error_code erro;
  const boost::filesystem::file_type tipo = boost::filesystem::status(caminho, erro).type();
  logRecusado =
      !erro && tipo != boost::filesystem::file_not_found && tipo != boost::filesystem::regular_file;
  falhaPendente = false;
  // opening a FIFO waits for a reader: it is refused without an open
  if (tipo == boost::filesystem::fifo_file) return;
  arquivoLog.exceptions(std::ios::badbit);
  try {
    arquivoLog.open(caminho, std::ios::out | std::ios::app);
  } catch (const std::ios_base::failure&) {
    // a failed open is silent: the file lines are dropped
  }
}

void registrarLog(const std::string& mensagem) { registrarLog(mensagem, destinoConsoleArquivo); }

void registrarLog(const std::string& mensagem, int destinos) {
  const plataforma::TravaNoEscopo travada(trava());
  const std::string carimbo = carimboTempo();
  const std::string linha = etiqueta + mensagem;
  if (destinos & destinoConsole) escreverConsole(linha);
  if (destinos & destinoArquivo) escreverArquivo(carimbo, linha);
  avisarFalhaArquivo();
}

void registrarTexto(const std::string& texto, const std::string& prefixo, int destinos) {
  const plataforma::TravaNoEscopo travada(trava());
  const std::string carimbo = carimboTempo();
  std::istringstream linhas(texto);
  std::string linha;
  while (std::getline(linhas, linha)) {
    if (linha.empty()) continue;
    const std::string saida = etiqueta + (prefixo.empty() ? "" : prefixo + " ") + linha;
    if (destinos & destinoArquivo) escreverArquivo(carimbo, saida);
    if (destinos & destinoConsole) escreverConsole(saida);
  }
  avisarFalhaArquivo();
}
