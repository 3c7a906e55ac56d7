#include "validation/comum/Mensagens.h"

#include <locale>

#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>

std::string trechoValorLido(const std::string& valor) { return "\nValor lido: " + valor; }

std::string trechoLinha(const std::string& linha) { return "\nLinha: " + linha; }

std::string trechoNumeroLinha(int64_t numeroLinha) {
  return "\nNumero da linha: " + textoInteiro(numeroLinha);
}

std::string trechoLinhaNumero(const std::string& linha, int64_t numeroLinha) {
  return trechoLinha(linha) + trechoNumeroLinha(numeroLinha);
}

std::string trechoValorLinhaNumero(const std::string& valor, const std::string& linha,
                                   int64_t numeroLinha) {
  return trechoValorLido(valor) + trechoLinhaNumero(linha, numeroLinha);
}

std::string textoInteiro(int64_t valor) { return boost::lexical_cast<std::string>(valor); }

std::string textoReal(double valor) { return boost::lexical_cast<std::string>(valor); }

std::string trechoSomaPesos(double soma) {
  return "\nEsperado: " + textoReal(0.995) + " <= soma <= " + textoReal(1.004) +
         "\nSoma calculada: " + (boost::format("%.6f", std::locale::classic()) % soma).str();
}

std::string textoDadosIncompletos(const std::string& faltando, int64_t diasAntes) {
  return "Conjunto de dados incompletos\nFaltando " + faltando + " (inicializacao - " +
         textoInteiro(diasAntes) + ")";
}

std::string textoCampo(const std::string& nome, const std::string& achado, const std::string& valor,
                       const std::string& linha, int64_t numeroLinha) {
  return "Valor do campo " + nome + achado + trechoValorLinhaNumero(valor, linha, numeroLinha);
}
