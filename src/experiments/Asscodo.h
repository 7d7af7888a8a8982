// "Assignació d'un codó": the player publishes (or withdraws) the meaning of
// the codon last clicked in the code table, CodoTriat. A wrong meaning is
// refused with the loss-of-prestige message and nothing changes.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;

class TFAssCodo : public TFinestra {
  Q_OBJECT
 public:
  explicit TFAssCodo(QWidget* pare = nullptr);

  // The index of the chosen item of RGAminoacids, which is the amino-acid
  // number it stands for (21, "No ho sé", for none); -1 when none is.
  int ItemIndex() const;
  void PosaItemIndex(int index);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void BtDAcordClick();
  void BtAjudaClick();

 private:
  void CreaAminoacids();
  QWidget* CreaBotons();

  QGroupBox* RGAminoacids;
  QButtonGroup* grupAminoacids = nullptr;
  QPushButton* BtDAcord;
  QPushButton* BtCancellar;
  QPushButton* BtAjuda;
};

extern TFAssCodo* FAssCodo;
