#include "model/TaulaResum.h"

#include <algorithm>
#include <stdexcept>

#include "model/RBGlobal.h"

namespace TaulaResum {
namespace {

constexpr std::string_view LletresDNA = "AGCT";
const std::string Buida(NombrePosicions, ' ');

// The templates of the stop codons, read 5'->3' on the transcribed strand.
const std::vector<std::string> PlantillesSTOP = [] {
  std::vector<std::string> plantilles;
  for (const RBGlobal::TCodo& codo : RBGlobal::CodonsEstandard(0)) {
    std::string plantilla;
    for (auto b = codo.rbegin(); b != codo.rend(); ++b)
      plantilla += RBGlobal::BaseComplementaria(*b, false);
    plantilles.push_back(plantilla);
  }
  return plantilles;
}();

// One position of the other three rows from the transcribed strand.
struct TParells {
  char Complementaria, RNAm, Anticodo;
};
TParells Parells(char transcrita) {
  using RBGlobal::BaseComplementaria;
  const char rnam = BaseComplementaria(transcrita, true);
  return {BaseComplementaria(transcrita, false), rnam, BaseComplementaria(rnam, true)};
}

bool CadenaValida(std::string_view c) {
  if (c.size() != NombrePosicions) return false;
  if (!((c.front() == '3' && c.back() == '5') || (c.front() == '5' && c.back() == '3')))
    return false;
  return std::all_of(c.begin() + 1, c.end() - 1,
                     [](char b) { return LletresDNA.find(b) != std::string_view::npos; });
}

}  // namespace

std::string Avaluacio(std::uint32_t errorsComesos) {
  if (errorsComesos == 0) return "Molt bé!!";
  if (errorsComesos <= 3) return "Ho has fet bastant bé.";
  if (errorsComesos <= 6) return "Has d'estudiar i practicar més.";
  return "Una actuació lamentable!";
}

std::string TextCela(char c) {
  if (c == ' ') return {};
  if (c == '5' || c == '3') return std::string(1, c) + "'";
  return std::string(1, c);
}

TExercici::TExercici(TSorteig sorteig) : sorteig_(std::move(sorteig)) {
  cadena_.fill(Buida);
  resposta_.fill(Buida);
  info_.fill(Buida);
  AminoacidsDonats.fill(NoAssignat);
  Aminoacids.fill(NoAssignat);
  IniciaExercici();
}

unsigned TExercici::Sorteig(unsigned n) {
  return sorteig_ ? sorteig_(n) % n : RBGlobal::Aleatori(n);
}

void TExercici::PosaOpcions(bool AUGInicial, bool STOPFinal, std::uint16_t AminoacidsInicials,
                            std::uint16_t InformacioInicial, bool STOPsInteriors) {
  opcions_.AUGInicial = AUGInicial;
  opcions_.STOPFinal = STOPFinal;
  opcions_.AminoacidsInicials = std::min<std::uint16_t>(AminoacidsInicials, 3);
  opcions_.InformacioInicial = InformacioInicial != 0 ? 1 : 0;
  opcions_.STOPsInteriors = STOPsInteriors;
}

// ---------------------------------------------------------------------------
// Rows, strands and positions

std::size_t TExercici::Index(std::uint16_t posicio) {
  if (posicio < 1 || posicio > NombrePosicions) throw std::out_of_range("posició fora de 1..20");
  return posicio - 1u;
}

int TExercici::CadenaDeFila(std::uint16_t fila) const {
  switch (fila) {
    case 0:
    case 1: return fila == FilaTranscrita_ ? Transcrita : Complementaria;
    case 2: return RNAm;
    case 3: return Anticodons;
    default: throw std::out_of_range("fila fora de 0..3");
  }
}

char TExercici::Esperat(std::uint16_t fila, std::uint16_t posicio) const {
  return cadena_[CadenaDeFila(fila)][Index(posicio)];
}
char TExercici::Resposta(std::uint16_t fila, std::uint16_t posicio) const {
  return resposta_[CadenaDeFila(fila)][Index(posicio)];
}
char TExercici::Info(std::uint16_t fila, std::uint16_t posicio) const {
  return info_[CadenaDeFila(fila)][Index(posicio)];
}
bool TExercici::Donada(std::uint16_t fila, std::uint16_t posicio) const {
  return Info(fila, posicio) != ' ';
}
bool TExercici::Erronia(std::uint16_t fila, std::uint16_t posicio) const {
  const char c = Resposta(fila, posicio);
  return c != ' ' && c != Esperat(fila, posicio);
}

EstatCela TExercici::Estat(std::uint16_t fila, std::uint16_t posicio) const {
  if (Donada(fila, posicio)) return EstatCela::Donada;
  if (marcada_ && fila == FilaActual_ && posicio == ColumnaActual_) return EstatCela::Seleccionada;
  return EstatCela::Editable;
}

int TExercici::ItemEsperat(int i) const {
  const int v = Aminoacids.at(i);
  return i == 0 || i == 7 ? v - ExtremN : v;
}

std::uint16_t TExercici::PosicioCodo(int k, int j) const {
  return static_cast<std::uint16_t>(LecturaEsquerraDreta() ? 3 * k + j - 2 : 3 * k + 2 - j);
}

std::string TExercici::Codo(int k) const {
  std::string codo;
  for (int j = 1; j <= 3; ++j) codo += CadenaRNAm()[Index(PosicioCodo(k, j))];
  return codo;
}

// ---------------------------------------------------------------------------
// A new exercise

void TExercici::GeneraExercici() {
  IniciaExercici();
  SorteigFilesDNA();
  cadena_.fill(Buida);
  info_.fill(Buida);
  BuidaTaula();
  GeneraCadenaTranscrita();
  Prepara();
}

void TExercici::PosaCadenaTranscrita(std::string_view cadena, bool transcritaDalt) {
  if (!CadenaValida(cadena)) throw std::invalid_argument("cadena transcrita mal formada");
  IniciaExercici();
  etiqueta_.fill(BlancEtiqueta);
  EtiquetaErronia_.fill(false);
  FilaTranscrita_ = transcritaDalt ? 0 : 1;
  cadena_.fill(Buida);
  info_.fill(Buida);
  BuidaTaula();
  cadena_[Transcrita] = std::string(cadena);
  Prepara();
}

void TExercici::Prepara() {
  CalculaCadenes();
  TallaAnticodons();
  CalculaAminoacids();
  DonaInformacio();
  FilaActual_ = 0;
  ColumnaActual_ = 0;
  SeguentCelaBuida();
}

void TExercici::Tornemhi() {
  IniciaExercici();
  BuidaTaula();
  MostraInformacio();
  FilaActual_ = 0;
  ColumnaActual_ = 0;
  SeguentCelaBuida();
}

// The input state; the chain-end and slot selectors back to blank.
void TExercici::IniciaExercici() {
  Acabat_ = false;
  EntradaActiva_ = true;
  for (int i = 0; i < NombreSelectors; ++i)
    selector_[i] = i == 0 || i == 7 ? BlancExtrem : BlancAminoacid;
}

void TExercici::SorteigFilesDNA() {
  etiqueta_.fill(BlancEtiqueta);
  EtiquetaErronia_.fill(false);
  FilaTranscrita_ = Sorteig(2) == 1 ? 0 : 1;
}

void TExercici::BuidaTaula() {
  resposta_.fill(Buida);
  SelectorErroni_.fill(false);
  EtiquetaErronia_.fill(false);
  etiqueta_.fill(BlancEtiqueta);
  ErrorsComesos_ = 0;
  ErrorsPendents_ = 0;
  marcada_ = false;
}

// The triples are numbered n = 1..6 from the strand's 5' end and their bases
// j = 1..3 read 5'->3'.
void TExercici::GeneraCadenaTranscrita() {
  std::string& t = cadena_[Transcrita];
  const bool cincEsquerra = Sorteig(2) == 1;
  t.front() = cincEsquerra ? '5' : '3';
  t.back() = cincEsquerra ? '3' : '5';
  for (std::uint16_t p = 2; p < NombrePosicions; ++p) t[Index(p)] = LletresDNA[Sorteig(4)];
  if (opcions_.AUGInicial) {
    // From the 3' end inwards: the template of AUG.
    const std::uint16_t p = cincEsquerra ? 17 : 2;
    t.replace(Index(p), 3, cincEsquerra ? "CAT" : "TAC");
  }
  if (!opcions_.STOPsInteriors) EliminaSTOPsInteriors();
  if (opcions_.STOPFinal) PosaSTOPFinal();
}

namespace {
std::uint16_t PosicioTriplet(bool cincEsquerra, int n, int j) {
  return static_cast<std::uint16_t>(cincEsquerra ? 3 * n + j - 2 : 23 - 3 * n - j);
}
}  // namespace

void TExercici::EliminaSTOPsInteriors() {
  std::string& t = cadena_[Transcrita];
  const bool cincEsquerra = t.front() == '5';
  auto llegeix = [&](int n) {
    std::string triplet;
    for (int j = 1; j <= 3; ++j) triplet += t[Index(PosicioTriplet(cincEsquerra, n, j))];
    return triplet;
  };
  for (int n = 1; n <= 6; ++n) {
    while (std::find(PlantillesSTOP.begin(), PlantillesSTOP.end(), llegeix(n)) !=
           PlantillesSTOP.end())
      for (int j = 1; j <= 3; ++j)
        t[Index(PosicioTriplet(cincEsquerra, n, j))] = LletresDNA[Sorteig(4)];
  }
}

// The triple at the strand's 5' end is the messenger's last codon.
void TExercici::PosaSTOPFinal() {
  std::string& t = cadena_[Transcrita];
  const bool cincEsquerra = t.front() == '5';
  const std::string_view stop = PlantillesSTOP[Sorteig(3)];
  for (int j = 1; j <= 3; ++j) t[Index(PosicioTriplet(cincEsquerra, 1, j))] = stop[j - 1];
}

void TExercici::CalculaCadenes() {
  for (std::uint16_t p = 1; p <= NombrePosicions; ++p) {
    const TParells parells = Parells(CadenaTranscrita()[Index(p)]);
    cadena_[Complementaria][Index(p)] = parells.Complementaria;
    cadena_[RNAm][Index(p)] = parells.RNAm;
    cadena_[Anticodons][Index(p)] = parells.Anticodo;
  }
}

// No transfer RNA reads a stop codon or anything after it.
void TExercici::TallaAnticodons() {
  for (int n = 1; n <= 6; ++n) {
    const int k = SlotLectura(n);
    if (!RBGlobal::EsCodoStop(Codo(k))) continue;
    std::string& a = cadena_[Anticodons];
    if (LecturaEsquerraDreta())
      for (std::uint16_t p = PosicioCodo(k, 1); p < NombrePosicions; ++p) a[Index(p)] = ' ';
    else
      for (std::uint16_t p = PosicioCodo(k, 1); p > 1; --p) a[Index(p)] = ' ';
    return;
  }
}

void TExercici::CalculaAminoacids() {
  Aminoacids.fill(NoAssignat);
  AminoacidsDonats.fill(NoAssignat);
  SelectorErroni_.fill(false);
  Aminoacids[0] = LecturaEsquerraDreta() ? ExtremN : ExtremC;
  Aminoacids[7] = LecturaEsquerraDreta() ? ExtremC : ExtremN;
  for (int n = 1; n <= 6; ++n) {
    const int k = SlotLectura(n);
    Aminoacids[k] = RBGlobal::AminoacidCodo(Codo(k));
    if (Aminoacids[k] == 0) return;
  }
}

// ---------------------------------------------------------------------------
// What is given at the start

void TExercici::DonaInformacio() {
  if (ModeFragments()) {
    DonaExtrem();
    GeneraFragments();
  } else {
    info_[Transcrita] = CadenaTranscrita();
  }
  MostraInformacio();
}

void TExercici::DonaExtrem() {
  const unsigned d = Sorteig(10);
  if (d < 8) {
    const std::uint16_t p = d % 2 == 0 ? 1 : NombrePosicions;
    info_[d / 2][Index(p)] = cadena_[d / 2][Index(p)];
  } else {
    const int i = d == 8 ? 0 : 7;
    AminoacidsDonats[i] = Aminoacids[i];
  }
}

void TExercici::DonaBase(std::uint16_t posicio, int cadena) {
  info_[cadena][Index(posicio)] = cadena_[cadena][Index(posicio)];
}

// Every inner position ends up determined: by a given base, or by a given
// amino acid together with the bases given beside it.
void TExercici::GeneraFragments() {
  PosicioResolta.fill(false);
  if (opcions_.AminoacidsInicials > 0) TriaAminoacidsDonats();
  DonaAncora();
  for (std::uint16_t p = 2; p < NombrePosicions; ++p) {
    if (PosicioResolta[p]) continue;
    int cadena;
    do cadena = CadenaDeFila(static_cast<std::uint16_t>(Sorteig(4)));
    while (cadena == Anticodons && CadenaAnticodons()[Index(p)] == ' ');
    DonaBase(p, cadena);
    PosicioResolta[p] = true;
  }
}

void TExercici::TriaAminoacidsDonats() {
  switch (opcions_.AminoacidsInicials) {
    case 1: {
      int millor = 0;
      std::size_t codonsMillor = 0;
      for (int k = 1; k <= 6; ++k) {
        if (Aminoacids[k] == NoAssignat) continue;
        const std::size_t codons = RBGlobal::CodonsEstandard(Aminoacids[k]).size();
        if (millor == 0 || codons < codonsMillor || (codons == codonsMillor && Sorteig(2) == 0)) {
          millor = k;
          codonsMillor = codons;
        }
      }
      if (millor != 0) DonaAminoacid(millor);
      break;
    }
    case 2: DonaAminoacid(1 + static_cast<int>(Sorteig(6))); break;
    case 3:
      for (int k = 1; k <= 6; ++k) DonaAminoacid(k);
      break;
    default: break;
  }
}

// The positions of the codon that the amino acid alone, or with the bases
// that will be given beside it, lets the student deduce.
void TExercici::DonaAminoacid(int k) {
  const std::uint16_t a = Aminoacids[k];
  if (a == NoAssignat) return;
  AminoacidsDonats[k] = a;
  const std::vector<RBGlobal::TCodo> codons = RBGlobal::CodonsEstandard(a);
  const std::string codo = Codo(k);
  for (int j = 1; j <= 3; ++j) {
    const bool iguals = std::all_of(codons.begin(), codons.end(), [&](std::string_view c) {
      return c[j - 1] == codons.front()[j - 1];
    });
    bool resolta = codons.size() <= 1 || iguals;
    if (!resolta && j == 2) resolta = a != 0 || codo[2] != 'A';
    if (!resolta && j == 3) resolta = a == 0 && codo[1] == 'G';
    if (resolta) PosicioResolta[PosicioCodo(k, j)] = true;
  }
}

// Two bases at one position, one on each side of the transcription, tie the
// DNA rows to the RNA rows.
void TExercici::DonaAncora() {
  const bool totes =
      std::all_of(PosicioResolta.begin() + 2, PosicioResolta.end() - 1, [](bool r) { return r; });
  std::uint16_t b;
  do b = static_cast<std::uint16_t>(2 + Sorteig(18));
  while (!totes && PosicioResolta[b]);
  DonaBase(b, Sorteig(2) == 0 ? Transcrita : Complementaria);
  if (CadenaAnticodons()[Index(b)] != ' ')
    DonaBase(b, Sorteig(2) == 0 ? RNAm : Anticodons);
  else
    DonaBase(b, RNAm);
  PosicioResolta[b] = true;
}

// The given characters into the answer rows; the given selectors set.
void TExercici::MostraInformacio() {
  for (int c = 0; c < 4; ++c)
    for (std::uint16_t p = 1; p <= NombrePosicions; ++p)
      if (info_[c][Index(p)] != ' ') resposta_[c][Index(p)] = info_[c][Index(p)];
  for (int i = 0; i < NombreSelectors; ++i)
    if (SelectorDonat(i)) selector_[i] = ItemEsperat(i);
}

// ---------------------------------------------------------------------------
// The student's moves

void TExercici::SeleccionaCela(std::uint16_t fila, std::uint16_t posicio) {
  if (Acabat_ || fila >= NombreFiles || posicio < 1 || posicio > NombrePosicions) return;
  if (Estat(fila, posicio) == EstatCela::Editable) {
    marcada_ = true;
    FilaActual_ = fila;
    ColumnaActual_ = posicio;
  }
  EntradaActiva_ = true;
}

void TExercici::DesseleccionaCela() {
  marcada_ = false;
  EntradaActiva_ = false;
}

void TExercici::MouSeleccio(int files, int posicions) {
  if (Acabat_ || (files == 0 && posicions == 0)) return;
  int fila = FilaActual_, posicio = ColumnaActual_;
  while (true) {
    fila += files;
    posicio += posicions;
    if (fila < 0 || fila >= NombreFiles || posicio < 1 || posicio > NombrePosicions) return;
    const auto f = static_cast<std::uint16_t>(fila), p = static_cast<std::uint16_t>(posicio);
    if (!Donada(f, p)) {
      SeleccionaCela(f, p);
      return;
    }
  }
}

void TExercici::EntraLletra(char c) {
  static constexpr std::string_view Valides = "AGCTU53 ";
  if (Valides.find(c) == std::string_view::npos) return;
  if (!EntradaActiva_ || Acabat_ || ColumnaActual_ == 0) return;
  if (Donada(FilaActual_, ColumnaActual_)) return;
  const char e = Esperat(FilaActual_, ColumnaActual_);
  const char p = Resposta(FilaActual_, ColumnaActual_);
  if (p != e && p != ' ') --ErrorsPendents_;
  if (c != e && c != ' ') {
    ++ErrorsComesos_;
    ++ErrorsPendents_;
  }
  EscriuCela(FilaActual_, ColumnaActual_, c);
  SeguentCelaBuida();
  MostraErrors();
}

void TExercici::EscriuCela(std::uint16_t fila, std::uint16_t posicio, char c) {
  resposta_[CadenaDeFila(fila)][Index(posicio)] = c;
}

// Onwards in the row, then in the rows below; the rows above are not searched.
void TExercici::SeguentCelaBuida() {
  std::uint16_t inici = ColumnaActual_ + 1;
  for (std::uint16_t fila = FilaActual_; fila < NombreFiles; ++fila, inici = 1)
    for (std::uint16_t p = inici; p <= NombrePosicions; ++p)
      if (Resposta(fila, p) == ' ') {
        FilaActual_ = fila;
        ColumnaActual_ = p;
        marcada_ = true;
        return;
      }
}

void TExercici::ComprovaSelector(int i, int item) {
  if (i < 0 || i >= NombreSelectors || Acabat_ || SelectorDonat(i)) return;
  const int blanc = i == 0 || i == 7 ? BlancExtrem : BlancAminoacid;
  if (item < 0 || item > blanc) return;
  selector_[i] = item;
  CompteSelector(SelectorErroni_[i], item == ItemEsperat(i) || item == blanc);
  MostraErrors();
}

void TExercici::ComprovaEtiquetaDNA(int r, int item) {
  if (r < 0 || r > 1 || Acabat_ || !ModeFragments()) return;
  if (item < 0 || item > BlancEtiqueta) return;
  etiqueta_[r] = item;
  const bool transcrita = r == FilaTranscrita_;
  const bool ok = item == BlancEtiqueta || (item == 0 && transcrita) || (item == 1 && !transcrita);
  CompteSelector(EtiquetaErronia_[r], ok);
  MostraErrors();
}

void TExercici::CompteSelector(bool& erroni, bool ok) {
  if (erroni) --ErrorsPendents_;
  erroni = !ok;
  if (!ok) {
    ++ErrorsComesos_;
    ++ErrorsPendents_;
  }
}

void TExercici::MostraErrors() {
  Acabat_ = false;
  ComprovaFinal();
}

// Every row must match, the transcribed strand's too: in the fragments mode
// its empty or wrong cells would otherwise let a wrong table pass.
void TExercici::ComprovaFinal() {
  if (resposta_ != cadena_) return;
  if (ModeFragments() && (etiqueta_[0] != FilaTranscrita_ || etiqueta_[1] != FilaComplementaria()))
    return;
  for (int i = 0; i < NombreSelectors; ++i)
    if (selector_[i] != ItemEsperat(i)) return;
  Acabat_ = true;
  marcada_ = false;
  EntradaActiva_ = false;
}

}  // namespace TaulaResum
