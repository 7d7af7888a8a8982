// The protein synthesis options: what the student is asked and how many
// codons the next messenger has. They live in the exercise window.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QPushButton;
class TGrupOpcions;

class TFOpcionsSintesiProteines : public TFinestra {
  Q_OBJECT
 public:
  explicit TFOpcionsSintesiProteines(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void BtDAcordClick();
  void BtAjudaClick();

 private:
  TGrupOpcions* RGQueEsDemana;
  TGrupOpcions* RGNombreCodons;
  QPushButton *BtDAcord, *BtCancellar, *BtAjuda;
};

extern TFOpcionsSintesiProteines* FOpcionsSintesiProteines;
