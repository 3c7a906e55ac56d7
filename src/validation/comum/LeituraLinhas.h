#pragma once

#include <cstdint>
#include <fstream>
#include <istream>
#include <string>

#include "validation/comum/Resultado.h"
#include "validation/comum/Texto.h"
#include "validation/comum/Utilitarios.h"
#include "validation/comum/VerificadorLinhas.h"

// Reading shared by the readers: opening a file and the line loop under the shared line rules.

// Opens an existing file, its stream raising only on a hard read error. False when the file is
// missing or cannot be opened: a file that is there but unreadable is never valid.
bool abrirArquivo(Utilitarios& utilitarios, const std::string& caminho, std::ifstream& arquivo);

// Reads the remaining lines into `linha` under the shared line rules: a blank line takes no number
// and only blank lines may follow it; every other line goes to validarLinha(linhaAnterior) and
// then takes the next number. Stops at the first code other than 100.
template <class ValidarLinha>
void lerLinhasDeDados(std::istream& arquivo, Resultado& resultado, std::string& linha,
                      std::string linhaAnterior, int32_t& numeroLinha, ValidarLinha validarLinha) {
  VerificadorLinhas verificador;
  while (lerLinha(arquivo, linha)) {
    verificador.verificarLinha(resultado, linha, linhaAnterior, numeroLinha, linha.empty());
    if (resultado.codigo != 100) return;
    if (!linha.empty()) {
      validarLinha(linhaAnterior);
      if (resultado.codigo != 100) return;
      ++numeroLinha;
    }
    linhaAnterior = linha;
  }
}
