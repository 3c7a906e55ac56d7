#include "validation/comum/LeituraDatas.h"

#include "validation/comum/Texto.h"

static_assert(numeroDoDia(1970, 1, 1) == 0 && numeroDoDia(2000, 3, 1) == 11017);

bool existeNoCalendario(int64_t ano, int64_t mes, int64_t dia) {
  if (ano < primeiroAnoCalendario || ano > ultimoAnoCalendario || mes < 1 || mes > 12 || dia < 1)
    return false;
  static const int64_t diasNoMes[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool bissexto = ano % 4 == 0 && (ano % 100 != 0 || ano % 400 == 0);
  return dia <= diasNoMes[mes - 1] + (mes == 2 && bissexto ? 1 : 0);
}

namespace {

struct DataCivil {
  int64_t ano;
  int64_t mes;
  int64_t dia;
};

// The inverse of numeroDoDia (see there for the constants).
DataCivil dataDoNumero(int64_t numeroDia) {
  const int64_t deslocado = numeroDia + 719468;
  const int64_t era = (deslocado >= 0 ? deslocado : deslocado - 146096) / 146097;
  const int64_t diaDaEra = deslocado - era * 146097;
  const int64_t anoDaEra =
      (diaDaEra - diaDaEra / 1460 + diaDaEra / 36524 - diaDaEra / 146096) / 365;
  const int64_t diaDoAno = diaDaEra - (365 * anoDaEra + anoDaEra / 4 - anoDaEra / 100);
  const int64_t mesDeMarco = (5 * diaDoAno + 2) / 153;
  const int64_t mes = mesDeMarco < 10 ? mesDeMarco + 3 : mesDeMarco - 9;
  return {anoDaEra + era * 400 + (mes <= 2 ? 1 : 0), mes,
          diaDoAno - (153 * mesDeMarco + 2) / 5 + 1};
}

std::string doisDigitos(int64_t valor) {
  return {static_cast<char>('0' + valor / 10), static_cast<char>('0' + valor % 10)};
}

// Whether the text has exactly `molde`'s length, a digit where it has '9' and its other
// characters where it has them.
bool seguemMolde(std::string_view texto, std::string_view molde) {
  if (texto.size() != molde.size()) return false;
  for (size_t i = 0; i < molde.size(); ++i) {
    if (molde[i] == '9' ? !ehDigito(texto[i]) : texto[i] != molde[i]) return false;
  }
  return true;
}

}  // namespace

std::string textoDiaMesAno(int64_t numeroDia) {
  const DataCivil data = dataDoNumero(numeroDia);
  return doisDigitos(data.dia) + "/" + doisDigitos(data.mes) + "/" + std::to_string(data.ano);
}

std::string textoAnoMesDia(int64_t numeroDia) {
  const DataCivil data = dataDoNumero(numeroDia);
  return std::to_string(data.ano) + "-" + doisDigitos(data.mes) + "-" + doisDigitos(data.dia);
}

std::string textoCompacto(int64_t numeroDia) {
  const DataCivil data = dataDoNumero(numeroDia);
  const int64_t ano = data.ano - 2000;
  return doisDigitos(data.dia) + doisDigitos(data.mes) +
         (ano >= 0 && ano <= 9 ? doisDigitos(ano) : std::to_string(ano));
}

bool numeroDiaCompacto(std::string_view texto, int64_t& numero) {
  const auto digitos = [&texto](size_t inicio, size_t fim) {
    if (inicio >= fim || fim - inicio > 6) return false;
    for (size_t i = inicio; i < fim; ++i) {
      if (!ehDigito(texto[i])) return false;
    }
    return true;
  };
  const size_t inicioAno = texto.size() > 4 && texto[4] == '-' ? 5 : 4;
  if (texto.size() < 5 || !digitos(0, 4) || !digitos(inicioAno, texto.size())) return false;
  const int64_t dia = valorDigitos(texto, 0, 2);
  const int64_t mes = valorDigitos(texto, 2, 2);
  const int64_t anos = valorDigitos(texto, inicioAno, texto.size() - inicioAno);
  const int64_t ano = inicioAno == 5 ? 2000 - anos : 2000 + anos;
  if (!existeNoCalendario(ano, mes, dia)) return false;
  numero = numeroDoDia(ano, mes, dia);
  return true;
}

int64_t valorDigitos(std::string_view texto, size_t inicio, size_t quantidade) {
  int64_t valor = 0;
  for (size_t i = inicio; i < inicio + quantidade; ++i) valor = valor * 10 + (texto[i] - '0');
  return valor;
}

bool formaDiaMesAno(std::string_view texto) { return seguemMolde(texto, "99/99/9999"); }

bool formaDataHora(std::string_view texto) {
  return seguemMolde(texto, "9999-99-99 99:99:99") || seguemMolde(texto, "9999/99/99 99:99:99");
}

bool formaAnoMesDia(std::string_view texto) { return seguemMolde(texto, "9999/99/99"); }

bool existeDiaMesAno(std::string_view texto) {
  return existeNoCalendario(valorDigitos(texto, 6, 4), valorDigitos(texto, 3, 2),
                            valorDigitos(texto, 0, 2));
}

int64_t numeroDiaMesAno(std::string_view texto) {
  return numeroDoDia(valorDigitos(texto, 6, 4), valorDigitos(texto, 3, 2),
                     valorDigitos(texto, 0, 2));
}

bool existeDataHora(std::string_view texto) {
  return existeNoCalendario(valorDigitos(texto, 0, 4), valorDigitos(texto, 5, 2),
                            valorDigitos(texto, 8, 2));
}

int64_t numeroDataHora(std::string_view texto) {
  return numeroDoDia(valorDigitos(texto, 0, 4), valorDigitos(texto, 5, 2),
                     valorDigitos(texto, 8, 2));
}
