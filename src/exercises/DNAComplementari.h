// The replication and transcription exercise window: two rows of cells, the
// enzyme that walks beside the cursor, the placing buttons and the timed
// demonstration. The exercise itself lives in model/Complementaria.
#pragma once

#include <QDialog>
#include <array>

#include "model/Complementaria.h"
#include "platform/Botons.h"
#include "platform/Finestra.h"

class QFrame;
class QLabel;
class TCella;
class QPushButton;
class QTimer;
class QToolButton;
namespace Teclat {
class TGuardaFocus;
}

class TFDNAComplementari : public TFinestra {
  Q_OBJECT
 public:
  explicit TFDNAComplementari(QWidget* pare = nullptr);

  // Mode, set by the main window before showing: false = replication.
  bool Transcripcio = false;

  // The help topic of the current mode.
  int ContextAjuda() const;

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private slots:
  void FormActivate();
  void FormDeactivate();
  void BotoBaseClick(char lletra);
  void BHidrolitzarClick();
  void BtRepetirClick();
  void BtUnAltreClick();
  void BtImprimirClick();
  void BtDemostracioClick();
  void Timer1Timer();
  void SBPlayClick();
  void SBPauseClick();
  void SBStopClick();
  void BtAjudaClick();

 private:
  void CreaCelles();
  void CreaEnzim();
  void CreaInformacio();
  void CreaBotonsEntrada();
  void CreaBotonsOrdre();
  void Connecta();
  // A cell of a strand; `lloc` says where, with %1 for its position.
  TCella* Cella(const char* prefix, const QString& lloc, int i, int y);

  void PreparaReplicacio();
  void PreparaTranscripcio();
  void PintaEnzim();
  // Everything on screen from the exercise's state; `contestada` is the
  // cell the student has just answered, if any.
  void Mostra(const QLabel* contestada = nullptr);
  void MostraPlantilla();
  void MostraNovaCadena();
  void CompteErrors();
  void SituaEnzim();
  void HabilitaControls();
  void MostraCella(int i);
  void AturaDemostracio();

  Complementaria::TExercici exercici;

  std::array<TCella*, 18> STDNA{};
  std::array<TCella*, 18> STCompl{};
  QLabel *LbCadenaLlegida, *LbNovaCadena, *LbEnzim, *Image1, *LbErrorsComesos, *LbErrorsPendents,
      *LbAvaluacio;
  QFrame *PnEnzim, *PnErrorsComesos, *PnErrorsPendents;
  QPushButton *BAdenina, *BGuanina, *BCitosina, *BTimina, *BUracil, *B5, *B3, *BHidrolitzar;
  Botons::TTecles TeclesBases;  // the placing buttons and their keys, Hidrolitzar last
  QPushButton *BtRepetir, *BtUnAltre, *BtImprimir, *BtDemostracio, *BtAjuda, *BtTancar;
  QToolButton *SBPlay, *SBPause, *SBStop;
  QTimer* Timer1;
  Teclat::TGuardaFocus* guardaFocus;
};

extern TFDNAComplementari* FDNAComplementari;
