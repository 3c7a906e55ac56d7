#pragma once

#include <string>
#include <vector>

// Console lines every whole run prints, tag included.
inline const std::string etiquetaRelatorio = "[ZEL-KOVA] [VAL] ";
inline const std::string inicioFalhaValidacao = "[ZEL-KOVA] [ERRO] Falha na validacao. Codigo: ";
inline const std::string linhaNaoExecutada =
    "[ZEL-KOVA] [ERRO] A rotina ZEL-KOVA nao sera executada";

// Lines that begin with the text, in order.
std::vector<std::string> comecandoCom(const std::vector<std::string>& linhas,
                                      const std::string& inicio);
// Report lines of a run, without their tag.
std::vector<std::string> linhasDoRelatorio(const std::vector<std::string>& linhas);
// The text with every marca (a stand-in such as "<caminho>") replaced by valor.
std::string trocarMarca(std::string texto, const std::string& marca, const std::string& valor);
