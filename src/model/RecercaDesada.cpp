#include "model/RecercaDesada.h"

#include <algorithm>

namespace RBGlobal {
namespace {

using std::to_string;

constexpr unsigned NombreTecniques = 27;
constexpr unsigned MaxAminoacid = 20;

std::string Fora(const std::string& que, long valor, const std::string& admes) {
  return que + " val " + to_string(valor) + ", i " + admes;
}

// The hidden code only holds amino acids; the published one also
// "nothing published", and never a meaning other than the hidden one,
// since publishing a wrong meaning is refused.
std::string MotiuCodi(const TEstatRecerca& e) {
  for (unsigned i = 0; i < 64; ++i)
    if (e.CodiAmagat[i] > MaxAminoacid)
      return Fora("El significat amagat del codó " + TextCodo(i), e.CodiAmagat[i],
                  "ha de ser entre 0 i 20");
  for (unsigned i = 0; i < 64; ++i) {
    const unsigned publicat = e.CodiPublicat[i];
    if (publicat > NoAssignat)
      return Fora("El significat publicat del codó " + TextCodo(i), publicat,
                  "ha de ser entre 0 i 21");
    if (publicat != NoAssignat && publicat != e.CodiAmagat[i])
      return "El significat publicat del codó " + TextCodo(i) + " (" + to_string(publicat) +
             ") no és el del codi amagat (" + to_string(e.CodiAmagat[i]) + ")";
  }
  return {};
}

std::string MotiuExperiments(const TEstatRecerca& e) {
  for (unsigned x = 1; x <= 60; ++x) {
    const auto& polimer = e.PolimersExperiment[x];
    if (polimer.Longitud > polimer.Capacitat)
      return "El polímer de l'experiment " + to_string(x) + " diu que té " +
             to_string(polimer.Longitud) + " lletres, i n'hi caben " + to_string(polimer.Capacitat);
    if (e.ExperimentCopolimer[x] > 1)
      return Fora("El tipus de l'experiment " + to_string(x), e.ExperimentCopolimer[x],
                  "només pot ser 0 (polímer sintètic) o 1 (copolímer)");
  }
  return {};
}

std::string MotiuTecniques(const TEstatRecerca& e) {
  if (e.TecnicaEnCurs > NombreTecniques)
    return Fora("La tècnica en curs", e.TecnicaEnCurs, "ha de ser entre 0 (cap) i 27");
  if (e.TecnicaAcabada > NombreTecniques)
    return Fora("La tècnica acabada", e.TecnicaAcabada, "ha de ser entre 0 (cap) i 27");
  for (unsigned t = 1; t <= NombreTecniques; ++t)
    if (e.NivellTecniques[t] != 1 && e.NivellTecniques[t] != 2)
      return Fora("El nivell de la tècnica " + to_string(t), e.NivellTecniques[t],
                  "només pot ser 1 o 2");
  return {};
}

std::string MotiuGeneral(const TEstatRecerca& e) {
  if (e.Mes < 1 || e.Mes > 12) return Fora("El mes", e.Mes, "ha de ser entre 1 i 12");
  if (e.MaxBasesOligo < 1 || e.MaxBasesOligo > 4)
    return Fora("La llargada màxima dels oligonucleòtids", e.MaxBasesOligo,
                "ha de ser entre 1 i 4");
  if (e.TipusCodi > 1) return Fora("El tipus de codi", e.TipusCodi, "només pot ser 0 o 1");
  if (e.TipusPartida > JocPressupost)
    return Fora("El tipus de simulació", e.TipusPartida, "només pot ser 0, 1 o 2");
  if (e.Nom.Longitud > e.Nom.Capacitat)
    return "El nom diu que té " + to_string(e.Nom.Longitud) + " lletres, i n'hi caben " +
           to_string(e.Nom.Capacitat);
  if (e.NivellEducatiu > 2)
    return Fora("El nivell educatiu", e.NivellEducatiu, "només pot ser 0, 1 o 2");
  if (e.Centre >= OfertesCentres.size())
    return Fora("El centre de recerca", e.Centre, "ha de ser entre 0 i 4");
  if (e.Oferta >= OfertesCentres[0].Noms.size())
    return Fora("L'oferta del centre", e.Oferta, "ha de ser entre 0 i 5");
  return {};
}

}  // namespace

std::string MotiuRebuig(const TEstatRecerca& estat) {
  for (auto motiu : {MotiuGeneral, MotiuCodi, MotiuExperiments, MotiuTecniques}) {
    std::string text = motiu(estat);
    if (!text.empty()) return text;
  }
  return {};
}

TLecturaRecerca LlegeixRecerca(std::span<const std::uint8_t> bytes) {
  TLecturaRecerca lectura;
  if (bytes.size() < MidaImatge) {
    lectura.Motiu = "El fitxer és massa curt: té " + to_string(bytes.size()) +
                    " bytes, i una recerca en té " + to_string(MidaImatge);
    return lectura;
  }
  TImatge imatge;
  std::copy_n(bytes.begin(), MidaImatge, imatge.begin());
  lectura.Estat = DescodificaEstat(imatge);
  lectura.Motiu = MotiuRebuig(lectura.Estat);
  return lectura;
}

}  // namespace RBGlobal
