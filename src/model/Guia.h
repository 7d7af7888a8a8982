// What the start panel of the main window says about a research: the next
// sensible step for the student, worked out from the state alone. The
// window turns the choice into words. No Qt here.
#pragma once

#include "model/RBGlobal.h"

namespace Guia {

enum class TPas {
  FerRNASintetic,         // no experiment yet: build a synthetic RNA and translate it
  EscriureConclusions,    // Numero: the first logged experiment with no conclusions
  Publicar,               // Numero: codons read in experiments, meaning not published
  FerMesExperiments,      // nothing pending: more RNAs, other experiments
  RegistrePle,            // the log is full: publish what is known
  CodiComplet,            // every codon is published
  ComprarAparellsBasics,  // research game, nothing bought yet
  Comprar,              // nothing can be developed; Numero: the cheapest technique a purchase opens
  DesenvoluparTecnica,  // Numero: how many techniques can be developed now
  PassarTorn,           // Numero: the technique in development
  ProvarExperiment,  // Numero: the kind of experiment just opened (RBGlobal::ExperimentCopolimers)
  EsperarMes         // an experiment is open but this month cannot pay for it
};

struct TPasSeguent {
  TPas Pas;
  unsigned Numero = 0;
  bool operator==(const TPasSeguent&) const = default;
};

// The next step for a research of type 1 or 2.
TPasSeguent PasSeguent(const RBGlobal::TEstatRecerca& e);

// Codons with a published meaning (0..64).
unsigned CodonsPublicats(const RBGlobal::TEstatRecerca& e);
// Codons read in the logged synthetic RNAs, in any frame, whose meaning is
// not published yet.
unsigned CodonsLlegitsSensePublicar(const RBGlobal::TEstatRecerca& e);

}  // namespace Guia
