#include "platform/Estils.h"

#include <QPalette>
#include <QProgressBar>
#include <QWidget>

namespace Estils {

void PosaCella(QWidget* cella, Cella estat) {
  QPalette paleta = cella->palette();
  const QPalette base = cella->parentWidget() ? cella->parentWidget()->palette() : QPalette();
  QColor fons = base.color(QPalette::Window);
  switch (estat) {
    case Cella::Normal: break;
    case Cella::Seleccionada: fons = QColor(Qt::yellow); break;
    case Cella::Erronia: break;
    case Cella::Donada: fons = base.color(QPalette::Button); break;
  }
  paleta.setColor(QPalette::Window, fons);
  cella->setAutoFillBackground(true);
  cella->setPalette(paleta);
  PosaTextErroni(cella, estat == Cella::Erronia);
}

void PosaTextErroni(QWidget* cella, bool erroni) {
  QPalette paleta = cella->palette();
  const QPalette base = cella->parentWidget() ? cella->parentWidget()->palette() : QPalette();
  paleta.setColor(QPalette::WindowText, erroni ? QColor(Qt::red) : base.color(QPalette::WindowText));
  cella->setPalette(paleta);
}

void PreparaIndicador(QProgressBar* indicador) {
  indicador->setOrientation(Qt::Horizontal);
  indicador->setRange(0, 100);
  indicador->setTextVisible(true);
  indicador->setFormat(QStringLiteral("%p%"));
  indicador->setAlignment(Qt::AlignCenter);
}

}  // namespace Estils
