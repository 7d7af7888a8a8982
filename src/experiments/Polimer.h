// The synthetic RNA builder: the student puts together an oligonucleotide
// base by base and polymerises it into an RNA of 41 bases, which "&Traduir"
// hands to the translation window (RBGlobal::RNAPolimer).
#pragma once

#include <QDialog>

#include "platform/Finestra.h"

class QGroupBox;
class QLabel;
class QPushButton;

class TFRNASint : public TFinestra {
  Q_OBJECT
 public:
  explicit TFRNASint(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void ReiniciaOligo();
  void BtEsborrarAnteriorClick();
  void BtPolimeritzarClick();
  void BtAjudaClick();

 private:
  void AfegeixBase(char base);
  void MostraBotonsBase(bool visibles);
  void MostraEdicio(bool visible);
  QGroupBox* CreaConstruccio();
  QGroupBox* CreaResultat(const char* nomGrup, const QString& titol, const char* nomEtiqueta,
                          QLabel*& etiqueta);

  QGroupBox* GrPolimeritzacio;
  QPushButton *BtA, *BtG, *BtC, *BtU, *BtEsborrarAnterior, *BtEsborrar, *BtPolimeritzar;
  QGroupBox* GrRNASintetic;
  QLabel* LbRNASintetic;
  QGroupBox* GrRNAPolimer;
  QLabel* LbRNAPolimer;
  QPushButton *BtTraduir, *BtUnAltre, *BtTancar, *BtAjuda;
};

extern TFRNASint* FRNASint;
