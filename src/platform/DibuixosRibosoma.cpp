#include "platform/DibuixosRibosoma.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace DibuixosRibosoma {
namespace {

const QColor Ribosoma(126, 166, 214), ContornRibosoma(52, 86, 140);
const QColor RNAtColor(236, 150, 96), ContornRNAt(150, 62, 30);
const QColor Factor(150, 96, 186), ContornFactor(86, 44, 120);

QPixmap Llenc(int amplada, int alcada) {
  QPixmap pixmap(amplada, alcada);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

void Prepara(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
}

QFont Lletra(int pixels, bool negreta, bool cursiva = false) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixels);
  f.setBold(negreta);
  f.setItalic(cursiva);
  return f;
}

// A lit-from-above fill, as textbook figures shade a volume.
QLinearGradient Volum(const QColor& color, qreal alcada) {
  QLinearGradient g(0, 0, 0, alcada);
  g.setColorAt(0, color.lighter(135));
  g.setColorAt(1, color.darker(112));
  return g;
}

// One letter in a small disc: the name of a binding site.
void Lloc(QPainter& p, const QPointF& centre, const QString& lletra) {
  p.setPen(QPen(ContornRibosoma, 1.2));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(centre, 8, 8);
  p.setFont(Lletra(11, true));
  p.setPen(ContornRibosoma.darker(130));
  p.drawText(QRectF(centre.x() - 8, centre.y() - 8, 16, 16), Qt::AlignCenter, lletra);
}

// A stem of paired bases between two points: a band with a rung per pair.
void Tija(QPainter& p, const QPointF& a, const QPointF& b, int parells) {
  const QLineF eix(a, b);
  QLineF normal = eix.normalVector();
  normal.setLength(4.5);
  const QPointF d = normal.p2() - normal.p1();
  p.setPen(QPen(ContornRNAt, 1.3));
  p.setBrush(RNAtColor);
  p.drawPolygon(QPolygonF{a + d, b + d, b - d, a - d});
  p.setPen(QPen(ContornRNAt.lighter(130), 1));
  for (int i = 1; i <= parells; ++i) {
    const QPointF c = eix.pointAt(qreal(i) / (parells + 1));
    p.drawLine(c + d * 0.8, c - d * 0.8);
  }
}

// A loop of unpaired bases: a ring with a bead per base.
void Bucle(QPainter& p, const QPointF& centre, qreal radi, int bases) {
  p.setPen(QPen(ContornRNAt, 1.3));
  p.setBrush(RNAtColor.lighter(112));
  p.drawEllipse(centre, radi, radi);
  p.setBrush(RNAtColor.lighter(135));
  QLineF raig(centre, centre + QPointF(radi - 2.2, 0));
  for (int i = 0; i < bases; ++i) {
    raig.setAngle(90 + 360.0 * i / bases);
    p.drawEllipse(raig.p2(), 1.6, 1.6);
  }
}

}  // namespace

// A broad cap with the P and A sites marked where the tRNAs stand.
QPixmap SubunitatGran() {
  QPixmap pixmap = Llenc(250, 200);
  QPainter p(&pixmap);
  Prepara(p);
  QPainterPath cos;
  cos.moveTo(6, 182);
  cos.cubicTo(-6, 110, 10, 30, 70, 10);
  cos.cubicTo(110, -2, 160, -2, 196, 12);
  cos.cubicTo(250, 34, 256, 120, 244, 182);
  cos.quadTo(125, 192, 6, 182);
  p.setPen(QPen(ContornRibosoma, 2));
  p.setBrush(Volum(Ribosoma, 190));
  p.drawPath(cos);
  // The two sites: shallow pockets where the tRNAs sit.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 60));
  p.drawRoundedRect(QRectF(46, 50, 74, 136), 16, 16);
  p.drawRoundedRect(QRectF(120, 50, 74, 136), 16, 16);
  for (char lloc : {'P', 'A'})
    Lloc(p, QRectF(LletraLloc(lloc)).center(), QString(QLatin1Char(lloc)));
  return pixmap;
}

// At the right of the top of each pocket: the chain freed from the P site
// lies to the left of it.
QRect LletraLloc(char lloc) { return {lloc == 'P' ? 98 : 171, 10, 16, 16}; }

QPixmap NomSubunitatGran() {
  QPixmap pixmap = Llenc(84, 14);
  QPainter p(&pixmap);
  Prepara(p);
  p.setFont(Lletra(10, false, true));
  p.setPen(ContornRibosoma.darker(140));
  p.drawText(QRectF(0, 0, 84, 14), Qt::AlignLeft | Qt::AlignVCenter,
             QCoreApplication::translate("DibuixosRibosoma", "Subunitat gran"));
  return pixmap;
}

