#include "validation/comum/LeitorLinhasEmBloco.h"

#include <cstring>

#include "platform/Plataforma.h"
#include "validation/comum/Texto.h"

LeitorLinhasEmBloco::LeitorLinhasEmBloco(std::istream& origem, size_t tamanhoBloco)
    : entrada(origem), bloco(tamanhoBloco > 0 ? tamanhoBloco : 1) {}

bool LeitorLinhasEmBloco::proxima(std::string_view& linha) {
  for (;;) {
    const char* const base = bloco.data();
    const void* const quebra = std::memchr(base + inicio, '\n', fim - inicio);
    if (quebra != nullptr) {
      const size_t posicao = static_cast<size_t>(static_cast<const char*>(quebra) - base);
      linha = std::string_view(base + inicio, posicao - inicio);
      inicio = posicao + 1;
      if (!plataforma::textoTraduzidoPeloSistema && !linha.empty() && linha.back() == '\r')
        linha.remove_suffix(1);
      return true;
    }
    if (terminado) {
      // the last line, without a line feed: a carriage return at its end stays, and an empty
      // one is no line, as with getline
      if (inicio == fim) return false;
      linha = std::string_view(base + inicio, fim - inicio);
      inicio = fim;
      return true;
    }
    encher();
  }
}

// Moves the unfinished line to the front and reads after it.
void LeitorLinhasEmBloco::encher() {
  if (inicio > 0) {
    std::memmove(bloco.data(), bloco.data() + inicio, fim - inicio);
    fim -= inicio;
    inicio = 0;
  }
  if (fim == bloco.size()) bloco.resize(bloco.size() * 2);
  entrada.read(bloco.data() + fim, static_cast<std::streamsize>(bloco.size() - fim));
  const size_t lidos = static_cast<size_t>(entrada.gcount());
  // a 0x1A ends the text as the end of the file would, the part of its line before it a line
  const void* const marca = plataforma::textoTraduzidoPeloSistema
                                ? nullptr
                                : std::memchr(bloco.data() + fim, fimDeTexto, lidos);
  if (marca != nullptr) {
    fim = static_cast<size_t>(static_cast<const char*>(marca) - bloco.data());
    terminado = true;
    return;
  }
  fim += lidos;
  if (!entrada) terminado = true;  // the end of the file: a hard error has raised already
}
