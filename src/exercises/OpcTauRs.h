// The summary-table options: how the exercise draws its messenger and what
// it gives at the start. The options live in the summary-table window; this
// dialog only shows and stores them.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class TGrupOpcions;

class TFOpcionsTaulaResum : public TFinestra {
  Q_OBJECT
 public:
  explicit TFOpcionsTaulaResum(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void RGInformacioInicialClick(int item);
  void BtDAcordClick();
  void BtAjudaClick();

 private:
  TGrupOpcions *RGInformacioInicial, *RGAminoacids;
  QGroupBox* GroupBox1;
  QCheckBox *CBAUGInicial, *CBSTOPFinal, *CBSTOPsInteriors;
  QPushButton *BtDAcord, *BtCancellar, *BtAjuda;
};

extern TFOpcionsTaulaResum* FOpcionsTaulaResum;
