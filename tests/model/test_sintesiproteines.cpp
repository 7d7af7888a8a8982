// The protein synthesis exercise, driven without any window: the messenger
// it draws, whole runs answered as a student would, and the moves.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/RBGlobal.h"
#include "model/SintesiProteines.h"

using namespace SintesiProteines;

namespace {

// A synonym the student picks in the table instead of the codon itself.
const std::map<std::string, std::string> Sinonim{
    {"AUG", "AUG"}, {"UUA", "CUG"}, {"GGC", "GGA"}, {"UGG", "UGG"}, {"UAG", "UGA"}};

const std::string Lider = "AGGGGAAAUCUGAUG";
const std::string Missatger = Lider + "UUAGGCUGGUAG" + "CCCAAAGGGUUU";  // Met Leu Gly Trp, stop

char Complement(char c) { return c == 'A' ? 'U' : c == 'U' ? 'A' : c == 'G' ? 'C' : 'G'; }
bool Stop(const std::string& c) { return c == "UAA" || c == "UAG" || c == "UGA"; }

TExercici Nou(int demanar, const std::string& rnam = Missatger) {
  RBGlobal::PosaCodiReal();
  TExercici e;
  e.PosaOpcions(OpcionsDelsItems(demanar, 1));
  e.PosaRNAm(rnam);
  e.Reinicia();
  return e;
}

// The codon the current question is about, read off the mRNA cells.
std::string CodoEnJoc(const TExercici& e) {
  const int primera = e.RNAtActual() == e.RNAtP() && e.Fase() <= 3 ? 13 : 16;
  std::string codo;
  for (int i = 0; i < 3; ++i) codo += e.LletraCella(primera + i);
  return codo;
}

struct Estat {
  int fase;
  Espera espera;
  bool operator==(const Estat&) const = default;
};
void PrintTo(const Estat& s, std::ostream* os) { *os << s.fase << "/" << int(s.espera); }

// Answers everything right, as a student who knows the code would, with one
// wrong anticodon letter and one wrong amino acid at the first chance.
std::vector<Estat> Completa(TExercici& e, bool equivocat = false) {
  std::vector<Estat> vist;
  bool lletraErrada = equivocat, residuErrat = equivocat;
  for (int pas = 0; pas < 2000 && !(e.Fase() == 12 && e.EsperaAra() == Espera::Res); ++pas) {
    if (vist.empty() || !(vist.back() == Estat{e.Fase(), e.EsperaAra()}))
      vist.push_back({e.Fase(), e.EsperaAra()});
    switch (e.EsperaAra()) {
      case Espera::Anticodo: {
        const char dreta = Complement(CodoEnJoc(e)[e.PosicioAnticodo() - 1]);
        e.EntraLletra(std::exchange(lletraErrada, false) ? Complement(dreta) : dreta);
        break;
      }
      case Espera::Aminoacid:
        if (std::exchange(residuErrat, false))
          e.TriaAminoacid(Stop(CodoEnJoc(e)) ? "UUA" : "UAA");
        else
          e.TriaAminoacid(Sinonim.at(CodoEnJoc(e)));
        break;
      case Espera::Moviment: e.Tic(); break;
      case Espera::Res: ADD_FAILURE() << "stuck in phase " << e.Fase(); return vist;
    }
  }
  vist.push_back({e.Fase(), e.EsperaAra()});
  return vist;
}

std::vector<std::string> Cadena(const TExercici& e) {
  std::vector<std::string> cadena;
  for (int d = 1; d <= e.NombreAminoacids(); ++d) cadena.push_back(e.Residu(d));
  return cadena;
}

}  // namespace

// ---------------------------------------------------------------------------
// Generation

TEST(SintesiGeneraRNAm, EveryOptionGivesAStartASenseFrameAndOneStopInPlace) {
  const std::set<std::string> lideres{"AGGGGAAAUCUGAUG", "UGGAGUGAAACGAUG", "AGGGUGGUGAAUAUG",
                                      "UAAGGAGGUUGUAUG"};
  RBGlobal::Sembra(11);
  for (int item = 0; item < 6; ++item) {
    TExercici e;
    e.PosaOpcions(OpcionsDelsItems(0, item));
    const int minim = e.Opcions().MinCodons, maxim = e.Opcions().MaxCodons;
    std::set<int> nombres;
    for (int vegada = 0; vegada < 400; ++vegada) {
      e.GeneraRNAm();
      const std::string& r = e.RNAm();
      const int n = e.Opcions().NombreCodons;
      nombres.insert(n);
      ASSERT_EQ(r.size(), 255u);
      ASSERT_TRUE(lideres.count(r.substr(0, 15))) << r;
      ASSERT_EQ(r.find_first_not_of("AGCU"), std::string::npos) << r;
      for (int p = 16; p < 3 * n + 10; p += 3) ASSERT_FALSE(Stop(r.substr(p - 1, 3))) << r;
      ASSERT_TRUE(Stop(r.substr(3 * n + 9, 3))) << "item " << item << ": " << r;
    }
    EXPECT_EQ(*nombres.begin(), minim) << "item " << item;
    EXPECT_EQ(*nombres.rbegin(), maxim) << "item " << item;
    EXPECT_EQ(int(nombres.size()), maxim - minim + 1) << "item " << item;
  }
}

