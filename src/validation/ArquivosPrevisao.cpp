#include "validation/ArquivosPrevisao.h"

#include <utility>

std::string radicalModelo(const std::string& modelo) {
  const size_t primeiro = modelo.find('_');
  if (primeiro == std::string::npos) return modelo;
  const std::string inicio = modelo.substr(0, primeiro);
  if (inicio != "precmedia" && inicio != "preczerada") return inicio;
  const size_t segundo = modelo.find('_', primeiro + 1);
  return modelo.substr(0, segundo);
}

ArquivosPrevisao::ArquivosPrevisao(const std::vector<std::string>& bacias, const Grades& grades,
                                   bool novo)
    : subBacias(bacias), coordenadasGrade(grades), modeloNovo(novo) {}

Resultado ArquivosPrevisao::validar(const std::string& modelo, const std::string& caminho,
                                    const Presencas*& presentes) {
  presentes = nullptr;
  Modelo& dados = dadosModelo(modelo);
  const auto lido = dados.arquivos.find(caminho);
  if (lido != dados.arquivos.end()) {
    presentes = &lido->second.presentes;
    return lido->second.resultado;
  }
  leitor.caminho = caminho;
  leitor.modeloNovo = modeloNovo;
  leitor.indice = &dados.indice;
  const Resultado resultado = leitor.validar();
  // a failing file ends the step: only passing files are kept
  if (!resultado.valido()) return resultado;
  Arquivo& arquivo = dados.arquivos[caminho];
  arquivo.resultado = resultado;
  arquivo.presentes = std::move(leitor.presentes);
  presentes = &arquivo.presentes;
  return resultado;
}

const std::string* ArquivosPrevisao::coordenadaAusente(const std::string& subBacia,
                                                       const std::string& modelo,
                                                       const Presencas& presentes) {
  const Modelo& dados = dadosModelo(modelo);
  const auto posicoes = dados.posicoes.find(subBacia);
  if (posicoes == dados.posicoes.end()) return nullptr;
  const std::vector<uint32_t>& numeros = posicoes->second.numeros;
  for (size_t i = 0; i < numeros.size(); ++i) {
    if (numeros[i] == IndiceCoordenadas::ausente || !presentes[numeros[i]])
      return &(*posicoes->second.grade)[i];
  }
  return nullptr;
}

ArquivosPrevisao::Modelo& ArquivosPrevisao::dadosModelo(const std::string& modelo) {
  const auto [entrada, novo] = modelos.try_emplace(modelo);
  Modelo& dados = entrada->second;
  if (!novo) return dados;
  const std::string radical = radicalModelo(modelo);
  for (const std::string& subBacia : subBacias) {
    const auto grade = coordenadasGrade.find(subBacia + "__" + radical);
    if (grade == coordenadasGrade.end()) continue;
    Posicoes& posicoes = dados.posicoes[subBacia];
    posicoes.grade = &grade->second;
    for (const std::string& coordenada : grade->second) {
      CodigoCoordenada codigo = 0;
      bool nova = false;
      // a grid key is always of the key form; one that were not could match no file's key
      posicoes.numeros.push_back(codigoDaChave(coordenada, codigo)
                                     ? dados.indice.inserir(codigo, nova)
                                     : IndiceCoordenadas::ausente);
    }
  }
  return dados;
}
