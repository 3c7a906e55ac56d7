#include "series/LeitorVazaoVerificada.h"

#include <algorithm>
#include <fstream>

#include "validation/comum/LeituraDatas.h"
#include "validation/comum/LeituraLinhas.h"
#include "validation/comum/Mensagens.h"
#include "validation/comum/RecusaTextoAposNulo.h"
#include "validation/comum/Texto.h"
#include "validation/comum/TextoNumerico.h"

namespace {

// Fields 1 to 5 end at the next "|", field 6 takes the rest; an empty field ends the cut, so it
// and every later field stay empty. A NUL byte is a byte of its field: a number holding one fails.
void cortarCampos(std::string_view linha, std::string_view (&campos)[6]) {
  for (std::string_view& campo : campos) campo = {};
  size_t inicio = 0;
  for (int i = 0; i < 6; ++i) {
    const size_t fim = i < 5 ? linha.find('|', inicio) : std::string_view::npos;
    campos[i] =
        linha.substr(inicio, fim == std::string_view::npos ? std::string_view::npos : fim - inicio);
    if (campos[i].empty() || fim == std::string_view::npos) return;
    inicio = fim + 1;
  }
}

}  // namespace

void LeitorVazaoVerificada::definirDataInicializacao(const std::string& data) {
  // short texts give short pieces, never a read past the end
  const auto parte = [&data](std::string::size_type inicio, std::string::size_type tamanho) {
    return inicio < data.size() ? data.substr(inicio, tamanho) : std::string();
  };
  dataInicializacao = parte(6, 4) + "/" + parte(3, 2) + "/" + parte(0, 2);
}

Resultado LeitorVazaoVerificada::validar() {
  Resultado resultado{"Validacao concluida com sucesso", codigoValido};
  numeroLinha = 1;
  diasLidos.assign(static_cast<size_t>(ultimoDiaCalendario - primeiroDiaCalendario + 1), false);
  menorRepetido = ultimoDiaCalendario + 1;  // none yet

  if (diaInicializacao <= 0 || dataInicializacao.empty()) {
    return {"Dias de inicializacao ou data inicializacao nao configurados", 105};
  }
  std::ifstream arquivo;
  // a file that is there but does not open is reported as not found, like a missing one
  const Resultado aberto =
      abrirArquivo(utilitarios, caminho, arquivo, {"Arquivo " + caminho + " nao encontrado", 197});
  if (!aberto.valido()) return aberto;
  std::string linha;
  std::string_view campos[6];
  const auto validarLinha = [&](const std::string&) {
    cortarCampos(linha, campos);
    for (int i = 1; i < 6; ++i) campos[i] = aparado(campos[i]);
    validarIdentificador(campos[0], resultado, linha);
    if (!resultado.valido()) return;
    validarOrigem(campos[1], resultado, linha);
    if (!resultado.valido()) return;
    validarPeriodicidade(campos[2], resultado, linha);
    if (!resultado.valido()) return;
    validarTipo(campos[3], resultado, linha);
    if (!resultado.valido()) return;
    validarDataHora(campos[4], resultado, linha);
    if (!resultado.valido()) return;
    registrarDia(numeroDataHora(campos[4]));  // both date forms give the same day
    validarVazao(campos[5], resultado, linha);
  };
  const Resultado corrompido{"Arquivo de configuracao corrompido: " + caminho, 3};
  try {
    lerLinhasDeDados(arquivo, resultado, linha, semLinhaAnterior, numeroLinha, validarLinha);
  } catch (const RecusaTextoAposNulo&) {  // raised with the stream still good
    return corrompido;
  } catch (const std::ios_base::failure&) {
    // a stream failure ends reading; only a read error gives up the lines read before it
    if (arquivo.bad()) return corrompido;
  }
  if (!resultado.valido()) return resultado;
  arquivo.close();

  validarJanela(resultado);
  if (!resultado.valido()) return resultado;
  if (menorRepetido <= ultimoDiaCalendario) {
    return {"Data repetida encontrada: " + textoAnoMesDia(menorRepetido), 196};
  }
  return resultado;
}

void LeitorVazaoVerificada::registrarDia(int64_t dia) {
  const auto posicao = static_cast<size_t>(dia - primeiroDiaCalendario);
  if (diasLidos[posicao]) menorRepetido = std::min(menorRepetido, dia);
  diasLidos[posicao] = true;
}

// The N = numeroKts + diaInicializacao - 3 days before the run date, earliest first.
void LeitorVazaoVerificada::validarJanela(Resultado& resultado) {
  const int64_t dias = static_cast<int64_t>(numeroKts) + diaInicializacao - 3;
  if (dias <= 0) return;
  if (!formaAnoMesDia(dataInicializacao) || !existeDataHora(dataInicializacao)) {
    resultado = {"Dias de inicializacao ou data inicializacao nao configurados", 105};
    return;
  }
  const int64_t rodada = numeroDataHora(dataInicializacao);
  const int64_t registros = numeroLinha - 1;
  for (int64_t k = dias; k >= 1; --k) {
    const int64_t dia = rodada - k;
    const bool antesDoCalendario = dia < primeiroDiaCalendario;  // never in the file
    if (!antesDoCalendario && diasLidos[static_cast<size_t>(dia - primeiroDiaCalendario)]) continue;
    if (numeroLinha < dias) {
      resultado = {"Quantidade de dados insuficiente\nNecessarios: " + textoInteiro(dias) +
                       "\nLidos: " + textoInteiro(registros),
                   196};
    } else if (antesDoCalendario) {
      resultado = {textoDadosIncompletos("datas anteriores a 1400-01-01", k), 196};
    } else {
      resultado = {textoDadosIncompletos("a data " + textoAnoMesDia(dia), k), 196};
    }
    return;
  }
}

