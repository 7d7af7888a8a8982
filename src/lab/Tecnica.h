// The techniques window: the techniques mastered, in two columns, and the
// one in development with the tubes and money put into it so far, which
// "&Cancel·lar" abandons while the window stays open.
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

class TFTecniques : public TFinestra {
  Q_OBJECT
 public:
  explicit TFTecniques(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private slots:
  void FormActivate();
  void BtCancellarClick();

 private:
  void MostraCapTecnica();
  void MostraTecnicaEnCurs();

  QLabel* Label1;
  QListWidget* ListTecniques;
  QGroupBox* GrTecnicaEnCurs;
  QLabel *LbTecnica, *LbProvetesInvertides, *LbProporcioProvetes, *LbDinersInvertits,
      *LbProporcioDiners, *LbMesos, *ImgProveta;
  QPushButton *BtDacord, *BtCancellar;
};

extern TFTecniques* FTecniques;
