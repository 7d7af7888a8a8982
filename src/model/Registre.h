// The experiment log of the research state: recording an experiment, its
// conclusions, the texts its results show, and paging through it. The log
// has room for 60 experiments; later ones are counted but not recorded.
// No Qt here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Traduccio.h"

namespace RBGlobal {

constexpr unsigned MaxExperiments = 60;
enum : std::uint16_t { ExperimentSintetic = 0, ExperimentAleatori = 1 };

// Counts a new experiment and returns its number N; while N <= 60 the RNA
// (cut to 41 characters), Polipeptids and the kind become entry N.
unsigned RegistraExperiment(std::string_view rna, std::uint16_t tipus);
// The last experiment the log holds: NombreExperiments, at most 60.
unsigned DarrerExperimentRegistrat();
// Stores conclusions (bytes, cut to 255) as entry n; nothing outside 1..60.
void DesaConclusions(unsigned n, std::string_view text);

// The line a result slot shows, "" when it shows none: a chain's text for a
// synthetic polymer, "Phe: 50%;  Leu: 25%;  " pairs for a copolymer.
std::string TextComposicio(const TResultat& slot);
std::string TextResultat(const TResultat& slot, bool composicio);

enum class Moviment { Primer, Anterior, Seguent, Ultim };
// The experiment a navigation button leads to from n, within 1 and the last
// one recorded.
unsigned Navega(unsigned n, Moviment moviment);

}  // namespace RBGlobal
