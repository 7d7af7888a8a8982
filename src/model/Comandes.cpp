#include "model/Comandes.h"

namespace Comandes {

using namespace RBGlobal;

TPermisos Permisos(const TEstatRecerca& e) {
  TPermisos p{};
  const unsigned T = e.TipusPartida;
  const bool joc = T == JocPressupost;
  // Only the research game shows these; some of them are never available.
  for (TComanda c : {N2, OfertesLaborals, Novetats, BibliografiaAntecedents, N7, Publicar, N6,
                     Curriculum, Laboratori, DesenvoluparTecnica, Acoblar, TraduirRNAViric, N3,
                     PassarTorn})
    p[c].Visible = joc;
  for (TComanda c : {OfertesLaborals, Novetats, BibliografiaAntecedents, Curriculum,
                     TecniquesPublicades})
    p[c].Activa = false;
  p[RevisarExperiments].Activa = e.NombreExperiments > 0;
  p[DesenvoluparTecnica].Activa = e.TecnicaEnCurs == 0;
  p[Experiment].Activa = T >= CodiLliure;
  p[TraduirRNASintetic].Activa = PodemFerExperiment(e, TecnicaRNAPolimer, ExperimentPolimer);
  p[TraduirRNAAleatori].Activa = PodemFerExperiment(e, TecnicaCopolimers, ExperimentCopolimers);
  p[Acoblar].Activa = e.TecniquesDominades[TecnicaAcoblament];
  p[TraduirRNAViric].Activa = e.TecniquesDominades[TecnicaRNAViric];
  for (TComanda c : {Exercicis, ExercicisDNAComplementari, ExercicisRNAComplementari,
                     ExercicisTraduccio, ExercicisOpcionsTraduccio, ExercicisTaulaResum,
                     ExercicisOpcionsTaulaResum})
    p[c].Activa = T == FluxInformacio;
  p[DesarRecerca].Activa = T >= CodiLliure;
  p[InformeRecerca].Activa = T >= CodiLliure;
  return p;
}

}  // namespace Comandes
