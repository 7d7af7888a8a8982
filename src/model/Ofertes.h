// The job offers of research centres shown when a research game starts.
#pragma once

#include <array>
#include <cstdint>

namespace RBGlobal {

// The centre of one row of the offers: its tier and its variant.
struct TFilaOferta {
  std::uint16_t Centre;
  std::uint16_t Oferta;
};

// Five rows in tier order: row i is a centre of tier i, of a variant drawn
// with Aleatori, so the richest offer always comes first.
std::array<TFilaOferta, 5> SorteigOfertes();

}  // namespace RBGlobal
