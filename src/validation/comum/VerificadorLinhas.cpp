#include "validation/comum/VerificadorLinhas.h"

#include "validation/comum/Mensagens.h"

void VerificadorLinhas::verificarLinha(Resultado& resultado, std::string_view linha,
                                       std::string_view linhaAnterior, int32_t numeroLinha,
                                       bool ignorarLinhaEmBranco) {
  if (numeroLinha == 1 && linha.empty() && linhaAnterior == marcadorPrimeiraLinha) {
    resultado = {"Primeira linha em branco", 196};
    return;
  }
  // judges the previous line: a blank line is reported with the number of the line after it
  if (!ignorarLinhaEmBranco && linhaAnterior.empty()) {
    resultado = {"Linha em branco encontrada no arquivo" + trechoNumeroLinha(numeroLinha), 196};
    return;
  }
  if (!linha.empty() && linha[0] == ' ') {
    resultado = {"Espaco em branco encontrado no inicio da linha" +
                     trechoLinha(std::string(linha)) + trechoNumeroLinha(numeroLinha),
                 105};
    return;
  }
  if (!linha.empty() && linha[0] == '\t') {
    resultado = {
        "Tabulacao encontrada na linha: " + std::string(linha) + trechoNumeroLinha(numeroLinha),
        105};
  }
}
