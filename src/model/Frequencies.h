// The triplets a random copolymer is expected to hold: with letters drawn
// independently in proportions p, a triplet with a letters L0, b letters L1
// and c letters L2 appears with frequency p0^a p1^b p2^c, and its
// composition class (all the orders of those letters) with that times the
// number of orders. This is what the student compares with the amino-acid
// composition an experiment gives. No Qt here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Frequencies {

struct TClasse {
  std::string Nom;                    // "2 U + 1 C"
  std::vector<std::string> Triplets;  // its triplets, in alphabetical order
  double PerTriplet = 0;              // percentage of each of its triplets
  double Total = 0;                   // percentage of the class: PerTriplet × triplets
};

// The classes of the letters whose proportion is not 0, from the most to the
// least frequent triplet; ties by the larger class, then with more of the
// first letters.
// Proportions are percentages; they need not add up to 100.
std::vector<TClasse> Esperades(const std::array<char, 3>& lletres,
                               const std::array<std::uint16_t, 3>& p);

}  // namespace Frequencies
