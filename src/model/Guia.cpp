#include "model/Guia.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "model/Labs.h"
#include "model/Registre.h"

namespace Guia {

using namespace RBGlobal;

namespace {
// The last experiment the log holds.
unsigned Darrer(const TEstatRecerca& e) {
  return std::min<unsigned>(e.NombreExperiments, MaxExperiments);
}

// Only the true meaning can be published, so any meaning there is one.
bool Publicat(const TEstatRecerca& e, unsigned i) { return e.CodiPublicat[i] < NoAssignat; }
}  // namespace

unsigned CodonsPublicats(const TEstatRecerca& e) {
  unsigned n = 0;
  for (unsigned i = 0; i < 64; ++i)
    if (Publicat(e, i)) ++n;
  return n;
}

unsigned CodonsLlegitsSensePublicar(const TEstatRecerca& e) {
  std::array<bool, 64> llegit{};
  for (unsigned k = 1; k <= Darrer(e); ++k) {
    if (e.ExperimentCopolimer[k] != ExperimentSintetic) continue;
    const std::string rna = e.PolimersExperiment[k].Text();
    for (std::size_t i = 0; i + 3 <= rna.size(); ++i) {
      const std::string codo = rna.substr(i, 3);
      if (codo.find_first_not_of(Nucleotids) == std::string::npos) llegit[IndexCodo(codo)] = true;
    }
  }
  unsigned n = 0;
  for (unsigned i = 0; i < 64; ++i)
    if (llegit[i] && !Publicat(e, i)) ++n;
  return n;
}

namespace {
bool ResComprat(const TEstatRecerca& e) {
  return std::none_of(Labs::Articles().begin(), Labs::Articles().end(),
                      [&](const Labs::TArticle& a) { return Labs::Posseit(e, a); });
}

// The steps of the research game that come before the first experiment.
std::optional<TPasSeguent> PasLaboratori(const TEstatRecerca& e) {
  if (ResComprat(e)) return TPasSeguent{TPas::ComprarAparellsBasics};
  if (e.TecniquesDominades[TecnicaRNAPolimer]) return std::nullopt;
  if (Labs::EsTecnica(e.TecnicaEnCurs)) return TPasSeguent{TPas::PassarTorn, e.TecnicaEnCurs};
  const auto possibles = Labs::LlistaTecniquesPossibles(e);
  if (!possibles.empty())
    return TPasSeguent{TPas::DesenvoluparTecnica, static_cast<unsigned>(possibles.size())};
  const auto compres = Labs::CompresQueObren(e);
  return TPasSeguent{TPas::Comprar, compres.empty() ? 0u : compres.front().Tecnica};
}

bool CapDeTipus(const TEstatRecerca& e, std::uint16_t tipus) {
  for (unsigned k = 1; k <= Darrer(e); ++k)
    if (e.ExperimentCopolimer[k] == tipus) return false;
  return true;
}
}  // namespace

TPasSeguent PasSeguent(const TEstatRecerca& e) {
  const bool joc = e.TipusPartida == JocPressupost;
  if (CodonsPublicats(e) == 64) return {TPas::CodiComplet};
  if (joc)
    if (const auto pas = PasLaboratori(e)) return *pas;
  const bool potPolimer = PodemFerExperiment(e, TecnicaRNAPolimer, ExperimentPolimer);
  if (e.NombreExperiments == 0) return {potPolimer ? TPas::FerRNASintetic : TPas::EsperarMes};
  for (unsigned k = 1; k <= Darrer(e); ++k)
    if (e.ConclusionsExperiment[k].Longitud == 0) return {TPas::EscriureConclusions, k};
  if (const unsigned n = CodonsLlegitsSensePublicar(e)) return {TPas::Publicar, n};
  if (e.NombreExperiments >= MaxExperiments) return {TPas::RegistrePle};
  if (joc && e.TecniquesDominades[TecnicaCopolimers] && CapDeTipus(e, ExperimentAleatori))
    return {PodemFerExperiment(e, TecnicaCopolimers, ExperimentCopolimers) ? TPas::ProvarExperiment
                                                                           : TPas::EsperarMes,
            ExperimentCopolimers};
  if (joc && !potPolimer) return {TPas::EsperarMes};
  return {TPas::FerMesExperiments};
}

}  // namespace Guia
