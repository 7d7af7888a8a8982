#include <gtest/gtest.h>

#include "model/Registre.h"

using namespace RBGlobal;

namespace {
class Registre : public ::testing::Test {
 protected:
  void SetUp() override {
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.CodiAmagat = CodiEstandard;
    Sembra(1);
  }
};
}  // namespace

TEST_F(Registre, AnExperimentBecomesTheNextEntry) {
  TradueixPolimer(Polimeritza("U"));
  EXPECT_EQ(RegistraExperiment(Polimeritza("U"), ExperimentSintetic), 1u);
  Polipeptids = TPolipeptids{};
  Polipeptids[1][1] = 7;
  Polipeptids[1][2] = 100;
  EXPECT_EQ(RegistraExperiment("RNA aleatori amb: 100% U; 0% A; ", ExperimentAleatori), 2u);
  const TEstatRecerca& e = EstatRecerca;
  EXPECT_EQ(e.NombreExperiments, 2);
  EXPECT_EQ(e.PolimersExperiment[1].Text(), std::string(41, 'U'));
  EXPECT_EQ(e.ResultatsExperiment[1][1][12], 7);  // twelve Phe
  EXPECT_EQ(e.ResultatsExperiment[1][2], TResultat{});
  EXPECT_EQ(e.ExperimentCopolimer[1], 0);
  EXPECT_EQ(e.PolimersExperiment[2].Text(), "RNA aleatori amb: 100% U; 0% A; ");
  EXPECT_EQ(e.ResultatsExperiment[2], Polipeptids);
  EXPECT_EQ(e.ExperimentCopolimer[2], 1);
}

TEST_F(Registre, TheRNAIsCutToFortyOneCharacters) {
  RegistraExperiment(std::string(50, 'G'), ExperimentSintetic);
  EXPECT_EQ(EstatRecerca.PolimersExperiment[1].Text(), std::string(41, 'G'));
}

TEST_F(Registre, TheSixtyFirstExperimentIsCountedButNotRecorded) {
  for (int i = 0; i < 60; ++i) RegistraExperiment("AAA", ExperimentSintetic);
  for (unsigned n = 1; n <= 60; ++n) DesaConclusions(n, "conclusió");
  const TEstatRecerca abans = EstatRecerca;
  Polipeptids[1][1] = 9;
  EXPECT_EQ(RegistraExperiment("CCC", ExperimentAleatori), 61u);
  DesaConclusions(61, "no es desa");
  TEstatRecerca despres = EstatRecerca;
  EXPECT_EQ(despres.NombreExperiments, 61);
  despres.NombreExperiments = 60;
  EXPECT_EQ(despres, abans);  // nothing else changed
  EXPECT_EQ(DarrerExperimentRegistrat(), 60u);
}

TEST_F(Registre, TheCounterStopsAtItsTop) {
  EstatRecerca.NombreExperiments = 65535;
  EXPECT_EQ(RegistraExperiment("AAA", ExperimentSintetic), 65535u);
  EXPECT_EQ(EstatRecerca.NombreExperiments, 65535);
}

TEST_F(Registre, ConclusionsGoOnlyIntoEntriesOneToSixty) {
  const TEstatRecerca abans = EstatRecerca;
  DesaConclusions(0, "res");
  DesaConclusions(61, "res");
  EXPECT_EQ(EstatRecerca, abans);
  DesaConclusions(60, std::string(300, 'x'));
  EXPECT_EQ(EstatRecerca.ConclusionsExperiment[60].Text(), std::string(255, 'x'));
}

TEST_F(Registre, NavigationStaysWithinTheRecordedExperiments) {
  EstatRecerca.NombreExperiments = 3;
  EXPECT_EQ(Navega(2, Moviment::Primer), 1u);
  EXPECT_EQ(Navega(1, Moviment::Anterior), 1u);
  EXPECT_EQ(Navega(2, Moviment::Seguent), 3u);
  EXPECT_EQ(Navega(3, Moviment::Seguent), 3u);
  EXPECT_EQ(Navega(1, Moviment::Ultim), 3u);
  EstatRecerca.NombreExperiments = 75;
  EXPECT_EQ(Navega(1, Moviment::Ultim), 60u);
  EXPECT_EQ(Navega(60, Moviment::Seguent), 60u);
  EXPECT_EQ(Navega(60, Moviment::Anterior), 59u);
  EstatRecerca.NombreExperiments = 0;
  EXPECT_EQ(Navega(1, Moviment::Ultim), 1u);
}

TEST(TextResultat, ChainsAndCompositions) {
  TResultat slot;
  EXPECT_EQ(TextResultat(slot, false), "");
  EXPECT_EQ(TextResultat(slot, true), "");
  slot[1] = 9;
  slot[2] = 7;
  EXPECT_EQ(TextResultat(slot, false), "Met - Phe");
  EXPECT_EQ(TextResultat(slot, true), "Met: 7%;  ");
  slot[3] = 4;
  slot[4] = 50;
  EXPECT_EQ(TextComposicio(slot), "Met: 7%;  Leu: 50%;  ");
}

TEST(TextResultat, AnyWordsFromADamagedFileGiveAText) {
  TResultat slot;
  for (auto& w : slot) w = 65535;
  EXPECT_EQ(TextComposicio(slot).substr(0, 13), "?: 65535%;  ?");
  EXPECT_EQ(TextComposicio(slot).size(), 6 * 12u);
  EXPECT_EQ(TextResultat(slot, false).substr(0, 5), "? - ?");
}
