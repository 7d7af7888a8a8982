// The research model: genetic code, research state, shared routines and the
// byte image of the state that a saved research holds. No Qt here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace RBGlobal {

// ---------------------------------------------------------------------------
// Small containers

// An array whose valid indices are 1..N, as the experiment log, the result
// slots and the words of a chain are numbered. Access is checked.
template <class T, std::size_t N>
struct Array1 {
  std::array<T, N> v{};

  T& operator[](std::size_t i) { return v.at(comprova(i)); }
  const T& operator[](std::size_t i) const { return v.at(comprova(i)); }
  static constexpr std::size_t size() { return N; }
  auto begin() { return v.begin(); }
  auto end() { return v.end(); }
  auto begin() const { return v.begin(); }
  auto end() const { return v.end(); }
  bool operator==(const Array1&) const = default;

 private:
  static std::size_t comprova(std::size_t i) {
    if (i < 1 || i > N) throw std::out_of_range("index fora de 1..N");
    return i - 1;
  }
};

// A text of at most N characters in a fixed slot: a length byte and all N
// character bytes (Windows-1252). Bytes past the length are kept as they
// are, so a record read and written again comes back byte for byte.
template <std::size_t N>
struct TextFix {
  std::uint8_t Longitud = 0;
  std::array<char, N> Car{};

  static constexpr std::size_t Capacitat = N;
  // The text as bytes; a length above the capacity reads as the capacity.
  std::string Text() const {
    return std::string(Car.data(), Longitud <= N ? Longitud : N);
  }
  // Stores the text, cut to the capacity; bytes past it are left alone.
  void Posa(std::string_view s) {
    const std::size_t n = s.size() < N ? s.size() : N;
    for (std::size_t i = 0; i < n; ++i) Car[i] = s[i];
    Longitud = static_cast<std::uint8_t>(n);
  }
  bool operator==(const TextFix&) const = default;
};

// ---------------------------------------------------------------------------
// Genetic code

using TCodo = std::string;     // three letters of UCAG, 5' end first
using TPolimer = std::string;  // a synthetic RNA, at most 41 letters
using TCodi = std::array<std::uint16_t, 64>;  // amino acid per codon index

constexpr std::uint16_t NoAssignat = 21;
constexpr std::string_view Nucleotids = "UCAG";
constexpr std::array<unsigned, 3> PesosCodo{16, 4, 1};

extern const std::array<const char*, 21> Abreviatures;    // "Fi", "Gly", ...
extern const std::array<const char*, 21> NomsAminoacids;  // UTF-8
extern const TCodi CodiEstandard;  // NCBI table 1, stops as 0

// Codon index 16*first + 4*second + third (U 0, C 1, A 2, other 3).
unsigned IndexCodo(std::string_view codo);
// The three-letter codon of an index 0..63.
TCodo TextCodo(unsigned index);
// The hidden code's meaning of a codon.
std::uint16_t AminoacidCodo(std::string_view codo);
// "Fi" for 0, "Gly" for 1, ... ; "" outside 0..20.
std::string AbreviaturaAminoacid(unsigned numero);
// Decimal with "." between groups of three, padded with blanks on the left
// to `amplada`; a longer text is not cut.
std::string FormataNombre(std::int32_t valor, std::uint16_t amplada);
// Hidden code := standard code; nothing published.
void PosaCodiReal();
// Hidden code := a random code in which every meaning 0..20 has at least
// one codon; nothing published.
void PosaCodiAleatori();
// The base that pairs with `base` across two strands: its DNA partner, or
// its RNA one (U opposite A) when `rna`; the 5' end faces a 3' end. Anything
// else pairs with nothing (' ').
char BaseComplementaria(char base, bool rna);
// Whether a new-strand letter may stand opposite a DNA template letter.
bool Aparellen(char plantilla, char nova, bool transcripcio);
// A stop codon of the standard code (UAA, UAG, UGA).
bool EsCodoStop(std::string_view codo);
// The codons of an amino acid 0..20 in the standard code, by index.
std::vector<TCodo> CodonsEstandard(unsigned aminoacid);

// ---------------------------------------------------------------------------
// Random numbers: one generator, reseeded from the clock by IniciaRecerca
// only. Tests seed it to make draws repeatable.

std::mt19937& Generador();
void Sembra(std::uint32_t llavor);
// A uniform integer in 0..n-1 (0 when n is 0).
unsigned Aleatori(unsigned n);
// Where IniciaRecerca takes its seed: the clock, unless a test installs a
// source of its own so that a whole session can be replayed. {} restores it.
using FontLlavors = std::function<std::uint32_t()>;
void InstallaFontLlavors(FontLlavors font);

// ---------------------------------------------------------------------------
// Research state

enum : std::uint16_t { FluxInformacio = 0, CodiLliure = 1, JocPressupost = 2 };

using TResultat = Array1<std::uint16_t, 12>;  // one result slot: 12 words
using TResultatsExperiment = Array1<TResultat, 4>;

