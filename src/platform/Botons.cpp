#include "platform/Botons.h"

#include <QPushButton>

namespace Botons {

QPushButton* Crea(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif) {
  auto* boto = new QPushButton(Dibuixos::Icona(glif), text, pare);
  boto->setObjectName(QString::fromLatin1(nom));
  boto->setAutoDefault(false);  // Enter means the default button, whatever has the focus
  return boto;
}

}  // namespace Botons
