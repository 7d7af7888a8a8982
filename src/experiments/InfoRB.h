// The history window: molecular biology in 1961, as a free research of the
// genetic code begins.
#pragma once

#include <QDialog>
#include <QStringList>

#include "platform/Finestra.h"

class QPlainTextEdit;
class QPushButton;

class TFInfoDesxiframent : public TFinestra {
  Q_OBJECT
 public:
  explicit TFInfoDesxiframent(QWidget* pare = nullptr);

  // The sixteen lines of the history, as the window first shows them.
  static QStringList TextHistoria();

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void BtImprimirClick();

 private:
  QPlainTextEdit* Memo1;
  QPushButton* BtImprimir;
  QPushButton* BtDAcord;
};

extern TFInfoDesxiframent* FInfoDesxiframent;
