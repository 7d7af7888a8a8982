#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "model/Traduccio.h"

using namespace RBGlobal;

namespace {

TPolipeptid Cadena(std::vector<std::uint16_t> paraules) {
  TPolipeptid c;
  for (std::size_t i = 0; i < paraules.size(); ++i) c[i + 1] = paraules[i];
  return c;
}

TPolipeptid Repeticio(std::uint16_t aminoacid, std::size_t n) {
  return Cadena(std::vector<std::uint16_t>(n, aminoacid));
}

// The non-empty chains left in Polipeptids, in slot order; the slots after
// them must be empty.
std::vector<TPolipeptid> Cadenes() {
  std::vector<TPolipeptid> cadenes;
  std::size_t k = 1;
  for (; k <= 4 && Polipeptids[k][1] != 0; ++k) cadenes.push_back(Polipeptids[k]);
  for (; k <= 4; ++k) EXPECT_EQ(Polipeptids[k], TPolipeptid{}) << "slot " << k;
  return cadenes;
}

std::set<std::vector<std::uint16_t>> ComConjunt(const std::vector<TPolipeptid>& cadenes) {
  std::set<std::vector<std::uint16_t>> conjunt;
  for (const auto& c : cadenes) conjunt.insert({c.begin(), c.end()});
  return conjunt;
}

class Traduccio : public ::testing::Test {
 protected:
  void SetUp() override {
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.CodiAmagat = CodiEstandard;
    Sembra(7);
  }
};

constexpr std::uint16_t Gly = 1, Ala = 2, Leu = 4, Ile = 5, Phe = 7, Met = 9, Ser = 10, Tyr = 13,
                        Lys = 18, Val = 3;

}  // namespace

TEST_F(Traduccio, PolyUGivesOneChainOfTwelvePhe) {
  TradueixPolimer(Polimeritza("U"));
  const auto cadenes = Cadenes();
  ASSERT_EQ(cadenes.size(), 1u);
  EXPECT_EQ(cadenes[0], Repeticio(Phe, 12));
  std::string esperat = "Phe";
  for (int i = 1; i < 12; ++i) esperat += " - Phe";
  EXPECT_EQ(TextPolipeptid(cadenes[0]), esperat + " ...");
}

TEST_F(Traduccio, TwoLetterRepeatGivesTwoAlternatingChains) {
  TradueixPolimer(Polimeritza("UC"));
  std::vector<std::uint16_t> serLeu, leuSer;
  for (int i = 0; i < 6; ++i) {
    serLeu.insert(serLeu.end(), {Ser, Leu});
    leuSer.insert(leuSer.end(), {Leu, Ser});
  }
  EXPECT_EQ(ComConjunt(Cadenes()), (std::set{serLeu, leuSer}));
}

TEST_F(Traduccio, ThreeLetterRepeatGivesAtMostThreeChains) {
  TradueixPolimer(Polimeritza("UUC"));  // UUC Phe, UCU Ser, CUU Leu
  EXPECT_EQ(ComConjunt(Cadenes()),
            ComConjunt({Repeticio(Phe, 12), Repeticio(Ser, 12), Repeticio(Leu, 12)}));
}

TEST_F(Traduccio, FourLetterRepeatGivesFourShiftedChains) {
  TradueixPolimer(Polimeritza("UAUC"));  // UAU Tyr, CUA Leu, UCU Ser, AUC Ile
  std::vector<TPolipeptid> esperades;
  const std::vector<std::uint16_t> cicle{Tyr, Leu, Ser, Ile};
  for (std::size_t inici : {0, 3, 2, 1}) {
    std::vector<std::uint16_t> c;
    for (std::size_t i = 0; i < 12; ++i) c.push_back(cicle[(inici + i) % 4]);
    esperades.push_back(Cadena(c));
  }
  EXPECT_EQ(ComConjunt(Cadenes()), ComConjunt(esperades));
}

// GUAA: the four readings meet UAA at codons 4, 1, 2 and 3.
TEST_F(Traduccio, EndCodonsInEveryFrameLeaveOnlyChainsOfTwoOrMore) {
  TradueixPolimer(Polimeritza("GUAA"));
  const auto cadenes = Cadenes();
  EXPECT_EQ(ComConjunt(cadenes), ComConjunt({Cadena({Val, Ser, Lys}), Cadena({Ser, Lys})}));
  for (const auto& c : cadenes) EXPECT_EQ(TextPolipeptid(c).find("..."), std::string::npos);
}

