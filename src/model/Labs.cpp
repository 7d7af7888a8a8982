#include "model/Labs.h"

#include <algorithm>
#include <limits>

namespace Labs {

using RBGlobal::FormataNombre;

const Array1<const char*, NombreMaterials> NomsMaterialBiologic{
    {"Escherichia coli", "Azotobacter vinelandii", "Virus bacteriòfags"}};
const Array1<std::uint16_t, NombreMaterials> PreuMaterialBiologic{{100, 150, 200}};

const Array1<const char*, NombreAparells> NomsAparells{
    {"Aparells bàsics", "Autoclau", "Columnes de cromatografia", "Recipients d'electroforesi",
     "Homogenitzador", "Estufa de cultius", "Espectròmetre de llum ultraviolada",
     "Comptador de radiactivitat", "Ultracentrífuga"}};
const Array1<std::uint16_t, NombreAparells> PreuAparells{
    {700, 1000, 100, 100, 50, 500, 1000, 2000, 5000}};

const Array1<const char*, NombreReactius> NomsReactius{
    {"Reactius bàsics", "Nucleòtids", "Nucleòtids radiactius", "ATP", "Aminoàcids radiactius",
     "Brou nutritiu", "Enzims proteolítics"}};
const Array1<std::uint16_t, NombreReactius> PreuReactius{{500, 200, 1000, 150, 1000, 100, 200}};

const Array1<const char*, NombreTecniques> NomsTecniques{{
    "Tècniques bàsiques",
    "Esterilització",
    "Cromatografia",
    "Electroforesi",
    "Homogenització de cèl.lules",
    "Cultiu de bacteris",
    "Seqüenciació de polipèptids",
    "Aïllament d'enzims de restricció",
    "Sistema traductor sense cèl.lules",
    "Aïllament de polinucleòtid fosforilasa",
    "Cultiu de virus",
    "Aïllament d'RNAt",
    "Aïllament de ribosomes",
    "Seqüenciació d'RNA",
    "Aillament d'un RNA víric",
    "Polimerització de nucleòtids",
    "Traducció d'un RNA víric",
    "Traducció d'un RNA polímer",
    "Copolímers a l'atzar",
    "Formació de dinucleòtids",
    "Traducció de copolímers",
    "Traducció de polímers de dinucleòtids",
    "Formació de trinucleòtids",
    "Traduccio de polímers de trinucleòtids",
    "Formació de tetranucleòtids",
    "Acoblament de trinucleòtids amb RNAt",
    "Traducció de polímers de tetranucleòtids",
}};

// clang-format off
const Array1<Array1<std::uint16_t, 2>, NombreTecniques> ProvetesTecnica{{{
    {{10, 10}},   {{10, 10}},  {{10, 10}},   {{10, 10}},  {{10, 10}},  {{20, 20}},  {{50, 50}},
    {{2000, 50}}, {{200, 50}}, {{200, 15}},  {{50, 50}},  {{200, 50}}, {{100, 25}}, {{10000, 200}},
    {{200, 50}},  {{20, 5}},   {{200, 50}},  {{20, 10}},  {{50, 10}},  {{200, 50}}, {{20, 10}},
    {{20, 10}},   {{200, 50}}, {{20, 10}},   {{200, 50}}, {{200, 50}}, {{20, 10}},
}}};

const Array1<Array1<std::uint16_t, 2>, NombreTecniques> CostProveta{{{
    {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}}, {{5, 5}},   {{10, 10}}, {{10, 10}},
    {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 5}},
    {{10, 10}}, {{10, 10}}, {{5, 4}},   {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}},
    {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}}, {{10, 10}},
}}};

const Array1<std::uint16_t, NombreTecniques> MaterialTecnica{
    //1  2  3  4  5  6  7  8  9  10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27
    {{0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}};
const Array1<std::uint16_t, NombreTecniques> AparellTecnica{
    //1  2  3  4  5  6  7  8  9  10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27
    {{1, 2, 3, 4, 5, 6, 0, 0, 9, 0, 0, 9, 9, 8, 0, 0, 0, 8, 0, 7, 0, 0, 0, 0, 0, 8, 0}}};
const Array1<std::uint16_t, NombreTecniques> ReactiuTecnica{
    //1  2  3  4  5  6  7  8  9  10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27
    {{1, 0, 0, 0, 0, 6, 7, 0, 4, 0, 0, 0, 0, 3, 0, 2, 5, 5, 0, 0, 0, 0, 0, 0, 0, 5, 0}}};
const Array1<std::uint16_t, NombreTecniques> ExperimentTecnica{
    //1  2  3  4  5  6  7  8  9  10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27
    {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 1, 0, 0, 2, 3, 0, 4, 0, 6, 5}}};

