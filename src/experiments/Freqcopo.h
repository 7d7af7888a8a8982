// The expected triplet frequencies of the copolymer being built: a small
// window beside the copolymer builder that follows its proportions as the
// student changes them. It shows triplets only, never amino acids: reading
// the code from them is the student's work.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

#include "platform/Finestra.h"

class QLabel;
class QTreeWidget;

class TFFreqTriplets : public TFinestra {
  Q_OBJECT
 public:
  explicit TFFreqTriplets(QWidget* pare = nullptr);

  // Shows the frequencies of these letters and percentages.
  void Mostra(const std::array<char, 3>& lletres, const std::array<std::uint16_t, 3>& p);

 private slots:
  void BtAjudaClick();

 private:
  void ConstrueixFinestra() override;
  QLabel* LbProporcions;
  QTreeWidget* TWTriplets;
};

extern TFFreqTriplets* FFreqTriplets;
