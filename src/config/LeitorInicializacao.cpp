#include "config/LeitorInicializacao.h"

#include <exception>
#include <stdexcept>

#include <boost/algorithm/string/trim.hpp>
#include <boost/date_time/gregorian/gregorian.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/Mensagens.h"
#include "validation/comum/Texto.h"

LeitorInicializacao::LeitorInicializacao()
    : regexDecimal("^\\-?[0-9]+\\.?[0-9]*$"),
      regexInteiro("^\\-?[0-9]+$"),
      regexData("^[0-9]{2}\\/[0-9]{2}\\/[0-9]{4}$") {}

Resultado LeitorInicializacao::validar() {
  indiceCampo = 0;
  diaInicializacao = 0;
  dataRodada.clear();
  diasPrevisao = 0;
  linha.clear();
  valor.clear();
  Resultado resultado{"Validacao inicializacao OK", 100};
  if (!utilitarios.arquivoExiste(caminho)) {
    return {"Nao foi possivel abrir o arquivo " + caminho, 197};
  }
  std::ifstream arquivo;
  try {
    arquivo.exceptions(std::ios::badbit);
    arquivo.open(caminho);
    // a file that exists but cannot be opened ends here too
    if (textoTerminado(arquivo)) return {"Arquivo vazio", 196};
    lerCampos(arquivo, resultado);
  } catch (const std::exception&) {
    return {"Arquivo de inicializacao corrompido\nCaminho do arquivo: " + caminho, 197};
  }
  return resultado;
}

void LeitorInicializacao::lerCampos(std::ifstream& arquivo, Resultado& resultado) {
  if (!lerProximoCampo(arquivo, resultado)) return;
  validarData(resultado, valor);
  if (resultado.codigo != 100) return;
  dataRodada = valor;

  if (!lerProximoCampo(arquivo, resultado)) return;
  validarInteiro(resultado, valor, nomeCampoAtual(), 3);
  if (resultado.codigo != 100) return;
  diaInicializacao = boost::lexical_cast<int32_t>(valor);
  if (diaInicializacao <= 1) {
    resultado = {"Valor do campo " + nomeCampoAtual() + " deve ser maior que 1", 105};
    return;
  }

  if (!lerProximoCampo(arquivo, resultado)) return;
  validarInteiro(resultado, valor, nomeCampoAtual(), 3);
  if (resultado.codigo != 100) return;
  diasPrevisao = boost::lexical_cast<int32_t>(valor);

  for (int campo = 4; campo <= 6; ++campo) {
    if (!lerProximoCampo(arquivo, resultado)) return;
    validarReal(resultado, valor, nomeCampoAtual(), 1);
    if (resultado.codigo != 100) return;
  }
  const double limiteTuin = 100;
  if (boost::lexical_cast<double>(valor) > limiteTuin) {
    resultado = {"Valor de TUIN maior que " + textoReal(limiteTuin) + "\nValor lido " + valor, 105};
  }
}

bool LeitorInicializacao::lerProximoCampo(std::ifstream& arquivo, Resultado& resultado) {
  // a missing line and a blank one name the field that was expected next
  if (arquivo.eof() || !lerLinha(arquivo, linha) || linha.empty()) {
    resultado = {"Campo " + nomesCampos[indiceCampo] + " nao informado", 196};
    return false;
  }
  valor = valorAntesDoComentario(linha);
  boost::trim_right(valor);
  boost::trim_left(valor);
  ++indiceCampo;
  return true;
}

void LeitorInicializacao::validarData(Resultado& resultado, std::string valor) {
  if (!boost::regex_match(valor, regexData)) {
    resultado = {"Data em formato invalido. Formato esperado: dd/mm/aaaa" + trechoValorLido(valor) +
                     trechoLinha(linha) + trechoNumeroLinha(indiceCampo),
                 105};
    return;
  }
  // the pattern leaves only the calendar to judge: day, month and year ranges, month lengths
  try {
    const boost::gregorian::date data(static_cast<unsigned short>(std::stoi(valor.substr(6, 4))),
                                      static_cast<unsigned short>(std::stoi(valor.substr(3, 2))),
                                      static_cast<unsigned short>(std::stoi(valor.substr(0, 2))));
    static_cast<void>(data);
  } catch (const std::out_of_range&) {
    resultado = {"Data invalida ou nao existente" + trechoValorLido(valor) + trechoLinha(linha) +
                     trechoNumeroLinha(indiceCampo),
                 105};
  }
}

void LeitorInicializacao::validarInteiro(Resultado& resultado, std::string valor, std::string nome,
                                         int restricoes) {
  if (valor.empty()) {
    resultado = {"Configuracao do campo " + nome + ": linha vazia" + trechoNumeroLinha(indiceCampo),
                 196};
    return;
  }
  if (!utilitarios.ehInteiro(valor) || !boost::regex_match(valor, regexInteiro)) {
    resultado = {textoCampo(nome, " nao numerico", valor, linha, indiceCampo), 105};
    return;
  }
  validarRestricoes(resultado, valor, nome, restricoes, boost::lexical_cast<int32_t>(valor));
}

void LeitorInicializacao::validarReal(Resultado& resultado, std::string valor, std::string nome,
                                      int restricoes) {
  if (!utilitarios.ehReal(valor) || !boost::regex_match(valor, regexDecimal)) {
    resultado = {textoCampo(nome, " nao numerico", valor, linha, indiceCampo), 105};
    return;
  }
  validarRestricoes(resultado, valor, nome, restricoes, boost::lexical_cast<double>(valor));
}

// Sign tests of a value already known to be a number; -0 is not negative.
void LeitorInicializacao::validarRestricoes(Resultado& resultado, const std::string& valor,
                                            const std::string& nome, int restricoes,
                                            double numero) {
  if ((restricoes & 1) != 0 && numero < 0) {
    resultado = {textoCampo(nome, " negativo", valor, linha, indiceCampo), 105};
  } else if ((restricoes & 2) != 0 && numero == 0) {
    resultado = {textoCampo(nome, " nulo", valor, linha, indiceCampo), 105};
  }
}

// Name of the line just read.
std::string LeitorInicializacao::nomeCampoAtual() const { return nomesCampos[indiceCampo - 1]; }
