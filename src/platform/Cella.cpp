#include "platform/Cella.h"

#include <QMouseEvent>

TCella::TCella(QWidget* pare, const QString& nom) : QLabel(pare) {
  setObjectName(nom);
  setFrameShape(QFrame::Box);
  setAlignment(Qt::AlignCenter);
  Estils::PosaCella(this, estat);
}

void TCella::Mostra(const QString& text, Estils::Cella nouEstat, bool erronia) {
  if (text != this->text()) setText(text);
  if (nouEstat != estat) Estils::PosaCella(this, nouEstat);
  estat = nouEstat;
  Estils::PosaTextErroni(this, erronia);
}

// A click is a press and release over the cell, as on a button.
void TCella::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit Clicada();
  QLabel::mouseReleaseEvent(e);
}
