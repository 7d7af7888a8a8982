#include "platform/GraellaText.h"

#include <QMouseEvent>
#include <QPainter>

TGraellaText::TGraellaText(int columnes, int files, int amplada, int alcada, QWidget* pare)
    : QWidget(pare),
      columnes(columnes),
      files(files),
      amplada(amplada),
      alcada(alcada),
      fons(palette().color(QPalette::Base)) {
  for (int i = 0; i < columnes * files; ++i) textos.append(QString());
  setFixedSize(columnes * amplada, files * alcada);
}

QString TGraellaText::Text(int fila, int columna) const {
  if (fila < 0 || fila >= files || columna < 0 || columna >= columnes) return QString();
  return textos[fila * columnes + columna];
}

void TGraellaText::PosaText(int fila, int columna, const QString& text) {
  if (fila < 0 || fila >= files || columna < 0 || columna >= columnes) return;
  textos[fila * columnes + columna] = text;
  update(RectCella(fila, columna));
}

QRect TGraellaText::RectCella(int fila, int columna) const {
  return QRect(columna * amplada, fila * alcada, amplada, alcada);
}

void TGraellaText::PosaLinies(bool l) {
  linies = l;
  update();
}

void TGraellaText::PosaFons(const QColor& f) {
  fons = f;
  update();
}

void TGraellaText::PosaAlineacio(Qt::Alignment a) {
  alineacio = a;
  update();
}

void TGraellaText::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), fons);
  p.setPen(palette().color(QPalette::Text));
  for (int f = 0; f < files; ++f)
    for (int c = 0; c < columnes; ++c)
      p.drawText(RectCella(f, c).adjusted(3, 0, -3, 0), int(alineacio), Text(f, c));
  if (!linies) return;
  p.setPen(palette().color(QPalette::Mid));
  for (int c = 1; c < columnes; ++c) p.drawLine(c * amplada - 1, 0, c * amplada - 1, height());
  for (int f = 1; f < files; ++f) p.drawLine(0, f * alcada - 1, width(), f * alcada - 1);
}

void TGraellaText::mouseReleaseEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (e->button() != Qt::LeftButton || !rect().contains(p)) return;
  emit cellClicked(p.y() / alcada, p.x() / amplada);
}
