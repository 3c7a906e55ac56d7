#include "config/LeitorInicializacao.h"

#include <exception>

#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include "validation/comum/LeituraDatas.h"
#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/RestricoesSinal.h"
#include "validation/comum/Texto.h"

LeitorInicializacao::LeitorInicializacao()
    : regexDecimal("^\\-?[0-9]+\\.?[0-9]*$"), regexInteiro("^\\-?[0-9]+$") {}

Resultado LeitorInicializacao::validar() {
  indiceCampo = 0;
  diaInicializacao = 0;
  dataRodada.clear();
  diasPrevisao = 0;
  linha.clear();
  valorLido.clear();
  Resultado resultado{"Validacao inicializacao OK", codigoValido};
  std::ifstream arquivo;
  // a file that exists but cannot be opened reads as an empty one
  const Resultado aberto =
      abrirArquivo(utilitarios, caminho, arquivo,
                   {"Nao foi possivel abrir o arquivo " + caminho, 197}, ArquivoQueNaoAbre::vazio);
  if (!aberto.valido()) return aberto;
  try {
    if (textoTerminado(arquivo)) return {"Arquivo vazio", 196};
    lerCampos(arquivo, resultado);
  } catch (const std::exception&) {
    return {"Arquivo de inicializacao corrompido\nCaminho do arquivo: " + caminho, 197};
  }
  return resultado;
}

void LeitorInicializacao::lerCampos(std::ifstream& arquivo, Resultado& resultado) {
  const bool dataLida = lerCampo(arquivo, resultado, [&] {
    validarData(resultado, valorLido);
    if (resultado.valido()) dataRodada = valorLido;
  });
  if (!dataLida) return;

  const bool diaLido = lerCampo(arquivo, resultado, [&] {
    validarInteiro(resultado, valorLido, nomeCampoAtual(), somentePositivo);
    if (!resultado.valido()) return;
    diaInicializacao = boost::lexical_cast<int32_t>(valorLido);
    if (diaInicializacao <= 1) {  // this message has no value or line piece
      resultado = {"Valor do campo " + nomeCampoAtual() + " deve ser maior que 1", 105};
    }
  });
  if (!diaLido) return;

  const bool previsaoLida = lerCampo(arquivo, resultado, [&] {
    validarInteiro(resultado, valorLido, nomeCampoAtual(), somentePositivo);
    if (resultado.valido()) diasPrevisao = boost::lexical_cast<int32_t>(valorLido);
  });
  if (!previsaoLida) return;

  for (int campo = 4; campo <= 6; ++campo) {
    const bool lido = lerCampo(arquivo, resultado, [&] {
      validarReal(resultado, valorLido, nomeCampoAtual(), recusaNegativo);
      const double limiteTuin = 100;
      if (campo == 6 && resultado.valido() && boost::lexical_cast<double>(valorLido) > limiteTuin) {
        // "Valor lido" without its colon, and no line piece
        resultado = {
            "Valor de TUIN maior que " + textoReal(limiteTuin) + "\nValor lido " + valorLido, 105};
      }
    });
    if (!lido) return;
  }
}

bool LeitorInicializacao::lerCampo(std::ifstream& arquivo, Resultado& resultado,
                                   const std::function<void()>& validarValor) {
  if (arquivo.eof() || !lerLinha(arquivo, linha)) linha.clear();
  ++indiceCampo;
  julgarAteNulo(linha, linhaInteira, resultado, TextoAposNulo::recusado, [&] {
    // a missing line and a blank one name the field that was expected
    if (linha.empty()) {
      resultado = {"Campo " + nomeCampoAtual() + " nao informado", 196};
      return;
    }
    valorLido = valorAntesDoComentario(linha);
    boost::trim_right(valorLido);
    boost::trim_left(valorLido);
    validarValor();
  });
  return resultado.valido();
}

void LeitorInicializacao::validarData(Resultado& resultado, std::string valor) {
  if (!formaDiaMesAno(valor)) {
    resultado = {"Data em formato invalido. Formato esperado: dd/mm/aaaa" +
                     trechoValorLinhaNumero(valor, linha, indiceCampo),
                 105};
    return;
  }
  // the form leaves only the calendar to judge: day, month and year ranges, month lengths
  if (!existeDiaMesAno(valor)) {
    resultado = {
        "Data invalida ou nao existente" + trechoValorLinhaNumero(valor, linha, indiceCampo), 105};
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
  if ((restricoes & recusaNegativo) != 0 && numero < 0) {
    resultado = {textoCampo(nome, " negativo", valor, linha, indiceCampo), 105};
  } else if ((restricoes & recusaNulo) != 0 && numero == 0) {
    resultado = {textoCampo(nome, " nulo", valor, linha, indiceCampo), 105};
  }
}

// Name of the line just read.
std::string LeitorInicializacao::nomeCampoAtual() const { return nomesCampos[indiceCampo - 1]; }
