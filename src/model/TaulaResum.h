// The summary-table exercise without its window: a gene of six codons shown
// as four rows of 20 positions (two DNA strands, the messenger, the
// anticodons) and eight selectors (the chain ends and six amino acids),
// drawn under five options, partly given, checked entry by entry and graded.
// No Qt here.
//
// Positions run 1..20 from left to right; 1 and 20 hold the end marks '5'
// and '3', 2..19 the bases. Codon k (slot k, 1..6) occupies 3k-1, 3k, 3k+1.
// Display rows: 0 and 1 the DNA strands (in a drawn order), 2 the messenger,
// 3 the anticodons. Selectors 0 and 7 are the chain ends, 1..6 the slots.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace TaulaResum {

constexpr std::uint16_t NombrePosicions = 20;
constexpr std::uint16_t NombreFiles = 4;
constexpr std::uint16_t NombreSelectors = 8;
constexpr std::uint16_t NoAssignat = 21;  // slot after the stop; not given
constexpr std::uint16_t ExtremN = 22, ExtremC = 23;

// Items of the drop-down selectors.
constexpr int BlancExtrem = 2;      // chain ends: 0 "N", 1 "C", 2 " "
constexpr int BlancAminoacid = 21;  // slots: 0..20 the abbreviations, 21 " "
constexpr int BlancEtiqueta = 2;    // row names: 0 "DNA transcrita", 1 "DNA complem.", 2 " "

// The four grade texts by errors made (UTF-8).
std::string Avaluacio(std::uint32_t errorsComesos);
// A cell's text: the letter, "5'" or "3'" for an end mark, "" for a blank.
std::string TextCela(char c);

struct TOpcions {
  bool AUGInicial = true;
  bool STOPFinal = true;
  std::uint16_t AminoacidsInicials = 0;  // 0 none, 1 the easiest, 2 any one, 3 all
  std::uint16_t InformacioInicial = 0;   // 0 the transcribed strand, 1 fragments
  bool STOPsInteriors = false;
  bool operator==(const TOpcions&) const = default;
};

enum class EstatCela { Editable, Seleccionada, Donada };

class TExercici {
 public:
  // A uniform integer in 0..n-1; tests may script the draws.
  using TSorteig = std::function<unsigned(unsigned)>;
  explicit TExercici(TSorteig sorteig = {});

  void PosaOpcions(bool AUGInicial, bool STOPFinal, std::uint16_t AminoacidsInicials,
                   std::uint16_t InformacioInicial, bool STOPsInteriors);
  TOpcions LlegeixOpcions() const { return opcions_; }
  bool ModeFragments() const { return opcions_.InformacioInicial != 0; }

  // Draws a new exercise and selects its first empty cell.
  void GeneraExercici();
  // The same exercise again: same strands, rows and givens, counters at 0.
  void Tornemhi();

  // --- The student's moves
  // A click on a cell: marks it when it is editable and not marked; base
  // input is switched on whatever the cell was.
  void SeleccionaCela(std::uint16_t fila, std::uint16_t posicio);
  // A selector took the focus: no mark, no base input.
  void DesseleccionaCela();
  // The arrow keys: the nearest cell that is not given, a step of rows
  // and positions away each time, is selected as a click would.
  void MouSeleccio(int files, int posicions);
  // A base button: writes into the selected cell and counts errors.
  void EntraLletra(char c);
  // A selector changed: i 0..7 with its item; r 0..1 for the row names.
  void ComprovaSelector(int i, int item);
  void ComprovaEtiquetaDNA(int r, int item);

  // --- What the window shows, by display row 0..3 and position 1..20
  char Esperat(std::uint16_t fila, std::uint16_t posicio) const;
  char Resposta(std::uint16_t fila, std::uint16_t posicio) const;
  char Info(std::uint16_t fila, std::uint16_t posicio) const;
  bool Donada(std::uint16_t fila, std::uint16_t posicio) const;
  EstatCela Estat(std::uint16_t fila, std::uint16_t posicio) const;
  // The entry differs from what is expected there (a blank never shows).
  bool Erronia(std::uint16_t fila, std::uint16_t posicio) const;

