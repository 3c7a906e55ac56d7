#pragma once

#include <cstdint>
#include <istream>
#include <string>

// The only place that talks to the operating system; everything else uses these functions.
namespace plataforma {

#ifdef _WIN32
inline constexpr const char* separador = "\\";
#else
inline constexpr const char* separador = "/";
#endif

#ifdef _WIN32
// Text mode already reads CR LF as LF and ends the text at a 0x1A byte.
inline constexpr bool textoTraduzidoPeloSistema = true;
#else
inline constexpr bool textoTraduzidoPeloSistema = false;
#endif

// Ctrl-Z: old DOS tools still end a file with it; Windows text mode reads no further.
inline constexpr char fimDeTexto = '\x1A';

// One line as Windows text mode gives it, on every build: the line feed, with one carriage return
// right before it, is dropped (a carriage return before the end of the file stays); the text ends
// at the first 0x1A byte, and the part of its line before it is still a line.
inline bool lerLinha(std::istream& entrada, std::string& linha) {
  if (!std::getline(entrada, linha)) return false;
  if (textoTraduzidoPeloSistema) return true;
  const std::string::size_type fim = linha.find(fimDeTexto);
  if (fim != std::string::npos) {
    linha.resize(fim);
    entrada.setstate(fim == 0 ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
    return fim > 0;
  }
  // no line feed was found when the end of the file was reached
  if (!entrada.eof() && !linha.empty() && linha.back() == '\r') linha.pop_back();
  return true;
}

// Whether nothing is left to read, as lerLinha sees it: the end of the file or a 0x1A byte next.
inline bool textoTerminado(std::istream& entrada) {
  const int proximo = entrada.peek();
  return proximo == std::char_traits<char>::eof() ||
         (!textoTraduzidoPeloSistema && proximo == fimDeTexto);
}

// Current working directory; empty only when it cannot be had at all.
std::string diretorioAtual();

// Console output in UTF-8.
void configurarConsole();

// Opens each closed standard descriptor (0-2) on the null device, so that no file opened later
// takes its number and gets the console's lines (nothing on Windows).
void reabrirDescritoresPadrao();

// A console whose reader went away makes writes fail instead of ending the process (SIGPIPE
// ignored on Linux; nothing on Windows, where such a write only fails).
void ignorarConsoleFechado();

// Folder searched for the model library's own dependencies.
void definirPastaBibliotecas(const std::string& pasta);

// Waits for a key at the end of a run; only when a person is there to press it.
void pausar();

void* carregarBiblioteca(const std::string& caminho);
void* obterFuncao(void* biblioteca, const char* nome);
void liberarBiblioteca(void* biblioteca);

// Local time written with a strftime format.
std::string horaLocal(const char* formato);

// String value of the machine-wide registry; empty where there is none.
std::string lerRegistro(const std::string& chave, const std::string& nomeValor);

void dormir(uint32_t milissegundos);

// A thread running funcao(argumento); null when it cannot be started.
using FuncaoTarefa = unsigned (*)(void*);
void* iniciarTarefa(FuncaoTarefa funcao, void* argumento);
void aguardarTarefa(void* tarefa);
void fecharTarefa(void* tarefa);

// A lock held across one log line.
class Trava {
 public:
  Trava();
  ~Trava();
  Trava(const Trava&) = delete;
  Trava& operator=(const Trava&) = delete;
  void travar();
  void destravar();

 private:
  void* dados;
};

}  // namespace plataforma
