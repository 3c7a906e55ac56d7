#pragma once

#include <fstream>
#include <string>

// The run log; built unopened before main, closed at exit.
extern std::ofstream arquivoLog;

// destinos: bits of where a line goes; other bits are ignored.
inline constexpr int destinoConsole = 1;
inline constexpr int destinoArquivo = 2;
inline constexpr int destinoConsoleArquivo = destinoConsole | destinoArquivo;

void registrarLog(const std::string& mensagem);
void registrarLog(const std::string& mensagem, int destinos);
// Each non-empty line of texto as a line of its own, all with one time stamp.
void registrarTexto(const std::string& texto, const std::string& prefixo, int destinos);

// Opens the log for appending; a hard write error raises, and the writers catch it. A path that
// exists but is not a regular file (a FIFO, a device, a folder) fails as such a write error.
void abrirArquivoLog(const std::string& caminho);
