#include "platform/Botons.h"

#include <QPushButton>

namespace Botons {

QPushButton* Crea(QWidget* pare, const char* nom, const QString& text) {
  auto* boto = new QPushButton(text, pare);
  boto->setObjectName(QString::fromLatin1(nom));
  boto->setAutoDefault(false);
  return boto;
}

QPushButton* Crea(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif) {
  QPushButton* boto = Crea(pare, nom, text);
  boto->setIcon(Dibuixos::Icona(glif));
  return boto;
}

}  // namespace Botons
