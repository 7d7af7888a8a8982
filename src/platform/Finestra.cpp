#include "platform/Finestra.h"

TFinestra::TFinestra(QWidget* pare, Qt::WindowFlags f) : QDialog(pare, f) {}

void TFinestra::Construeix() {
  if (construida) return;
  construida = true;  // first, so that what the build shows or hides does not build again
  ConstrueixFinestra();
}

void TFinestra::setVisible(bool visible) {
  if (visible) Construeix();
  QDialog::setVisible(visible);
}

namespace Finestra {
void Construeix(QObject* objecte) {
  for (; objecte; objecte = objecte->parent())
    if (auto* finestra = qobject_cast<TFinestra*>(objecte)) {
      finestra->Construeix();
      return;
    }
}
}  // namespace Finestra
