#include "experiments/ControlsExperiment.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QGridLayout>
#include <QLayout>
#include <QPushButton>
#include <QSizePolicy>
#include <QWidget>

#include "platform/Llocs.h"

namespace ControlsExperiment {

QGridLayout* MateixLloc(QWidget* un, QWidget* altre) {
  auto* lloc = new QGridLayout;
  lloc->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : {un, altre}) {
    GuardaLloc(w);
    lloc->addWidget(w, 0, 0, Qt::AlignTop);
  }
  return lloc;
}

namespace {
// Fixes the window's size as it is first shown, then goes.
class MidaAlMostrar : public QObject {
 public:
  MidaAlMostrar(QDialog* finestra, int amplada) : QObject(finestra), amplada(amplada) {}
  bool eventFilter(QObject* objecte, QEvent* e) override {
    if (e->type() == QEvent::Show) {
      auto* finestra = static_cast<QWidget*>(objecte);
      finestra->setFixedSize(finestra->sizeHint().expandedTo(QSize(amplada, 0)));
      finestra->removeEventFilter(this);
      deleteLater();
    }
    return false;
  }

 private:
  int amplada;
};
}  // namespace

void FixaMida(QDialog* finestra, int amplada) {
  finestra->installEventFilter(new MidaAlMostrar(finestra, amplada));
}

void MostraUnAltre(QPushButton* unAltre, QPushButton* ajuda, bool visible) {
  unAltre->setVisible(visible);
  ajuda->setText(visible ? QCoreApplication::translate("ControlsExperiment", "Ajuda")
                         : QCoreApplication::translate("ControlsExperiment", "Aj&uda"));
}

QString TextPolimer(const QString& polimer) {
  // The words the model starts a copolymer's description with; the
  // proportions after them read the same in every language.
  static const QString Copolimer = QStringLiteral("RNA aleatori amb: ");
  if (!polimer.startsWith(Copolimer)) return polimer;
  return QCoreApplication::translate("ControlsExperiment", "RNA aleatori amb: %1")
      .arg(polimer.mid(Copolimer.size()));
}

}  // namespace ControlsExperiment
