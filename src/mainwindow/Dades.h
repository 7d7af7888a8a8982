// The player-data dialog of the new-research chain.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QLabel;
class QLineEdit;
class QPushButton;
class TGrupOpcions;

class TFDades : public TFinestra {
  Q_OBJECT
 public:
  explicit TFDades(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void BtDAcordClick();

 private:
  QLabel* Label1;
  QLabel* Label2;
  QLineEdit* ENom;
  TGrupOpcions* RGGenere;
  TGrupOpcions* RGNivellEducatiu;
  QPushButton* BtDAcord;
  QPushButton* BtCancellar;
};

extern TFDades* FDades;
