#include "config/LeitorConfiguracao.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "platform/Plataforma.h"
#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/RestricoesSinal.h"
#include "validation/comum/Texto.h"

namespace {

// Key before the first '=', value up to the first apostrophe; a line without '=' is all key. In a
// line judged whole, a NUL byte in the key still ends the line: a key no check knows is never read,
// whatever follows it. One after the '=' stays in the value.
void separarChaveValor(const std::string& linha, std::string& chave, std::string& valor) {
  const std::string::size_type igual = linha.find('=');
  const std::string::size_type nulo = linha.find('\0');
  chave = linha.substr(0, std::min(igual, nulo));
  valor.clear();
  // an empty key stops the split before the value, as the scan would
  if (igual == std::string::npos || igual == 0 || nulo < igual) return;
  valor = valorAntesDoComentario(linha.substr(igual + 1));
}

}  // namespace

LeitorConfiguracao::LeitorConfiguracao() { ajustarValoresPadrao(true); }

void LeitorConfiguracao::ajustarValoresPadrao(bool limpar) {
  if (limpar) {
    padroes.clear();
    valoresObjetivo.clear();
    valoresLigaDesliga.clear();
    valoresArqPrev.clear();
  }
  padroes["amplitude"] = "0.5";
  padroes["alvo"] = "-2";
  padroes["iteracoes"] = "10000";
  padroes["particulas"] = "6";
  padroes["pulso"] = "0.1";
  padroes["constA"] = "0.1";
  padroes["constB"] = "10";
  padroes["objetivo"] = "mape";
  padroes["pesos"] = "off";
  padroes["graficos"] = "off";
  padroes["semente"] = "9952";
  padroes["arqPrev"] = "0";
  valoresObjetivo.insert(valoresObjetivo.end(), {"mape", "cef", "somacoef", "dm"});
  valoresLigaDesliga.insert(valoresLigaDesliga.end(), {"on", "off"});
  valoresArqPrev.insert(valoresArqPrev.end(), {"0", "1"});
}

Resultado LeitorConfiguracao::validar() {
  // one reader may serve several files: every run starts from the defaults
  ajustarValoresPadrao(true);
  arqPrev = false;
  numeroLinha = 1;
  const std::string arquivoConf = caminho + plataforma::separador + "zel.conf";
  Resultado resultado{"Validacao zel.conf OK", codigoValido};
  std::ifstream arquivo;
  // a file that exists but cannot be opened fails: it would pass as one with every default
  const Resultado aberto = abrirArquivo(utilitarios, arquivoConf, arquivo,
                                        {"Nao foi possivel abrir o arquivo " + arquivoConf, 197});
  if (!aberto.valido()) return aberto;
  try {
    lerLinhas(arquivo, resultado);
  } catch (const std::exception&) {
    return {"Arquivo zel.conf corrompido\nCaminho do arquivo: " + arquivoConf, 197};
  }
  if (!resultado.valido() || padroes.empty()) return resultado;

  std::string aviso = "Campos ajustados com valor padrao (entre parentesis):\n";
  for (const auto& [chave, padrao] : padroes) aviso += chave + " (" + padrao + ")\n";
  return {aviso, 150};
}

void LeitorConfiguracao::lerLinhas(std::istream& arquivo, Resultado& resultado) {
  std::string linha;
  std::string inteira;
  std::string chave;
  std::string valor;
  for (; lerLinha(arquivo, linha); ++numeroLinha) {
    // a line whose key, cut at its NUL, is no key is not read, whatever the NUL hides
    julgarAteNulo(linha, inteira, resultado, TextoAposNulo::decididoPeloLeitor, [&] {
      if (linha.empty()) return;
      separarChaveValor(linha, chave, valor);
      boost::trim(chave);
      boost::trim(valor);
      validarCampo(resultado, chave, minusculas(valor));
    });
    if (!resultado.valido()) return;
  }
}

