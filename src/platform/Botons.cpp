#include "platform/Botons.h"

#include <QKeyEvent>
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

bool PremPerTecla(const QKeyEvent* e, std::initializer_list<std::pair<int, QPushButton*>> tecles) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  for (const auto& [tecla, boto] : tecles)
    if (e->key() == tecla && boto->isEnabled()) {
      boto->click();
      return true;
    }
  return false;
}

}  // namespace Botons
