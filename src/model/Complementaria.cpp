#include "model/Complementaria.h"

#include <stdexcept>

#include "model/RBGlobal.h"

namespace Complementaria {
namespace {

constexpr std::string_view LletresPlantilla = "AGCT";

const char* NomNucleotid(char lletra) {
  switch (lletra) {
    case 'A': return "Adenina";
    case 'C': return "Citosina";
    case 'G': return "Guanina";
    case 'U': return "Uracil";
    default: return "Timina";
  }
}

bool LletraDePlantilla(char c) { return LletresPlantilla.find(c) != std::string_view::npos; }

}  // namespace

std::string TextCella(char caracter) {
  if (caracter == '5' || caracter == '3') return std::string(1, caracter) + "'";
  return std::string(1, caracter);
}

// ---------------------------------------------------------------------------
// Template and start

void TExercici::GeneraCadena() {
  std::string plantilla(NombreCelles, ' ');
  const bool segona = RBGlobal::Aleatori(2) == 1;
  plantilla.front() = segona ? '5' : '3';
  plantilla.back() = segona ? '3' : '5';
  for (std::uint16_t i = 1; i < NombreCelles - 1; ++i)
    plantilla[i] = LletresPlantilla[RBGlobal::Aleatori(4)];
  cadenaLlegida_ = plantilla;
}

void TExercici::PosaPlantilla(std::string_view plantilla) {
  const bool extrems =
      plantilla.size() == NombreCelles && ((plantilla.front() == '3' && plantilla.back() == '5') ||
                                           (plantilla.front() == '5' && plantilla.back() == '3'));
  if (!extrems) throw std::invalid_argument("plantilla sense els extrems 3' i 5'");
  for (std::size_t i = 1; i + 1 < plantilla.size(); ++i)
    if (!LletraDePlantilla(plantilla[i])) throw std::invalid_argument("lletra no vàlida");
  cadenaLlegida_ = std::string(plantilla);
}

void TExercici::IniciaExercici() {
  enDemostracio_ = false;
  tocaExplicar_ = true;
  fase_ = Fase::Construint;
  novaCadena_.assign(NombreCelles, ' ');
  errorsComesos_ = 0;
  posicio_ = PrimeraOrientacio() ? 1 : NombreCelles;
  missatge_.clear();
  CompteErrors();
}

// ---------------------------------------------------------------------------
// Reading the strands

char TExercici::Plantilla(std::uint16_t cella) const { return cadenaLlegida_.at(cella - 1u); }
char TExercici::Nova(std::uint16_t cella) const { return novaCadena_.at(cella - 1u); }
char& TExercici::NovaA(std::uint16_t cella) { return novaCadena_.at(cella - 1u); }

bool TExercici::Erronia(std::uint16_t cella) const {
  return !RBGlobal::Aparellen(Plantilla(cella), Nova(cella), transcripcio_);
}

bool TExercici::CellaVisible(std::uint16_t cella) const {
  return Nova(cella) != ' ' || cella == posicio_;
}

// Complete only once the 3' end mark stands, right, on the last cell.
bool TExercici::CadenaAcabada() const {
  const std::uint16_t ultima = PrimeraOrientacio() ? NombreCelles : 1;
  return posicio_ == ultima && Nova(ultima) == '3';
}

bool TExercici::PotHidrolitzar() const {
  return PrimeraOrientacio() ? posicio_ > 2 : posicio_ < NombreCelles - 1;
}

// Availability follows from the phase and the cursor alone, so it is right
// after any sequence of steps, stops and hydrolyses.
TDisponibles TExercici::Disponibles() const {
  if (fase_ != Fase::Construint) return {};
  TDisponibles d;
  d.Bases = Interior();
  d.Extrems = !Interior();
  d.Hidrolitzar = !transcripcio_ && PotHidrolitzar();
  d.Demostracio = true;
  return d;
}

void TExercici::CompteErrors() {
  errorsPendents_ = 0;
  for (std::uint16_t i = 1; i <= NombreCelles; ++i)
    if (Erronia(i)) ++errorsPendents_;
}

// ---------------------------------------------------------------------------
// The student's moves

void TExercici::Avanca() {
  const int seguent = posicio_ + Endavant();
  if (seguent >= 1 && seguent <= NombreCelles) posicio_ = static_cast<std::uint16_t>(seguent);
}

bool TExercici::Posa(char lletra) {
  if (fase_ != Fase::Construint) return false;
  NovaA(posicio_) = lletra;
  const bool be = RBGlobal::Aparellen(Plantilla(posicio_), lletra, transcripcio_);
  if (!be) ++errorsComesos_;
  // A wrong end mark keeps the cursor, so the student can overwrite it; a
  // wrong nucleotide stays in the strand and the cursor moves on.
  if (Interior() || be) Avanca();
  CompteErrors();
  if (CadenaAcabada()) Avalua();
  return be;
}

bool TExercici::Hidrolitza() {
  if (transcripcio_ || !PotHidrolitzar()) return false;
  NovaA(posicio_) = ' ';
  posicio_ = static_cast<std::uint16_t>(posicio_ - Endavant());
  NovaA(posicio_) = ' ';
  CompteErrors();
  return true;
}

// ---------------------------------------------------------------------------
// Evaluation

void TExercici::Avalua() {
  const char* acid = transcripcio_ ? "RNA" : "DNA";
  if (errorsPendents_ == 1) {
    missatge_ = transcripcio_ ? "El teu RNA segurament no funcionarà bé."
                              : "Si no és ben reparat, això produirà una mutació.";
  } else if (errorsPendents_ >= 2) {
    missatge_ = transcripcio_
                    ? "El teu RNA és inservible! Repassa la transcripció!"
                    : "La cèl·lula que rebi aquest DNA ho té clar! Repassa la replicació!";
  } else if (enDemostracio_) {
    missatge_ = "Així ho fan normalment les teves cèl·lules!";
    if (errorsComesos_ > 0) missatge_ += " (els errors són teus)";
  } else {
    missatge_ = std::string("Has aconseguit fer un bon ") + acid + ",";
    if (errorsComesos_ == 0)
      missatge_ += transcripcio_ ? " domines la transcripció." : " domines la replicació.";
    else if (errorsComesos_ <= 3)
      missatge_ += " però has de concentrar-te més.";
    else
      missatge_ += " però amb una actuació lamentable!";
  }
  fase_ = Fase::Acabat;
}

// ---------------------------------------------------------------------------
// Demonstration

void TExercici::IniciaDemostracio() {
  if (fase_ != Fase::Construint) return;
  enDemostracio_ = true;
  fase_ = Fase::Demostrant;
  tocaExplicar_ = true;
  missatge_ = transcripcio_ ? "La RNA polimerasa va afegint ribonucleòtids en sentit 5'->3'."
                            : "La DNA polimerasa va afegint desoxiribonucleòtids en sentit 5'->3'.";
}

Pas TExercici::Timer1Timer() {
  if (fase_ != Fase::Demostrant) return Pas::Cap;
  Pas pas;
  // Hydrolysis walks back over wrong cells. A wrong end mark on the starting
  // cell cannot be hydrolysed; there the enzyme simply places the right one.
  if (!transcripcio_ && errorsPendents_ > 0 && PotHidrolitzar()) {
    missatge_ = "La DNA polimerasa hidrolitza els nucleòtids erronis.";
    Hidrolitza();
    pas = Pas::Hidrolisi;
  } else {
    if (tocaExplicar_)
      ExplicaPas();
    else
      FaPas();
    pas = tocaExplicar_ ? Pas::Explicacio : Pas::Colocacio;
    tocaExplicar_ = !tocaExplicar_;
  }
  if (CadenaAcabada()) {
    AturaDemostracio();
    Avalua();
  }
  return pas;
}

void TExercici::ExplicaPas() {
  const char plantilla = Plantilla(posicio_);
  switch (plantilla) {
    case '3':
      baseSeguent_ = '5';
      missatge_ = "Comença la nova cadena per l'extrem 5'.";
      return;
    case '5':
      baseSeguent_ = '3';
      missatge_ = "I acaba deixant lliure l'extrem 3'.";
      return;
    default: baseSeguent_ = RBGlobal::BaseComplementaria(plantilla, transcripcio_); break;
  }
  missatge_ = std::string("Davant ") + NomNucleotid(plantilla) + " hi posa " +
              NomNucleotid(baseSeguent_) + ".";
}

// The placement may overwrite a wrong end mark standing on the cursor, so
// the counts are taken again: they must describe the strand as it is now.
void TExercici::FaPas() {
  NovaA(posicio_) = baseSeguent_;
  Avanca();
  CompteErrors();
  missatge_.clear();
}

void TExercici::AturaDemostracio() {
  if (fase_ != Fase::Demostrant) return;
  fase_ = Fase::Construint;
  missatge_.clear();
}

}  // namespace Complementaria