// A code in which every codon holding a U ends the chain and every other is
// Ala; poly-A with one U as the first letter of codon n of the first frame.
// The first reading then stops at codon n, the other three at codon n - 1.
TEST_F(Traduccio, EndCodonAtEachCodonPosition) {
  for (unsigned i = 0; i < 64; ++i)
    EstatRecerca.CodiAmagat[i] = TextCodo(i).find('U') == std::string::npos ? Ala : 0;
  for (std::size_t n = 1; n <= 12; ++n) {
    TPolimer polimer(41, 'A');
    polimer[3 * (n - 1)] = 'U';
    TradueixPolimer(polimer);
    std::set<std::size_t> esperades;
    for (std::size_t llargada : {n - 1, n == 1 ? 12 : n - 2})
      if (llargada >= 2) esperades.insert(llargada);
    std::set<std::size_t> trobades;
    for (const auto& c : Cadenes()) {
      std::size_t llargada = 0;
      while (llargada < 12 && c[llargada + 1] == Ala) ++llargada;
      trobades.insert(llargada);
      EXPECT_EQ(TextPolipeptid(c).ends_with(" ..."), llargada == 12) << "n = " << n;
    }
    EXPECT_EQ(trobades, esperades) << "n = " << n;
  }
}

TEST_F(Traduccio, NoChainOfTwoResiduesLeavesEverySlotEmpty) {
  EstatRecerca.CodiAmagat.fill(0);
  EstatRecerca.CodiAmagat[IndexCodo("AAA")] = Lys;
  TradueixPolimer(Polimeritza("AAAUAA"));  // Lys then an end, in every frame at most
  EXPECT_TRUE(Cadenes().empty());
}

TEST_F(Traduccio, SlotOrderVariesButTheChainsDoNot) {
  std::set<std::vector<std::uint16_t>> primers;
  for (std::uint32_t llavor = 1; llavor <= 40; ++llavor) {
    Sembra(llavor);
    TradueixPolimer(Polimeritza("UC"));
    const auto cadenes = Cadenes();
    ASSERT_EQ(cadenes.size(), 2u);
    primers.insert({cadenes[0].begin(), cadenes[0].end()});
  }
  EXPECT_EQ(primers.size(), 2u);  // both chains have come first
}

TEST_F(Traduccio, PolymerLengthsOtherThan41AreReadSafely) {
  TradueixPolimer(std::string(60, 'U'));  // read as its first 41 letters
  EXPECT_EQ(Cadenes().size(), 1u);
  EXPECT_EQ(Polipeptids[1], Repeticio(Phe, 12));
  TradueixPolimer("UUUUUUU");  // two whole codons from base 1, fewer after
  EXPECT_EQ(Cadenes().size(), 1u);
  EXPECT_EQ(Polipeptids[1], Repeticio(Phe, 2));
  TradueixPolimer("");
  EXPECT_TRUE(Cadenes().empty());
}

TEST_F(Traduccio, MeaningsOutsideTheTableAreKeptAndShownAsUnknown) {
  EstatRecerca.CodiAmagat.fill(4000);  // a damaged file
  TradueixPolimer(Polimeritza("A"));
  ASSERT_EQ(Cadenes().size(), 1u);
  EXPECT_EQ(TextPolipeptid(Polipeptids[1]).substr(0, 9), "? - ? - ?");
}

// Every pattern of four slots drawn from: empty, a single residue, and four
// different chains. What must remain: the distinct chains of two or more, in
// the order of their first slot, then empty slots.
TEST(DepuraPolipeptids, EveryPatternOfEqualAndEmptySlots) {
  const std::vector<TPolipeptid> valors{TPolipeptid{},           Cadena({Met}),
                                        Cadena({Met, Phe}),      Cadena({Phe, Met}),
                                        Repeticio(Gly, 12),      Cadena({Met, Phe, Leu})};
  for (int codi = 0; codi < 6 * 6 * 6 * 6; ++codi) {
    TPolipeptids slots;
    std::vector<TPolipeptid> esperades;
    for (std::size_t k = 1, resta = codi; k <= 4; ++k, resta /= 6) {
      slots[k] = valors[resta % 6];
      if (resta % 6 >= 2 && std::find(esperades.begin(), esperades.end(), slots[k]) == esperades.end())
        esperades.push_back(slots[k]);
    }
    DepuraPolipeptids(slots);
    for (std::size_t k = 1; k <= 4; ++k)
      EXPECT_EQ(slots[k], k <= esperades.size() ? esperades[k - 1] : TPolipeptid{})
          << "pattern " << codi << ", slot " << k;
  }
}

TEST(TextPolipeptid, JoinsAbbreviationsAndMarksACutChain) {
  EXPECT_EQ(TextPolipeptid(Cadena({Met, Phe, Leu})), "Met - Phe - Leu");
  EXPECT_EQ(TextPolipeptid(Repeticio(Ser, 11)).find("..."), std::string::npos);
  EXPECT_EQ(TextPolipeptid(Repeticio(Ser, 12)).size(), 12 * 3 + 11 * 3 + 4u);
  EXPECT_TRUE(TextPolipeptid(Repeticio(Ser, 12)).ends_with("Ser - Ser ..."));
  EXPECT_EQ(TextPolipeptid(Cadena({Met, 21, Leu})), "Met - ? - Leu");
}
