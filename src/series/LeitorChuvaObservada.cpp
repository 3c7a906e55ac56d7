#include "series/LeitorChuvaObservada.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include <boost/lexical_cast.hpp>

#include "validation/comum/LeituraDatas.h"
#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/Texto.h"
#include "validation/comum/TextoNumerico.h"

namespace {

// Text before the first space; with none, the first eight characters (tab-separated lines), or
// more where the identifier goes on past them. Trimmed as written: the case is the caller's.
std::string_view identificadorDaLinha(std::string_view linha) {
  const size_t espaco = linha.find(' ');
  return aparado(espaco != std::string_view::npos ? linha.substr(0, espaco)
                                                  : identificadorOitoColunas(linha));
}

// Whether minusculas(texto) equals esperado, without writing it.
bool mesmoEmMinusculas(std::string_view texto, const std::string& esperado) {
  if (texto.size() != esperado.size()) return false;
  for (size_t i = 0; i < texto.size(); ++i) {
    const char c = texto[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != esperado[i]) return false;
  }
  return true;
}

// A two-digit half of an hour: the digits' value, -1 when either is no digit.
int32_t valorDoisDigitos(std::string_view texto) {
  if (!ehDigito(texto[0]) || !ehDigito(texto[1])) return -1;
  return (texto[0] - '0') * 10 + (texto[1] - '0');
}

}  // namespace

Resultado LeitorChuvaObservada::validar() {
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  numeroLinha = 1;
  primeiroDia = 0;

  std::ifstream arquivo;
  // a file that is there but does not open is reported as not found, like a missing one
  const Resultado aberto = abrirArquivo(
      utilitarios, caminho, arquivo, {"Arquivo de configuracao nao encontrado: " + caminho, 197});
  if (!aberto.valido()) return aberto;
  std::string linha;
  const auto validarLinha = [&](const std::string& linhaAnterior) {
    // runs of non-blanks; a field the line lacks is empty, the rest of the line is ignored, but
    // in a line judged whole (a NUL hid text) the value takes it
    camposVarredura(linha, linha.find('\0') == std::string::npos ? 4 : 3, campos);
    validarIdentificador(identificadorDaLinha(linha), resultado, linha);
    if (!resultado.valido()) return;
    validarData(campos[1], resultado, linha);
    if (!resultado.valido()) return;
    validarOrdemCronologica(resultado, numeroDiaMesAno(campos[1]), linha, linhaAnterior);
    if (!resultado.valido()) return;
    validarHora(campos[2], resultado, linha);
    if (!resultado.valido()) return;
    validarPrecipitacao(campos[3], resultado, linha);
  };
  try {
    lerLinhasDeDados(arquivo, resultado, linha, marcadorPrimeiraLinha, numeroLinha, validarLinha);
  } catch (const std::ios_base::failure&) {
    return {"Arquivo de configuracao corrompido: " + caminho, 3};
  }
  if (!resultado.valido()) return resultado;
  arquivo.close();
  validarJanela(resultado);
  return resultado;
}

// Line n must carry the first line's date plus n - 1 days.
void LeitorChuvaObservada::validarOrdemCronologica(Resultado& resultado, int64_t dia,
                                                   const std::string& linha,
                                                   const std::string& linhaAnterior) {
  if (numeroLinha == 1) primeiroDia = dia;
  // a day past the calendar's last one is no line's day, so 31/12/9999 is followed by none
  if (dia != primeiroDia + numeroLinha - 1) {  // the previous line comes before the tail
    resultado = {"Dados fora de ordem cronologica\nUltima linha: " + linhaAnterior +
                     trechoLinhaNumero(linha, numeroLinha),
                 196};
  }
}

// The run date and the numeroKts + diaInicializacao - 1 days before it, earliest first. The days
// read run from primeiroDia, one per line.
void LeitorChuvaObservada::validarJanela(Resultado& resultado) {
  const int64_t ultimoDia = primeiroDia + numeroLinha - 2;
  const auto ausente = [&resultado](const std::string& aquecimento) {
    resultado = {"Data de aquecimento do modelo ausente: " + aquecimento, 196};
  };
  std::string aquecimento;
  try {
    aquecimento = utilitarios.somarDias(dataRodada, 0);
  } catch (const std::out_of_range&) {
    ausente(dataRodada);  // not a date: no line can carry it
    return;
  }
  const int64_t rodada = numeroDiaMesAno(aquecimento);
  if (rodada < primeiroDia || rodada > ultimoDia) {
    ausente(aquecimento);
    return;
  }
  const int64_t diasAntes = static_cast<int64_t>(numeroKts) + diaInicializacao - 1;
  if (diasAntes < 1) return;
  // every day from the earliest one of the window to the run date is read once that one is
  const int64_t inicio = rodada - diasAntes;
  if (inicio < primeiroDiaCalendario) {
    resultado = {textoDadosIncompletos("datas anteriores a 01/01/1400", diasAntes), 196};
  } else if (inicio < primeiroDia) {
    resultado = {textoDadosIncompletos("a data " + textoDiaMesAno(inicio), diasAntes), 196};
  }
}

