#include "platform/Botons.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

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

QHBoxLayout* Fila(std::initializer_list<QPushButton*> botons) {
  auto* fila = new QHBoxLayout;
  fila->addStretch();
  for (QPushButton* boto : botons) fila->addWidget(boto);
  return fila;
}

bool PremPerTecla(const QKeyEvent* e, const TTecles& tecles) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  for (const auto& [tecla, boto] : tecles)
    if (e->key() == tecla && boto->isEnabled()) {
      boto->click();
      return true;
    }
  return false;
}

namespace {
struct TBase {
  char Lletra;
  const char* Nom;
  const char* Text;
  int Tecla;
  const char* NomAccessible;  // nullptr: the caption says it
};
constexpr TBase Bases[] = {
    {'A', "BAdenina", QT_TRANSLATE_NOOP("Botons", "&Adenina"), Qt::Key_A, nullptr},
    {'G', "BGuanina", QT_TRANSLATE_NOOP("Botons", "&Guanina"), Qt::Key_G, nullptr},
    {'C', "BCitosina", QT_TRANSLATE_NOOP("Botons", "&Citosina"), Qt::Key_C, nullptr},
    {'T', "BTimina", QT_TRANSLATE_NOOP("Botons", "&Timina"), Qt::Key_T, nullptr},
    {'U', "BUracil", QT_TRANSLATE_NOOP("Botons", "&Uracil"), Qt::Key_U, nullptr},
    {' ', "BEspai", "& ", Qt::Key_Space, nullptr},
    {'5', "B5", "&5'", Qt::Key_5, QT_TRANSLATE_NOOP("Botons", "Extrem 5'")},
    {'3', "B3", "&3'", Qt::Key_3, QT_TRANSLATE_NOOP("Botons", "Extrem 3'")},
};
}  // namespace

TTecles CreaBases(QWidget* pare, std::initializer_list<TBotoBase> bases,
                  const std::function<void(char)>& prem) {
  TTecles tecles;
  for (const TBotoBase& b : bases)
    for (const TBase& d : Bases) {
      if (d.Lletra != b.Lletra) continue;
      b.Boto = Crea(pare, d.Nom, QCoreApplication::translate("Botons", d.Text));
      if (d.NomAccessible)
        b.Boto->setAccessibleName(QCoreApplication::translate("Botons", d.NomAccessible));
      const char lletra = d.Lletra;
      QObject::connect(b.Boto, &QPushButton::clicked, b.Boto, [prem, lletra] { prem(lletra); });
      tecles.emplace_back(d.Tecla, b.Boto);
    }
  return tecles;
}

void AjustaFila(const QList<QPushButton*>& fila) {
  const QRect primer = fila.first()->geometry();
  const int n = int(fila.size());
  const int separacio = n > 1 ? fila[1]->x() - primer.right() - 1 : 0;
  const int lliure = fila.last()->geometry().right() + 1 - primer.x() - separacio * (n - 1);
  // The share falls as more buttons take what they need, until none more does.
  int part = lliure / n;
  for (int grans = 0, abans = -1; grans != abans && grans < n;) {
    abans = grans;
    grans = 0;
    int resta = lliure;
    for (const QPushButton* b : fila)
      if (b->sizeHint().width() > part) {
        resta -= b->sizeHint().width();
        ++grans;
      }
    if (grans < n) part = resta / (n - grans);
  }
  int x = primer.x();
  for (QPushButton* b : fila) {
    const int ample = std::max(part, b->sizeHint().width());
    b->setGeometry(x, primer.y(), ample, primer.height());
    x += ample + separacio;
  }
}

}  // namespace Botons
