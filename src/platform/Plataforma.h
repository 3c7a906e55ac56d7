#pragma once

#include <cstdint>
#include <string>

// The only place that talks to the operating system; everything else uses these functions.
namespace plataforma {

#ifdef _WIN32
inline constexpr const char* separador = "\\";
#else
inline constexpr const char* separador = "/";
#endif

// Whether text mode already reads CR LF as LF and ends the text at a 0x1A byte.
#ifdef _WIN32
inline constexpr bool textoTraduzidoPeloSistema = true;
#else
inline constexpr bool textoTraduzidoPeloSistema = false;
#endif

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

// Handles of a loaded library and of a running thread; each platform file defines them.
struct Biblioteca;
struct Tarefa;

// The library, or null when it cannot be loaded; liberarBiblioteca frees the handle too.
Biblioteca* carregarBiblioteca(const std::string& caminho);
// Address of an export, null when there is none.
void* obterFuncao(Biblioteca* biblioteca, const char* nome);
void liberarBiblioteca(Biblioteca* biblioteca);

// Local time written with a strftime format.
std::string horaLocal(const char* formato);

// String value of the machine-wide registry; empty where there is none.
std::string lerRegistro(const std::string& chave, const std::string& nomeValor);

void dormir(uint32_t milissegundos);

// A thread running funcao(argumento); null when it cannot be started. fecharTarefa frees the
// handle, after aguardarTarefa.
using FuncaoTarefa = unsigned (*)(void*);
Tarefa* iniciarTarefa(FuncaoTarefa funcao, void* argumento);
void aguardarTarefa(Tarefa* tarefa);
void fecharTarefa(Tarefa* tarefa);

// A lock held across one log line; taken through TravaNoEscopo.
class Trava {
 public:
  Trava();
  ~Trava();
  Trava(const Trava&) = delete;
  Trava& operator=(const Trava&) = delete;
  void travar();
  void destravar();

 private:
  struct Nativa;  // the system's lock, defined by each platform file
  Nativa* nativa;
};

// Holds the lock until the end of its scope, so that an exception cannot leave it held.
class TravaNoEscopo {
 public:
  explicit TravaNoEscopo(Trava& alvo) : trava(alvo) { trava.travar(); }
  ~TravaNoEscopo() { trava.destravar(); }
  TravaNoEscopo(const TravaNoEscopo&) = delete;
  TravaNoEscopo& operator=(const TravaNoEscopo&) = delete;

 private:
  Trava& trava;
};

}  // namespace plataforma
