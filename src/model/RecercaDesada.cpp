#include "model/RecercaDesada.h"

#include <algorithm>

namespace RBGlobal {
namespace {

using std::to_string;

std::string Valor(const std::string& s) { return s; }
std::string Valor(unsigned long valor) { return to_string(valor); }
std::string Valor(unsigned valor) { return to_string(valor); }

constexpr unsigned NombreTecniques = 27;
constexpr unsigned MaxAminoacid = 20;

template <class... T>
TMotiu Motiu(const char* plantilla, const T&... valors) {
  return {plantilla, {Valor(valors)...}};
}

// The hidden code only holds amino acids; the published one also
// "nothing published", and never a meaning other than the hidden one,
// since publishing a wrong meaning is refused.
TMotiu MotiuCodi(const TEstatRecerca& e) {
  for (unsigned i = 0; i < 64; ++i)
    if (e.CodiAmagat[i] > MaxAminoacid)
      return Motiu("El significat amagat del codó %1 val %2, i ha de ser entre 0 i 20", TextCodo(i),
                   unsigned{e.CodiAmagat[i]});
  for (unsigned i = 0; i < 64; ++i) {
    const unsigned publicat = e.CodiPublicat[i];
    if (publicat > NoAssignat)
      return Motiu("El significat publicat del codó %1 val %2, i ha de ser entre 0 i 21",
                   TextCodo(i), publicat);
    if (publicat != NoAssignat && publicat != e.CodiAmagat[i])
      return Motiu("El significat publicat del codó %1 (%2) no és el del codi amagat (%3)",
                   TextCodo(i), publicat, unsigned{e.CodiAmagat[i]});
  }
  return {};
}

TMotiu MotiuExperiments(const TEstatRecerca& e) {
  for (unsigned x = 1; x <= 60; ++x) {
    const auto& polimer = e.PolimersExperiment[x];
    if (polimer.Longitud > polimer.Capacitat)
      return Motiu("El polímer de l'experiment %1 diu que té %2 lletres, i n'hi caben %3", x,
                   unsigned{polimer.Longitud}, polimer.Capacitat);
    if (e.ExperimentCopolimer[x] > 1)
      return Motiu(
          "El tipus de l'experiment %1 val %2, i només pot ser 0 (polímer sintètic) o 1 "
          "(copolímer)",
          x, unsigned{e.ExperimentCopolimer[x]});
  }
  return {};
}

TMotiu MotiuTecniques(const TEstatRecerca& e) {
  if (e.TecnicaEnCurs > NombreTecniques)
    return Motiu("La tècnica en curs val %1, i ha de ser entre 0 (cap) i 27",
                 unsigned{e.TecnicaEnCurs});
  if (e.TecnicaAcabada > NombreTecniques)
    return Motiu("La tècnica acabada val %1, i ha de ser entre 0 (cap) i 27",
                 unsigned{e.TecnicaAcabada});
  for (unsigned t = 1; t <= NombreTecniques; ++t)
    if (e.NivellTecniques[t] != 1 && e.NivellTecniques[t] != 2)
      return Motiu("El nivell de la tècnica %1 val %2, i només pot ser 1 o 2", t,
                   unsigned{e.NivellTecniques[t]});
  return {};
}

TMotiu MotiuGeneral(const TEstatRecerca& e) {
  if (e.Mes < 1 || e.Mes > 12)
    return Motiu("El mes val %1, i ha de ser entre 1 i 12", unsigned{e.Mes});
  if (e.MaxBasesOligo < 1 || e.MaxBasesOligo > 4)
    return Motiu("La llargada màxima dels oligonucleòtids val %1, i ha de ser entre 1 i 4",
                 unsigned{e.MaxBasesOligo});
  if (e.TipusCodi > 1)
    return Motiu("El tipus de codi val %1, i només pot ser 0 o 1", unsigned{e.TipusCodi});
  if (e.TipusPartida > JocPressupost)
    return Motiu("El tipus de simulació val %1, i només pot ser 0, 1 o 2",
                 unsigned{e.TipusPartida});
  if (e.Nom.Longitud > e.Nom.Capacitat)
    return Motiu("El nom diu que té %1 lletres, i n'hi caben %2", unsigned{e.Nom.Longitud},
                 e.Nom.Capacitat);
  if (e.NivellEducatiu > 2)
    return Motiu("El nivell educatiu val %1, i només pot ser 0, 1 o 2", unsigned{e.NivellEducatiu});
  if (e.Centre >= OfertesCentres.size())
    return Motiu("El centre de recerca val %1, i ha de ser entre 0 i 4", unsigned{e.Centre});
  if (e.Oferta >= OfertesCentres[0].Noms.size())
    return Motiu("L'oferta del centre val %1, i ha de ser entre 0 i 5", unsigned{e.Oferta});
  return {};
}

}  // namespace

std::string TMotiu::Text() const {
  std::string text = Plantilla;
  for (std::size_t k = Valors.size(); k >= 1; --k) {
    const std::string marca = "%" + to_string(k);
    for (auto p = text.find(marca); p != std::string::npos; p = text.find(marca, p))
      text.replace(p, marca.size(), Valors[k - 1]);
  }
  return text;
}

TMotiu MotiuRebuigDetallat(const TEstatRecerca& estat) {
  for (auto motiu : {MotiuGeneral, MotiuCodi, MotiuExperiments, MotiuTecniques}) {
    TMotiu m = motiu(estat);
    if (!m.Buit()) return m;
  }
  return {};
}

std::string MotiuRebuig(const TEstatRecerca& estat) { return MotiuRebuigDetallat(estat).Text(); }

TLecturaRecerca LlegeixRecerca(std::span<const std::uint8_t> bytes) {
  TLecturaRecerca lectura;
  if (bytes.size() < MidaImatge) {
    lectura.Detall = Motiu("El fitxer és massa curt: té %1 bytes, i una recerca en té %2",
                           bytes.size(), MidaImatge);
    lectura.Motiu = lectura.Detall.Text();
    return lectura;
  }
  TImatge imatge;
  std::copy_n(bytes.begin(), MidaImatge, imatge.begin());
  lectura.Estat = DescodificaEstat(imatge);
  lectura.Detall = MotiuRebuigDetallat(lectura.Estat);
  lectura.Motiu = lectura.Detall.Text();
  return lectura;
}

}  // namespace RBGlobal
