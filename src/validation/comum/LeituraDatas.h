#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one calendar of the program: date forms and checks, day numbers, date texts.

// Calendar arithmetic by day numbers: days since 01/01/1970, negative before it, on the
// proleptic gregorian calendar. The readers and the driver compare and step through days with
// these numbers and write a date text only into a message or a file name.
//
// Both directions are Howard Hinnant's days_from_civil and civil_from_days. Years are counted from
// March, so that the leap day ends the year; (153 * m + 2) / 5 is the day month m (0 for March)
// starts on (153 days in March to July); an era of 400 years has 146097 days; 719468 is the number
// of 0000-03-01, an era's first day, counted back from 1970-01-01. Going back, the leap days come
// off before dividing by 365: one per 1460 days (4 * 365), none per 36524 (a century), one more at
// 146096 (an era's last day).
constexpr int64_t numeroDoDia(int64_t ano, int64_t mes, int64_t dia) {
  const int64_t anoDeMarco = mes <= 2 ? ano - 1 : ano;
  const int64_t era = (anoDeMarco >= 0 ? anoDeMarco : anoDeMarco - 399) / 400;
  const int64_t anoDaEra = anoDeMarco - era * 400;
  const int64_t diaDoAno = (153 * (mes > 2 ? mes - 3 : mes + 9) + 2) / 5 + dia - 1;
  const int64_t diaDaEra = anoDaEra * 365 + anoDaEra / 4 - anoDaEra / 100 + diaDoAno;
  return era * 146097 + diaDaEra - 719468;
}

// The calendar's first and last years and days, those of Boost.DateTime.
inline constexpr int64_t primeiroAnoCalendario = 1400;
inline constexpr int64_t ultimoAnoCalendario = 9999;
inline constexpr int64_t primeiroDiaCalendario = numeroDoDia(primeiroAnoCalendario, 1, 1);
inline constexpr int64_t ultimoDiaCalendario = numeroDoDia(ultimoAnoCalendario, 12, 31);

// Whether these numbers are a date of the calendar (Boost.DateTime's answer): a year of it, month
// 1 to 12, day 1 to the month's last (29/02 in years divisible by 4, but by 100 only when by 400).
bool existeNoCalendario(int64_t ano, int64_t mes, int64_t dia);

// "dd/mm/aaaa", as somarDias writes a date; "aaaa-mm-dd", the ISO extended form.
std::string textoDiaMesAno(int64_t numeroDia);
std::string textoAnoMesDia(int64_t numeroDia);

// "ddmm" and the year minus 2000, two digits at least ("0101100", "1506-1"), as the forecast files
// are named.
std::string textoCompacto(int64_t numeroDia);

// The day number of such a text, read back: "ddmm", then the year minus 2000 in one to six digits,
// after a "-" when negative; false for any other text and for one of no calendar date.
bool numeroDiaCompacto(std::string_view texto, int64_t& numero);

// Value of `quantidade` characters from `inicio`, all of them already known to be digits.
int64_t valorDigitos(std::string_view texto, size_t inicio, size_t quantidade);

// Whole-text match of "[0-9]{2}\/[0-9]{2}\/[0-9]{4}": day, month and year at 0, 3 and 6.
bool formaDiaMesAno(std::string_view texto);

// For a text of that form: whether it is a date of the calendar, and its day number.
bool existeDiaMesAno(std::string_view texto);
int64_t numeroDiaMesAno(std::string_view texto);

// Whole-text match of "AAAA-MM-DD hh:mm:ss" or "AAAA/MM/DD hh:mm:ss", digits where the letters are
// (one "-" and one "/" fail): year, month and day at 0, 5 and 8, the time at 11, 14 and 17.
bool formaDataHora(std::string_view texto);

// Whole-text match of "AAAA/MM/DD", digits where the letters are.
bool formaAnoMesDia(std::string_view texto);

// For a text of either form: whether its date part is a date of the calendar, and its day number.
bool existeDataHora(std::string_view texto);
int64_t numeroDataHora(std::string_view texto);
