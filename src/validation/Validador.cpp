#include "validation/Validador.h"

#include "platform/Plataforma.h"
#include "validation/ConfiguracaoModo.h"
#include "validation/LeitorCaso.h"
#include "validation/comum/Mensagens.h"

Validador::Validador() = default;

std::string Validador::caminhoEntrada(const std::string& nomeArquivo) const {
  return diretorio + plataforma::separador + "Arq_Entrada" + plataforma::separador + nomeArquivo;
}

bool Validador::relatarFalha(const std::string& falha) {
  if (ultimoResultado.codigo == 100) return false;
  relatorio += falha + ultimoResultado.mensagem;
  return true;
}

void Validador::ajustarParametros(std::string novoDiretorio, int32_t novoModo) {
  if (novoModo == -10000 || novoModo == -30000) {
    diretorio = novoDiretorio;
    codigo = 200;
    modo = novoModo;
    return;
  }
  relatorio = "Modo de execucao da aplicacao desconhecido. Lido: " + textoInteiro(novoModo);
  codigo = 202;
}

int32_t Validador::validar() {
  if (codigo != 200) {
    relatorio = "Parametros do validador nao foram ajustados corretamente\nValidacao abortada";
    return 202;
  }
  using Passo = int32_t (Validador::*)();
  const Passo passos[] = {
      &Validador::validarArquivoConfiguracao,
      &Validador::validarArquivoCaso,
      &Validador::validarArquivosInicializacao,
      &Validador::validarArquivosParametros,
      &Validador::validarArquivoModelosPrecipitacao,
      &Validador::validarArquivosPontosGrade,
      nullptr,  // forecast precipitation, in the layout zel.conf chose
      &Validador::validarArquivosEvapotranspiracao,
      &Validador::validarArquivosConfiguracaoPostos,
      &Validador::validarArquivosPostosPluviometricos,
      &Validador::validarArquivosVazaoVerificada,
  };
  for (const Passo passo : passos) {
    codigo = passo != nullptr ? (this->*passo)() : validarPrecipitacaoPrevista(modeloNovo);
    if (codigo != 200) return 203;
  }
  return 200;
}

int32_t Validador::obterCodigoResultado() { return ultimoResultado.codigo; }

std::string Validador::obterMensagemResultado() { return ultimoResultado.mensagem; }

int32_t Validador::validarEstruturaDiretorios() {
  relatorio += "Realizando validacao da estrutura de diretorios\n";
  ConfiguracaoModo configuracao;
  configuracao.diretorio = diretorio;
  ultimoResultado =
      modo == -30000 ? configuracao.validarModoServico() : configuracao.validarModoDesktop();
  if (ultimoResultado.codigo == 100) {
    relatorio += "Estrutura de diretorios OK\n";
    codigo = 200;
    return 200;
  }
  relatorio += ultimoResultado.mensagem;
  codigo = 203;
  return 203;
}

int32_t Validador::validarPrecipitacaoPrevista(bool novo) {
  return novo ? validarPrecipitacaoPrevistaModeloNovo() : validarPrecipitacaoPrevistaModeloAntigo();
}

int32_t Validador::validarArquivoCaso() {
  LeitorCaso leitor;
  leitor.caminho = caminhoEntrada("caso.txt");
  ultimoResultado = leitor.validar();
  relatorio += std::string("Realizando validacao do arquivo ") + "caso.txt" + "\n";
  if (relatarFalha("")) return 203;
  subBacias = leitor.subBacias;
  for (const std::string& nome : subBacias) dadosSubBacias[nome] = DadosSubBacia();
  relatorio += std::string("Arquivo ") + "caso.txt" + " OK\n";
  return 200;
}
