#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Run-context record shared in place with the model library: its layout is the interface.
struct ContextoExecucao {
  ContextoExecucao();

  double reservado1;
  int32_t reservado2;
  int32_t reservado3;
  int32_t estado;
  std::string reservado4;
  int64_t reservado5;
  int64_t inicio;
  double reservado6;
  int32_t reservado7;
  int32_t reservado8;
  int32_t codigoRetorno;
  std::string diretorio;
  std::string reservado9;
  std::string reservado10;
  std::string reservado11;
  int32_t totalBacias;
  int32_t baciasProcessadas;
  int32_t modo;
  std::string mensagens;
};

// Run states the library reports through estado.
inline constexpr int32_t estadoAguardando = 600;
inline constexpr int32_t estadoCarregando = 700;
inline constexpr int32_t estadoProcessando = 200;
inline constexpr int32_t estadoSilencioso = 400;

// Threads read and write its shared fields through run/AcessoCompartilhado.h.

// Signature of the library's export. A plain C function is cdecl on 32-bit Windows: the one
// pointer goes on the stack and the caller removes it.
extern "C" {
typedef int32_t (*FuncaoExecutarZelKova)(ContextoExecucao*);
}

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(std::string) == 24, "the library's text is 24 bytes");
static_assert(sizeof(ContextoExecucao) == 216, "record size");
static_assert(alignof(ContextoExecucao) == 8, "record alignment");
static_assert(offsetof(ContextoExecucao, reservado1) == 0, "offset");
static_assert(offsetof(ContextoExecucao, reservado2) == 8, "offset");
static_assert(offsetof(ContextoExecucao, reservado3) == 12, "offset");
static_assert(offsetof(ContextoExecucao, estado) == 16, "offset");
static_assert(offsetof(ContextoExecucao, reservado4) == 20, "offset");
static_assert(offsetof(ContextoExecucao, reservado5) == 48, "offset");
static_assert(offsetof(ContextoExecucao, inicio) == 56, "offset");
static_assert(offsetof(ContextoExecucao, reservado6) == 64, "offset");
static_assert(offsetof(ContextoExecucao, reservado7) == 72, "offset");
static_assert(offsetof(ContextoExecucao, reservado8) == 76, "offset");
static_assert(offsetof(ContextoExecucao, codigoRetorno) == 80, "offset");
static_assert(offsetof(ContextoExecucao, diretorio) == 84, "offset");
static_assert(offsetof(ContextoExecucao, reservado9) == 108, "offset");
static_assert(offsetof(ContextoExecucao, reservado10) == 132, "offset");
static_assert(offsetof(ContextoExecucao, reservado11) == 156, "offset");
static_assert(offsetof(ContextoExecucao, totalBacias) == 180, "offset");
static_assert(offsetof(ContextoExecucao, baciasProcessadas) == 184, "offset");
static_assert(offsetof(ContextoExecucao, modo) == 188, "offset");
static_assert(offsetof(ContextoExecucao, mensagens) == 192, "offset");
#endif