struct TEstatRecerca {
  std::uint16_t Mes = 0;
  std::uint16_t Any = 0;
  TCodi CodiAmagat{};
  TCodi CodiPublicat{};
  std::uint16_t MaxBasesOligo = 0;
  Array1<TextFix<41>, 60> PolimersExperiment;
  Array1<TResultatsExperiment, 60> ResultatsExperiment;
  Array1<TextFix<255>, 60> ConclusionsExperiment;
  Array1<std::uint16_t, 60> ExperimentCopolimer;
  std::uint16_t NombreExperiments = 0;
  std::uint8_t TipusCodi = 0;
  std::uint8_t Lliure1 = 0;  // spare byte of the file, kept as read
  std::uint16_t TipusPartida = 0;
  TextFix<20> Nom;
  bool Genere = false;
  std::uint16_t NivellEducatiu = 0;
  std::uint16_t Centre = 0;
  std::uint16_t Oferta = 0;
  std::uint16_t Ingressos = 0;
  std::uint16_t Lliure2 = 0;  // spare bytes of the file, kept as read
  std::int32_t Diners = 0;
  std::array<bool, 4> MaterialBiologic{};
  std::array<bool, 10> Aparells{};
  std::array<bool, 8> Reactius{};
  std::uint16_t ProvetesMes = 0;
  std::int32_t Provetes = 0;
  std::array<bool, 28> TecniquesDominades{};
  std::array<std::uint16_t, 28> NivellTecniques{};
  std::uint16_t TecnicaEnCurs = 0;
  std::uint16_t TecnicaAcabada = 0;
  std::int16_t Reserva = 0;
  std::uint16_t UnitatsTecnica = 0;

  bool operator==(const TEstatRecerca&) const = default;
};

extern TEstatRecerca EstatRecerca;

// ---------------------------------------------------------------------------
// Constant tables

extern const Array1<const char*, 12> NomsMesos;  // "Gener" .. "Desembre"
extern const Array1<std::uint16_t, 7> CostProvetes;  // per experiment kind
extern const Array1<std::int32_t, 7> CostDiners;
// Kinds of experiment, as the technique catalogue opens them.
enum TTipusExperiment : unsigned {
  ExperimentPolimer = 1,     // polymers of one nucleotide; charged for a polymer
  ExperimentCopolimers = 2,  // random copolymers; charged for a copolymer
  ExperimentDinucleotids = 3,
  ExperimentTrinucleotids = 4,
  ExperimentTetranucleotids = 5,
  ExperimentAcoblament = 6,
  ExperimentRNAViric = 7
};
// Techniques whose mastery opens a command of the main window.
enum TTecnicaClau : unsigned {
  TecnicaRNAViric = 17,
  TecnicaRNAPolimer = 18,
  TecnicaCopolimers = 21,
  TecnicaAcoblament = 26
};

struct TCentre {
  std::int32_t Pressupost;
  std::uint16_t Ingressos;
  std::uint16_t ProvetesMes;
  std::array<const char*, 6> Noms;  // UTF-8
};
extern const std::array<TCentre, 5> OfertesCentres;

// Whether an experiment of a kind (ExperimentPolimer, ExperimentCopolimers)
// can be made now: always in free research; in the research game when the
// technique is mastered and its tubes and money are there.
bool PodemFerExperiment(const TEstatRecerca& e, unsigned tecnica, unsigned tipus);

// Why a step of the technique in development spent no more tubes.
enum class TAturada {
  Cap,            // it completed, or nothing stopped it
  SenseTecnica,   // nothing is in development
  SenseProvetes,  // this month's tubes are spent
  SenseDiners     // the money does not pay for the next tube
};
// What one step of the technique in development did.
struct TProgres {
  std::uint16_t Acabada = 0;     // the technique completed now, 0 none
  std::uint16_t Experiment = 0;  // the kind of experiment it opens, 0 none
  std::uint16_t Tecnica = 0;     // the technique in development at the start
  unsigned Provetes = 0;         // tubes spent
  TAturada Aturada = TAturada::Cap;
  bool operator==(const TProgres&) const = default;
};

// One step of the technique in development on EstatRecerca (Labs::Desenvolupa):
// this month's tubes and their money are spent on it, and it is completed
// when its tubes are all done.
TProgres ProgressaTecnica();

// Starts a new research from TipusPartida, TipusCodi, Centre and Oferta.
void IniciaRecerca();
// Free research: everything owned and mastered, nothing costs.
void DotaLaboratoriComplet();
// The offer's budget, income and tubes from January 1961; nothing owned.
void DotaLaboratoriOferta();

// ---------------------------------------------------------------------------
// The byte image of the state: what a saved research file holds.

constexpr std::size_t MidaImatge = 24184;
using TImatge = std::array<std::uint8_t, MidaImatge>;

TImatge CodificaEstat(const TEstatRecerca& estat);
TEstatRecerca DescodificaEstat(const TImatge& imatge);

// One field of the image as the layout places it.
struct TCampImatge {
  const char* Nom;
  std::size_t Posicio;
  std::size_t Mida;
};
// Every field in file order, spare bytes included.
const std::array<TCampImatge, 32>& CampsImatge();

}  // namespace RBGlobal
