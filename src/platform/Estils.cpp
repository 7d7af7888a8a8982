#include "platform/Estils.h"

#include <QPalette>
#include <QProgressBar>
#include <QWidget>

namespace Estils {

void PosaCella(QWidget* cella, Cella estat, const QColor& fons) {
  QPalette paleta = cella->palette();
  const QPalette base = cella->parentWidget() ? cella->parentWidget()->palette() : QPalette();
  QColor color = fons;
  switch (estat) {
    case Cella::Normal:
      if (!fons.isValid()) color = base.color(QPalette::Base);
      break;
    case Cella::Seleccionada: color = QColor(Qt::yellow); break;
    case Cella::Donada:
      if (!fons.isValid()) color = base.color(QPalette::Button);
      break;
  }
  paleta.setColor(QPalette::Window, color);
  cella->setAutoFillBackground(true);
  // Every new palette is a new key of the style's pixmap cache: set it only
  // when the colours change.
  if (paleta != cella->palette()) cella->setPalette(paleta);
}

void PosaTextErroni(QWidget* control, bool erroni) {
  const QPalette base = control->parentWidget() ? control->parentWidget()->palette() : QPalette();
  QPalette paleta = control->palette();
  for (QPalette::ColorRole rol : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    paleta.setColor(rol, erroni ? QColor(Qt::red) : base.color(rol));
  if (paleta != control->palette()) control->setPalette(paleta);
}

void PosaSelector(QWidget* selector, bool donat, bool erroni) {
  const QPalette base = selector->parentWidget() ? selector->parentWidget()->palette() : QPalette();
  QPalette paleta = selector->palette();
  paleta.setColor(QPalette::Button, base.color(donat ? QPalette::Button : QPalette::Base));
  if (paleta != selector->palette()) selector->setPalette(paleta);
  PosaTextErroni(selector, erroni);
}

void PreparaIndicador(QProgressBar* indicador) {
  indicador->setOrientation(Qt::Horizontal);
  indicador->setRange(0, 100);
  indicador->setTextVisible(true);
  indicador->setFormat(QStringLiteral("%p%"));
  indicador->setAlignment(Qt::AlignCenter);
}

}  // namespace Estils