const std::array<std::uint16_t, NombrePrerequisits> Prerequisits{
    0,               // 1
    0,               // 2
    1,               // 3
    1,               // 4
    1,               // 5
    1,  2,           // 6
    3,               // 7
    3,  4,  5,  6,   // 8
    5,  6,           // 9
    3,  5,  6,       // 10
    6,               // 11
    5,  6,           // 12
    5,  6,           // 13
    8,               // 14
    3,  4,  11,      // 15
    10,              // 16
    9,  14, 15,      // 17
    7,  9,  16,      // 18
    16,              // 19
    4,  16,          // 20
    18, 19,          // 21
    18, 20,          // 22
    20,              // 23
    22, 23,          // 24
    23,              // 25
    12, 13, 23,      // 26
    24, 25};         // 27
const Array1<std::uint16_t, NombreTecniques + 1> IniciPrerequisits{
    {0, 1, 2, 3, 4, 5, 7, 8, 12, 14, 17, 18, 20, 22, 23, 26, 27, 30, 33, 34, 36, 38, 40, 41, 43, 44,
     47, 49}};

// clang-format on

const Array1<const char*, NombreExperiments> NomsExperiments{
    {"Traducció de polímers d'un nucleòtid", "Traducció de copolímers a l'atzar",
     "Traducció de polímers de dinucleòtids", "Traducció de polímers de trinucleòtids",
     "Traducció de polímers de tetranucleòtids", "Acoblament de trinucleòtids amb RNAt",
     "Traducció d'un RNA víric seqüenciat"}};

// ---------------------------------------------------------------------------
// Items

const std::array<TArticle, NombreArticles>& Articles() {
  static const auto articles = [] {
    std::array<TArticle, NombreArticles> a{};
    unsigned i = 0;
    for (unsigned n = 1; n <= NombreMaterials; ++n) a[i++] = {TCategoria::MaterialBiologic, n};
    for (unsigned n = 1; n <= NombreAparells; ++n) a[i++] = {TCategoria::Aparells, n};
    for (unsigned n = 1; n <= NombreReactius; ++n) a[i++] = {TCategoria::Reactius, n};
    return a;
  }();
  return articles;
}

const char* NomArticle(TArticle a) {
  switch (a.Categoria) {
    case TCategoria::MaterialBiologic: return NomsMaterialBiologic[a.Numero];
    case TCategoria::Aparells: return NomsAparells[a.Numero];
    case TCategoria::Reactius: break;
  }
  return NomsReactius[a.Numero];
}

std::uint16_t PreuArticle(TArticle a) {
  switch (a.Categoria) {
    case TCategoria::MaterialBiologic: return PreuMaterialBiologic[a.Numero];
    case TCategoria::Aparells: return PreuAparells[a.Numero];
    case TCategoria::Reactius: break;
  }
  return PreuReactius[a.Numero];
}

namespace {
// The flag of an item in a state, const or not.
template <class Estat>
auto& Flag(Estat& e, TArticle a) {
  switch (a.Categoria) {
    case TCategoria::MaterialBiologic: return e.MaterialBiologic.at(a.Numero);
    case TCategoria::Aparells: return e.Aparells.at(a.Numero);
    case TCategoria::Reactius: break;
  }
  return e.Reactius.at(a.Numero);
}
}  // namespace

bool& Posseit(TEstatRecerca& e, TArticle a) { return Flag(e, a); }
bool Posseit(const TEstatRecerca& e, TArticle a) { return Flag(e, a); }

std::vector<std::string> Posseits(const TEstatRecerca& e, TCategoria categoria) {
  std::vector<std::string> noms;
  for (const TArticle& a : Articles())
    if (a.Categoria == categoria && Posseit(e, a)) noms.emplace_back(NomArticle(a));
  return noms;
}

std::string TextCaixa(std::int32_t diners) { return "Tenim  " + FormataNombre(diners, 12) + " $."; }

