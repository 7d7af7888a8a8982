// The inventory window: what the laboratory owns, packed from the top of
// each category, the money lines, and a way to buy more.
#pragma once

#include <QDialog>
#include <array>

#include "platform/Finestra.h"

class QLabel;
class QPushButton;

class TFInventari : public TFinestra {
  Q_OBJECT
 public:
  explicit TFInventari(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void BtComprarClick();

 private:
  template <std::size_t N>
  QWidget* CreaGrup(const char* nom, const QString& titol, const char* prefix,
                    std::array<QLabel*, N>& etiquetes);

  QLabel *LbMesada, *LbCaixa;
  std::array<QLabel*, 3> LbMatBio{};
  std::array<QLabel*, 9> LbAparells{};
  std::array<QLabel*, 7> LbReactius{};
  QPushButton *BtComprar, *BtTancar;
};

extern TFInventari* FInventari;
