// The genetic code table: the 64 codons in the classic 16 x 4 layout.
// In the genetic-flow exercises it shows the whole hidden (real) code and
// serves as a codon picker; in research it shows what has been published and
// a click on a codon opens the publication dialog FAssCodo.
#pragma once

#include <QDialog>
#include <optional>

#include "model/RBGlobal.h"
#include "platform/Finestra.h"

class QPushButton;
class QLabel;
class QTableWidget;
class TGraellaText;

// The codon last clicked, and whether the table was closed by that click
// (not by "&Tancar", Esc or the close box). In research, CodoTriat is the
// codon whose meaning FAssCodo publishes; the exercises ask TriaCodo.
extern RBGlobal::TCodo CodoTriat;
extern bool CodoTriatOk;

class TFTaula : public TFinestra {
  Q_OBJECT
 public:
  explicit TFTaula(QWidget* pare = nullptr);

  // The table as a codon picker, for the genetic-flow exercises: shows it
  // and returns the codon clicked, or nothing when it was closed otherwise.
  std::optional<RBGlobal::TCodo> TriaCodo();

  // Refills the 64 cells from the research state and sets the help context;
  // runs on every activation.
  void OmpleTaula();
  // The help topic that F1 and "Aj&uda" open.
  int ContextAjuda() const { return contextAjuda; }

 public slots:
  // Closing in any way but a click on a codon leaves no codon picked.
  void reject() override;

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* objecte, QEvent* e) override;

 private slots:
  void FormActivate();
  void SGTaulaClick();
  void SGSegonaLletraClick();
  void BtImprimirClick();
  void BtAjudaClick();
  void BtTancarClick();

 private:
  QTableWidget* Graella(const char* nom, int columnes, int files, int amplada, int alcada);
  QTableWidget* CreaTaula();
  QWidget* CreaCapcaleraSegona();
  QWidget* CreaCapcaleraPrimera();
  QWidget* CreaCapcaleraTercera();
  QWidget* CreaBotons();

  QTableWidget* SGTaula;
  TGraellaText* SGSegonaLletra;
  TGraellaText* SGPrimeraLletra;
  TGraellaText* SGTerceraLletra[4];
  QLabel* Label1;
  QLabel* Label2;
  QLabel* LbEstat;  // the status line of a research
  QPushButton* BtImprimir;
  QPushButton* BtAjuda;
  QPushButton* BtTancar;
  int contextAjuda = 257;
};

extern TFTaula* FTaula;
