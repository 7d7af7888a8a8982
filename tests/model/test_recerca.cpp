#include <gtest/gtest.h>

#include "model/RBGlobal.h"

using namespace RBGlobal;

namespace {
void NovaRecerca(std::uint16_t tipus, std::uint8_t codi = 0, std::uint16_t centre = 0) {
  EstatRecerca.TipusPartida = tipus;
  EstatRecerca.TipusCodi = codi;
  EstatRecerca.Centre = centre;
  IniciaRecerca();
}
}  // namespace

TEST(IniciaRecerca, TheProgramStartsInTheExercisesWithTheRealCode) {
  EstatRecerca = TEstatRecerca{};
  IniciaRecerca();
  const TEstatRecerca& e = EstatRecerca;
  EXPECT_EQ(e.TipusPartida, 0);
  EXPECT_EQ(e.TipusCodi, 0);
  EXPECT_EQ(e.CodiAmagat, CodiEstandard);
  for (auto p : e.CodiPublicat) EXPECT_EQ(p, NoAssignat);
  EXPECT_EQ(e.Mes, 1);
  EXPECT_EQ(e.Any, 1961);
  EXPECT_EQ(e.Diners, 100000);
  EXPECT_EQ(e.Ingressos, 10000);
  EXPECT_EQ(e.ProvetesMes, 20);
  EXPECT_EQ(e.Provetes, 20);
  EXPECT_EQ(e.MaxBasesOligo, 1);
}

TEST(IniciaRecerca, FreeResearchOwnsEverythingAndLeavesTheCalendar) {
  EstatRecerca.Mes = 7;
  EstatRecerca.Any = 1965;
  NovaRecerca(CodiLliure, 1);
  const TEstatRecerca& e = EstatRecerca;
  EXPECT_EQ(e.Diners, 0);
  EXPECT_EQ(e.Ingressos, 0);
  EXPECT_EQ(e.ProvetesMes, 0);
  EXPECT_EQ(e.Provetes, 0);
  for (bool b : e.MaterialBiologic) EXPECT_TRUE(b);
  for (bool b : e.Aparells) EXPECT_TRUE(b);
  for (bool b : e.Reactius) EXPECT_TRUE(b);
  for (bool b : e.TecniquesDominades) EXPECT_TRUE(b);
  for (auto n : e.NivellTecniques) EXPECT_EQ(n, 2);
  EXPECT_EQ(e.MaxBasesOligo, 4);
  EXPECT_EQ(e.Mes, 7);
  EXPECT_EQ(e.Any, 1965);
  EXPECT_NE(e.CodiAmagat, CodiEstandard);  // a random code, all but surely
}

TEST(IniciaRecerca, TheGameTakesTheTierOfTheOffer) {
  EstatRecerca.NivellTecniques[0] = 9;
  NovaRecerca(JocPressupost, 0, 3);
  const TEstatRecerca& e = EstatRecerca;
  EXPECT_EQ(e.Diners, 3000);
  EXPECT_EQ(e.Ingressos, 300);
  EXPECT_EQ(e.ProvetesMes, 10);
  EXPECT_EQ(e.Provetes, 10);
  EXPECT_EQ(e.Mes, 1);
  EXPECT_EQ(e.Any, 1961);
  EXPECT_EQ(e.MaxBasesOligo, 1);
  auto nomesZero = [](const auto& flags) {
    for (std::size_t i = 0; i < flags.size(); ++i)
      if (flags[i] != (i == 0)) return false;
    return true;
  };
  EXPECT_TRUE(nomesZero(e.MaterialBiologic));
  EXPECT_TRUE(nomesZero(e.Aparells));
  EXPECT_TRUE(nomesZero(e.Reactius));
  EXPECT_TRUE(nomesZero(e.TecniquesDominades));
  EXPECT_EQ(e.NivellTecniques[0], 9);  // entry 0 is left alone
  for (std::size_t t = 1; t <= 27; ++t) EXPECT_EQ(e.NivellTecniques[t], 1);
}

TEST(IniciaRecerca, EveryTierGivesItsBudgetIncomeAndTubes) {
  const std::int32_t pressupost[] = {100000, 30000, 10000, 3000, 1000};
  const std::uint16_t ingressos[] = {10000, 3000, 1000, 300, 100};
  const std::uint16_t provetes[] = {20, 20, 15, 10, 8};
  for (std::uint16_t tier = 0; tier < 5; ++tier) {
    NovaRecerca(JocPressupost, 0, tier);
    EXPECT_EQ(EstatRecerca.Diners, pressupost[tier]);
    EXPECT_EQ(EstatRecerca.Ingressos, ingressos[tier]);
    EXPECT_EQ(EstatRecerca.ProvetesMes, provetes[tier]);
  }
}

TEST(IniciaRecerca, EmptiesTheLogButKeepsOldConclusions) {
  TEstatRecerca& e = EstatRecerca;
  e.NombreExperiments = 3;
  e.PolimersExperiment[1].Posa("UUUUUU");
  e.PolimersExperiment[60].Posa("ACACAC");
  e.ResultatsExperiment[2][4][12] = 7;
  e.ConclusionsExperiment[1].Posa("UUU es Phe");
  e.ExperimentCopolimer[1] = 1;
  e.TecnicaEnCurs = 4;
  e.TecnicaAcabada = 5;
  e.UnitatsTecnica = 6;
  e.Reserva = -3;
  NovaRecerca(CodiLliure);
  EXPECT_EQ(e.NombreExperiments, 0);
  for (const auto& p : e.PolimersExperiment) EXPECT_EQ(p.Text(), "");
  for (const auto& r : e.ResultatsExperiment) EXPECT_EQ(r, TResultatsExperiment{});
  EXPECT_EQ(e.ConclusionsExperiment[1].Text(), "UUU es Phe");
  EXPECT_EQ(e.ExperimentCopolimer[1], 1);
  EXPECT_EQ(e.TecnicaEnCurs, 0);
  EXPECT_EQ(e.TecnicaAcabada, 0);
  EXPECT_EQ(e.UnitatsTecnica, 0);
  EXPECT_EQ(e.Reserva, 0);
}

