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
  // Shows it beside `finestra` (the builder, then the translation window),
  // where it hides nothing of it, as soon as `finestra` shows; it becomes
  // that window's own, so that a modal `finestra` does not block it.
  void Acompanya(QWidget* finestra);

 protected:
  bool eventFilter(QObject* objecte, QEvent* e) override;

 private slots:
  void BtAjudaClick();

 private:
  void ConstrueixFinestra() override;
  void PosaAlCostat();

  QLabel* LbProporcions;
  QTreeWidget* TWTriplets;
};

extern TFFreqTriplets* FFreqTriplets;
