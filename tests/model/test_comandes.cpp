// The main window's rules as a function of the research state: which
// commands show and which can be used.
#include <gtest/gtest.h>

#include <functional>

#include "model/Comandes.h"

using namespace Comandes;
using namespace RBGlobal;

namespace {
TEstatRecerca Recerca(std::uint16_t tipus) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  IniciaRecerca();
  return EstatRecerca;
}
}  // namespace

// Each case changes a fresh research and names the commands whose
// permission differs from the type's fresh state, with what it becomes.
TEST(Comandes, EachRuleFollowsItsFieldOfTheState) {
  struct Cas {
    const char* nom;
    std::uint16_t tipus;
    std::function<void(TEstatRecerca&)> canvi;
    std::vector<std::pair<TComanda, TPermis>> esperats;
  };
  const TPermis inactiu{true, false}, actiu{true, true};
  const Cas casos[] = {
      {"an experiment logged", CodiLliure, [](auto& e) { e.NombreExperiments = 1; },
       {{RevisarExperiments, actiu}}},
      {"a technique in development", JocPressupost, [](auto& e) { e.TecnicaEnCurs = 3; },
       {{DesenvoluparTecnica, inactiu}}},
      {"coupling and viral RNA mastered", JocPressupost,
       [](auto& e) { e.TecniquesDominades[26] = e.TecniquesDominades[17] = true; },
       {{Acoblar, actiu}, {TraduirRNAViric, actiu}}},
      {"polymers mastered, tubes and money enough", JocPressupost,
       [](auto& e) {
         e.TecniquesDominades[18] = true;
         e.Provetes = 10;
         e.Diners = 100;
       },
       {{TraduirRNASintetic, actiu}}},
      {"polymers mastered, one tube short", JocPressupost,
       [](auto& e) {
         e.TecniquesDominades[18] = true;
         e.Provetes = 9;
       },
       {}},
  };
  for (const Cas& c : casos) {
    const TPermisos abans = Permisos(Recerca(c.tipus));
    TEstatRecerca e = Recerca(c.tipus);
    c.canvi(e);
    TPermisos esperat = abans;
    for (const auto& [comanda, permis] : c.esperats) esperat[comanda] = permis;
    const TPermisos despres = Permisos(e);
    for (unsigned k = 0; k < NombreComandes; ++k)
      EXPECT_EQ(despres[k], esperat[k]) << c.nom << ", command " << k;
  }
}

// The research game alone shows the laboratory and the month; exercises
// alone can be done in type 0; saving needs a research.
TEST(Comandes, TheTypeDecidesWhatShows) {
  for (std::uint16_t tipus : {FluxInformacio, CodiLliure, JocPressupost}) {
    const TPermisos p = Permisos(Recerca(tipus));
    const bool joc = tipus == JocPressupost;
    for (TComanda c : {Laboratori, PassarTorn, N3, Publicar, DesenvoluparTecnica, Acoblar})
      EXPECT_EQ(p[c].Visible, joc) << tipus << " " << c;
    EXPECT_EQ(p[Exercicis].Activa, tipus == FluxInformacio);
    EXPECT_EQ(p[ExercicisTaulaResum].Activa, tipus == FluxInformacio);
    EXPECT_EQ(p[DesarRecerca].Activa, tipus != FluxInformacio);
    EXPECT_EQ(p[Experiment].Activa, tipus != FluxInformacio);
    EXPECT_FALSE(p[OfertesLaborals].Activa);
    EXPECT_TRUE(p[Taula].Visible && p[Taula].Activa);
  }
}
