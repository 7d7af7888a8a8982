// The job-offers dialog: which research centre hires us for a research game.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "platform/Finestra.h"

class QPushButton;
class TGrupOpcions;

class TFTriaOfertes : public TFinestra {
  Q_OBJECT
 public:
  explicit TFTriaOfertes(QWidget* pare = nullptr);

 protected:
  void ConstrueixFinestra() override;
  void showEvent(QShowEvent* e) override;

 private slots:
  void FormActivate();
  void BtDAcordClick();
  void BtAjudaClick();

 private:
  // Fresh offers, one centre per tier in tier order.
  void OmpleOfertes();

  TGrupOpcions* RGCentres;
  QPushButton* BtDAcord;
  QPushButton* BtCancellar;
  QPushButton* BtAjuda;
  // The tier and the variant of the centre of each row.
  std::array<std::uint16_t, 6> TierFila{};
  std::array<std::uint16_t, 6> VariantFila{};
};

extern TFTriaOfertes* FTriaOfertes;