std::string TextMesada(std::uint16_t ingressos) {
  return "Cobrem " + FormataNombre(ingressos, 12) + " $ cada mes.";
}

std::string TextData(const TEstatRecerca& e) {
  const std::string mes = e.Mes >= 1 && e.Mes <= 12 ? RBGlobal::NomsMesos[e.Mes] : "";
  return mes + " de " + std::to_string(e.Any);
}

TCompra::TCompra(const TEstatRecerca& e) : queden_(e.Diners) {
  for (unsigned i = 0; i < NombreArticles; ++i) {
    posseits_[i] = Posseit(e, Articles()[i]);
    marcats_[i] = posseits_[i];
  }
}

bool TCompra::Habilitat(unsigned article) const {
  if (posseits_.at(article)) return false;
  return marcats_[article] || std::int32_t{PreuArticle(Articles()[article])} <= queden_;
}

bool TCompra::Marca(unsigned article, bool marcat) {
  if (!Habilitat(article) || marcats_[article] == marcat) return false;
  const std::int32_t preu = PreuArticle(Articles()[article]);
  marcats_[article] = marcat;
  gastem_ += marcat ? preu : -preu;
  queden_ -= marcat ? preu : -preu;
  return true;
}

std::string TCompra::TextGastem() const { return "Gastem " + FormataNombre(gastem_, 12) + " $."; }
std::string TCompra::TextQueden() const { return "Queden " + FormataNombre(queden_, 12) + " $."; }

void TCompra::Confirma(TEstatRecerca& e) const {
  for (unsigned i = 0; i < NombreArticles; ++i)
    if (marcats_[i] && !posseits_[i]) Posseit(e, Articles()[i]) = true;
  e.Diners -= gastem_;
}

// ---------------------------------------------------------------------------
// Techniques

bool EsTecnica(unsigned t) { return t >= 1 && t <= NombreTecniques; }

namespace {
bool EsPrerequisit(unsigned t, unsigned k) {
  const auto inici = Prerequisits.begin() + IniciPrerequisits[t];
  const auto fi = Prerequisits.begin() + IniciPrerequisits[t + 1];
  return std::find(inici, fi, k) != fi;
}
}  // namespace

std::vector<std::uint16_t> FillsTecnica(unsigned k) {
  std::vector<std::uint16_t> fills;
  if (k == 0) return fills;  // 0 stands for "nothing required", not a technique
  for (std::uint16_t t = 1; t <= NombreTecniques; ++t)
    if (EsPrerequisit(t, k)) fills.push_back(t);
  return fills;
}

unsigned NivellTecnica(const TEstatRecerca& e, unsigned t) {
  return e.NivellTecniques.at(t) == 2 ? 2 : 1;
}

std::uint16_t ProvetesNecessaries(const TEstatRecerca& e, unsigned t) {
  return ProvetesTecnica[t][NivellTecnica(e, t)];
}

std::uint16_t CostPerProveta(const TEstatRecerca& e, unsigned t) {
  return CostProveta[t][NivellTecnica(e, t)];
}

std::int32_t CostTecnica(const TEstatRecerca& e, unsigned t) {
  return std::int32_t{ProvetesNecessaries(e, t)} * CostPerProveta(e, t);
}

bool PrerequisitsDominats(const TEstatRecerca& e, unsigned t) {
  for (unsigned i = IniciPrerequisits[t]; i < IniciPrerequisits[t + 1]; ++i)
    if (!e.TecniquesDominades.at(Prerequisits[i])) return false;
  return true;
}

std::vector<std::uint16_t> LlistaTecniquesPossibles(const TEstatRecerca& e) {
  std::vector<std::uint16_t> possibles;
  for (std::uint16_t t = 1; t <= NombreTecniques; ++t)
    if (!e.TecniquesDominades[t] && e.MaterialBiologic.at(MaterialTecnica[t]) &&
        PrerequisitsDominats(e, t) && e.Aparells.at(AparellTecnica[t]) &&
        e.Reactius.at(ReactiuTecnica[t]))
      possibles.push_back(t);
  return possibles;
}

