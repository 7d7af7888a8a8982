#include "model/Frequencies.h"

#include <algorithm>
#include <cmath>

namespace Frequencies {
namespace {

struct TLletra {
  char c;
  double p;  // 0..1
};

// "2 U + 1 C": the most repeated letter first, then in the order given.
std::string NomClasse(const std::vector<TLletra>& lletres, const std::array<int, 3>& n) {
  std::array<std::size_t, 3> ordre{0, 1, 2};
  std::stable_sort(ordre.begin(), ordre.begin() + lletres.size(),
                   [&](std::size_t a, std::size_t b) { return n[a] > n[b]; });
  std::string nom;
  for (std::size_t i = 0; i < lletres.size(); ++i) {
    const std::size_t k = ordre[i];
    if (n[k] == 0) continue;
    if (!nom.empty()) nom += " + ";
    nom += std::to_string(n[k]) + ' ' + lletres[k].c;
  }
  return nom;
}

// Every triplet whose letters come `n` times each, alphabetically.
std::vector<std::string> Triplets(const std::vector<TLletra>& lletres, const std::array<int, 3>& n) {
  std::string triplet;
  for (std::size_t k = 0; k < lletres.size(); ++k) triplet.append(std::size_t(n[k]), lletres[k].c);
  std::sort(triplet.begin(), triplet.end());
  std::vector<std::string> tots;
  do tots.push_back(triplet);
  while (std::next_permutation(triplet.begin(), triplet.end()));
  return tots;
}

}  // namespace

std::vector<TClasse> Esperades(const std::array<char, 3>& lletres,
                               const std::array<std::uint16_t, 3>& p) {
  std::vector<TLletra> presents;
  double suma = 0;
  for (std::size_t k = 0; k < 3; ++k) suma += p[k];
  for (std::size_t k = 0; k < 3; ++k)
    if (p[k] > 0) presents.push_back({lletres[k], p[k] / suma});
  std::vector<TClasse> classes;
  if (presents.empty()) return classes;
  const int m = int(presents.size());
  for (int a = 3; a >= 0; --a)
    for (int b = m > 1 ? 3 - a : 0; b >= 0; --b) {
      const int c = 3 - a - b;
      if (c > 0 && m < 3) continue;
      const std::array<int, 3> n{a, b, c};
      TClasse classe;
      classe.Nom = NomClasse(presents, n);
      classe.Triplets = Triplets(presents, n);
      classe.PerTriplet = 100;
      for (int k = 0; k < m; ++k) classe.PerTriplet *= std::pow(presents[k].p, n[k]);
      classe.Total = classe.PerTriplet * double(classe.Triplets.size());
      classes.push_back(std::move(classe));
    }
  // Equal frequencies reached by different products may differ in the last
  // bits: they still count as equal.
  const auto diferents = [](double x, double y) { return std::abs(x - y) > 1e-9 * (x + y); };
  std::stable_sort(classes.begin(), classes.end(), [&](const TClasse& x, const TClasse& y) {
    if (diferents(x.PerTriplet, y.PerTriplet)) return x.PerTriplet > y.PerTriplet;
    return diferents(x.Total, y.Total) && x.Total > y.Total;
  });
  return classes;
}

}  // namespace Frequencies
