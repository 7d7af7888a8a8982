// Reading a saved research: the bytes of a file become a research state
// only when they hold one that this program could have written. No Qt here.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "model/RBGlobal.h"

namespace RBGlobal {

// Why a state could never have been saved by this program and would make it
// misbehave, in Catalan (UTF-8, no final stop); empty when it is acceptable.
// Every state the program writes is acceptable.
std::string MotiuRebuig(const TEstatRecerca& estat);

// What the bytes of a file hold. `Motiu` is empty when the research can be
// opened; otherwise it says in Catalan why not, and `Estat` is meaningless.
struct TLecturaRecerca {
  TEstatRecerca Estat;
  std::string Motiu;
  bool Acceptada() const { return Motiu.empty(); }
};

// Decodes and checks the first MidaImatge bytes of a file; bytes past them
// are ignored, fewer are refused.
TLecturaRecerca LlegeixRecerca(std::span<const std::uint8_t> bytes);

}  // namespace RBGlobal
