#include "run/RegistroLog.h"

#include <iostream>
#include <sstream>

#include "platform/Plataforma.h"

std::ofstream arquivoLog;

namespace {

const std::string etiqueta = "[ZEL-KOVA] ";

plataforma::Trava& trava() {
  static plataforma::Trava unica;
  return unica;
}

std::string carimboTempo() { return plataforma::horaLocal("[%d-%m-%Y %H:%M:%S] "); }

void escreverConsole(const std::string& linha) { std::cout << linha << std::endl; }

// A hard write error is reported once; from then on the log is dropped and the run goes on.
void escreverArquivo(const std::string& carimbo, const std::string& linha) {
  if (!arquivoLog.is_open()) return;
  try {
    arquivoLog << carimbo << linha << std::endl;
  } catch (const std::ios_base::failure&) {
    arquivoLog.exceptions(std::ios::goodbit);
    arquivoLog.close();
    escreverConsole(etiqueta +
                    "[ERRO] Falha de escrita no arquivo de log; os registros seguem apenas no "
                    "console");
  }
}

}  // namespace

void abrirArquivoLog(const std::string& caminho) {
  arquivoLog.exceptions(std::ios::badbit);
  try {
    arquivoLog.open(caminho, std::ios::out | std::ios::app);
  } catch (const std::ios_base::failure&) {
    // a failed open is silent: the file lines are dropped
  }
}

void registrarLog(const std::string& mensagem) { registrarLog(mensagem, destinoConsoleArquivo); }

void registrarLog(const std::string& mensagem, int destinos) {
  trava().travar();
  const std::string carimbo = carimboTempo();
  const std::string linha = etiqueta + mensagem;
  if (destinos & 1) escreverConsole(linha);
  if (destinos & 2) escreverArquivo(carimbo, linha);
  trava().destravar();
}

void registrarTexto(const std::string& texto, const std::string& prefixo, int destinos) {
  trava().travar();
  const std::string carimbo = carimboTempo();
  std::istringstream linhas(texto);
  std::string linha;
  while (std::getline(linhas, linha)) {
    if (linha.empty()) continue;
    const std::string saida = etiqueta + (prefixo.empty() ? "" : prefixo + " ") + linha;
    if (destinos & 2) escreverArquivo(carimbo, saida);
    if (destinos & 1) escreverConsole(saida);
  }
  trava().destravar();
}