void LeitorVazaoVerificada::validarIdentificador(std::string_view texto, Resultado& resultado,
                                                 const std::string& linha) {
  const std::string identificador(texto);
  if (identificador.empty()) {
    resultado = {"Valor de identificador nao informado." + trechoLinhaNumero(linha, numeroLinha),
                 104};
    return;
  }
  // any digit run that fits a double; one beyond its range is not numeric
  if (!ehInteiroSimples(identificador) || !converteReal(identificador)) {
    resultado = {"Valor de identificador nao numerico" +
                     trechoValorLinhaNumero(identificador, linha, numeroLinha),
                 103};
    return;
  }
  const double valor = lerReal(identificador);
  if (valor == 0.0) {  // "Identificador lido" where the value piece would be, written back
    resultado = {"Valor de identificador nulo\nIdentificador lido: " + textoReal(valor) +
                     trechoLinhaNumero(linha, numeroLinha),
                 101};
    return;
  }
  if (valor < 0.0) {
    resultado = {"Valor de identificador negativo" +
                     trechoValorLinhaNumero(textoReal(valor), linha, numeroLinha),
                 102};
  }
}

void LeitorVazaoVerificada::validarOrigem(std::string_view origem, Resultado& resultado,
                                          const std::string& linha) {
  if (origem.empty()) {
    resultado = {"Valor de origem da vazao nao informado." + trechoLinhaNumero(linha, numeroLinha),
                 104};
  }
}

void LeitorVazaoVerificada::validarPeriodicidade(std::string_view texto, Resultado& resultado,
                                                 const std::string& linha) {
  if (texto == "DI") return;
  const std::string periodicidade(texto);
  if (periodicidade.empty()) {
    resultado = {"Valor de periodicidade em branco." + trechoLinhaNumero(linha, numeroLinha), 104};
    return;
  }
  resultado = {"Valor de periodicidade incorreto. Esperado: DI" +
                   trechoValorLinhaNumero(periodicidade, linha, numeroLinha),
               105};
}

void LeitorVazaoVerificada::validarTipo(std::string_view texto, Resultado& resultado,
                                        const std::string& linha) {
  if (texto.size() == 3) return;  // bytes: an accented letter counts two
  const std::string tipo(texto);
  if (tipo.empty()) {
    resultado = {"Valor do tipo da vazao em branco." + trechoLinhaNumero(linha, numeroLinha), 104};
    return;
  }
  resultado = {
      "Valor de tipo da vazao incorreto" + trechoValorLinhaNumero(tipo, linha, numeroLinha), 105};
}

// "AAAA-MM-DD hh:mm:ss" or "AAAA/MM/DD hh:mm:ss" in digits, a day of the calendar (the date tests
// pin both checks to the patterns and to Boost.DateTime's parser), then the time's bounds.
void LeitorVazaoVerificada::validarDataHora(std::string_view texto, Resultado& resultado,
                                            const std::string& linha) {
  // the common form, decided without a copy
  if (formaDataHora(texto) && existeDataHora(texto) && valorDigitos(texto, 11, 2) <= 23 &&
      valorDigitos(texto, 14, 2) <= 59 && valorDigitos(texto, 17, 2) <= 59) {
    return;
  }
  const std::string dataHora(texto);
  if (!formaDataHora(dataHora)) {
    resultado = {std::string("Valor de data e hora no formato incorreto ou em branco\n") +
                     "Formato esperado: AAAA-MM-DD hh:mm:ss" +
                     trechoValorLinhaNumero(dataHora, linha, numeroLinha),
                 105};
    return;
  }
  if (!existeDataHora(dataHora)) {
    resultado = {
        "Data invalida ou nao existente" + trechoValorLinhaNumero(dataHora, linha, numeroLinha),
        105};
    return;
  }
  // two digits each, after the form
  const struct {
    std::string::size_type posicao;
    int64_t maximo;
    const char* achado;
  } partes[] = {
      {11, 23, "Valor de horas incorreto"},
      {14, 59, "Valor de minutos incorreto"},
      {17, 59, "Valor de segundos incorreto"},
  };
  for (const auto& parte : partes) {
    if (valorDigitos(dataHora, parte.posicao, 2) > parte.maximo) {
      resultado = {parte.achado + trechoValorLinhaNumero(dataHora.substr(parte.posicao, 2), linha,
                                                         numeroLinha),
                   105};
      return;
    }
  }
}

void LeitorVazaoVerificada::validarVazao(std::string_view texto, Resultado& resultado,
                                         const std::string& linha) {
  // a plain decimal without a minus sign is a reading not below zero
  if (ehRealSimples(texto) && texto[0] != '-') return;
  const std::string vazao(texto);
  if (vazao == "-") return;  // an absent reading
  if (vazao.empty()) {
    resultado = {"Valor de vazao nao informado." + trechoLinhaNumero(linha, numeroLinha), 104};
    return;
  }
  if (!converteReal(vazao)) {
    resultado = {"Valor de vazao nao numerico" + trechoValorLinhaNumero(vazao, linha, numeroLinha),
                 103};
    return;
  }
  const double valor = lerReal(vazao);
  if (valor < 0.0) {  // -0 is not below zero; nan passes
    resultado = {
        "Valor de vazao negativo" + trechoValorLinhaNumero(textoReal(valor), linha, numeroLinha),
        102};
  }
}