namespace {
void Completa(TEstatRecerca& e, std::uint16_t t) {
  e.TecniquesDominades[t] = true;
  // Experiments on polymers of n-nucleotides need oligos of n bases.
  switch (ExperimentTecnica[t]) {
    case RBGlobal::ExperimentPolimer: e.MaxBasesOligo = 1; break;
    case RBGlobal::ExperimentDinucleotids: e.MaxBasesOligo = 2; break;
    case RBGlobal::ExperimentTrinucleotids: e.MaxBasesOligo = 3; break;
    case RBGlobal::ExperimentTetranucleotids: e.MaxBasesOligo = 4; break;
    default: break;
  }
  e.UnitatsTecnica = 0;
  e.TecnicaAcabada = t;
  e.TecnicaEnCurs = 0;
}
}  // namespace

TProgres Progressa(TEstatRecerca& e) {
  TProgres pas{.Tecnica = e.TecnicaEnCurs};
  const std::uint16_t t = e.TecnicaEnCurs;
  if (!EsTecnica(t) || e.Provetes <= 0) {
    // No tubes at all completes nothing, even with the work already done.
    pas.Aturada = EsTecnica(t) ? TAturada::SenseProvetes : TAturada::SenseTecnica;
    return pas;
  }
  const std::uint16_t provetes = ProvetesNecessaries(e, t);
  const std::int32_t cost = CostPerProveta(e, t);
  while (cost <= e.Diners && e.Provetes > 0 && e.UnitatsTecnica < provetes) {
    e.Diners -= cost;
    e.Provetes -= 1;
    e.UnitatsTecnica += 1;
    ++pas.Provetes;
  }
  if (e.UnitatsTecnica >= provetes) {
    Completa(e, t);
    pas.Acabada = t;
    pas.Experiment = ExperimentTecnica[t];
  } else {
    pas.Aturada = e.Provetes <= 0 ? TAturada::SenseProvetes : TAturada::SenseDiners;
  }
  return pas;
}

TProgres Desenvolupa(TEstatRecerca& e) {
  const TProgres pas = Progressa(e);
  e.TecnicaAcabada = 0;
  return pas;
}

void TriaTecnica(TEstatRecerca& e, std::uint16_t t) {
  if (!EsTecnica(t)) return;
  e.TecnicaEnCurs = t;
  e.UnitatsTecnica = 0;
}

bool CancellaTecnica(TEstatRecerca& e) {
  if (e.TecnicaEnCurs == 0) return false;
  e.UnitatsTecnica = 0;
  e.Provetes = 0;
  e.TecnicaEnCurs = 0;
  return true;
}

std::optional<unsigned> MesosPerTecnica(std::uint16_t provetes, std::int32_t restants,
                                        std::uint16_t mensuals) {
  const std::int64_t T = provetes, R = restants, K = mensuals;
  if (T <= R) return 0;  // this month's tubes finish it as soon as it is chosen
  if (K == 0) return std::nullopt;
  auto m = static_cast<unsigned>((T - R) / K + 1);
  if (m < static_cast<double>(T) / static_cast<double>(K)) ++m;
  return m;
}

std::optional<unsigned> MesosRestants(std::uint16_t provetes, std::uint16_t fetes,
                                      std::uint16_t mensuals) {
  if (mensuals == 0) return std::nullopt;
  // More tubes done than needed (a hand-made file) counts as none left.
  const unsigned falten = fetes < provetes ? provetes - fetes : 0;
  return falten / mensuals + 1;
}

std::string TextMesos(std::optional<unsigned> mesos) {
  if (!mesos) return "Sense provetes cada mes no l'acabarem mai.";
  return "Acabarem d'aquí " + std::to_string(*mesos) + (*mesos == 1 ? " mes." : " mesos.");
}

namespace {
// The items technique t needs, as catalogue entries.
std::vector<TArticle> ArticlesTecnica(unsigned t) {
  std::vector<TArticle> articles;
  if (MaterialTecnica[t] != 0)
    articles.push_back({TCategoria::MaterialBiologic, MaterialTecnica[t]});
  if (AparellTecnica[t] != 0) articles.push_back({TCategoria::Aparells, AparellTecnica[t]});
  if (ReactiuTecnica[t] != 0) articles.push_back({TCategoria::Reactius, ReactiuTecnica[t]});
  return articles;
}

// The items of `tecniques` not owned, in catalogue order, and their price.
void ArticlesQueFalten(const TEstatRecerca& e, const std::vector<std::uint16_t>& tecniques,
                       std::vector<TArticle>& articles, std::int32_t& preu) {
  for (const TArticle& a : Articles()) {
    if (Posseit(e, a)) continue;
    for (std::uint16_t t : tecniques) {
      const auto propis = ArticlesTecnica(t);
      if (std::find(propis.begin(), propis.end(), a) == propis.end()) continue;
      articles.push_back(a);
      preu += PreuArticle(a);
      break;
    }
  }
}
}  // namespace

