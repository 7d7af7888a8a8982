// The notice that a technique has just been mastered, and that it opens a
// new kind of experiment.
#pragma once

#include <QDialog>

#include "model/Labs.h"
#include "model/RBGlobal.h"
#include "platform/Finestra.h"

class QLabel;
class QPushButton;

class TFAvisNovaTecnica : public TFinestra {
  Q_OBJECT
 public:
  explicit TFAvisNovaTecnica(QWidget* pare = nullptr);

  // Technique t has been mastered.
  void AvisaTecnica(unsigned t);
  // Experiments of this kind can now be made.
  void AvisaExperiment(unsigned experiment);
  // The notices of what a step of development completed, if anything.
  void Anuncia(const RBGlobal::TProgres& pas);
  // A message that a month went by without the technique advancing, and
  // what it lacked.
  void AvisaEncallament(const Labs::TEncallament& encallament);

 private:
  void ConstrueixFinestra() override;
  void Avisa(const QString& titol, const QString& informacio, const QString& nom);

  QLabel *LbInformacio, *LbTecnica, *Image1;
  QPushButton* BtDAcord;
};

extern TFAvisNovaTecnica* FAvisNovaTecnica;
