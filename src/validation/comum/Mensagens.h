#pragma once

#include <cstdint>
#include <string>

// Pieces shared by the readers' messages, always in this order after the finding.
std::string trechoValorLido(const std::string& valor);
std::string trechoLinha(const std::string& linha);
std::string trechoNumeroLinha(int64_t numeroLinha);
// The line, then its number.
std::string trechoLinhaNumero(const std::string& linha, int64_t numeroLinha);
// The value, the line, then its number: the tail of most findings.
std::string trechoValorLinhaNumero(const std::string& valor, const std::string& linha,
                                   int64_t numeroLinha);

// Plain decimal text of an integer, classic locale.
std::string textoInteiro(int64_t valor);

// A real written back into a message: 17 significant digits, "inf"/"nan" forms.
std::string textoReal(double valor);

// Tail of a weight-sum failure: the bounds as shown (not the tested 0.99499 and 1.00401), then
// the sum with six decimals.
std::string trechoSomaPesos(double soma);

// Window failure of the observed series: what is missing ("a data 13/01/2021"), then how many
// days before the run date the window needs it.
std::string textoDadosIncompletos(const std::string& faltando, int64_t diasAntes);

// A field finding with every piece: "Valor do campo " + nome + achado (" nao numerico",
// " negativo", ...), then the value, the line and the line number.
std::string textoCampo(const std::string& nome, const std::string& achado, const std::string& valor,
                       const std::string& linha, int64_t numeroLinha);