TEST(IniciaRecerca, ExercisesAlwaysUseTheRealCodeWhenAskedFor) {
  NovaRecerca(FluxInformacio, 0);
  EXPECT_EQ(EstatRecerca.CodiAmagat, CodiEstandard);
}

// A replaced seed source makes the random code repeat; {} gives the clock back.
TEST(IniciaRecerca, TakesItsSeedFromTheInstalledSource) {
  InstallaFontLlavors([] { return 7u; });
  NovaRecerca(CodiLliure, 1);
  const TCodi primer = EstatRecerca.CodiAmagat;
  NovaRecerca(CodiLliure, 1);
  EXPECT_EQ(EstatRecerca.CodiAmagat, primer);
  InstallaFontLlavors({});
  NovaRecerca(CodiLliure, 1);
  EXPECT_NE(EstatRecerca.CodiAmagat, primer);
}

TEST(Taules, MonthsCostsAndOffers) {
  EXPECT_STREQ(NomsMesos[1], "Gener");
  EXPECT_STREQ(NomsMesos[3], "Març");
  EXPECT_STREQ(NomsMesos[12], "Desembre");
  EXPECT_THROW(NomsMesos[0], std::out_of_range);
  EXPECT_THROW(NomsMesos[13], std::out_of_range);
  EXPECT_EQ(CostProvetes[ExperimentPolimer], 10);
  EXPECT_EQ(CostDiners[ExperimentPolimer], 100);
  EXPECT_EQ(CostProvetes[ExperimentCopolimers], 10);
  EXPECT_EQ(CostDiners[ExperimentCopolimers], 100);
  EXPECT_EQ(CostProvetes[6], 5);
  EXPECT_EQ(CostProvetes[7], 40);
  EXPECT_EQ(CostDiners[7], 500);
  EXPECT_STREQ(OfertesCentres[0].Noms[0], "MRC, Laboratori de Biologia Molecular de Cambridge");
  EXPECT_STREQ(OfertesCentres[3].Noms[1], "Centre d'investigació genètica \"Vorkan\", Moscú");
  EXPECT_STREQ(OfertesCentres[4].Noms[5], "Laboratori de guerra biològica, Damasc");
  for (const auto& centre : OfertesCentres)
    for (const char* nom : centre.Noms) EXPECT_LE(std::string(nom).size(), 80u) << nom;
}

struct CasExperiment {
  std::int32_t provetes, diners;
  bool dominada, esperat;
};

void PrintTo(const CasExperiment& c, std::ostream* os) {
  *os << c.provetes << " provetes, " << c.diners << " $, tècnica " << c.dominada;
}

class PodemFerExperimentTest : public ::testing::TestWithParam<CasExperiment> {};

TEST_P(PodemFerExperimentTest, InTheGameNeedsTechniqueTubesAndMoney) {
  const CasExperiment c = GetParam();
  NovaRecerca(JocPressupost);
  EstatRecerca.Provetes = c.provetes;
  EstatRecerca.Diners = c.diners;
  EstatRecerca.TecniquesDominades[18] = c.dominada;
  EstatRecerca.TecniquesDominades[21] = c.dominada;
  EXPECT_EQ(PodemFerExperiment(EstatRecerca, 18, ExperimentPolimer), c.esperat);
  EXPECT_EQ(PodemFerExperiment(EstatRecerca, 21, ExperimentCopolimers), c.esperat);
}

INSTANTIATE_TEST_SUITE_P(Llindars, PodemFerExperimentTest,
                         ::testing::Values(CasExperiment{9, 100, true, false},
                                           CasExperiment{10, 100, true, true},
                                           CasExperiment{10, 99, true, false},
                                           CasExperiment{10, 100, false, false},
                                           CasExperiment{-5, 5000, true, false},
                                           CasExperiment{50, -100, true, false}));

TEST(PodemFerExperiment, FreeResearchCostsNothing) {
  NovaRecerca(CodiLliure);
  EstatRecerca.TecniquesDominades[18] = false;
  EXPECT_TRUE(PodemFerExperiment(EstatRecerca, 18, ExperimentPolimer));
  EXPECT_TRUE(PodemFerExperiment(EstatRecerca, 21, ExperimentCopolimers));
}

TEST(TextFix, CutsToCapacityAndKeepsBytesPastTheLength) {
  TextFix<5> t;
  t.Posa("ABCDEFG");
  EXPECT_EQ(t.Text(), "ABCDE");
  t.Posa("xy");
  EXPECT_EQ(t.Text(), "xy");
  EXPECT_EQ(t.Car[2], 'C');  // what was there stays, unread
  t.Longitud = 200;          // only a hand-made file says this
  EXPECT_EQ(t.Text(), "xyCDE");
}

TEST(Array1, IsIndexedFromOne) {
  Array1<int, 3> a;
  a[1] = 10;
  a[3] = 30;
  EXPECT_EQ(a.v[0], 10);
  EXPECT_EQ(a.v[2], 30);
  EXPECT_THROW(a[0], std::out_of_range);
  EXPECT_THROW(a[4], std::out_of_range);
}
