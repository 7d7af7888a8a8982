#include "model/Ofertes.h"

#include "model/RBGlobal.h"

namespace RBGlobal {

std::array<TFilaOferta, 5> SorteigOfertes() {
  std::array<TFilaOferta, 5> files{};
  for (std::uint16_t tier = 0; tier < files.size(); ++tier)
    files[tier] = {tier, static_cast<std::uint16_t>(Aleatori(OfertesCentres[tier].Noms.size()))};
  return files;
}

}  // namespace RBGlobal