void LeitorConfiguracao::validarCampo(Resultado& resultado, std::string chave, std::string valor) {
  if (chave == "amplitude") {
    validarAmplitude(resultado, chave, valor);
  } else if (chave == "alvo") {
    validarReal(resultado, chave, valor, semRestricaoSinal);
  } else if (chave == "iteracoes" || chave == "particulas") {
    validarInteiro(resultado, chave, valor, somentePositivo);
  } else if (chave == "pulso") {
    validarReal(resultado, chave, valor, somentePositivo);
  } else if (chave == "constA" || chave == "constB") {
    validarReal(resultado, chave, valor, recusaNegativo);
  } else if (chave == "objetivo") {
    validarValorPermitido(resultado, chave, valor, valoresObjetivo);
  } else if (chave == "pesos" || chave == "graficos") {
    validarValorPermitido(resultado, chave, valor, valoresLigaDesliga);
  } else if (chave == "semente") {
    validarInteiro(resultado, chave, valor, somentePositivo);
  } else if (chave == "arqPrev") {
    validarValorPermitido(resultado, chave, valor, valoresArqPrev);
    arqPrev = valor == "1";
  } else {
    return;
  }
  padroes.erase(chave);
}

void LeitorConfiguracao::validarValorPermitido(Resultado& resultado, std::string chave,
                                               std::string valor,
                                               std::vector<std::string> valoresPermitidos) {
  for (const std::string& permitido : valoresPermitidos) {
    if (valor == permitido) return;
  }
  std::string mensagem =
      "Valor invalido para " + chave + trechoValorLido(valor) + "\nValores permitidos:";
  for (const std::string& permitido : valoresPermitidos) mensagem += " " + permitido;
  resultado = {mensagem + trechoNumeroLinha(numeroLinha), 105};
}

void LeitorConfiguracao::validarInteiro(Resultado& resultado, std::string chave, std::string valor,
                                        int restricoes) {
  if (!utilitarios.ehInteiro(valor)) {
    // any comma counts as a decimal separator here
    resultado = {mensagemNaoNumerico(chave, valor, valor.find(',') != std::string::npos), 103};
    return;
  }
  // this zero message has no value piece
  validarSinal(resultado, chave, valor, restricoes, boost::lexical_cast<int32_t>(valor), false);
}

void LeitorConfiguracao::validarReal(Resultado& resultado, std::string chave, std::string valor,
                                     int restricoes) {
  if (!utilitarios.ehReal(valor)) {
    resultado = {mensagemNaoNumerico(chave, valor, separadorDecimal(valor)), 105};
    return;
  }
  validarSinal(resultado, chave, valor, restricoes, boost::lexical_cast<double>(valor), true);
}

// Sign tests of a converted number; -0 is zero.
void LeitorConfiguracao::validarSinal(Resultado& resultado, const std::string& chave,
                                      const std::string& valor, int restricoes, double numero,
                                      bool valorNoNulo) {
  if (numero < 0 && (restricoes & recusaNegativo) != 0) {
    resultado = {
        "Valor de " + chave + " negativo" + trechoValorLido(valor) + trechoNumeroLinha(numeroLinha),
        102};
  } else if (numero == 0 && (restricoes & recusaNulo) != 0) {
    resultado = {"Valor de " + chave + " nulo" + (valorNoNulo ? trechoValorLido(valor) : "") +
                     trechoNumeroLinha(numeroLinha),
                 101};
  }
}

void LeitorConfiguracao::validarAmplitude(Resultado& resultado, const std::string& chave,
                                          const std::string& valor) {
  if (!utilitarios.ehReal(valor)) {
    resultado = {mensagemNaoNumerico(chave, valor, separadorDecimal(valor)), 105};
    return;
  }
  const double numero = boost::lexical_cast<double>(valor);
  if (numero <= 0 || numero >= 1) {  // NaN compares false both ways and passes
    resultado = {"Valor de " + chave + " fora do intervalo permitido" + trechoValorLido(valor) +
                     "\nInteravalo permitido: 0 < " + chave + " < 1" +
                     trechoNumeroLinha(numeroLinha),
                 105};
  }
}

// A comma between two integers: a real written with a decimal comma.
bool LeitorConfiguracao::separadorDecimal(const std::string& valor) {
  const std::string::size_type virgula = valor.find(',');
  return virgula != std::string::npos && utilitarios.ehInteiro(valor.substr(0, virgula)) &&
         utilitarios.ehInteiro(valor.substr(virgula + 1));
}

std::string LeitorConfiguracao::mensagemNaoNumerico(const std::string& chave,
                                                    const std::string& valor, bool separador) {
  const std::string achado = separador ? "Utilizado separador \",\" para o campo " + chave
                                       : "Valor de " + chave + " nao numerico";
  return achado + trechoValorLido(valor) + trechoNumeroLinha(numeroLinha);
}
