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
  const Resultado aberto = abrirArquivo(
      utilitarios, caminho, arquivo, {"Arquivo de configuracao nao encontrado: " + caminho, 197});
  if (!aberto.valido()) return aberto;
  try {
    lerLinhas(arquivo, resultado);
  } catch (const std::ios_base::failure&) {
    resultado = {"Arquivo de configuracao corrompido: " + caminho, 3};
  }
  return resultado;
}

// The shared line rules, with a tab refused anywhere in the line, not only at its start.
void LeitorEvapotranspiracao::lerLinhas(std::istream& arquivo, Resultado& resultado) {
  const auto validarLinha = [&](const std::string&) {
    // the line sits inside the finding, as in the shared one for a leading tab
    if (textoAteNulo(linha).find('\t') != std::string_view::npos) {
      resultado = {"Tabulacao encontrada na linha: " + linha + trechoNumeroLinha(numeroLinha), 105};
      return;
    }
    const std::vector<std::string> campos = camposVarredura(linha, 1);
    validarMes(resultado, campos[0]);
    if (!resultado.valido()) return;
    validarEvapotranspiracao(resultado, campos[1]);
  };
  lerLinhasDeDados(arquivo, resultado, linha, semLinhaAnterior, numeroLinha, validarLinha);
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