TEST(SintesiOpcions, RadioItemsAndSettingsMapBothWays) {
  EXPECT_EQ(ItemDemanar(TOpcions{}), 0);
  EXPECT_EQ(ItemNombreCodons(TOpcions{}), 1);
  const std::pair<int, int> intervals[] = {{3, 3}, {5, 5}, {10, 10}, {3, 5}, {5, 10}, {3, 10}};
  for (int demanar = 0; demanar < 3; ++demanar)
    for (int codons = 0; codons < 6; ++codons) {
      const TOpcions o = OpcionsDelsItems(demanar, codons);
      EXPECT_EQ(o.DemanaAminoacids, demanar != 0);
      EXPECT_EQ(o.DemanaAnticodons, demanar != 1);
      EXPECT_EQ(std::make_pair(int(o.MinCodons), int(o.MaxCodons)), intervals[codons]);
      EXPECT_EQ(o.NombreCodons, codons < 3 ? o.MinCodons : 0);
      EXPECT_EQ(ItemDemanar(o), demanar);
      EXPECT_EQ(ItemNombreCodons(o), codons);
    }
}

TEST(SintesiOpcions, CountsTheChainCannotHoldAreRefused) {
  TExercici e;
  EXPECT_THROW(e.PosaOpcions({false, true, 11, 11, 11}), std::invalid_argument);
  EXPECT_THROW(e.PosaOpcions({false, true, 2, 2, 2}), std::invalid_argument);
  EXPECT_THROW(e.PosaOpcions({false, true, 0, 6, 4}), std::invalid_argument);
  EXPECT_THROW(e.PosaRNAm(Lider + "UUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUU"), std::invalid_argument);
  EXPECT_THROW(e.PosaRNAm("AGGGGAAAUCUGAUA" + Missatger.substr(15)), std::invalid_argument);
  EXPECT_EQ(e.Opcions(), TOpcions{});
}

// ---------------------------------------------------------------------------
// Whole runs

TEST(SintesiRun, EachModeStopsWhereItAsksAndNowhereElse) {
  using E = Espera;
  const std::string tres = Lider + "UUAUAG";
  // clang-format off
  const std::vector<Estat> esperat[3] = {
      {{1, E::Anticodo}, {3, E::Moviment}, {4, E::Anticodo}, {6, E::Moviment},
       {8, E::Moviment}, {11, E::Moviment}, {12, E::Res}},
      {{2, E::Aminoacid}, {3, E::Moviment}, {5, E::Aminoacid}, {6, E::Moviment},
       {8, E::Moviment}, {10, E::Aminoacid}, {11, E::Moviment}, {12, E::Res}},
      {{1, E::Anticodo}, {2, E::Aminoacid}, {3, E::Moviment}, {4, E::Anticodo},
       {5, E::Aminoacid}, {6, E::Moviment}, {8, E::Moviment}, {10, E::Aminoacid},
       {11, E::Moviment}, {12, E::Res}}};
  // clang-format on
  for (int demanar = 0; demanar < 3; ++demanar) {
    TExercici e = Nou(demanar, tres);
    EXPECT_EQ(Completa(e), esperat[demanar]) << "mode " << demanar;
    EXPECT_EQ(Cadena(e), (std::vector<std::string>{"Met", "Leu"}));
  }
}

TEST(SintesiRun, AStudentBuildsTheWholeChainAndEveryMistakeCounts) {
  for (int demanar = 0; demanar < 3; ++demanar) {
    TExercici e = Nou(demanar);
    Completa(e, true);
    EXPECT_EQ(Cadena(e), (std::vector<std::string>{"Met", "Leu", "Gly", "Trp"}));
    EXPECT_EQ(e.ErrorsAnticodons(), demanar != 1 ? 1 : 0) << "mode " << demanar;
    EXPECT_EQ(e.ErrorsAminoacids(), demanar != 0 ? 1 : 0) << "mode " << demanar;
    EXPECT_EQ(NomFase(e.Fase()), "Final de la síntesi de proteïnes");
    EXPECT_EQ(e.Desplacament(), 9);
    EXPECT_TRUE(e.Visible(Objecte::Factor));
    EXPECT_EQ(e.Posicio(Objecte::Factor), LlocFactor);
    for (int d = 1; d <= 4; ++d) EXPECT_EQ(e.PosicioResidu(d), (TPunt{296 - 35 * (4 - d), 48}));
    EXPECT_TRUE(e.OrdresActives());
    EXPECT_FALSE(e.BasesActives());
    EXPECT_TRUE(e.Instruccio().empty());
  }
}

