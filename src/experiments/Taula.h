// The genetic code table: the 64 codons in the classic 16 x 4 layout.
// In the genetic-flow exercises it shows the whole hidden (real) code and
// serves as a codon picker; in research it shows what has been published and
// a click on a codon opens the publication dialog FAssCodo.
#pragma once

#include <QDialog>

#include "model/RBGlobal.h"
#include "platform/Finestra.h"

class QPushButton;
class QLabel;
class QTableWidget;
class TGraellaText;

// The picker contract, for the exercises that let the student choose a
// codon from the table (genetic-flow type):
//   Dialegs::Executa(FTaula);
//   if (CodoTriatOk) ... CodoTriat holds the codon clicked ...
// CodoTriatOk is true only when the table was closed by clicking a codon; it
// is false after "&Tancar", Esc or the close box, even if an earlier opening
// picked one. The dialog's own result carries no meaning. Both keep their
// values until the next click or closing. In research, CodoTriat is the
// codon whose meaning FAssCodo publishes.
extern RBGlobal::TCodo CodoTriat;
extern bool CodoTriatOk;

class TFTaula : public TFinestra {
  Q_OBJECT
 public:
  explicit TFTaula(QWidget* pare = nullptr);

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
  QPushButton* BtImprimir;
  QPushButton* BtAjuda;
  QPushButton* BtTancar;
  int contextAjuda = 257;
};

extern TFTaula* FTaula;
