// The 24184-byte image of the research state. One list of fields with their
// offsets (VisitaCamps) drives writing, reading and the field table.
#include <type_traits>

#include "model/RBGlobal.h"

namespace RBGlobal {
namespace {

template <class Estat, class F>
void VisitaCamps(Estat& e, F&& f) {
  f("Mes", 0, e.Mes);
  f("Any", 2, e.Any);
  f("CodiAmagat", 4, e.CodiAmagat);
  f("CodiPublicat", 132, e.CodiPublicat);
  f("MaxBasesOligo", 260, e.MaxBasesOligo);
  f("PolimersExperiment", 262, e.PolimersExperiment);
  f("ResultatsExperiment", 2782, e.ResultatsExperiment);
  f("ConclusionsExperiment", 8542, e.ConclusionsExperiment);
  f("ExperimentCopolimer", 23902, e.ExperimentCopolimer);
  f("NombreExperiments", 24022, e.NombreExperiments);
  f("TipusCodi", 24024, e.TipusCodi);
  f("Lliure1", 24025, e.Lliure1);
  f("TipusPartida", 24026, e.TipusPartida);
  f("Nom", 24028, e.Nom);
  f("Genere", 24049, e.Genere);
  f("NivellEducatiu", 24050, e.NivellEducatiu);
  f("Centre", 24052, e.Centre);
  f("Oferta", 24054, e.Oferta);
  f("Ingressos", 24056, e.Ingressos);
  f("Lliure2", 24058, e.Lliure2);
  f("Diners", 24060, e.Diners);
  f("MaterialBiologic", 24064, e.MaterialBiologic);
  f("Aparells", 24068, e.Aparells);
  f("Reactius", 24078, e.Reactius);
  f("ProvetesMes", 24086, e.ProvetesMes);
  f("Provetes", 24088, e.Provetes);
  f("TecniquesDominades", 24092, e.TecniquesDominades);
  f("NivellTecniques", 24120, e.NivellTecniques);
  f("TecnicaEnCurs", 24176, e.TecnicaEnCurs);
  f("TecnicaAcabada", 24178, e.TecnicaAcabada);
  f("Reserva", 24180, e.Reserva);
  f("UnitatsTecnica", 24182, e.UnitatsTecnica);
}

// Bytes each kind of field takes in the image.
template <class T>
  requires std::is_integral_v<T>
constexpr std::size_t MidaDe(const T*) { return sizeof(T); }
template <std::size_t N>
constexpr std::size_t MidaDe(const TextFix<N>*) { return N + 1; }
template <class T, std::size_t N>
constexpr std::size_t MidaDe(const std::array<T, N>*) { return N * MidaDe(static_cast<const T*>(nullptr)); }
template <class T, std::size_t N>
constexpr std::size_t MidaDe(const Array1<T, N>*) { return N * MidaDe(static_cast<const T*>(nullptr)); }

// Writes fields little-endian into the image.
struct Escriptor {
  std::uint8_t* dades;

  void Escriu(std::size_t& p, bool valor) { dades[p++] = valor ? 1 : 0; }
  template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
  void Escriu(std::size_t& p, T valor) {
    using U = std::make_unsigned_t<T>;
    U u = static_cast<U>(valor);
    for (std::size_t i = 0; i < sizeof(T); ++i) dades[p++] = static_cast<std::uint8_t>(u >> (8 * i));
  }
  template <class T, std::size_t N>
  void Escriu(std::size_t& p, const std::array<T, N>& a) { for (const T& x : a) Escriu(p, x); }
  template <class T, std::size_t N>
  void Escriu(std::size_t& p, const Array1<T, N>& a) { for (const T& x : a) Escriu(p, x); }
  template <std::size_t N>
  void Escriu(std::size_t& p, const TextFix<N>& t) {
    Escriu(p, t.Longitud);
    for (char c : t.Car) dades[p++] = static_cast<std::uint8_t>(c);
  }
  template <class T>
  void operator()(const char*, std::size_t posicio, const T& camp) { Escriu(posicio, camp); }
};

// Reads fields little-endian from the image.
struct Lector {
  const std::uint8_t* dades;

  void Llegeix(std::size_t& p, bool& valor) { valor = dades[p++] != 0; }
  template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, bool>)
  void Llegeix(std::size_t& p, T& valor) {
    using U = std::make_unsigned_t<T>;
    U u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) u |= static_cast<U>(U(dades[p++]) << (8 * i));
    valor = static_cast<T>(u);
  }
  template <class T, std::size_t N>
  void Llegeix(std::size_t& p, std::array<T, N>& a) { for (T& x : a) Llegeix(p, x); }
  template <class T, std::size_t N>
  void Llegeix(std::size_t& p, Array1<T, N>& a) { for (T& x : a) Llegeix(p, x); }
  template <std::size_t N>
  void Llegeix(std::size_t& p, TextFix<N>& t) {
    Llegeix(p, t.Longitud);
    for (char& c : t.Car) c = static_cast<char>(dades[p++]);
  }
  template <class T>
  void operator()(const char*, std::size_t posicio, T& camp) { Llegeix(posicio, camp); }
};

}  // namespace

TImatge CodificaEstat(const TEstatRecerca& estat) {
  TImatge imatge{};
  VisitaCamps(estat, Escriptor{imatge.data()});
  return imatge;
}

TEstatRecerca DescodificaEstat(const TImatge& imatge) {
  TEstatRecerca estat;
  VisitaCamps(estat, Lector{imatge.data()});
  return estat;
}

const std::array<TCampImatge, 32>& CampsImatge() {
  static const std::array<TCampImatge, 32> camps = [] {
    std::array<TCampImatge, 32> t{};
    std::size_t n = 0;
    const TEstatRecerca mostra;
    VisitaCamps(mostra, [&](const char* nom, std::size_t posicio, const auto& camp) {
      t[n++] = {nom, posicio, MidaDe(&camp)};
    });
    return t;
  }();
  return camps;
}

}  // namespace RBGlobal
