#include <gtest/gtest.h>

#include "model/Registre.h"

using namespace RBGlobal;

// The log itself (entries, the 61st experiment, conclusions, paging) is
// exercised through the translation window's test.

TEST(Registre, TheCounterStopsAtItsTop) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.NombreExperiments = 65535;
  EXPECT_EQ(RegistraExperiment("AAA", ExperimentSintetic), 65535u);
  EXPECT_EQ(EstatRecerca.NombreExperiments, 65535);
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
