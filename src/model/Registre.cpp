#include "model/Registre.h"

#include <algorithm>
#include <limits>

namespace RBGlobal {

unsigned RegistraExperiment(std::string_view rna, std::uint16_t tipus) {
  TEstatRecerca& e = EstatRecerca;
  // The counter is 16 bits: it stops at its top rather than wrap to an
  // empty-looking log.
  if (e.NombreExperiments < std::numeric_limits<std::uint16_t>::max()) ++e.NombreExperiments;
  const unsigned n = e.NombreExperiments;
  if (n <= MaxExperiments) {
    e.PolimersExperiment[n].Posa(rna);
    e.ResultatsExperiment[n] = Polipeptids;
    e.ExperimentCopolimer[n] = tipus;
  }
  return n;
}

unsigned DarrerExperimentRegistrat() {
  return std::min<unsigned>(EstatRecerca.NombreExperiments, MaxExperiments);
}

void DesaConclusions(unsigned n, std::string_view text) {
  if (n >= 1 && n <= MaxExperiments) EstatRecerca.ConclusionsExperiment[n].Posa(text);
}

std::string TextComposicio(const TResultat& slot) {
  std::string text;
  for (std::size_t i = 1; i < TResultat::size() && slot[i] != 0; i += 2)
    text += AbreviaturaResultat(slot[i]) + ": " + std::to_string(slot[i + 1]) + "%;  ";
  return text;
}

std::string TextResultat(const TResultat& slot, bool composicio) {
  if (composicio) return TextComposicio(slot);
  return slot[1] != 0 ? TextPolipeptid(slot) : std::string();
}

unsigned Navega(unsigned n, Moviment moviment) {
  const unsigned darrer = std::max(1u, DarrerExperimentRegistrat());
  switch (moviment) {
    case Moviment::Primer: n = 1; break;
    case Moviment::Anterior: n = n > 1 ? n - 1 : 1; break;
    case Moviment::Seguent: ++n; break;
    case Moviment::Ultim: n = darrer; break;
  }
  return std::clamp(n, 1u, darrer);
}

}  // namespace RBGlobal
