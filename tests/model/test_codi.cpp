#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "model/RBGlobal.h"

using namespace RBGlobal;

TEST(Codons, IndexFollowsTheLetterWeights) {
  EXPECT_EQ(IndexCodo("UUU"), 0u);
  EXPECT_EQ(IndexCodo("UUC"), 1u);
  EXPECT_EQ(IndexCodo("UCU"), 4u);
  EXPECT_EQ(IndexCodo("CUU"), 16u);
  EXPECT_EQ(IndexCodo("AUG"), 35u);
  EXPECT_EQ(IndexCodo("GGG"), 63u);
  // Any character other than U, C, A counts as G.
  EXPECT_EQ(IndexCodo("UUX"), 3u);
  EXPECT_EQ(TextCodo(35), "AUG");
}

TEST(Codons, TextAndIndexAreInverseForEveryCodon) {
  for (unsigned i = 0; i < 64; ++i) {
    const TCodo codo = TextCodo(i);
    ASSERT_EQ(codo.size(), 3u);
    EXPECT_EQ(IndexCodo(codo), i) << codo;
  }
}

TEST(CodiEstandard, HasTheCodonCountsOfTheGeneticCode) {
  std::map<unsigned, int> codons;
  for (auto aa : CodiEstandard) codons[aa]++;
  const std::map<unsigned, int> esperat{
      {0, 3},  {1, 4}, {2, 4},  {3, 4},  {4, 6},  {5, 3},  {6, 4},  {7, 2},  {8, 1},  {9, 1},  {10, 6},
      {11, 4}, {12, 2}, {13, 2}, {14, 2}, {15, 2}, {16, 2}, {17, 2}, {18, 2}, {19, 6}, {20, 2}};
  EXPECT_EQ(codons, esperat);
}

TEST(CodiEstandard, SpotChecksAgainstTheStandardTable) {
  const std::map<std::string, unsigned> mostres{
      {"UUU", 7},  {"UUA", 4},  {"AUG", 9},  {"UGG", 8},  {"UAA", 0},  {"UAG", 0},
      {"UGA", 0},  {"AGA", 19}, {"AGU", 10}, {"CAU", 20}, {"CAA", 15}, {"GAU", 16},
      {"GAA", 17}, {"AAA", 18}, {"AAU", 14}, {"UAU", 13}, {"UGU", 12}, {"ACG", 11},
      {"GGA", 1},  {"GCC", 2},  {"GUG", 3},  {"AUA", 5},  {"CCC", 6}};
  for (const auto& [codo, aa] : mostres) EXPECT_EQ(CodiEstandard[IndexCodo(codo)], aa) << codo;
}

TEST(CodiReal, AminoacidCodoReadsTheHiddenCode) {
  PosaCodiReal();
  EXPECT_EQ(AminoacidCodo("UGA"), 0);
  EXPECT_EQ(AbreviaturaAminoacid(0), "Fi");
  EXPECT_EQ(AminoacidCodo("UGG"), 8);
  EXPECT_EQ(AbreviaturaAminoacid(8), "Trp");
  EXPECT_EQ(AbreviaturaAminoacid(20), "His");
  EXPECT_EQ(AbreviaturaAminoacid(21), "");
  for (auto p : EstatRecerca.CodiPublicat) EXPECT_EQ(p, NoAssignat);
}

TEST(CodiAleatori, EveryMeaningHasACodonAndNothingIsPublished) {
  for (std::uint32_t llavor = 1; llavor <= 500; ++llavor) {
    Sembra(llavor);
    EstatRecerca.CodiPublicat.fill(5);
    PosaCodiAleatori();
    std::array<int, 22> vegades{};
    for (auto aa : EstatRecerca.CodiAmagat) {
      ASSERT_LE(aa, 20) << "llavor " << llavor;
      vegades[aa]++;
    }
    for (unsigned aa = 0; aa <= 20; ++aa) ASSERT_GE(vegades[aa], 1) << "llavor " << llavor;
    for (auto p : EstatRecerca.CodiPublicat) ASSERT_EQ(p, NoAssignat);
  }
}

