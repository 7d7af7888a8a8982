// The random copolymer builder: the student chooses two or three
// nucleotides and their proportions, and polymerises 255 random codons
// (RBGlobal::CodonsCopolimer, described by RBGlobal::DescripcioCopolimer)
// that "&Traduir" hands to the translation window.
#pragma once

#include <QDialog>
#include <array>

#include "model/Copolimer.h"
#include "platform/Finestra.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

class TFCopolim : public TFinestra {
  Q_OBJECT
 public:
  explicit TFCopolim(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private slots:
  void FormActivate();
  void CBNucleotidClick();
  void BtDAcordClick();
  void BtPolimeritzarClick();
  void BtAjudaClick();
  void BtFrequenciesClick();

 private:
  void SBAvallClick(std::size_t k);
  void SBAmuntClick(std::size_t k);
  void NomenaFiles();
  void LlegeixFixos();
  void MostraIndicadors();
  void MostraTercer(bool visible);
  unsigned CompteNucleotids() const;
  QGroupBox* CreaNucleotids();
  QGroupBox* CreaProporcions();
  void CreaFilaProporcio(class QGridLayout* graella, std::size_t k);
  QGroupBox* CreaResultat();

  QLabel* LbInformacio;
  QGroupBox* GrNucleotids;
  std::array<QCheckBox*, 4> CBNucleotid;  // CBA, CBG, CBC, CBU
  QPushButton* BtDAcord;
  QGroupBox* GrProporcionsNucleotids;
  std::array<QLabel*, 3> Lb;
  std::array<QProgressBar*, 3> Gauge;
  std::array<QWidget*, 3> SB;
  std::array<QToolButton*, 3> SBAmunt, SBAvall;
  std::array<QCheckBox*, 3> CBFix;
  QPushButton* BtPolimeritzar;
  QPushButton* BtFrequencies;  // the expected triplet frequencies
  QGroupBox* GrRNAPolimer;
  QLabel* LbRNAPolimer;
  QPushButton *BtTraduir, *BtUnAltre, *BtTancar, *BtAjuda;

  unsigned NombreNucleotids = 0;
  std::array<char, 3> LletresCopolimer{};
  RBGlobal::TProporcions Proporcions;
};

extern TFCopolim* FCopolim;
