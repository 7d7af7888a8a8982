// The protein synthesis exercise window: the ribosome scene, the mRNA cells,
// the two tRNAs with their anticodon cells and amino-acid labels, the growing
// chain and the timed moves. The exercise itself lives in model/SintesiProteines.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <array>
#include <vector>

#include "model/SintesiProteines.h"
#include "platform/Botons.h"
#include "platform/Cella.h"
#include "platform/Finestra.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
namespace Teclat {
class TGuardaFocus;
}

class TFSintProt : public TFinestra {
  Q_OBJECT
 public:
  explicit TFSintProt(QWidget* pare = nullptr);

  // The settings the options dialog edits; a new mRNA takes them.
  const SintesiProteines::TOpcions& Opcions() const { return exercici.Opcions(); }
  void PosaOpcions(const SintesiProteines::TOpcions& opcions) { exercici.PosaOpcions(opcions); }

  // One thing the ribosome scene shows, in window pixels, where it is drawn.
  struct TFigura {
    enum class Tipus {
      RNAt, Marcador3, Marcador5, Factor, Cella, Aminoacid, Residu, LletraP, LletraA, NomSubunitat
    };
    Tipus tipus;
    int rnat = 0;  // the tRNA it goes with, 0 for none
    QRect lloc;
  };
  // Everything the scene shows for a state of the exercise.
  static std::vector<TFigura> Figures(const SintesiProteines::TExercici& e);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private slots:
  void FormActivate();
  void BtUnAltreClick();
  void BtRepetirClick();
  void BtOpcionsClick();
  void BtVeureTaulaClick();
  void BtImprimirClick();
  void BtAjudaClick();
  void SBAaRNAtClick();
  void Timer1Timer();

 private:
  void CreaTitols();
  void CreaRNAm();
  void CreaRNAts();
  void CreaCadena();
  void CreaBotonsBases();
  void CreaErrors();
  void CreaBotonsOrdre();
  void Connecta();
  TCella* Cella(QWidget* pare, const QString& nom, const QString& lloc, int amplada, int alcada);

  // Everything on screen from the exercise's state; `contestada` is the
  // cell the student has just answered, if any.
  void Mostra(const QLabel* contestada = nullptr);
  QLabel* CellaDemanada() const;
  void MostraRNAm();
  void MostraRNAt(int slot);
  void MostraCadena();
  void MostraControls();
  void DibuixaEscena();
  void ComposaEscena();
  void EntraLletra(char lletra);

  SintesiProteines::TExercici exercici;

  QLabel *LbNomFase, *LbInstruccions, *LbErrorsAa, *LbErrorsAnticodo;
  QFrame* PnRNAm;
  std::array<TCella*, SintesiProteines::CellesRNAm> STRNAm{};
  std::array<std::array<TCella*, 3>, 2> STRNAt{};
  std::array<TCella*, 2> STAaRNAt{};
  std::array<TCella*, SintesiProteines::MaxCadena> STAminoacid{};
  QToolButton* SBAaRNAt;
  QPushButton *BAdenina, *BGuanina, *BCitosina, *BUracil;
  Botons::TTecles TeclesBases;
  QGroupBox* GBErrors;
  QPushButton *BtRepetir, *BtUnAltre, *BtOpcions, *BtVeureTaula, *BtImprimir, *BtAjuda, *BtTancar;
  QTimer* Timer1;
  Teclat::TGuardaFocus* guardaFocus;

  QPixmap fons, escena, rnat, factor, marcador3, marcador5, subunitatPetita;
};

extern TFSintProt* FSintProt;
