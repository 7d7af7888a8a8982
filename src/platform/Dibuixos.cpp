#include "platform/Dibuixos.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>

namespace Dibuixos {
namespace {

constexpr int M = 20;

const QColor Blau(40, 80, 170), Vermell(190, 40, 40), Verd(40, 140, 60), Groc(230, 180, 30),
    Gris(90, 90, 90), Paper(250, 250, 240);
// One colour per base, as the strands of the exercises show them.
const QColor Bases[4] = {QColor(220, 60, 60), QColor(60, 120, 220), QColor(60, 170, 80),
                         QColor(230, 170, 30)};

void Full(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Paper);
  QPolygon full{{4, 1}, {13, 1}, {16, 4}, {16, 18}, {4, 18}};
  p.drawPolygon(full);
  p.drawLine(13, 1, 13, 4);
  p.drawLine(13, 4, 16, 4);
}

void Carpeta(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Groc);
  p.drawPolygon(QPolygon{{1, 5}, {7, 5}, {9, 7}, {18, 7}, {18, 17}, {1, 17}});
  p.setBrush(Groc.lighter(130));
  p.drawPolygon(QPolygon{{3, 10}, {19, 10}, {17, 17}, {1, 17}});
}

void Disquet(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Blau);
  p.drawRect(2, 2, 15, 15);
  p.setBrush(Paper);
  p.drawRect(5, 2, 9, 6);
  p.setBrush(Gris.lighter(150));
  p.drawRect(5, 11, 9, 6);
}

void Graella(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Paper);
  p.drawRect(1, 2, 17, 15);
  for (int x = 1; x < 18; x += 4) p.drawLine(x, 2, x, 17);
  for (int y = 2; y < 17; y += 5) p.drawLine(1, y, 18, y);
  p.fillRect(2, 3, 16, 4, Blau.lighter(170));
}

// A strand of coloured beads; `atzar` mixes the colours.
void Cadena(QPainter& p, bool atzar) {
  static const int ordre[2][5] = {{0, 1, 2, 0, 1}, {2, 0, 3, 3, 1}};
  p.setPen(Gris);
  p.drawLine(1, 10, 19, 10);
  for (int i = 0; i < 5; ++i) {
    p.setBrush(Bases[ordre[atzar][i]]);
    p.drawEllipse(QPoint(2 + 4 * i, 10), 2, 2);
  }
  p.setPen(QPen(Gris, 1.5));
  p.drawLine(2, 16, 18, 16);
}

void Llibre(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Verd);
  p.drawRect(3, 2, 13, 16);
  p.setBrush(Paper);
  p.drawRect(5, 4, 9, 5);
  p.drawLine(6, 14, 14, 14);
}

// Two strands side by side with rungs; `rna` draws the second shorter.
void Helix(QPainter& p, bool rna) {
  p.setPen(QPen(Blau, 2));
  p.drawLine(4, 1, 4, 19);
  p.setPen(QPen(rna ? Vermell : Blau, 2));
  p.drawLine(15, rna ? 8 : 1, 15, 19);
  for (int y = 3; y < 19; y += 4) {
    p.setPen(QPen(Bases[(y / 4) % 4], 2));
    if (!rna || y > 8) p.drawLine(5, y, 14, y);
    else p.drawLine(5, y, 8, y);
  }
}

void Ribosoma(QPainter& p) {
  p.setPen(QPen(Vermell, 2));
  p.drawLine(0, 15, 19, 15);
  p.setPen(Gris);
  p.setBrush(Groc.lighter(120));
  p.drawEllipse(3, 2, 14, 9);
  p.drawEllipse(5, 10, 10, 6);
  p.setBrush(Verd);
  p.drawEllipse(QPoint(10, 6), 2, 2);
}

void TaulaResum(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Paper);
  p.drawRect(1, 2, 17, 15);
  p.drawLine(1, 7, 18, 7);
  p.drawLine(1, 12, 18, 12);
  p.drawLine(7, 2, 7, 17);
  p.setPen(QPen(Verd, 2));
  p.drawLine(10, 14, 12, 16);
  p.drawLine(12, 16, 16, 9);
}