  int Selector(int i) const { return selector_.at(i); }
  bool SelectorDonat(int i) const { return AminoacidsDonats.at(i) != NoAssignat; }
  bool SelectorErroni(int i) const { return SelectorErroni_.at(i); }
  int Etiqueta(int r) const { return etiqueta_.at(r); }
  bool EtiquetaErronia(int r) const { return EtiquetaErronia_.at(r); }
  // The item a selector must show: chain ends 0/1, slots 0..20 or 21.
  int ItemEsperat(int i) const;

  std::uint16_t Aminoacid(int i) const { return Aminoacids.at(i); }
  std::uint16_t AminoacidDonat(int i) const { return AminoacidsDonats.at(i); }
  std::uint16_t FilaTranscrita() const { return FilaTranscrita_; }
  std::uint16_t FilaComplementaria() const { return 1 - FilaTranscrita_; }
  std::uint16_t FilaActual() const { return FilaActual_; }
  std::uint16_t ColumnaActual() const { return ColumnaActual_; }
  std::uint32_t ErrorsComesos() const { return ErrorsComesos_; }
  std::int32_t ErrorsPendents() const { return ErrorsPendents_; }
  bool EntradaActiva() const { return EntradaActiva_; }
  bool Acabat() const { return Acabat_; }

  const std::string& CadenaTranscrita() const { return cadena_[Transcrita]; }
  const std::string& CadenaComplementaria() const { return cadena_[Complementaria]; }
  const std::string& CadenaRNAm() const { return cadena_[RNAm]; }
  const std::string& CadenaAnticodons() const { return cadena_[Anticodons]; }
  // The messenger's 5' end is at position 1: codons read left to right.
  bool LecturaEsquerraDreta() const { return CadenaRNAm()[0] == '5'; }
  // The messenger's codon under slot k (1..6), read 5'->3'.
  std::string Codo(int k) const;

  // Sets the transcribed strand ("3TAC...5") and the row order, then
  // derives the rest and gives the information as GeneraExercici would.
  // For tests and for repeating a known gene. Throws std::invalid_argument.
  void PosaCadenaTranscrita(std::string_view cadena, bool transcritaDalt);

 private:
  enum Cadena { Transcrita, Complementaria, RNAm, Anticodons };

  unsigned Sorteig(unsigned n);
  int CadenaDeFila(std::uint16_t fila) const;
  static std::size_t Index(std::uint16_t posicio);

  void IniciaExercici();
  void SorteigFilesDNA();
  void BuidaTaula();
  void GeneraCadenaTranscrita();
  void EliminaSTOPsInteriors();
  void PosaSTOPFinal();
  void Prepara();
  void CalculaCadenes();
  void TallaAnticodons();
  void CalculaAminoacids();
  void DonaInformacio();
  void DonaExtrem();
  void GeneraFragments();
  void TriaAminoacidsDonats();
  void DonaAminoacid(int k);
  void DonaAncora();
  void DonaBase(std::uint16_t posicio, int cadena);
  void MostraInformacio();
  void EscriuCela(std::uint16_t fila, std::uint16_t posicio, char c);
  void SeguentCelaBuida();
  void MostraErrors();
  void ComprovaFinal();
  void CompteSelector(bool& erroni, bool ok);

  // Slot k's codon in reading order, and the table position of its base j.
  std::uint16_t PosicioCodo(int k, int j) const;
  int SlotLectura(int n) const { return LecturaEsquerraDreta() ? n : 7 - n; }

  TSorteig sorteig_;
  TOpcions opcions_;
  std::array<std::string, 4> cadena_, resposta_, info_;  // by Cadena
  std::array<std::uint16_t, NombreSelectors> Aminoacids{}, AminoacidsDonats{};
  std::array<int, NombreSelectors> selector_{};
  std::array<bool, NombreSelectors> SelectorErroni_{};
  std::array<int, 2> etiqueta_{BlancEtiqueta, BlancEtiqueta};
  std::array<bool, 2> EtiquetaErronia_{};
  std::array<bool, NombrePosicions + 1> PosicioResolta{};
  std::uint16_t FilaTranscrita_ = 0;
  std::uint16_t FilaActual_ = 0;
  std::uint16_t ColumnaActual_ = 0;
  bool marcada_ = false;  // the selected cell shows its yellow mark
  std::uint32_t ErrorsComesos_ = 0;
  std::int32_t ErrorsPendents_ = 0;
  bool EntradaActiva_ = false;
  bool Acabat_ = false;
};

}  // namespace TaulaResum
