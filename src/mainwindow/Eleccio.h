// The simulation-type dialog, first of the new-research chain.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QLabel;
class QPushButton;
class TGrupOpcions;

class TFEleccio : public TFinestra {
  Q_OBJECT
 public:
  explicit TFEleccio(QWidget* pare = nullptr);

 private slots:
  void BtDAcordClick();
  void BtAjudaClick();
  void RGTipusPartidaClick();

 private:
  void ConstrueixFinestra() override;
  QLabel* Label1;
  TGrupOpcions* RGTipusPartida;
  TGrupOpcions* RGTipusCodi;
  TGrupOpcions* RGTipusSimulacio;
  QPushButton* BtDAcord;
  QPushButton* BtCancellar;
  QPushButton* BtAjuda;
};

extern TFEleccio* FEleccio;
