// The summary of one research, as a teacher compares a class: what kind of
// research it is and how far the student got. Numbers and choices only;
// the words are put on them where they are shown. No Qt here.
#pragma once

#include <cstdint>
#include <string>

#include "model/RBGlobal.h"

namespace RBGlobal {

struct TResumRecerca {
  std::string Nom;                   // Windows-1252 bytes, as the record holds them
  std::uint16_t NivellEducatiu = 0;  // 0 ESO, 1 Batxillerat, 2 Universitari
  std::uint16_t TipusPartida = 0;    // FluxInformacio, CodiLliure, JocPressupost
  bool CodiAleatori = false;
  unsigned Experiments = 0;      // logged, at most 60
  unsigned AmbConclusions = 0;   // of them, those with conclusions written
  unsigned CodonsPublicats = 0;  // of 64
  // Meaningful only in the budget game (Joc()).
  std::uint16_t Mes = 0;
  std::uint16_t Any = 0;
  std::int32_t Diners = 0;
  std::int32_t Provetes = 0;
  unsigned TecniquesDominades = 0;

  bool Joc() const { return TipusPartida == JocPressupost; }
  // Months since year 0, so that dates sort as numbers.
  long MesosDes0() const { return 12L * Any + Mes; }
};

// The summary of a state that MotiuRebuig accepts.
TResumRecerca ResumeixRecerca(const TEstatRecerca& e);

}  // namespace RBGlobal