TEST(CodiAleatori, SameSeedSameCodeAndCodesVary) {
  Sembra(42);
  PosaCodiAleatori();
  const TCodi primer = EstatRecerca.CodiAmagat;
  Sembra(42);
  PosaCodiAleatori();
  EXPECT_EQ(EstatRecerca.CodiAmagat, primer);
  PosaCodiAleatori();
  EXPECT_NE(EstatRecerca.CodiAmagat, primer);
}

TEST(Aleatori, StaysInRange) {
  Sembra(7);
  std::array<int, 6> vist{};
  for (int i = 0; i < 6000; ++i) {
    const unsigned v = Aleatori(6);
    ASSERT_LT(v, 6u);
    vist[v]++;
  }
  for (int n : vist) EXPECT_GT(n, 800);
  EXPECT_EQ(Aleatori(0), 0u);
  EXPECT_EQ(Aleatori(1), 0u);
}

struct CasFormat {
  std::int32_t valor;
  std::uint16_t amplada;
  const char* text;
};

void PrintTo(const CasFormat& c, std::ostream* os) { *os << c.valor << " amplada " << c.amplada; }

class FormataNombreTest : public ::testing::TestWithParam<CasFormat> {};

TEST_P(FormataNombreTest, GroupsDigitsAndPads) {
  EXPECT_EQ(FormataNombre(GetParam().valor, GetParam().amplada), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormataNombreTest,
    ::testing::Values(CasFormat{0, 1, "0"}, CasFormat{1000, 7, "  1.000"},
                      CasFormat{100000, 7, "100.000"}, CasFormat{12345678, 5, "12.345.678"},
                      CasFormat{999, 1, "999"}, CasFormat{999, 5, "  999"},
                      CasFormat{1234567, 7, "1.234.567"}, CasFormat{100, 7, "    100"},
                      CasFormat{2147483647, 1, "2.147.483.647"}, CasFormat{-1000, 1, "-1.000"},
                      CasFormat{-2147483647 - 1, 1, "-2.147.483.648"}));

TEST(Aparellen, FollowsThePairingTable) {
  const std::string plantilles = "35ATGCU ";
  struct Cas {
    char nova;
    const char* ambRepl;   // templates it pairs with in replication
    const char* ambTrans;  // ... and in transcription
  };
  const Cas casos[] = {{' ', "35ATGCU ", "35ATGCU "}, {'3', "5", "5"}, {'5', "3", "3"},
                       {'A', "T", "T"}, {'C', "G", "G"}, {'G', "C", "C"},
                       {'T', "A", ""}, {'U', "", "A"}, {'X', "", ""}};
  for (const Cas& cas : casos)
    for (char p : plantilles) {
      EXPECT_EQ(Aparellen(p, cas.nova, false), std::string(cas.ambRepl).find(p) != std::string::npos)
          << cas.nova << " oposat a " << p;
      EXPECT_EQ(Aparellen(p, cas.nova, true), std::string(cas.ambTrans).find(p) != std::string::npos)
          << cas.nova << " oposat a " << p << " (transcripció)";
    }
}

// The stop codons and each amino acid's codons are read off the standard code.
TEST(CodiEstandard, CodonsOfEachMeaningCoverTheCodeOnceAndStopsAreThree) {
  std::vector<TCodo> vistos;
  for (unsigned a = 0; a <= 20; ++a)
    for (const TCodo& c : CodonsEstandard(a)) {
      EXPECT_EQ(CodiEstandard[IndexCodo(c)], a) << c;
      EXPECT_EQ(EsCodoStop(c), a == 0) << c;
      vistos.push_back(c);
    }
  std::sort(vistos.begin(), vistos.end());
  EXPECT_EQ(std::unique(vistos.begin(), vistos.end()) - vistos.begin(), 64);
  EXPECT_EQ(CodonsEstandard(0), (std::vector<TCodo>{"UAA", "UAG", "UGA"}));
  for (const char* no : {"UA", "UAAA", "TAA", "UAX", ""}) EXPECT_FALSE(EsCodoStop(no)) << no;
}