void LeitorChuvaObservada::validarIdentificador(std::string_view texto, Resultado& resultado,
                                                const std::string& linha) {
  if (ehAlfanumerico(texto) && mesmoEmMinusculas(texto, identificadorEsperado)) return;
  const std::string identificador = minusculas(std::string(texto));
  // both: the identifier read stands where the value piece would
  if (!ehAlfanumerico(identificador)) {
    resultado = {
        "Identificador do posto com caracteres invalidos. Esperado identificador alfa "
        "numerico.\nIdentificador lido: " +
            identificador + trechoLinhaNumero(linha, numeroLinha),
        130};
    return;
  }
  if (identificador != identificadorEsperado) {
    resultado = {"Identificador do posto pluviometrico incorreto.\nIdentificador lido: " +
                     identificador + "\nIdentificador esperado: " + identificadorEsperado +
                     trechoLinhaNumero(linha, numeroLinha),
                 130};
  }
}

// "dd/mm/aaaa" in digits, a day of the calendar (the date tests pin both checks to the pattern
// and to Boost.DateTime's parser).
void LeitorChuvaObservada::validarData(std::string_view texto, Resultado& resultado,
                                       const std::string& linha) {
  if (formaDiaMesAno(texto) && existeDiaMesAno(texto)) return;
  const std::string data(texto);
  if (!formaDiaMesAno(data)) {
    resultado = {"Data em formato invalido. Formato esperado: dd/mm/aaaa" +
                     trechoValorLinhaNumero(data, linha, numeroLinha),
                 105};
    return;
  }
  resultado = {"Data invalida ou nao existente" + trechoValorLinhaNumero(data, linha, numeroLinha),
               105};
}

void LeitorChuvaObservada::validarHora(std::string_view texto, Resultado& resultado,
                                       const std::string& linha) {
  // two digits each: the common form, decided without converting
  if (texto.size() == 4) {
    const int32_t horas = valorDoisDigitos(texto.substr(0, 2));
    const int32_t minutos = valorDoisDigitos(texto.substr(2, 2));
    if (horas >= 0 && minutos >= 0 && horas <= 23 && minutos <= 59) return;
  }
  const std::string hora(texto);
  if (hora.empty()) {
    resultado = {"Valor de hora nao informado" + trechoLinhaNumero(linha, numeroLinha), 104};
    return;
  }
  if (hora.size() != 4) {
    resultado = {
        "Valor de hora invalido, esperado hhmm" + trechoValorLinhaNumero(hora, linha, numeroLinha),
        130};
    return;
  }
  // signed halves compared unsigned: -1 to -9 are above any bound
  const auto dentroDe = [this](const std::string& parte, uint32_t maximo) {
    return utilitarios.ehInteiro(parte) &&
           static_cast<uint32_t>(boost::lexical_cast<int32_t>(parte)) <= maximo;
  };
  if (!dentroDe(hora.substr(0, 2), 23) || !dentroDe(hora.substr(2, 2), 59)) {
    resultado = {"Valor de hora incorreto" + trechoValorLinhaNumero(hora, linha, numeroLinha), 105};
  }
}

void LeitorChuvaObservada::validarPrecipitacao(std::string_view texto, Resultado& resultado,
                                               const std::string& linha) {
  // a plain decimal without a minus sign is a reading not below zero
  if (ehRealSimples(texto) && texto[0] != '-') return;
  const std::string precipitacao(texto);
  if (precipitacao == "-") return;  // an absent reading
  if (precipitacao.empty()) {
    resultado = {"Valor de precipitacao nao informado" + trechoLinhaNumero(linha, numeroLinha),
                 104};
    return;
  }
  if (!converteReal(precipitacao)) {
    resultado = {"Valor de precipitacao nao numerico" +
                     trechoValorLinhaNumero(precipitacao, linha, numeroLinha),
                 103};
    return;
  }
  const double valor = lerReal(precipitacao);
  if (valor < 0.0) {
    resultado = {"Valor de precipitacao negativo" +
                     trechoValorLinhaNumero(textoReal(valor), linha, numeroLinha),
                 102};
  }
}
