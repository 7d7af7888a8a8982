// Expected triplet frequencies of a random copolymer.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "model/Frequencies.h"

using Frequencies::Esperades;
using Frequencies::TClasse;

namespace {
struct TCas {
  std::array<std::uint16_t, 3> p;
  // Expected classes in order: name, triplets, percentage of each, of the class.
  std::vector<std::tuple<std::string, std::size_t, double, double>> classes;
};
}  // namespace

TEST(Frequencies, ClassesAndPercentagesOfKnownProportions) {
  const std::array<char, 3> lletres{'U', 'C', 'A'};
  const TCas casos[] = {
      {{5, 1, 0},
       {{"3 U", 1, 57.8704, 57.8704},
        {"2 U + 1 C", 3, 11.5741, 34.7222},
        {"2 C + 1 U", 3, 2.3148, 6.9444},
        {"3 C", 1, 0.4630, 0.4630}}},
      {{75, 25, 0},
       {{"3 U", 1, 42.1875, 42.1875},
        {"2 U + 1 C", 3, 14.0625, 42.1875},
        {"2 C + 1 U", 3, 4.6875, 14.0625},
        {"3 C", 1, 1.5625, 1.5625}}},
      {{100, 0, 0}, {{"3 U", 1, 100, 100}}},
      {{0, 0, 100}, {{"3 A", 1, 100, 100}}},
      {{1, 1, 1},
       {{"1 U + 1 C + 1 A", 6, 3.7037, 22.2222},
        {"2 U + 1 C", 3, 3.7037, 11.1111}, {"2 U + 1 A", 3, 3.7037, 11.1111},
        {"2 C + 1 U", 3, 3.7037, 11.1111}, {"2 A + 1 U", 3, 3.7037, 11.1111},
        {"2 C + 1 A", 3, 3.7037, 11.1111}, {"2 A + 1 C", 3, 3.7037, 11.1111},
        {"3 U", 1, 3.7037, 3.7037}, {"3 C", 1, 3.7037, 3.7037}, {"3 A", 1, 3.7037, 3.7037}}},
  };
  for (const TCas& cas : casos) {
    const std::vector<TClasse> classes = Esperades(lletres, cas.p);
    ASSERT_EQ(classes.size(), cas.classes.size()) << cas.p[0] << ":" << cas.p[1] << ":" << cas.p[2];
    for (std::size_t i = 0; i < classes.size(); ++i) {
      const auto& [nom, triplets, cadascun, total] = cas.classes[i];
      EXPECT_EQ(classes[i].Nom, nom);
      EXPECT_EQ(classes[i].Triplets.size(), triplets) << nom;
      EXPECT_NEAR(classes[i].PerTriplet, cadascun, 5e-5) << nom;
      EXPECT_NEAR(classes[i].Total, total, 5e-5) << nom;
    }
  }
  EXPECT_EQ(Esperades(lletres, {5, 1, 0})[1].Triplets, (std::vector<std::string>{"CUU", "UCU", "UUC"}));
  EXPECT_TRUE(Esperades(lletres, {0, 0, 0}).empty());
}

// Whatever the proportions: every triplet of the present letters once, the
// classes add up to 100 %, shown to one decimal within rounding, and the
// list goes from the most to the least frequent triplet.
TEST(Frequencies, AnyProportionsGiveEveryTripletOnceAndAddUpTo100) {
  std::mt19937 generador(7);
  const std::array<char, 3> lletres{'G', 'A', 'U'};
  for (int prova = 0; prova < 2000; ++prova) {
    std::array<std::uint16_t, 3> p{};
    p[0] = std::uint16_t(generador() % 101);
    p[1] = std::uint16_t(generador() % (101 - p[0]));
    p[2] = prova % 2 ? std::uint16_t(100 - p[0] - p[1]) : 0;
    if (p[0] + p[1] + p[2] == 0) continue;
    const int presents = (p[0] > 0) + (p[1] > 0) + (p[2] > 0);
    double suma = 0, sumaArrodonida = 0;
    std::set<std::string> vistos;
    double anterior = 101;
    for (const TClasse& c : Esperades(lletres, p)) {
      EXPECT_LE(c.PerTriplet, anterior * (1 + 1e-9));
      anterior = c.PerTriplet;
      EXPECT_NEAR(c.Total, c.PerTriplet * double(c.Triplets.size()), 1e-9);
      suma += c.Total;
      for (const std::string& t : c.Triplets) {
        EXPECT_TRUE(vistos.insert(t).second) << t;
        sumaArrodonida += std::round(c.PerTriplet * 10) / 10;
      }
    }
    EXPECT_EQ(int(vistos.size()), presents * presents * presents);
    EXPECT_NEAR(suma, 100, 1e-9);
    EXPECT_NEAR(sumaArrodonida, 100, 0.05 * double(vistos.size()) + 1e-9);
  }
}
