// Any bytes at all, read as a saved research: decoding and checking must
// never crash; what is accepted must save back to a research read the same
// way, and the routines that the windows run on an opened research (main
// window, experiment log, code table) must work on it.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "model/RBGlobal.h"
#include "model/RecercaDesada.h"
#include "model/Registre.h"
#include "model/TaulaCodi.h"

using namespace RBGlobal;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dades, std::size_t mida) {
  const TLecturaRecerca lectura = LlegeixRecerca(std::span(dades, mida));
  if (!lectura.Acceptada()) return 0;
  const TImatge imatge = CodificaEstat(lectura.Estat);
  const TLecturaRecerca altra = LlegeixRecerca(imatge);
  if (!altra.Acceptada() || !(altra.Estat == lectura.Estat)) std::abort();
  EstatRecerca = lectura.Estat;
  const TEstatRecerca& e = EstatRecerca;
  volatile std::size_t usat = std::string(NomsMesos[e.Mes]).size() +
                              FormataNombre(e.Diners, 7).size() + e.Nom.Text().size() +
                              std::string(OfertesCentres[e.Centre].Noms[e.Oferta]).size();
  for (std::size_t x = 1; x <= 60; ++x) usat = usat + e.PolimersExperiment[x].Text().size();
  usat = usat + PodemFerExperiment(18, ExperimentPolimer) +
         PodemFerExperiment(21, ExperimentCopolimers);
  for (unsigned x = 1; x <= DarrerExperimentRegistrat(); ++x)
    for (const TResultat& slot : e.ResultatsExperiment[x])
      usat = usat + TextResultat(slot, e.ExperimentCopolimer[x] != ExperimentSintetic).size();
  for (unsigned codo = 0; codo < 64; ++codo)
    usat = usat + TaulaCodi::TextCella(e, codo).size() + TaulaCodi::SignificatPublicat(e, codo);
  IniciaRecerca();  // a new research after an opened one
  return 0;
}
