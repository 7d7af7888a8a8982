#include "model/RBGlobal.h"

#include <chrono>
#include <utility>


namespace RBGlobal {

TEstatRecerca EstatRecerca;

const std::array<const char*, 21> Abreviatures{
    "Fi",  "Gly", "Ala", "Val", "Leu", "Ile", "Pro", "Phe", "Trp", "Met", "Ser",
    "Thr", "Cys", "Tyr", "Asn", "Gln", "Asp", "Glu", "Lys", "Arg", "His"};

const std::array<const char*, 21> NomsAminoacids{
    "Aturada",   "Glicina",  "Alanina",    "Valina",       "Leucina",
    "Isoleucina", "Prolina", "Fenilalanina", "Triptòfan",  "Metionina",
    "Serina",    "Treonina", "Cisteïna",   "Tirosina",     "Asparagina",
    "Glutamina", "Aspartat", "Glutamat",   "Lisina",       "Arginina",
    "Histidina"};

// Rows by first letter U, C, A, G; within a row second letter, then third.
const TCodi CodiEstandard{
    7,  7,  4,  4,  10, 10, 10, 10, 13, 13, 0,  0,  12, 12, 0,  8,   // U..
    4,  4,  4,  4,  6,  6,  6,  6,  20, 20, 15, 15, 19, 19, 19, 19,  // C..
    5,  5,  5,  9,  11, 11, 11, 11, 14, 14, 18, 18, 10, 10, 19, 19,  // A..
    3,  3,  3,  3,  2,  2,  2,  2,  16, 16, 17, 17, 1,  1,  1,  1};  // G..

const Array1<const char*, 12> NomsMesos{
    {"Gener", "Febrer", "Març", "Abril", "Maig", "Juny", "Juliol", "Agost",
     "Setembre", "Octubre", "Novembre", "Desembre"}};

const Array1<std::uint16_t, 7> CostProvetes{{10, 10, 10, 10, 10, 5, 40}};
const Array1<std::int32_t, 7> CostDiners{{100, 100, 100, 100, 100, 100, 500}};

const std::array<TCentre, 5> OfertesCentres{{
    {100000, 10000, 20,
     {"MRC, Laboratori de Biologia Molecular de Cambridge",
      "MIT, Institut de Tecnologia de Massachussets, Cambridge, USA",
      "NIH, National Institutes of Health, Bethesda, USA",
      "University of Wisconsin, Madison, USA",
      "New York University Medical School", "Cold Spring Harbor Laboratory, USA"}},
    {30000, 3000, 20,
     {"Institut Corvell, París", "Tesmond University, USA",
      "Ilo Drema Institute, Germany", "Brisall University, USA",
      "Oden University, USA",
      "Institute of Genetics, University of Cologne, Germany"}},
    {10000, 1000, 15,
     {"Facultat de Biologia, Universitat de Barcelona",
      "Facultad de Biología, Universidad Complutense de Madrid",
      "Facultat de Ciències, Universitat de Ginebra",
      "Facultat de Biologia, Universitat de Roma",
      "Facultat de Ciències, Universitat de Bruseles",
      "Michigan State University, USA"}},
    {3000, 300, 10,
     {"Instituto de investigaciones filosóficas \"Invicto Caudillo\", Salamanca",
      "Centre d'investigació genètica \"Vorkan\", Moscú",
      "Institut \"Zuk\" per al canvi de la realitat, Pekín",
      "Laboratori \"Bardel\", Nicaragua",
      "Institut Nacional de Ciències \"Ortensa Belvanir\", Lisboa",
      "Facultat de Tecnologia de la Universitat \"Varnelosk\", Bucarest"}},
    {1000, 100, 8,
     {"Centre per al desenvolupament del creacionisme científic, Luisiana",
      "Institut eugenèsic, Georgia",
      "Laboratori de genètica de les races, Ciutat del Cap",
      "Centre d'integrisme religiós, Sudan",
      "Institut per a l'estudi científic de la Bíblia, Alabama",
      "Laboratori de guerra biològica, Damasc"}},
}};

// ---------------------------------------------------------------------------

namespace {
unsigned ValorLletra(char c) {
  switch (c) {
    case 'U': return 0;
    case 'C': return 1;
    case 'A': return 2;
    default: return 3;
  }
}
}  // namespace

unsigned IndexCodo(std::string_view codo) {
  unsigned index = 0;
  for (std::size_t i = 0; i < 3; ++i)
    index += PesosCodo[i] * ValorLletra(i < codo.size() ? codo[i] : 'G');
  return index;
}

TCodo TextCodo(unsigned index) {
  index %= 64;
  return {Nucleotids[index / 16], Nucleotids[(index / 4) % 4], Nucleotids[index % 4]};
}

std::uint16_t AminoacidCodo(std::string_view codo) {
  return EstatRecerca.CodiAmagat[IndexCodo(codo)];
}

std::string AbreviaturaAminoacid(unsigned numero) {
  return numero < Abreviatures.size() ? Abreviatures[numero] : "";
}

std::string FormataNombre(std::int32_t valor, std::uint16_t amplada) {
  const bool negatiu = valor < 0;
  const std::string xifres = std::to_string(negatiu ? -static_cast<std::int64_t>(valor) : valor);
  std::string text;
  for (std::size_t i = 0; i < xifres.size(); ++i) {
    if (i > 0 && (xifres.size() - i) % 3 == 0) text += '.';
    text += xifres[i];
  }
  if (negatiu) text.insert(text.begin(), '-');
  if (text.size() < amplada) text.insert(0, amplada - text.size(), ' ');
  return text;
}

void PosaCodiReal() {
  EstatRecerca.CodiAmagat = CodiEstandard;
  EstatRecerca.CodiPublicat.fill(NoAssignat);
}

void PosaCodiAleatori() {
  TCodi& codi = EstatRecerca.CodiAmagat;
  codi.fill(NoAssignat);
  for (std::uint16_t n = 0; n <= 20; ++n) {
    unsigned index;
    do index = Aleatori(64);
    while (codi[index] != NoAssignat);
    codi[index] = n;
  }
  for (unsigned i = 0; i < 64; ++i) {
    if (codi[i] == NoAssignat) codi[i] = static_cast<std::uint16_t>(Aleatori(21));
    EstatRecerca.CodiPublicat[i] = NoAssignat;
  }
}

char BaseComplementaria(char base, bool rna) {
  switch (base) {
    case 'A': return rna ? 'U' : 'T';
    case 'T':
    case 'U': return 'A';
    case 'C': return 'G';
    case 'G': return 'C';
    case '5': return '3';
    case '3': return '5';
    default: return ' ';
  }
}

// A blank is no answer yet, so it stands anywhere.
bool Aparellen(char plantilla, char nova, bool transcripcio) {
  return nova == ' ' || (plantilla != 'U' && BaseComplementaria(plantilla, transcripcio) == nova);
}

bool EsCodoStop(std::string_view codo) {
  return codo.size() == 3 && codo.find_first_not_of(Nucleotids) == std::string_view::npos &&
         CodiEstandard[IndexCodo(codo)] == 0;
}

std::vector<TCodo> CodonsEstandard(unsigned aminoacid) {
  std::vector<TCodo> codons;
  for (unsigned i = 0; i < 64; ++i)
    if (CodiEstandard[i] == aminoacid) codons.push_back(TextCodo(i));
  return codons;
}

// ---------------------------------------------------------------------------

std::mt19937& Generador() {
  static std::mt19937 generador;
  return generador;
}

void Sembra(std::uint32_t llavor) { Generador().seed(llavor); }

namespace {
FontLlavors& Font() {
  static FontLlavors font;
  return font;
}
std::uint32_t LlavorInici() {
  if (Font()) return Font()();
  return static_cast<std::uint32_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

void InstallaFontLlavors(FontLlavors font) { Font() = std::move(font); }

unsigned Aleatori(unsigned n) {
  if (n == 0) return 0;
  return std::uniform_int_distribution<unsigned>(0, n - 1)(Generador());
}

// ---------------------------------------------------------------------------

void IniciaRecerca() {
  TEstatRecerca& e = EstatRecerca;
  Sembra(LlavorInici());
  if (e.TipusCodi == 1)
    PosaCodiAleatori();
  else
    PosaCodiReal();
  e.NombreExperiments = 0;
  for (auto& polimer : e.PolimersExperiment) polimer.Longitud = 0;
  for (auto& resultats : e.ResultatsExperiment)
    for (auto& slot : resultats) slot = TResultat{};
  e.UnitatsTecnica = 0;
  e.TecnicaEnCurs = 0;
  e.TecnicaAcabada = 0;
  e.Reserva = 0;
  if (e.TipusPartida == CodiLliure)
    DotaLaboratoriComplet();
  else
    DotaLaboratoriOferta();
}

bool PodemFerExperiment(const TEstatRecerca& e, unsigned tecnica, unsigned tipus) {
  if (e.TipusPartida == CodiLliure) return true;
  return e.TecniquesDominades.at(tecnica) && e.Provetes >= std::int32_t{CostProvetes[tipus]} &&
         e.Diners >= CostDiners[tipus];
}

void DotaLaboratoriComplet() {
  TEstatRecerca& e = EstatRecerca;
  e.MaxBasesOligo = 4;
  e.Diners = 0;
  e.Ingressos = 0;
  e.ProvetesMes = 0;
  e.Provetes = 0;
  e.MaterialBiologic.fill(true);
  e.Aparells.fill(true);
  e.Reactius.fill(true);
  e.TecniquesDominades.fill(true);
  e.NivellTecniques.fill(2);
}

namespace {
template <std::size_t N>
void NomesEntradaZero(std::array<bool, N>& flags) {
  flags.fill(false);
  flags[0] = true;
}
}  // namespace

void DotaLaboratoriOferta() {
  TEstatRecerca& e = EstatRecerca;
  // A tier outside the table (only from a hand-made file) reads as the last.
  const TCentre& centre = OfertesCentres[e.Centre < OfertesCentres.size() ? e.Centre : 4];
  e.MaxBasesOligo = 1;
  e.Mes = 1;
  e.Any = 1961;
  e.Diners = centre.Pressupost;
  e.Ingressos = centre.Ingressos;
  e.ProvetesMes = centre.ProvetesMes;
  e.Provetes = e.ProvetesMes;
  NomesEntradaZero(e.MaterialBiologic);
  NomesEntradaZero(e.Aparells);
  NomesEntradaZero(e.Reactius);
  NomesEntradaZero(e.TecniquesDominades);
  for (std::size_t t = 1; t < e.NivellTecniques.size(); ++t) e.NivellTecniques[t] = 1;
}

}  // namespace RBGlobal