TEST(SintesiRun, TenCodonsFillTheNineChainLabels) {
  std::string deu = Lider;
  for (int i = 0; i < 8; ++i) deu += "UUA";
  TExercici e = Nou(2, deu + "UAG");
  Completa(e);
  ASSERT_EQ(e.NombreAminoacids(), 9);
  EXPECT_EQ(Cadena(e).front(), "Met");
  EXPECT_EQ(Cadena(e).back(), "Leu");
  EXPECT_EQ(e.PosicioResidu(1), (TPunt{16, 48}));
}

TEST(SintesiAnticodo, AWrongLetterIsRedAndCountedAndTheSameCellWaits) {
  TExercici e = Nou(0);
  EXPECT_EQ(NomFase(e.Fase()), "Fase d'iniciació");
  EXPECT_EQ(e.Instruccio(), "Introdueix l'anticodó de l'RNAt.");
  EXPECT_TRUE(e.CellaMarcada(13) && e.CellaMarcada(15) && !e.CellaMarcada(16));
  const TRNAt& r = e.RNAt(1);
  EXPECT_EQ(r.Anticodo, "UAC");
  EXPECT_EQ(r.MarquesCelles[0], (TMarca{true, false}));
  e.EntraLletra('G');
  EXPECT_EQ(r.Celles[0], 'G');
  EXPECT_EQ(r.MarquesCelles[0], (TMarca{true, true}));
  EXPECT_EQ(e.PosicioAnticodo(), 1);
  EXPECT_EQ(e.ErrorsAnticodons(), 1);
  e.EntraLletra('U');
  EXPECT_EQ(r.MarquesCelles[0], TMarca{});
  EXPECT_EQ(r.MarquesCelles[1], (TMarca{true, false}));
  e.EntraLletra('A');
  e.EntraLletra('C');
  EXPECT_EQ(std::string(r.Celles.begin(), r.Celles.end()), "UAC");
  EXPECT_EQ(e.EsperaAra(), Espera::Moviment);
  EXPECT_TRUE(r.AminoacidVisible);
  EXPECT_EQ(r.Aminoacid, "Met");
  e.EntraLletra('A');  // no letter is taken while the tRNA moves
  EXPECT_EQ(e.ErrorsAnticodons(), 1);
}

TEST(SintesiAminoacid, OnlyAnEquivalentCodonIsRightAndTheStopTakesAnyStop) {
  TExercici e = Nou(1, Lider + "UUAUAG");
  EXPECT_TRUE(e.SelectorVisible());
  EXPECT_FALSE(e.BasesActives());
  EXPECT_EQ(e.RNAt(1).Aminoacid, "   ");
  EXPECT_FALSE(e.TriaAminoacid("UUA"));
  EXPECT_EQ(e.RNAt(1).Aminoacid, "Leu");
  EXPECT_EQ(e.RNAt(1).MarcaAminoacid, (TMarca{true, true}));
  EXPECT_EQ(e.ErrorsAminoacids(), 1);
  EXPECT_TRUE(e.TriaAminoacid("AUG"));
  EXPECT_EQ(e.RNAt(1).MarcaAminoacid, TMarca{});
  EXPECT_FALSE(e.SelectorVisible());
  while (e.EsperaAra() != Espera::Aminoacid) e.Tic();
  EXPECT_TRUE(e.TriaAminoacid("CUG"));
  while (e.EsperaAra() != Espera::Aminoacid) e.Tic();
  ASSERT_EQ(e.Fase(), 10);
  EXPECT_EQ(NomFase(10), "Fase de finalització");
  EXPECT_FALSE(e.Visible(static_cast<Objecte>(e.RNAtActual())));
  EXPECT_EQ(PosicioAminoacid(e.RNAt(e.RNAtActual()).Posicio), (TPunt{566, 24}));
  EXPECT_FALSE(e.TriaAminoacid("UUA"));
  EXPECT_TRUE(e.TriaAminoacid("UAA"));
  EXPECT_EQ(e.RNAt(e.RNAtActual()).Aminoacid, "Fi");
  EXPECT_EQ(e.ErrorsAminoacids(), 2);
}

