#include "platform/DibuixosLab.h"

#include <QPainter>
#include <QPainterPath>

namespace Dibuixos {
namespace {
const QColor Vidre(90, 90, 90), Liquid(110, 150, 225);

QPixmap Llenc(int ample, int alt) {
  QPixmap pixmap(ample, alt);
  pixmap.fill(Qt::transparent);
  return pixmap;
}
}  // namespace

QPixmap ProvetaAlta(int alt, double ple) {
  const double ample = alt / 3.0;
  QPixmap pixmap = Llenc(static_cast<int>(ample) + 2, alt);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const double x0 = 2.5, x1 = ample - 1.5, r = (x1 - x0) / 2, dalt = 2;
  QPainterPath tub;
  tub.moveTo(x0, dalt);
  tub.lineTo(x0, alt - 1.5 - r);
  tub.arcTo(QRectF(x0, alt - 1.5 - 2 * r, 2 * r, 2 * r), 180, 180);
  tub.lineTo(x1, dalt);
  const double nivell = alt - 1.5 - (alt - dalt - 1.5) * ple;
  p.setPen(Qt::NoPen);
  p.setBrush(Liquid);
  p.setClipRect(QRectF(0, nivell, ample + 2, alt));
  p.drawPath(tub);
  p.setClipping(false);
  p.setPen(QPen(Vidre, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tub);
  p.drawLine(QPointF(x0 - 1.5, dalt), QPointF(x1 + 1.5, dalt));
  return pixmap;
}

QPixmap Matras(int mida) {
  QPixmap pixmap = Llenc(mida, mida);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(mida / 48.0, mida / 48.0);
  QPainterPath matras;
  matras.moveTo(19, 4);
  matras.lineTo(19, 18);
  matras.lineTo(6, 42);
  matras.quadTo(5, 45, 9, 45);
  matras.lineTo(39, 45);
  matras.quadTo(43, 45, 42, 42);
  matras.lineTo(29, 18);
  matras.lineTo(29, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 200, 140));
  p.setClipRect(QRectF(0, 28, 48, 20));
  p.drawPath(matras);
  p.setClipping(false);
  p.setBrush(QColor(255, 255, 255, 170));
  for (const QPointF& c : {QPointF(18, 37), QPointF(26, 33), QPointF(31, 40)})
    p.drawEllipse(c, 2.2, 2.2);
  p.setPen(QPen(Vidre, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(matras);
  p.drawLine(QPointF(16, 4), QPointF(32, 4));
  // A spark of discovery beside the flask.
  p.setPen(QPen(QColor(230, 170, 30), 2, Qt::SolidLine, Qt::RoundCap));
  for (const QLineF& l : {QLineF(40, 6, 40, 16), QLineF(35, 11, 45, 11),
                          QLineF(36.5, 7.5, 43.5, 14.5), QLineF(36.5, 14.5, 43.5, 7.5)})
    p.drawLine(l);
  return pixmap;
}

}  // namespace Dibuixos
