// The tutor of the development window: for a technique, what the laboratory
// still lacks, what it costs, how long it takes and what it then allows;
// and which purchases would open which techniques, cheapest first.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "model/RBGlobal.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTextBrowser;

class TFTutor : public QDialog {
  Q_OBJECT
 public:
  explicit TFTutor(QWidget* pare = nullptr);

  // Sets the window on technique t of the research state (the cheapest to
  // open when t is 0), with the purchases that open techniques first when
  // `compres`.
  void Prepara(std::uint16_t t, bool compres);

  // The explanations, as HTML.
  static QString TextTecnica(const RBGlobal::TEstatRecerca& e, unsigned t);
  static QString TextCompres(const RBGlobal::TEstatRecerca& e);

 private slots:
  void CBTecnicaChange();

 private:
  std::vector<std::uint16_t> Tecniques;  // the list's techniques, not mastered
  bool ambCompres = false;
  QLabel* LbTecnica;
  QComboBox* CBTecnica;
  QTextBrowser* TBExplicacio;
  QPushButton *BtTancar, *BtAjuda;
};
