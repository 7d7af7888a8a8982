// The life of the research file: where the research was last opened or
// saved, whether it has changed since, and the dialogs that leave, save
// and open it.
#pragma once

#include <QString>

#include "model/RBGlobal.h"

class QWidget;

class TRecercaOberta {
 public:
  // Dialogs and messages are shown over `finestra`.
  explicit TRecercaOberta(QWidget* finestra) : finestra_(finestra) {}

  // A research just started: no file yet, and unchanged as it stands.
  void Nova();
  // Whether it may be left now (to quit, start or open another), after
  // asking to save it when it changed; `pregunta` is the question asked
  // ("Vols desar-la abans de sortir?").
  bool PotDeixar(const QString& pregunta);
  // Asks for a name and saves; false when cancelled or failed.
  bool DesaAmbDialeg();
  // Asks for a research file to open; "" when cancelled.
  QString TriaPerObrir() const;
  // Opens the research in the file; a file refused leaves the research as
  // it was, says why and returns false.
  bool Obre(const QString& nom);
  // Where it was last opened or saved; "" while it has no file.
  const QString& Fitxer() const { return fitxer_; }

 private:
  // Exercises are never saved, so only a research of type 1 or 2 can be lost.
  bool Canviada() const;
  void Recorda(const QString& fitxer);

  QWidget* finestra_;
  RBGlobal::TImatge recordada_{};
  QString fitxer_;  // "" while it has no file
};
