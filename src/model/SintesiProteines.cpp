#include "model/SintesiProteines.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "model/RBGlobal.h"

namespace SintesiProteines {
namespace {

constexpr std::array<const char*, 4> Lideres{"AGGGGAAAUCUGAUG", "UGGAGUGAAACGAUG",
                                             "AGGGUGGUGAAUAUG", "UAAGGAGGUUGUAUG"};
constexpr std::string_view Bases = "AGCU";
constexpr std::array<const char*, 3> FinalsStop{"AA", "AG", "GA"};
constexpr const char* DemanaLletres = "Introdueix l'anticodó de l'RNAt.";
constexpr const char* DemanaResidu = "Introdueix l'aminoàcid que s'incorporarà.";
constexpr TMarca Normal{}, Esperant{true, false};


}  // namespace

// ---------------------------------------------------------------------------
// Geometry

TPunt PosicioAminoacid(TPunt rnat) { return {rnat.x + 36, rnat.y - 26}; }

TPunt PosicioCellaAnticodo(TPunt rnat, int i) { return {rnat.x - 2 + 24 * (i - 1), rnat.y + 86}; }

TPunt PosicioResidu(TPunt origen, int n, int d) {
  return {std::max(0, origen.x - AmpleResidu * (n - d)), origen.y};
}

int PassosMoviment(TPunt inici, TPunt desti) {
  return std::max(std::abs(desti.x - inici.x), std::abs(desti.y - inici.y)) / 8;
}

// C++ division truncates toward zero, as the moves must.
TPunt PasAnimacio(TPunt inici, TPunt desti, int k, int passos) {
  if (passos <= 0) return inici;
  return {inici.x + k * (desti.x - inici.x) / passos, inici.y + k * (desti.y - inici.y) / passos};
}

// ---------------------------------------------------------------------------
// Options

int ItemDemanar(const TOpcions& o) {
  if (!o.DemanaAminoacids) return 0;
  return o.DemanaAnticodons ? 2 : 1;
}

int ItemNombreCodons(const TOpcions& o) {
  if (o.MinCodons == o.MaxCodons) return o.NombreCodons == 3 ? 0 : o.NombreCodons == 5 ? 1 : 2;
  if (o.MaxCodons == 5) return 3;
  return o.MinCodons == 5 ? 4 : 5;
}

TOpcions OpcionsDelsItems(int demanar, int nombreCodons) {
  TOpcions o;
  o.DemanaAminoacids = demanar != 0;
  o.DemanaAnticodons = demanar != 1;
  static constexpr std::uint16_t Fixos[3] = {3, 5, 10};
  static constexpr std::uint16_t Intervals[3][2] = {{3, 5}, {5, 10}, {3, 10}};
  const int i = std::clamp(nombreCodons, 0, 5);
  if (i < 3) {
    o.NombreCodons = o.MinCodons = o.MaxCodons = Fixos[i];
  } else {
    o.NombreCodons = 0;  // drawn for each mRNA
    o.MinCodons = Intervals[i - 3][0];
    o.MaxCodons = Intervals[i - 3][1];
  }
  return o;
}

void TExercici::PosaOpcions(const TOpcions& o) {
  const bool valides = o.MinCodons >= 3 && o.MinCodons <= o.MaxCodons && o.MaxCodons <= 10 &&
                       (o.MinCodons != o.MaxCodons || o.NombreCodons == o.MinCodons);
  if (!valides) throw std::invalid_argument("nombre de codons fora de 3..10");
  opcions_ = o;
}

// ---------------------------------------------------------------------------
// Names

char BaseAnticodo(char base) {
  const bool rna = RBGlobal::Nucleotids.find(base) != std::string_view::npos;
  return rna ? RBGlobal::BaseComplementaria(base, true) : ' ';
}

std::string Anticodo(std::string_view codo) {
  std::string anticodo;
  for (char c : codo) anticodo += BaseAnticodo(c);
  return anticodo;
}

std::string NomFase(int fase) {
  if (fase >= 1 && fase <= 3) return "Fase d'iniciació";
  if (fase >= 4 && fase <= 9) return "Fase d'elongació";
  if (fase == 10 || fase == 11) return "Fase de finalització";
  if (fase == 12) return "Final de la síntesi de proteïnes";
  return "";
}

// ---------------------------------------------------------------------------
// The messenger RNA

void TExercici::NouExercici() {
  GeneraRNAm();
  Reinicia();
}

void TExercici::GeneraRNAm() {
  rnam_.assign(LongitudRNAm, ' ');
  rnam_.replace(0, 15, Lideres[RBGlobal::Aleatori(4)]);
  if (opcions_.MinCodons != opcions_.MaxCodons)
    opcions_.NombreCodons = static_cast<std::uint16_t>(
        opcions_.MinCodons + RBGlobal::Aleatori(opcions_.MaxCodons - opcions_.MinCodons + 1u));
  auto base = [] { return Bases[RBGlobal::Aleatori(4)]; };
  for (std::size_t i = 15; i < LongitudRNAm; ++i) rnam_[i] = base();
  // Letters are counted from 1: codon p occupies indices p-1..p+1.
  const int n = opcions_.NombreCodons;
  for (int p = 16; p < 3 * n + 9; p += 3)
    while (RBGlobal::EsCodoStop(std::string_view(rnam_).substr(p - 1, 3)))
      for (int i = 0; i < 3; ++i) rnam_[p - 1 + i] = base();
  const std::size_t stop = 3 * n + 10 - 1;
  rnam_[stop] = 'U';
  rnam_.replace(stop + 1, 2, FinalsStop[RBGlobal::Aleatori(3)]);
}

// The phase machine relies on the start codon at 13-15 and a stop codon in
// frame within ten codons, so nothing else is taken.
void TExercici::PosaRNAm(std::string_view rnam) {
  const bool inici = rnam.size() >= 15 && rnam.substr(12, 3) == "AUG";
  int codons = 0;
  for (std::size_t p = 15; inici && codons == 0 && p + 3 <= rnam.size() && p < 15 + 27; p += 3)
    if (RBGlobal::EsCodoStop(rnam.substr(p, 3))) codons = static_cast<int>((p - 12) / 3) + 1;
  if (codons < 3 || rnam.size() > LongitudRNAm)
    throw std::invalid_argument("RNAm sense AUG a 13-15 o sense codó d'aturada");
  rnam_.assign(LongitudRNAm, ' ');
  rnam_.replace(0, rnam.size(), rnam);
}

char TExercici::LletraCella(int cella) const {
  const std::size_t i = desplacament_ + cella - 1u;
  return i < rnam_.size() ? rnam_[i] : ' ';
}

bool TExercici::CellaMarcada(int cella) const {
  return (cella >= 13 && cella <= 15 && marcaP_) || (cella >= 16 && cella <= 18 && marcaA_);
}

void TExercici::CalculaCodons() {
  const std::string_view rnam(rnam_);
  codoP_ = std::string(rnam.substr(desplacament_ + 12u, 3));
  codoA_ = std::string(rnam.substr(desplacament_ + 15u, 3));
}

// ---------------------------------------------------------------------------
// Restart

void TExercici::Reinicia() {
  marcaP_ = marcaA_ = false;
  fase_ = 0;
  rnat_ = {};
  rnat_[0].Visible = true;
  factor_ = Entrada;
  factorVisible_ = false;
  instruccio_.clear();
  espera_ = Espera::Res;
  desplacament_ = 0;
  errorsAminoacids_ = errorsAnticodons_ = 0;
  nombreAminoacids_ = 0;
  cadena_ = {};
  origenCadena_ = CadenaEnP;
  rnatP_ = 1;
  rnatA_ = 2;
  rnatActual_ = 1;
  posicioAnticodo_ = 0;
  SeguentFase();
}

// ---------------------------------------------------------------------------
// Phase machine

void TExercici::SeguentFase() {
  fase_ = SurtDeFase();
  EntraAFase();
}

int TExercici::SurtDeFase() {
  switch (fase_) {
    case 3:
      AfegeixResidu(rnatP_, CadenaEnP);
      CalculaCodons();
      return 4;
    case 8:
      Slot(rnatP_).Visible = false;
      Slot(rnatP_).Posicio = Entrada;
      return 9;
    case 9: CalculaCodons(); return RBGlobal::AminoacidCodo(codoA_) == 0 ? 10 : 4;
    case 12: return 12;
    default: return fase_ + 1;
  }
}

void TExercici::EntraAFase() {
  switch (fase_) {
    case 1:
      CalculaCodons();
      marcaP_ = true;
      rnatActual_ = rnatP_ = 1;
      rnatA_ = 2;
      DemanaAnticodo();
      break;
    case 2:
    case 5: DemanaAminoacid(); break;
    case 3: MouObjecte(static_cast<Objecte>(rnatActual_), LlocP); break;
    case 4:
      marcaP_ = false;
      marcaA_ = true;
      rnatActual_ = Altre(rnatActual_);
      Actual().Posicio = Entrada;
      Actual().Visible = true;
      DemanaAnticodo();
      break;
    case 6: MouObjecte(static_cast<Objecte>(rnatActual_), LlocA); break;
    case 7:
      AfegeixResidu(rnatA_, CadenaEnA);
      SeguentFase();
      break;
    case 8: MouObjecte(static_cast<Objecte>(rnatP_), Sortida); break;
    case 9: Transloca(); break;
    case 10:
      rnatActual_ = Altre(rnatActual_);
      Actual().Posicio = Entrada;
      Actual().Visible = false;
      DemanaFinal();
      break;
    case 11:
      Actual().AminoacidVisible = false;
      factor_ = Entrada;
      factorVisible_ = true;
      MouObjecte(Objecte::Factor, LlocFactor);
      break;
    case 12: origenCadena_ = CadenaAlliberada; break;
    default: break;
  }
}

// The residue on `slot`'s label joins the chain, which moves onto that tRNA.
void TExercici::AfegeixResidu(int slot, TPunt origen) {
  if (nombreAminoacids_ < MaxCadena) ++nombreAminoacids_;
  cadena_.at(nombreAminoacids_ - 1u) = Slot(slot).Aminoacid;
  origenCadena_ = origen;
  Slot(slot).AminoacidVisible = false;
}

TPunt TExercici::PosicioResidu(int d) const {
  return SintesiProteines::PosicioResidu(origenCadena_, nombreAminoacids_, d);
}

// ---------------------------------------------------------------------------
// Questions and answers

void TExercici::DemanaAnticodo() {
  TRNAt& r = Actual();
  r.Anticodo = rnatActual_ == rnatP_ ? Anticodo(codoP_) : Anticodo(codoA_);
  if (opcions_.DemanaAnticodons) {
    instruccio_ = DemanaLletres;
    posicioAnticodo_ = 1;
    r.MarquesCelles[0] = Esperant;
    espera_ = Espera::Anticodo;
    return;
  }
  std::copy(r.Anticodo.begin(), r.Anticodo.end(), r.Celles.begin());
  SeguentFase();
}

void TExercici::EntraLletra(char lletra) {
  if (espera_ != Espera::Anticodo) return;
  TRNAt& r = Actual();
  const int i = posicioAnticodo_ - 1;
  r.Celles.at(i) = lletra;
  if (lletra != r.Anticodo.at(i)) {
    r.MarquesCelles[i].Erronia = true;
    ++errorsAnticodons_;
    return;
  }
  r.MarquesCelles[i] = Normal;
  if (posicioAnticodo_ < 3) {
    ++posicioAnticodo_;
    r.MarquesCelles[i + 1] = Esperant;
    return;
  }
  instruccio_.clear();
  espera_ = Espera::Res;
  SeguentFase();
}

void TExercici::DemanaAminoacid() {
  if (!opcions_.DemanaAminoacids) {
    Actual().Aminoacid = RBGlobal::AbreviaturaAminoacid(RBGlobal::AminoacidCodo(CodoEsperat()));
    Actual().AminoacidVisible = true;
    espera_ = Espera::Res;
    SeguentFase();
    return;
  }
  EsperaAminoacid(rnatActual_);
}

void TExercici::DemanaFinal() {
  if (opcions_.DemanaAminoacids)
    EsperaAminoacid(rnatActual_);
  else
    SeguentFase();
}

void TExercici::EsperaAminoacid(int slot) {
  TRNAt& r = Slot(slot);
  r.Aminoacid = "   ";
  r.MarcaAminoacid = Esperant;
  r.AminoacidVisible = true;
  instruccio_ = DemanaResidu;
  espera_ = Espera::Aminoacid;
}

bool TExercici::TriaAminoacid(std::string_view codo) {
  if (espera_ != Espera::Aminoacid) return false;
  TRNAt& r = Actual();
  const std::uint16_t triat = RBGlobal::AminoacidCodo(codo);
  r.Aminoacid = RBGlobal::AbreviaturaAminoacid(triat);
  if (triat != RBGlobal::AminoacidCodo(CodoEsperat())) {
    r.MarcaAminoacid.Erronia = true;
    ++errorsAminoacids_;
    return false;
  }
  r.MarcaAminoacid = Normal;
  instruccio_.clear();
  espera_ = Espera::Res;
  SeguentFase();
  return true;
}

// ---------------------------------------------------------------------------
// Translocation: the mRNA, the A-site tRNA and the chain move left together,
// one cell at a time, until that tRNA stands at the P site.

void TExercici::Transloca() {
  for (const TPunt& aturada : AturadesTranslocacio) {
    ++desplacament_;
    Slot(rnatA_).Posicio = aturada;
    origenCadena_ = PosicioAminoacid(aturada);
  }
  rnatP_ = rnatA_;
  rnatA_ = Altre(rnatP_);
  TRNAt& nou = Slot(rnatA_);
  nou.Anticodo = "   ";
  nou.Celles = {' ', ' ', ' '};
  nou.MarquesCelles = {};
  SeguentFase();
}

// ---------------------------------------------------------------------------
// Moves

TPunt& TExercici::PosicioDe(Objecte o) {
  return o == Objecte::Factor ? factor_ : Slot(static_cast<int>(o)).Posicio;
}

TPunt TExercici::Posicio(Objecte o) const {
  return o == Objecte::Factor ? factor_ : RNAt(static_cast<int>(o)).Posicio;
}

bool TExercici::Visible(Objecte o) const {
  return o == Objecte::Factor ? factorVisible_ : RNAt(static_cast<int>(o)).Visible;
}

void TExercici::MouObjecte(Objecte o, TPunt desti) {
  moviment_.objecte = o;
  moviment_.inici = PosicioDe(o);
  moviment_.desti = desti;
  moviment_.passos = PassosMoviment(moviment_.inici, desti);
  moviment_.k = 1;
  espera_ = Espera::Moviment;
}

bool TExercici::Tic() {
  if (espera_ != Espera::Moviment) return false;
  TMoviment& m = moviment_;
  if (m.passos > 0) {
    PosicioDe(m.objecte) = PasAnimacio(m.inici, m.desti, m.k, m.passos);
    ++m.k;
  }
  if (m.k <= m.passos) return false;
  espera_ = Espera::Res;
  SeguentFase();
  return true;
}

}  // namespace SintesiProteines