void Calendari(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Paper);
  p.drawRect(2, 3, 15, 14);
  p.fillRect(3, 4, 14, 4, Vermell);
  p.setPen(QPen(Blau, 2));
  p.drawLine(6, 12, 13, 12);
  p.drawLine(10, 9, 13, 12);
  p.drawLine(10, 15, 13, 12);
}

void Porta(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(QColor(150, 100, 60));
  p.drawRect(3, 1, 9, 17);
  p.setBrush(Groc);
  p.drawEllipse(QPoint(10, 10), 1, 1);
  p.setPen(QPen(Vermell, 2));
  p.drawLine(13, 10, 19, 10);
  p.drawLine(16, 7, 19, 10);
  p.drawLine(16, 13, 19, 10);
}

void Marca(QPainter& p) {
  p.setPen(QPen(Verd, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(3, 10, 8, 15);
  p.drawLine(8, 15, 17, 4);
}

void Creu(QPainter& p) {
  p.setPen(QPen(Vermell, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(4, 4, 16, 16);
  p.drawLine(16, 4, 4, 16);
}

// Drawn with strokes, not a font: loading a bold font just for this glyph
// would cost start-up time.
void Interrogant(QPainter& p) {
  p.setPen(Blau);
  p.setBrush(Blau.lighter(170));
  p.drawEllipse(1, 1, 17, 17);
  p.setPen(QPen(Blau, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath ganxo;
  ganxo.arcMoveTo(QRectF(6.5, 4, 6, 5.5), 180);
  ganxo.arcTo(QRectF(6.5, 4, 6, 5.5), 180, -240);
  ganxo.lineTo(9.5, 11.5);
  p.drawPath(ganxo);
  p.setPen(Qt::NoPen);
  p.setBrush(Blau);
  p.drawEllipse(QPointF(9.5, 14.5), 1.3, 1.3);
}

void Impressora(QPainter& p) {
  p.setPen(Gris);
  p.setBrush(Paper);
  p.drawRect(5, 1, 9, 7);
  p.setBrush(Gris.lighter(160));
  p.drawRect(1, 7, 17, 8);
  p.setBrush(Paper);
  p.drawRect(5, 12, 9, 7);
  p.fillRect(14, 9, 2, 2, Verd);
}

void Play(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Verd);
  p.drawPolygon(QPolygon{{5, 3}, {17, 10}, {5, 17}});
}

void Pausa(QPainter& p) {
  p.fillRect(5, 3, 4, 14, Blau);
  p.fillRect(11, 3, 4, 14, Blau);
}

void Atura(QPainter& p) { p.fillRect(4, 4, 12, 12, Vermell); }

// A turning arrow: once more, from the start.
void Repetir(QPainter& p) {
  p.setPen(QPen(Blau, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(3, 3, 14, 14), 60 * 16, 280 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(Blau);
  p.drawPolygon(QPolygonF{{QPointF(11, 0.5), QPointF(16.5, 3.5), QPointF(11, 7.5)}});
}

// A short strand and a plus: another one.
void UnAltre(QPainter& p) {
  p.setPen(Gris);
  p.drawLine(1, 14, 13, 14);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(Bases[i]);
    p.drawRect(1 + 3 * i, 8, 2, 6);
  }
  p.setPen(QPen(Verd, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(15, 3, 15, 11);
  p.drawLine(11, 7, 19, 7);
}

// Three sliders: settings.
void Opcions(QPainter& p) {
  const int posicions[3] = {6, 13, 9};
  for (int i = 0; i < 3; ++i) {
    const int y = 4 + 6 * i;
    p.setPen(QPen(Gris, 1.5));
    p.drawLine(2, y, 18, y);
    p.setBrush(Blau);
    p.drawRect(posicions[i] - 2, y - 2, 4, 4);
  }
}

void Dibuixa(QPainter& p, Glif glif) {
  switch (glif) {
    case Glif::NovaRecerca: Full(p); break;
    case Glif::Obrir: Carpeta(p); break;
    case Glif::Desar: Disquet(p); break;
    case Glif::TaulaCodi: Graella(p); break;
    case Glif::RNAPolimer: Cadena(p, false); break;
    case Glif::RNAAleatori: Cadena(p, true); break;
    case Glif::Experiments: Llibre(p); break;
    case Glif::Replicacio: Helix(p, false); break;
    case Glif::Transcripcio: Helix(p, true); break;
    case Glif::Traduccio: Ribosoma(p); break;
    case Glif::TaulaResum: TaulaResum(p); break;
    case Glif::PassarTorn: Calendari(p); break;
    case Glif::Sortir: Porta(p); break;
    case Glif::DAcord: Marca(p); break;
    case Glif::Cancellar:
    case Glif::Tancar: Creu(p); break;
    case Glif::Ajuda: Interrogant(p); break;
    case Glif::Imprimir: Impressora(p); break;
    case Glif::Play: Play(p); break;
    case Glif::Pausa: Pausa(p); break;
    case Glif::Atura: Atura(p); break;
    case Glif::Repetir: Repetir(p); break;
    case Glif::UnAltre: UnAltre(p); break;
    case Glif::Opcions: Opcions(p); break;
  }
}

}  // namespace

// Each glyph is drawn once: every window's buttons share the same icons,
// and drawing them all again would cost start-up time.
QIcon Icona(Glif glif) {
  // Never destroyed: icons must not outlive the application's teardown.
  static auto* fets = new std::map<Glif, QIcon>;
  auto [lloc, nou] = fets->try_emplace(glif);
  if (nou) {
    QPixmap pixmap(M, M);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    Dibuixa(p, glif);
    p.end();
    lloc->second = QIcon(pixmap);
  }
  return lloc->second;
}

QPixmap Proveta() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tub;  // an upright tube with a rounded bottom and a lip
  tub.moveTo(5.5, 2);
  tub.lineTo(5.5, 12);
  tub.arcTo(QRectF(5.5, 9.5, 5, 5), 180, 180);
  tub.lineTo(10.5, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(Blau.lighter(140));
  p.setClipRect(QRectF(0, 8, 16, 8));
  p.drawPath(tub);
  p.setClipping(false);
  p.setPen(QPen(Gris, 1));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tub);
  p.drawLine(QPointF(4.5, 2), QPointF(11.5, 2));
  return pixmap;
}

QPixmap Dibuix(Glif glif, int mida) {
  QPixmap pixmap(mida, mida);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(mida / double(M), mida / double(M));
  Dibuixa(p, glif);
  return pixmap;
}

QPixmap IconaPrograma(int mida) {
  QPixmap pixmap(mida, mida);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(mida / 20.0, mida / 20.0);
  Ribosoma(p);
  return pixmap;
}

namespace {
// Draws each size of the program's icon the first time something asks for it.
class TMotorIconaPrograma : public QIconEngine {
 public:
  void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    p->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& mida, QIcon::Mode, QIcon::State) override {
    const int costat = std::max(1, std::min(mida.width(), mida.height()));
    QPixmap& dibuix = dibuixos[costat];
    if (dibuix.isNull()) dibuix = IconaPrograma(costat);
    return dibuix;
  }
  // The sizes handed to the window manager, which draws them all as the
  // first window maps; larger ones, for a desktop's switcher, come from the
  // installed icon through the desktop file, or are drawn when asked for.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> mides;
    for (int mida : {16, 22, 24, 32, 48, 64}) mides << QSize(mida, mida);
    return mides;
  }
  QIconEngine* clone() const override { return new TMotorIconaPrograma(*this); }
  QString key() const override { return QStringLiteral("ribolia-programa"); }

 private:
  std::map<int, QPixmap> dibuixos;
};
}  // namespace

QIcon IconaProgramaMides() { return QIcon(new TMotorIconaPrograma); }

}  // namespace Dibuixos
