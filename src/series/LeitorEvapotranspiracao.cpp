#include "series/LeitorEvapotranspiracao.h"

#include <fstream>
#include <vector>

#include <boost/format.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/Texto.h"

Resultado LeitorEvapotranspiracao::validar() {
  numeroLinha = 1;
  linha.clear();
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  std::ifstream arquivo;
  // a file that is there but does not open is reported as not found, like a missing one
  if (!abrirArquivo(utilitarios, caminho, arquivo)) {
    return {"Arquivo de configuracao nao encontrado: " + caminho, 197};
  }
  try {
    lerLinhas(arquivo, resultado);
  } catch (const std::ios_base::failure&) {
    resultado = {"Arquivo de configuracao corrompido: " + caminho, 3};
  }
  return resultado;
}

void LeitorEvapotranspiracao::lerLinhas(std::istream& arquivo, Resultado& resultado) {
  std::string linhaAnterior = semLinhaAnterior;
  while (lerLinha(arquivo, linha)) {
    // a blank line takes no number and is judged by the next non-blank one
    if (linha.empty()) {
      linhaAnterior.clear();
      continue;
    }
    if (linhaAnterior.empty()) {
      resultado = {"Linha em branco encontrada no arquivo" + trechoNumeroLinha(numeroLinha), 196};
      return;
    }
    if (linha[0] == ' ') {
      resultado = {
          "Espaco em branco encontrado no inicio da linha" + trechoLinhaNumero(linha, numeroLinha),
          105};
      return;
    }
    // anywhere, not only at the start; the line sits inside the finding
    if (linha.find('\t') != std::string::npos) {
      resultado = {"Tabulacao encontrada na linha: " + linha + trechoNumeroLinha(numeroLinha), 105};
      return;
    }
    const std::vector<std::string> campos = camposVarredura(linha, 1);
    validarMes(resultado, campos[0]);
    if (!resultado.valido()) return;
    validarEvapotranspiracao(resultado, campos[1]);
    if (!resultado.valido()) return;
    linhaAnterior = linha;
    ++numeroLinha;
  }
}

void LeitorEvapotranspiracao::validarMes(Resultado& resultado, std::string mes) {
  if (!utilitarios.ehInteiro(mes)) {
    const char* achado = utilitarios.ehReal(mes) ? " decimal (inteiro esperado)" : " nao numerico";
    resultado = {textoCampo("mes", achado, mes, linha, numeroLinha), 105};
    return;
  }
  const int32_t numeroMes = boost::lexical_cast<int32_t>(mes);
  if (numeroMes < 1 || numeroMes > 12) {
    resultado = {"Valor do mes invalido." + trechoValorLinhaNumero(mes, linha, numeroLinha), 105};
    return;
  }
  if (numeroMes != numeroLinha) {  // the expected month comes before the value
    resultado = {"Valor do mes nao sequencial\nValor esperado: " +
                     (boost::format("%02d") % numeroLinha).str() +
                     trechoValorLinhaNumero(mes, linha, numeroLinha),
                 196};
  }
}

void LeitorEvapotranspiracao::validarEvapotranspiracao(Resultado& resultado, std::string valor) {
  if (!utilitarios.ehReal(valor)) {
    resultado = {textoCampo("evapotranspiracao", " nao numerico", valor, linha, numeroLinha), 105};
    return;
  }
  // nan is not below zero and passes
  if (boost::lexical_cast<double>(valor) < 0.0) {
    resultado = {textoCampo("evapotranspiracao", " negativo", valor, linha, numeroLinha), 105};
  }
}