// A lower lobe with a groove along the top where the mRNA runs.
QPixmap SubunitatPetita() {
  QPixmap pixmap = Llenc(184, 93);
  QPainter p(&pixmap);
  Prepara(p);
  QPainterPath cos;
  cos.moveTo(4, 8);
  cos.quadTo(92, 0, 180, 8);
  cos.cubicTo(190, 60, 150, 90, 92, 90);
  cos.cubicTo(34, 90, -6, 60, 4, 8);
  p.setPen(QPen(ContornRibosoma, 2));
  p.setBrush(Volum(Ribosoma.darker(112), 93));
  p.drawPath(cos);
  p.setFont(Lletra(11, false, true));
  p.setPen(ContornRibosoma.darker(140));
  p.drawText(QRectF(0, 46, 184, 30), Qt::AlignCenter,
             QCoreApplication::translate("DibuixosRibosoma", "Subunitat petita"));
  return pixmap;
}

// The cloverleaf: acceptor stem at the top with its free 3' end where the
// amino acid binds, the D and T arms to the sides and the anticodon loop at
// the bottom, whose three bases point down at the codon.
QPixmap RNAt() {
  QPixmap pixmap = Llenc(MidaRNAt.width(), MidaRNAt.height());
  QPainter p(&pixmap);
  Prepara(p);
  const QPointF centre(34, 35);
  // Free 3' end (ACC) climbing towards the amino-acid label.
  p.setPen(QPen(ContornRNAt, 1.2));
  p.setBrush(RNAtColor.lighter(135));
  for (const QPointF& base : {QPointF(39.5, 6), QPointF(42.5, 3), QPointF(46, 1.6)})
    p.drawEllipse(base, 1.8, 1.8);
  Tija(p, QPointF(34, 8), centre, 4);
  Tija(p, centre, QPointF(16, 30), 3);
  Tija(p, centre, QPointF(52, 30), 3);
  Tija(p, centre, QPointF(34, 57), 3);
  Bucle(p, QPointF(9.5, 28), 8, 8);
  Bucle(p, QPointF(58.5, 28), 8, 8);
  Bucle(p, QPointF(46, 46), 4, 4);  // the variable loop
  // The anticodon loop opens into a row of three bases, one above each cell.
  QPainterPath bucle;
  bucle.moveTo(29.5, 56);
  bucle.lineTo(9, 64);
  bucle.quadTo(3, 66, 3, 71);
  bucle.quadTo(3, 76, 9, 76);
  bucle.lineTo(59, 76);
  bucle.quadTo(65, 76, 65, 71);
  bucle.quadTo(65, 66, 59, 64);
  bucle.lineTo(38.5, 56);
  bucle.closeSubpath();
  p.setPen(QPen(ContornRNAt, 1.3));
  p.setBrush(RNAtColor.lighter(112));
  p.drawPath(bucle);
  p.setBrush(RNAtColor);
  p.drawEllipse(centre, 5, 5);
  p.setPen(QPen(ContornRNAt, 3.5, Qt::SolidLine, Qt::RoundCap));
  for (qreal x : {10.0, 34.0, 58.0}) p.drawLine(QPointF(x, 75), QPointF(x, 82));
  return pixmap;
}

// A protein shaped like a tRNA, whose stalk reaches the stop codon.
QPixmap FactorAlliberament() {
  QPixmap pixmap = Llenc(MidaFactor.width(), MidaFactor.height());
  QPainter p(&pixmap);
  Prepara(p);
  QPainterPath cos;
  cos.addEllipse(QRectF(2, 2, 69, 32));
  QPainterPath peu;
  peu.addRoundedRect(QRectF(22, 20, 30, 35), 12, 12);
  QRadialGradient g(QPointF(28, 12), 48);
  g.setColorAt(0, Factor.lighter(150));
  g.setColorAt(1, Factor.darker(110));
  p.setPen(QPen(ContornFactor, 1.6));
  p.setBrush(g);
  p.drawPath(cos.united(peu));
  p.setPen(Qt::white);
  p.setFont(Lletra(14, true));
  p.drawText(QRectF(2, 2, 69, 32), Qt::AlignCenter, QStringLiteral("RF"));
  return pixmap;
}

QPoint LlocMarcador(bool extrem3) { return extrem3 ? QPoint(0, 50) : QPoint(57, 50); }

QPixmap Marcador(bool extrem3) {
  QPixmap pixmap = Llenc(MidaMarcador.width(), MidaMarcador.height());
  QPainter p(&pixmap);
  Prepara(p);
  p.setPen(ContornRNAt);
  p.setFont(Lletra(9, true));
  p.drawText(QRectF(0, 0, 12, 11), Qt::AlignCenter,
             extrem3 ? QStringLiteral("3'") : QStringLiteral("5'"));
  return pixmap;
}

}  // namespace DibuixosRibosoma
