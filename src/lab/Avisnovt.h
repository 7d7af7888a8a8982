// The notice that a technique has just been mastered, and that it opens a
// new kind of experiment.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TFAvisNovaTecnica : public QDialog {
  Q_OBJECT
 public:
  explicit TFAvisNovaTecnica(QWidget* pare = nullptr);

  // The technique in TecnicaAcabada has been mastered.
  void AvisaTecnica();
  // The experiment that technique opens can now be made.
  void AvisaExperiment();

 private:
  void Avisa(const QString& titol, const QString& informacio, const QString& nom);

  QLabel *LbInformacio, *LbTecnica, *Image1;
  QPushButton* BtDAcord;
};

extern TFAvisNovaTecnica* FAvisNovaTecnica;