TEST(SintesiRun, RestartKeepsTheMessengerAndClearsEverythingElse) {
  TExercici e = Nou(2);
  Completa(e, true);
  e.Reinicia();
  EXPECT_EQ(e.RNAm().substr(0, Missatger.size()), Missatger);
  EXPECT_EQ(e.Fase(), 1);
  EXPECT_EQ(e.Desplacament(), 0);
  EXPECT_EQ(e.ErrorsAminoacids() + e.ErrorsAnticodons(), 0);
  EXPECT_EQ(e.NombreAminoacids(), 0);
  EXPECT_TRUE(e.Visible(Objecte::RNAt1));
  EXPECT_FALSE(e.Visible(Objecte::RNAt2) || e.Visible(Objecte::Factor));
}

// ---------------------------------------------------------------------------
// Moves

TEST(SintesiMoviment, StepsTruncateTowardZero) {
  struct Cas {
    TPunt inici, desti;
    int k, passos;
    TPunt esperat;
  };
  const Cas casos[] = {
      {Entrada, LlocP, 1, 30, {522, 51}},   {Entrada, LlocP, 15, 30, {410, 72}},
      {Entrada, LlocP, 30, 30, LlocP},      {Entrada, LlocFactor, 1, 21, {522, 55}},
      {LlocP, Sortida, 7, 20, {234, 85}},   {Entrada, LlocA, 21, 21, LlocA},
      {{10, 10}, {14, 13}, 1, 0, {10, 10}},
  };
  for (const Cas& c : casos) {
    EXPECT_EQ(PassosMoviment(c.inici, c.desti), c.passos);
    EXPECT_EQ(PasAnimacio(c.inici, c.desti, c.k, c.passos), c.esperat) << c.k;
  }
}

TEST(SintesiMoviment, TheTRNACarriesItsLabelAndCellsAndTheButtonsWait) {
  TExercici e = Nou(0);
  for (char c : std::string("UAC")) e.EntraLletra(c);
  EXPECT_FALSE(e.OrdresActives());
  EXPECT_FALSE(e.BasesActives());
  for (int k = 1; k <= 14; ++k) EXPECT_FALSE(e.Tic());
  const TPunt p = e.Posicio(Objecte::RNAt1);
  EXPECT_EQ(p, (TPunt{418, 70}));
  EXPECT_EQ(PosicioAminoacid(p), (TPunt{454, 44}));
  EXPECT_EQ(PosicioCellaAnticodo(p, 3), (TPunt{464, 156}));
  for (int k = 15; k < 30; ++k) EXPECT_FALSE(e.Tic());
  EXPECT_TRUE(e.Tic());
  EXPECT_EQ(e.Posicio(Objecte::RNAt1), LlocP);
  EXPECT_TRUE(e.OrdresActives());
  // The chain is on the tRNA at P, the next tRNA waits at the entry for its anticodon.
  EXPECT_EQ(e.Fase(), 4);
  EXPECT_EQ(e.PosicioResidu(1), CadenaEnP);
  EXPECT_FALSE(e.RNAt(1).AminoacidVisible);
  EXPECT_TRUE(e.Visible(Objecte::RNAt2));
  EXPECT_TRUE(e.BasesActives());
  EXPECT_TRUE(!e.CellaMarcada(13) && e.CellaMarcada(16));
}

TEST(SintesiMoviment, TranslocationShiftsTheMessengerAndSwapsTheSites) {
  TExercici e = Nou(0);
  while (!(e.Fase() == 8 && e.EsperaAra() == Espera::Moviment)) {
    if (e.EsperaAra() == Espera::Anticodo)
      e.EntraLletra(Complement(CodoEnJoc(e)[e.PosicioAnticodo() - 1]));
    else
      e.Tic();
  }
  EXPECT_EQ(e.PosicioResidu(2), CadenaEnA);
  while (e.Fase() == 8) e.Tic();
  EXPECT_EQ(e.Fase(), 4);
  EXPECT_EQ(e.Desplacament(), 3);
  EXPECT_EQ(e.CodoP(), "UUA");
  EXPECT_EQ(e.RNAtP(), 2);
  EXPECT_EQ(e.RNAtActual(), 1);
  EXPECT_EQ(e.Posicio(Objecte::RNAt2), LlocP);
  EXPECT_EQ(e.PosicioResidu(2), CadenaEnP);
  EXPECT_EQ(e.PosicioResidu(1), (TPunt{291, 68}));
  EXPECT_EQ(e.RNAt(1).Anticodo, "CCG");
  EXPECT_EQ(e.LletraCella(13), 'U');
}
