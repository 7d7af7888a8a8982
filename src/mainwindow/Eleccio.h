// The simulation-type dialog, first of the new-research chain.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TGrupOpcions;

class TFEleccio : public QDialog {
  Q_OBJECT
 public:
  explicit TFEleccio(QWidget* pare = nullptr);

 private slots:
  void BtDAcordClick();
  void BtAjudaClick();
  void RGTipusPartidaClick();

 private:
  QLabel* Label1;
  TGrupOpcions* RGTipusPartida;
  TGrupOpcions* RGTipusCodi;
  TGrupOpcions* RGTipusSimulacio;
  QPushButton* BtDAcord;
  QPushButton* BtCancellar;
  QPushButton* BtAjuda;
};

extern TFEleccio* FEleccio;
