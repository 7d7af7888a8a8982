#include "model/ResumRecerca.h"

#include <algorithm>

namespace RBGlobal {

TResumRecerca ResumeixRecerca(const TEstatRecerca& e) {
  TResumRecerca r;
  r.Nom = e.Nom.Text();
  r.NivellEducatiu = e.NivellEducatiu;
  r.TipusPartida = e.TipusPartida;
  r.CodiAleatori = e.TipusCodi == 1;
  // A count past the log's 60 slots is not trusted: only logged ones count.
  r.Experiments = std::min<unsigned>(e.NombreExperiments, 60);
  // Conclusions of blanks and line breaks only are none.
  for (unsigned x = 1; x <= r.Experiments; ++x)
    r.AmbConclusions +=
        e.ConclusionsExperiment[x].Text().find_first_not_of(" \t\r\n") != std::string::npos;
  for (std::uint16_t a : e.CodiPublicat) r.CodonsPublicats += a < NoAssignat;
  r.Mes = e.Mes;
  r.Any = e.Any;
  r.Diners = e.Diners;
  r.Provetes = e.Provetes;
  // Technique 0 is no technique; slots 1..27 are the catalogue's.
  r.TecniquesDominades = static_cast<unsigned>(
      std::count(e.TecniquesDominades.begin() + 1, e.TecniquesDominades.end(), true));
  return r;
}

}  // namespace RBGlobal