TMancances Mancances(const TEstatRecerca& e, unsigned t) {
  TMancances m;
  if (!EsTecnica(t) || e.TecniquesDominades.at(t)) return m;
  // The techniques t rests on, directly or not; prerequisites always have
  // lower numbers, so one pass downwards finds them all.
  std::array<bool, NombreTecniques + 1> cal{};
  cal[t] = true;
  for (unsigned u = t; u >= 1; --u) {
    if (!cal[u] || e.TecniquesDominades.at(u)) continue;
    for (unsigned i = IniciPrerequisits[u]; i < IniciPrerequisits[u + 1]; ++i)
      if (Prerequisits[i] != 0) cal[Prerequisits[i]] = true;
  }
  std::vector<std::uint16_t> tecniques;
  for (std::uint16_t u = 1; u <= NombreTecniques; ++u)
    if (cal[u] && !e.TecniquesDominades.at(u)) tecniques.push_back(u);
  ArticlesQueFalten(e, tecniques, m.Articles, m.Preu);
  tecniques.pop_back();  // t itself comes last
  m.Tecniques = tecniques;
  return m;
}

std::vector<TCompraQueObre> CompresQueObren(const TEstatRecerca& e) {
  std::vector<TCompraQueObre> compres;
  for (std::uint16_t t = 1; t <= NombreTecniques; ++t) {
    if (e.TecniquesDominades.at(t) || !PrerequisitsDominats(e, t)) continue;
    TCompraQueObre c{t, {}, 0};
    ArticlesQueFalten(e, {t}, c.Articles, c.Preu);
    if (!c.Articles.empty()) compres.push_back(c);
  }
  std::stable_sort(compres.begin(), compres.end(),
                   [](const auto& a, const auto& b) { return a.Preu < b.Preu; });
  return compres;
}

// ---------------------------------------------------------------------------
// Months and experiments

void PassaMes(TEstatRecerca& e) {
  if (e.Mes >= 12) {
    e.Any += 1;
    e.Mes = 1;
  } else {
    e.Mes += 1;
  }
  const std::int64_t diners = std::int64_t{e.Diners} + e.Ingressos;
  e.Diners = static_cast<std::int32_t>(
      std::min<std::int64_t>(diners, std::numeric_limits<std::int32_t>::max()));
  e.Provetes = e.ProvetesMes;
}

TTorn PassaTorn(TEstatRecerca& e) {
  TTorn torn;
  torn.Tancament = Desenvolupa(e);
  PassaMes(e);
  torn.Obertura = Desenvolupa(e);
  return torn;
}

std::optional<TEncallament> Encallament(const TEstatRecerca& e, const TTorn& torn) {
  const TProgres& pas = torn.Obertura;
  if (!EsTecnica(pas.Tecnica) || torn.Tancament.Acabada != 0 || pas.Acabada != 0) return {};
  if (torn.Tancament.Provetes + pas.Provetes > 0) return {};
  return TEncallament{pas.Tecnica, pas.Aturada, CostPerProveta(e, pas.Tecnica), e.Diners};
}

TCobrament CobraExperiment(TEstatRecerca& e, unsigned tipus) {
  if (e.TipusPartida != RBGlobal::JocPressupost) return TCobrament::Gratuit;
  const std::int32_t provetes = RBGlobal::CostProvetes[tipus];
  const std::int32_t diners = RBGlobal::CostDiners[tipus];
  if (e.Provetes < provetes || e.Diners < diners) return TCobrament::Insuficient;
  e.Provetes -= provetes;
  e.Diners -= diners;
  return TCobrament::Cobrat;
}

}  // namespace Labs

// The step's rule is the laboratory's; its owner is the research state.
RBGlobal::TProgres RBGlobal::ProgressaTecnica() { return Labs::Desenvolupa(EstatRecerca); }
