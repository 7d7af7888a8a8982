#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/Copolimer.h"

using namespace RBGlobal;

namespace {

using P3 = std::array<std::uint16_t, 3>;
using L3 = std::array<bool, 3>;

struct CasSpin {
  const char* nom;
  P3 abans;
  L3 lliures;
  std::size_t k;
  bool amunt;
  P3 despres;
};

// The spin-button rules: a point moves between the clicked proportion and
// the first free other one in the order 0, 1, 2.
const std::vector<CasSpin> CasosSpin{
    {"two: SB0 down gives to P1", {50, 50, 0}, {1, 1, 1}, 0, false, {49, 51, 0}},
    {"two: SB0 up takes from P1", {50, 50, 0}, {1, 1, 1}, 0, true, {51, 49, 0}},
    {"two: SB1 down gives to P0", {50, 50, 0}, {1, 1, 1}, 1, false, {51, 49, 0}},
    {"two: SB1 up takes from P0", {50, 50, 0}, {1, 1, 1}, 1, true, {49, 51, 0}},
    {"two: P0 reaches 100", {99, 1, 0}, {1, 1, 1}, 0, true, {100, 0, 0}},
    {"two: P0 stays at 100", {100, 0, 0}, {1, 1, 1}, 0, true, {100, 0, 0}},
    {"two: P1 at 0 stays", {100, 0, 0}, {1, 1, 1}, 1, false, {100, 0, 0}},
    {"three: SB0 down gives to P1", {34, 33, 33}, {1, 1, 1}, 0, false, {33, 34, 33}},
    {"three: P1 fixed, SB0 down gives to P2", {34, 33, 33}, {1, 0, 1}, 0, false, {33, 33, 34}},
    {"three: P1 fixed, SB0 up takes from P2", {34, 33, 33}, {1, 0, 1}, 0, true, {35, 33, 32}},
    {"three: P1 empty, SB0 up takes from P2", {50, 0, 50}, {1, 1, 1}, 0, true, {51, 0, 49}},
    {"three: SB2 down gives to P0", {34, 33, 33}, {1, 1, 1}, 2, false, {35, 33, 32}},
    {"three: P0 fixed, SB2 down gives to P1", {34, 33, 33}, {0, 1, 1}, 2, false, {34, 34, 32}},
    {"three: SB2 up takes from P0", {34, 33, 33}, {1, 1, 1}, 2, true, {33, 33, 34}},
    {"three: P0 empty, SB2 up takes from P1", {0, 50, 50}, {1, 1, 1}, 2, true, {0, 49, 51}},
    {"three: SB1 up, P0 fixed, takes from P2", {34, 33, 33}, {0, 1, 1}, 1, true, {34, 34, 32}},
    {"a fixed proportion never moves", {34, 33, 33}, {1, 0, 1}, 1, false, {34, 33, 33}},
    {"one free proportion: nothing moves", {34, 33, 33}, {1, 0, 0}, 0, false, {34, 33, 33}},
    {"one free proportion: nothing moves up", {34, 33, 33}, {1, 0, 0}, 0, true, {34, 33, 33}},
    {"nothing free to take from", {80, 0, 20}, {1, 1, 0}, 0, true, {80, 0, 20}},
};

TCodonsCopolimer Copolimer(std::vector<std::pair<TCodo, int>> parts) {
  TCodonsCopolimer codons;
  std::size_t i = 0;
  for (auto& [codo, n] : parts)
    for (int j = 0; j < n; ++j) codons.at(i++) = codo;
  EXPECT_EQ(i, CodonsPerCopolimer);
  return codons;
}

// The pairs of Polipeptids in order, checking the layout as it goes.
std::vector<std::pair<int, int>> Parelles() {
  std::vector<std::pair<int, int>> parelles;
  bool acabat = false;
  for (std::size_t k = 1; k <= 4; ++k) {
    for (std::size_t w = 1; w <= 9; w += 2) {
      if (Polipeptids[k][w] == 0) acabat = true;
      if (acabat) {
        EXPECT_EQ(Polipeptids[k][w], 0) << "slot " << k << " word " << w;
        continue;
      }
      parelles.emplace_back(Polipeptids[k][w], Polipeptids[k][w + 1]);
    }
    EXPECT_EQ(Polipeptids[k][11], 0);
    EXPECT_EQ(Polipeptids[k][12], 0);
  }
  return parelles;
}

// An independent composition: integer arithmetic for the rounding, a sort
// for the order.
std::vector<std::pair<int, int>> ComposicioEsperada(const TCodonsCopolimer& codons) {
  std::array<long, 21> n{};
  for (const TCodo& c : codons) {
    unsigned index = 0;
    for (char lletra : c) index = index * 4 + unsigned(std::string_view("UCAG").find(lletra));
    ++n.at(EstatRecerca.CodiAmagat[index]);
  }
  long total = 0;
  for (int a = 1; a <= 20; ++a) total += n[a];
  std::vector<std::pair<int, int>> parelles;
  if (total == 0) return parelles;
  for (int a = 1; a <= 20; ++a) {
    long q = n[a] * 100 / total, r = n[a] * 100 % total;
    if (2 * r > total || (2 * r == total && q % 2 == 1)) ++q;
    if (q > 0) parelles.emplace_back(a, int(q));
  }
  std::stable_sort(parelles.begin(), parelles.end(),
                   [](auto x, auto y) { return x.second > y.second; });
  return parelles;
}

}  // namespace

