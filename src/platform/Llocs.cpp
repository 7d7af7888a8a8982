#include "platform/Llocs.h"

#include <QSizePolicy>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {
qint64 Area(const QRect& r) { return r.isEmpty() ? 0 : qint64(r.width()) * r.height(); }

qint64 Cobert(const QRect& r, const QList<QRect>& sota) {
  qint64 area = 0;
  for (const QRect& s : sota) area += Area(r.intersected(s));
  return area;
}

int Entre(int valor, int minim, int maxim) {
  return std::clamp(valor, minim, std::max(minim, maxim));
}
}  // namespace

QRect LlocAlCostat(const QRect& finestra, const QList<QRect>& intocables, QSize mida, QSize minima,
                   const QRect& pantalla) {
  mida = mida.boundedTo(pantalla.size());
  minima = minima.boundedTo(mida);
  const int y = Entre(finestra.top(), pantalla.top(), pantalla.bottom() - mida.height() + 1);
  const int dreta = pantalla.right() - finestra.right();
  const int esquerra = finestra.left() - pantalla.left();
  if (dreta >= mida.width()) return {QPoint(finestra.right() + 1, y), mida};
  if (esquerra >= mida.width()) return {QPoint(finestra.left() - mida.width(), y), mida};
  if (std::max(dreta, esquerra) >= minima.width()) {
    const QSize estreta(std::max(dreta, esquerra), mida.height());
    const int x = dreta >= esquerra ? finestra.right() + 1 : pantalla.left();
    return {QPoint(x, y), estreta};
  }
  // No room beside it: try the screen's edges and the edges of what must
  // stay in sight, at both sizes, and keep the place that hides least.
  QList<QRect> vores = intocables;
  vores.append(finestra);
  QRect millor;
  std::tuple<qint64, qint64, qint64, int> puntuacioMillor{-1, 0, 0, 0};
  for (const QSize& m : {mida, minima}) {
    QList<int> xs{pantalla.right() - m.width() + 1, pantalla.left()};
    QList<int> ys{y, pantalla.top(), pantalla.bottom() - m.height() + 1};
    for (const QRect& v : vores) {
      xs << v.right() + 1 << v.left() - m.width();
      ys << v.bottom() + 1 << v.top() - m.height();
    }
    for (int x : xs)
      for (int yy : ys) {
        const QRect r(QPoint(Entre(x, pantalla.left(), pantalla.right() - m.width() + 1),
                             Entre(yy, pantalla.top(), pantalla.bottom() - m.height() + 1)),
                      m);
        const std::tuple<qint64, qint64, qint64, int> puntuacio{
            Cobert(r, intocables), Area(r.intersected(finestra)), -Area(r), std::abs(r.top() - y)};
        if (std::get<0>(puntuacioMillor) < 0 || puntuacio < puntuacioMillor) {
          puntuacioMillor = puntuacio;
          millor = r;
        }
      }
  }
  return millor;
}

void GuardaLloc(QWidget* control) {
  QSizePolicy politica = control->sizePolicy();
  politica.setRetainSizeWhenHidden(true);
  control->setSizePolicy(politica);
}
