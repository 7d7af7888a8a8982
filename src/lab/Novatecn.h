// The development window: which technique to develop next, what it needs in
// tubes, money and months, and what it opens. DesenvolupaTecnica, the
// progress step with its notices, is also run by the monthly turn.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "platform/Finestra.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TFTutor;

class TFNovaTecnica : public TFinestra {
  Q_OBJECT
 public:
  explicit TFNovaTecnica(QWidget* pare = nullptr);

  // Spends tubes and money on the technique in development and announces
  // it, and the experiment it opens, when it is mastered. Works while the
  // window is closed.
  void DesenvolupaTecnica();

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void CBNovesTecniquesChange();
  void BtDAcordClick();
  void BtTutorClick();

 private:
  void MostraTecnica();
  void MostraAvis();
  QGroupBox* CreaTreball();
  QGroupBox* CreaTecnica();

  std::vector<std::uint16_t> TecniquesPossibles;
  unsigned TecnicaTriada = 0;  // 1-based position in the list, 0 when empty

  QLabel* Label1;
  QComboBox* CBNovesTecniques;
  QLabel *LbMesada, *LbCaixa, *LbProvetesMensuals, *LbProvetesRestants;
  QGroupBox* GrTecnica;
  QLabel *LbCostProvetes, *LbCostDiners, *Image3, *LbMesosRestants, *LbPermet;
  QListWidget* LBTecniquesFilles;
  QPushButton *BtDAcord, *BtCancellar, *BtTutor;
  TFTutor* Tutor;
};

extern TFNovaTecnica* FNovaTecnica;
