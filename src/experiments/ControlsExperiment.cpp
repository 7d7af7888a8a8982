#include "experiments/ControlsExperiment.h"

#include <QPushButton>

namespace ControlsExperiment {

QPushButton* Boto(QWidget* pare, const char* nom, const QString& text) {
  auto* boto = new QPushButton(text, pare);
  boto->setObjectName(QString::fromLatin1(nom));
  boto->setAutoDefault(false);
  return boto;
}

QPushButton* Boto(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif) {
  QPushButton* boto = Boto(pare, nom, text);
  boto->setIcon(Dibuixos::Icona(glif));
  return boto;
}

void GuardaLloc(QWidget* control) {
  QSizePolicy politica = control->sizePolicy();
  politica.setRetainSizeWhenHidden(true);
  control->setSizePolicy(politica);
}

}  // namespace ControlsExperiment
