#include "experiments/ControlsExperiment.h"

#include <QDialog>
#include <QGridLayout>
#include <QLayout>
#include <QPushButton>
#include <QSizePolicy>
#include <QWidget>

namespace ControlsExperiment {

void GuardaLloc(QWidget* control) {
  QSizePolicy politica = control->sizePolicy();
  politica.setRetainSizeWhenHidden(true);
  control->setSizePolicy(politica);
}

QGridLayout* MateixLloc(QWidget* un, QWidget* altre) {
  auto* lloc = new QGridLayout;
  lloc->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : {un, altre}) {
    GuardaLloc(w);
    lloc->addWidget(w, 0, 0, Qt::AlignTop);
  }
  return lloc;
}

void FixaMida(QDialog* finestra) {
  finestra->ensurePolished();
  finestra->layout()->activate();
  finestra->setFixedSize(finestra->sizeHint().expandedTo(finestra->minimumSize()));
}

void MostraUnAltre(QPushButton* unAltre, QPushButton* ajuda, bool visible) {
  unAltre->setVisible(visible);
  ajuda->setText(visible ? QStringLiteral("Ajuda") : QStringLiteral("Aj&uda"));
}

}  // namespace ControlsExperiment
