// The protein synthesis exercise without its window: the messenger RNA, the
// phase machine that walks a ribosome along it, the two tRNA slots and the
// release factor with their positions, the growing chain, the student's
// answers and the arithmetic of the animated moves. No Qt here.
//
// Phases (`Fase`):
//   0        before the first step
//   1  2  3  initiation: anticodon of the start tRNA, its amino acid, move to P
//   4  5  6  elongation: anticodon of the next tRNA, its amino acid, move to A
//   7        the chain passes to the A-site tRNA
//   8        the empty P-site tRNA leaves
//   9        translocation by one codon; back to 4, or on to 10 at a stop codon
//   10 11    termination: the stop codon's answer, the release factor moves in
//   12       the chain is free; the run is over
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace SintesiProteines {

constexpr std::size_t LongitudRNAm = 255;
constexpr int CellesRNAm = 26;   // cells on screen
constexpr int MaxCadena = 9;     // labels of the growing chain
constexpr int AmpleResidu = 35;  // width of a chain label

struct TPunt {
  int x = 0, y = 0;
  bool operator==(const TPunt&) const = default;
};

// Places of the scene, in window pixels.
constexpr TPunt Entrada{530, 50};  // where tRNAs come in and wait hidden
constexpr TPunt LlocP{290, 94};
constexpr TPunt LlocA{362, 94};
constexpr TPunt Sortida{130, 66};  // where a discharged tRNA leaves
constexpr std::array<TPunt, 3> AturadesTranslocacio{{{338, 94}, {314, 94}, {290, 94}}};
constexpr TPunt LlocFactor{360, 159};
constexpr TPunt CadenaAlliberada{296, 48};
constexpr TPunt CadenaEnP{326, 68};
constexpr TPunt CadenaEnA{398, 68};

// Where the amino-acid label of a tRNA standing at `rnat` goes.
TPunt PosicioAminoacid(TPunt rnat);
// Where anticodon cell `i` (1..3) of a tRNA standing at `rnat` goes.
TPunt PosicioCellaAnticodo(TPunt rnat, int i);
// Chain label `d` (1..n) of a chain of `n` whose newest residue is at `origen`.
TPunt PosicioResidu(TPunt origen, int n, int d);
// Steps of a move: the longer side of the distance, in 8-pixel steps.
int PassosMoviment(TPunt inici, TPunt desti);
// Where a move stands after step `k` of `passos` (truncation toward zero).
TPunt PasAnimacio(TPunt inici, TPunt desti, int k, int passos);

// The options, kept while the program runs.
struct TOpcions {
  bool DemanaAminoacids = false;
  bool DemanaAnticodons = true;
  std::uint16_t NombreCodons = 5;  // start and stop codons included
  std::uint16_t MinCodons = 5, MaxCodons = 5;
  bool operator==(const TOpcions&) const = default;
};

// The options dialog's radio items for a set of options, and back.
int ItemDemanar(const TOpcions& o);
int ItemNombreCodons(const TOpcions& o);
TOpcions OpcionsDelsItems(int demanar, int nombreCodons);

// The letter a base pairs with in an anticodon (A-U, C-G).
char BaseAnticodo(char base);
std::string Anticodo(std::string_view codo);
std::string NomFase(int fase);

enum class Objecte { RNAt1 = 1, RNAt2 = 2, Factor = 3 };
// What the exercise waits for.
enum class Espera { Res, Anticodo, Aminoacid, Moviment };

// What the screen shows of a cell or label: whether it awaits input, and
// whether it holds a wrong entry.
struct TMarca {
  bool Demanada = false;  // the cell the exercise asks for now
  bool Erronia = false;   // it holds a wrong entry
  bool operator==(const TMarca&) const = default;
};

// One tRNA and what moves with it.
struct TRNAt {
  TPunt Posicio = Entrada;
  bool Visible = false;
  std::string Anticodo = "   ";  // the expected answer once in play
  std::array<char, 3> Celles{' ', ' ', ' '};
  std::array<TMarca, 3> MarquesCelles{};
  std::string Aminoacid;
  bool AminoacidVisible = false;
  TMarca MarcaAminoacid;
};

class TExercici {
 public:
  const TOpcions& Opcions() const { return opcions_; }
  // Options for the next mRNA. Codon counts outside 3..10 are refused
  // (std::invalid_argument): the chain has nine labels.
  void PosaOpcions(const TOpcions& o);

  // A new mRNA (leader, start codon, sense codons, a stop) and a restart.
  void NouExercici();
  void GeneraRNAm();
  // Sets the mRNA to given letters (for tests); the rest is left blank.
  void PosaRNAm(std::string_view rnam);
  // Starts again on the same mRNA: counters at 0, phase 1 entered.
  void Reinicia();

  // One anticodon letter from the base buttons; ignored unless one is awaited.
  void EntraLletra(char lletra);
  // A codon picked in the code table as the amino-acid answer; true when
  // right. Ignored (false) unless an amino acid is awaited.
  bool TriaAminoacid(std::string_view codo);
  // One 120 ms step of the move under way; true when the move ends.
  bool Tic();

  // --- What the window shows
  const std::string& RNAm() const { return rnam_; }
  // Letter of mRNA cell 1..26 as the mRNA now stands.
  char LletraCella(int cella) const;
  bool CellaMarcada(int cella) const;  // the codon in question, cells 13..18
  std::uint16_t Desplacament() const { return desplacament_; }
  int Fase() const { return fase_; }
  const std::string& CodoP() const { return codoP_; }
  const std::string& CodoA() const { return codoA_; }
  const TRNAt& RNAt(int slot) const { return rnat_.at(slot - 1u); }
  int RNAtP() const { return rnatP_; }
  int RNAtActual() const { return rnatActual_; }
  int PosicioAnticodo() const { return posicioAnticodo_; }
  TPunt Posicio(Objecte o) const;
  bool Visible(Objecte o) const;
  int NombreAminoacids() const { return nombreAminoacids_; }
  const std::string& Residu(int d) const { return cadena_.at(d - 1u); }
  TPunt PosicioResidu(int d) const;
  std::int32_t ErrorsAminoacids() const { return errorsAminoacids_; }
  std::int32_t ErrorsAnticodons() const { return errorsAnticodons_; }
  const std::string& Instruccio() const { return instruccio_; }
  Espera EsperaAra() const { return espera_; }
  bool BasesActives() const { return espera_ == Espera::Anticodo; }
  // The seven command buttons: off while an object moves.
  bool OrdresActives() const { return espera_ != Espera::Moviment; }
  bool SelectorVisible() const { return espera_ == Espera::Aminoacid; }

 private:
  void SeguentFase();
  int SurtDeFase();
  void EntraAFase();
  void CalculaCodons();
  void AfegeixResidu(int slot, TPunt origen);
  void DemanaAnticodo();
  void DemanaAminoacid();
  void DemanaFinal();
  void EsperaAminoacid(int slot);
  void Transloca();
  void MouObjecte(Objecte o, TPunt desti);
  TPunt& PosicioDe(Objecte o);
  TRNAt& Slot(int slot) { return rnat_.at(slot - 1u); }
  TRNAt& Actual() { return Slot(rnatActual_); }
  static int Altre(int slot) { return 3 - slot; }
  std::string CodoEsperat() const { return fase_ == 2 ? codoP_ : codoA_; }

  TOpcions opcions_;
  std::string rnam_ = std::string(LongitudRNAm, ' ');
  std::uint16_t desplacament_ = 0;
  std::string codoP_ = "   ", codoA_ = "   ";
  std::array<TRNAt, 2> rnat_{};
  TPunt factor_ = Entrada;
  bool factorVisible_ = false;
  int rnatP_ = 1, rnatA_ = 2, rnatActual_ = 1;
  int posicioAnticodo_ = 0;
  bool marcaP_ = false, marcaA_ = false;  // highlight of cells 13-15, 16-18
  int nombreAminoacids_ = 0;
  std::array<std::string, MaxCadena> cadena_{};
  TPunt origenCadena_ = CadenaEnP;
  int fase_ = 0;
  std::int32_t errorsAminoacids_ = 0, errorsAnticodons_ = 0;
  std::string instruccio_;
  Espera espera_ = Espera::Res;

  struct TMoviment {
    Objecte objecte = Objecte::RNAt1;
    TPunt inici, desti;
    int passos = 0, k = 0;
  } moviment_;
};

}  // namespace SintesiProteines
