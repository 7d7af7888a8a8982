// The summary of one research that the class table shows, over crafted
// states of every kind of research.
#include <gtest/gtest.h>

#include "model/RBGlobal.h"
#include "model/ResumRecerca.h"

using namespace RBGlobal;

namespace {

TEstatRecerca Nova(std::uint16_t tipus) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  Sembra(7);
  IniciaRecerca();
  return EstatRecerca;
}

struct Cas {
  const char* nom;
  std::uint16_t tipus;
  unsigned fets;         // NombreExperiments
  unsigned ambText;      // of the logged, with written conclusions
  unsigned nomesBlancs;  // of the logged, with blanks only
  unsigned publicats;
  unsigned experiments, ambConclusions;  // expected
};

}  // namespace

TEST(ResumRecerca, CountsTheLogAndThePublishedCode) {
  const Cas casos[] = {
      {"exercises, nothing done", FluxInformacio, 0, 0, 0, 0, 0, 0},
      {"free research, empty log", CodiLliure, 0, 0, 0, 5, 0, 0},
      {"free research, some concluded", CodiLliure, 7, 3, 2, 12, 7, 3},
      {"game, full log", JocPressupost, 60, 60, 0, 64, 60, 60},
      {"game, one past the log", JocPressupost, 61, 59, 1, 64, 60, 59},
  };
  for (const Cas& c : casos) {
    TEstatRecerca e = Nova(c.tipus);
    e.NombreExperiments = static_cast<std::uint16_t>(c.fets);
    for (unsigned x = 1; x <= c.ambText; ++x) e.ConclusionsExperiment[x].Posa("Poli-Phe");
    for (unsigned x = c.ambText + 1; x <= c.ambText + c.nomesBlancs; ++x)
      e.ConclusionsExperiment[x].Posa(" \r\n ");
    // Conclusions past the logged experiments are not counted.
    if (c.fets < 60) e.ConclusionsExperiment[60].Posa("fora");
    for (unsigned i = 0; i < c.publicats; ++i) e.CodiPublicat[i] = e.CodiAmagat[i];
    const TResumRecerca r = ResumeixRecerca(e);
    EXPECT_EQ(r.Experiments, c.experiments) << c.nom;
    EXPECT_EQ(r.AmbConclusions, c.ambConclusions) << c.nom;
    EXPECT_EQ(r.CodonsPublicats, c.publicats) << c.nom;
    EXPECT_EQ(r.TipusPartida, c.tipus) << c.nom;
    EXPECT_EQ(r.Joc(), c.tipus == JocPressupost) << c.nom;
  }
}

TEST(ResumRecerca, CarriesTheStudentAndTheGame) {
  TEstatRecerca e = Nova(JocPressupost);
  e.Nom.Posa(
      "Mar\xED"
      "a");
  e.NivellEducatiu = 2;
  e.TipusCodi = 1;
  e.Mes = 5;
  e.Any = 1962;
  e.Diners = -4321;
  e.Provetes = 17;
  e.TecniquesDominades.fill(false);
  e.TecniquesDominades[0] = true;  // slot 0 is no technique
  e.TecniquesDominades[1] = e.TecniquesDominades[27] = true;
  const TResumRecerca r = ResumeixRecerca(e);
  EXPECT_EQ(r.Nom,
            "Mar\xED"
            "a");
  EXPECT_EQ(r.NivellEducatiu, 2);
  EXPECT_TRUE(r.CodiAleatori);
  EXPECT_EQ(r.Diners, -4321);
  EXPECT_EQ(r.Provetes, 17);
  EXPECT_EQ(r.TecniquesDominades, 2u);
  // Dates sort as numbers across years: December 1961 before May 1962.
  TEstatRecerca abans = e;
  abans.Mes = 12;
  abans.Any = 1961;
  EXPECT_LT(ResumeixRecerca(abans).MesosDes0(), r.MesosDes0());
}
