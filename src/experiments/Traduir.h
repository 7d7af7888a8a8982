// The translation window. In translation mode it runs one cell-free
// experiment on the RNA just built (a synthetic polymer or a random
// copolymer), shows the result, records it in the experiment log and takes
// the student's conclusions. In review mode it pages through the log.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "model/Registre.h"
#include "platform/Finestra.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// Set by the main window before showing FTraduccio: true to run an
// experiment of kind TipusExperiment (RBGlobal::ExperimentSintetic or
// ExperimentAleatori), false to review the log.
extern bool ModeTraduccio;
extern std::uint16_t TipusExperiment;

class TFTraduccio : public TFinestra {
  Q_OBJECT
 public:
  explicit TFTraduccio(QWidget* pare = nullptr);

  // The experiment on show in review mode (1..60).
  unsigned ExperimentActual() const { return experimentActual; }
  // The next review opens at experiment n instead of the first (once).
  void RevisaDesDe(unsigned n) { primerRevisat = n; }

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private slots:
  void FormActivate();
  void BtTraduirClick();
  void BtPrimerClick();
  void BtAnteriorClick();
  void BtSeguentClick();
  void BtUltimClick();
  void BtImprimirClick();
  void BtTaulaClick();
  void BtTancarClick();
  void BtAjudaClick();
  void MConclusionsChange();

 private:
  void MostraResultats(const RBGlobal::TResultatsExperiment& resultats, bool composicio);
  void MostraExperiment();
  void ActualitzaNavegacio();
  void Navega(RBGlobal::Moviment moviment);
  void DesaConclusions(unsigned n);
  void MostraRevisio(bool revisio);
  void MostraConclusions(bool visibles);
  QPushButton* BotoNavegacio(const char* nom, const QString& text, const QString& hint);
  void CreaControls();
  void CreaBotons();

  QLabel* LbNExperiments;
  QGroupBox* GrRNAPolimer;
  QLabel* LbRNAPolimer;
  QGroupBox* GrPolipeptids;
  std::array<QLabel*, 4> LbPolipeptid;
  QLabel* LbConclusions;
  QLabel* LbQueden;  // characters left in the conclusions
  QPlainTextEdit* MConclusions;
  QPushButton *BtTraduir, *BtPrimer, *BtAnterior, *BtSeguent, *BtUltim, *BtImprimir, *BtTaula,
      *BtTancar, *BtAjuda;

  unsigned experimentActual = 1;
  unsigned primerRevisat = 1;
  unsigned experimentFet = 0;  // the experiment this opening ran, 0 if none
  int contextAjuda = 264;
};

extern TFTraduccio* FTraduccio;
