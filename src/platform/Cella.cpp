#include "platform/Cella.h"

#include <QCoreApplication>
#include <QMouseEvent>

QString NomAccessibleCella(const QString& lloc, const QString& text, Estils::Cella estat,
                           bool erronia) {
  const QString contingut = text.trimmed();
  QString nom = lloc + QStringLiteral(": ") +
                (contingut.isEmpty() ? QCoreApplication::translate("Cella", "buida") : contingut);
  if (estat == Estils::Cella::Seleccionada) nom += QCoreApplication::translate("Cella", ", triada");
  if (estat == Estils::Cella::Donada) nom += QCoreApplication::translate("Cella", ", donada");
  if (erronia) nom += QCoreApplication::translate("Cella", ", errònia");
  return nom;
}

// Only a change is announced: the cells are refreshed at every step.
void NomenaCella(QLabel* cella, const QString& lloc, Estils::Cella estat, bool erronia) {
  const QString nom = NomAccessibleCella(lloc, cella->text(), estat, erronia);
  if (nom != cella->accessibleName()) cella->setAccessibleName(nom);
}

TCella::TCella(QWidget* pare, const QString& nom, const QString& lloc) : QLabel(pare), lloc(lloc) {
  setObjectName(nom);
  setFrameShape(QFrame::Box);
  setAlignment(Qt::AlignCenter);
  setAccessibleName(NomAccessibleCella(lloc, QString(), estat, false));
}

void TCella::Mostra(const QString& text, Estils::Cella nouEstat, bool erronia) {
  if (text != this->text()) setText(text);
  if (nouEstat != estat || !pintada) Estils::PosaCella(this, nouEstat, fons);
  estat = nouEstat;
  pintada = true;
  Estils::PosaTextErroni(this, erronia);
  NomenaCella(this, lloc, estat, erronia);
}

void TCella::PosaFons(const QColor& color) {
  if (color == fons) return;
  fons = color;
  pintada = false;  // the next Mostra paints it
}

// A click is a press and release over the cell, as on a button.
void TCella::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit Clicada();
  QLabel::mouseReleaseEvent(e);
}
