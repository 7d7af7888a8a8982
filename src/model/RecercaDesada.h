// Reading a saved research: the bytes of a file become a research state
// only when they hold one that this program could have written. No Qt here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/RBGlobal.h"

namespace RBGlobal {

// Why a file is refused: a Catalan sentence with %1, %2... for its values
// (UTF-8, no final stop), so that a window can say it in any language.
struct TMotiu {
  std::string Plantilla;  // empty: nothing wrong
  std::vector<std::string> Valors;
  // The sentence in Catalan, its values in place.
  std::string Text() const;
  bool Buit() const { return Plantilla.empty(); }
};

// Why a state could never have been saved by this program and would make it
// misbehave; empty when it is acceptable. Every state the program writes is
// acceptable.
TMotiu MotiuRebuigDetallat(const TEstatRecerca& estat);
std::string MotiuRebuig(const TEstatRecerca& estat);  // its Text()

// What the bytes of a file hold. `Motiu` is empty when the research can be
// opened; otherwise it says in Catalan why not (`Detall` the same, to be
// said in another language), and `Estat` is meaningless.
struct TLecturaRecerca {
  TEstatRecerca Estat;
  TMotiu Detall;
  std::string Motiu;
  bool Acceptada() const { return Motiu.empty(); }
};

// Decodes and checks the first MidaImatge bytes of a file; bytes past them
// are ignored, fewer are refused.
TLecturaRecerca LlegeixRecerca(std::span<const std::uint8_t> bytes);

}  // namespace RBGlobal