TEST(Proporcions, SpinButtonRules) {
  for (const CasSpin& cas : CasosSpin) {
    TProporcions p;
    p.P = cas.abans;
    p.Lliures = cas.lliures;
    cas.amunt ? p.Puja(cas.k) : p.Baixa(cas.k);
    EXPECT_EQ(p.P, cas.despres) << cas.nom;
  }
}

TEST(DescriuCopolimer, NamesEachProportionAndDropsAnEmptyThird) {
  EXPECT_EQ(DescriuCopolimer({'A', 'G', 'C'}, {34, 33, 33}), "RNA aleatori amb: 34% A; 33% G; 33% C; ");
  for (std::uint16_t p0 = 0; p0 <= 100; ++p0)
    for (std::uint16_t p1 = 0; p0 + p1 <= 100; ++p1) {
      const std::string d = DescriuCopolimer({'A', 'G', 'C'}, {p0, p1, std::uint16_t(100 - p0 - p1)});
      ASSERT_LE(d.size(), LlargadaDescripcio);
      ASSERT_TRUE(d.ends_with("; ")) << d;  // the longest still fits whole
    }
}

class Composicio : public ::testing::Test {
 protected:
  void SetUp() override {
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.CodiAmagat = CodiEstandard;
  }
};

TEST_F(Composicio, PolyUIsAllPhe) {
  CalculaComposicio(Copolimer({{"UUU", 255}}));
  EXPECT_EQ(Parelles(), (std::vector<std::pair<int, int>>{{7, 100}}));
}

TEST_F(Composicio, EndCodonsAreNotCountedAndTiesGoByNumber) {
  CalculaComposicio(Copolimer({{"UUU", 85}, {"UAA", 85}, {"GGG", 85}}));
  EXPECT_EQ(Parelles(), (std::vector<std::pair<int, int>>{{1, 50}, {7, 50}}));
}

TEST_F(Composicio, ExactHalvesRoundToEven) {
  // 8 amino acids: Gly 1 (12.5 %), Ala 3 (37.5 %), Val 4 (50 %).
  CalculaComposicio(Copolimer({{"GGU", 1}, {"GCU", 3}, {"GUU", 4}, {"UAG", 247}}));
  EXPECT_EQ(Parelles(), (std::vector<std::pair<int, int>>{{3, 50}, {2, 38}, {1, 12}}));
}

TEST_F(Composicio, NoAminoAcidGivesAnEmptyComposition) {
  Polipeptids[1][1] = 5;  // left over from an earlier experiment
  CalculaComposicio(Copolimer({{"UAA", 200}, {"UGA", 55}}));
  EXPECT_TRUE(Parelles().empty());
  for (const auto& slot : Polipeptids) EXPECT_EQ(slot, TPolipeptid{});
}

TEST_F(Composicio, DamagedCodeNumbersAreIgnored) {
  EstatRecerca.CodiAmagat[IndexCodo("AAA")] = 21;
  EstatRecerca.CodiAmagat[IndexCodo("CCC")] = 60000;
  CalculaComposicio(Copolimer({{"AAA", 100}, {"CCC", 100}, {"UUU", 55}}));
  EXPECT_EQ(Parelles(), (std::vector<std::pair<int, int>>{{7, 100}}));
}

TEST_F(Composicio, AgreesWithAnIndependentCountOverManyCopolymers) {
  Sembra(2024);
  const std::array<char, 4> lletres{'A', 'G', 'C', 'U'};
  for (int prova = 0; prova < 2000; ++prova) {
    if (prova % 10 == 0) PosaCodiAleatori();
    std::array<char, 3> triades{};
    for (std::size_t k = 0; k < 3; ++k) triades[k] = lletres[Aleatori(4)];
    const auto p0 = std::uint16_t(Aleatori(101));
    const auto p1 = std::uint16_t(Aleatori(101 - p0));
    const P3 p{p0, p1, std::uint16_t(100 - p0 - p1)};
    const TCodonsCopolimer codons = GeneraCopolimer(triades, p);
    CalculaComposicio(codons);
    ASSERT_EQ(Parelles(), ComposicioEsperada(codons)) << "prova " << prova;
  }
}
