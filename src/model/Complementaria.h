// The replication and transcription exercise without its window: the
// template strand, the new strand the student builds opposite it, the cursor,
// hydrolysis, the error counts, the evaluation and the demonstration's
// explain/place steps. The window only shows this state. No Qt here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Complementaria {

// Cells are numbered 1..18 as the strands are drawn; 1 and 18 hold the ends.
constexpr std::uint16_t NombreCelles = 18;

enum class Fase {
  Construint,  // the student places nucleotides
  Demostrant,  // a demonstration runs or is paused; input is off
  Acabat       // the evaluation stands until the exercise restarts
};

// What one tick of the demonstration did.
enum class Pas { Cap, Hidrolisi, Explicacio, Colocacio };

// Which input buttons may be pressed now.
struct TDisponibles {
  bool Bases = false;    // A, G, C, T, U
  bool Extrems = false;  // 5', 3'
  bool Hidrolitzar = false;
  bool Demostracio = false;
  bool operator==(const TDisponibles&) const = default;
};

class TExercici {
 public:
  // Mode: false = replication, true = transcription. Takes effect at once.
  void PosaTranscripcio(bool transcripcio) { transcripcio_ = transcripcio; }
  bool Transcripcio() const { return transcripcio_; }

  // A new random template: one orientation of two, sixteen random letters.
  void GeneraCadena();
  // Sets the template to 18 given characters ("3AGCT...5"); for tests and
  // for repeating a known strand. Throws std::invalid_argument if malformed.
  void PosaPlantilla(std::string_view plantilla);
  // Starts (again) on the current template: empty new strand, no errors.
  void IniciaExercici();

  // The student places one of A G C T U 5 3 at the cursor; true if right.
  bool Posa(char lletra);
  // Removes the most recently added nucleotide (replication only); true if
  // something was removed.
  bool Hidrolitza();

  void IniciaDemostracio();
  // One step of the demonstration, as its timer ticks.
  Pas Timer1Timer();
  // Stopped by the student: back to building from where it stood.
  void AturaDemostracio();

  // --- What the window shows
  char Plantilla(std::uint16_t cella) const;
  char Nova(std::uint16_t cella) const;
  const std::string& CadenaLlegida() const { return cadenaLlegida_; }
  const std::string& NovaCadena() const { return novaCadena_; }
  std::uint16_t Posicio() const { return posicio_; }
  std::uint16_t ErrorsComesos() const { return errorsComesos_; }
  std::uint16_t ErrorsPendents() const { return errorsPendents_; }
  bool EnDemostracio() const { return enDemostracio_; }
  bool TocaExplicar() const { return tocaExplicar_; }
  char BaseSeguent() const { return baseSeguent_; }
  Fase FaseActual() const { return fase_; }
  // First orientation: the template reads 3'->5' and the new strand grows
  // rightwards from cell 1; otherwise it grows leftwards from cell 18.
  bool PrimeraOrientacio() const { return cadenaLlegida_[0] == '3'; }
  // The new-strand cell fails the pairing test.
  bool Erronia(std::uint16_t cella) const;
  // Shown: filled, or the cursor's empty box.
  bool CellaVisible(std::uint16_t cella) const;
  bool CadenaAcabada() const;
  TDisponibles Disponibles() const;
  // The demonstration text or the evaluation (UTF-8); empty while building.
  const std::string& Missatge() const { return missatge_; }

 private:
  bool PotHidrolitzar() const;
  bool Interior() const { return posicio_ != 1 && posicio_ != NombreCelles; }
  int Endavant() const { return PrimeraOrientacio() ? 1 : -1; }
  void Avanca();
  void CompteErrors();
  void Avalua();
  void ExplicaPas();
  void FaPas();
  char& NovaA(std::uint16_t cella);

  std::string cadenaLlegida_ = "3AAAAAAAAAAAAAAAA5";
  std::string novaCadena_ = std::string(NombreCelles, ' ');
  std::uint16_t posicio_ = 1;
  std::uint16_t errorsComesos_ = 0;
  std::uint16_t errorsPendents_ = 0;
  bool enDemostracio_ = false;
  bool tocaExplicar_ = true;
  bool transcripcio_ = false;
  char baseSeguent_ = ' ';
  Fase fase_ = Fase::Construint;
  std::string missatge_;
};

// A cell's text: a letter as itself, an end mark with its apostrophe ("5'").
std::string TextCella(char caracter);

}  // namespace Complementaria
