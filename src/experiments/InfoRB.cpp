#include "experiments/InfoRB.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Botons.h"
#include "platform/Impressio.h"

using Dibuixos::Glif;

TFInfoDesxiframent* FInfoDesxiframent = nullptr;

namespace {
// 513 x 265 holds the history in the small fonts it was written for; with
// wider ones the box grows until every line shows whole, without scrolling.
QSize MidaMemo(const QPlainTextEdit* memo) {
  const QFontMetrics mides(memo->font());
  int amplada = 0;
  const QStringList linies = TFInfoDesxiframent::TextHistoria();
  for (const QString& linia : linies) amplada = std::max(amplada, mides.horizontalAdvance(linia));
  const int vores = 2 * (memo->frameWidth() + int(memo->document()->documentMargin())) + 16;
  return {std::max(513, amplada + vores),
          std::max(265, int(linies.size() + 1) * mides.lineSpacing() + vores)};
}
}  // namespace

// Broken by hand at most 87 characters a line; a line that goes on in the
// next one ends in a blank. One text, so that each language breaks its own
// lines.
QStringList TFInfoDesxiframent::TextHistoria() {
  return tr("Som a l'any 1961; en els 8 anys des que James Watson i Francis Crick van \n"
            "formular el model de la doble hèlix per a l'estructura del DNA, la biologia "
            "molecular \n"
            "ha fet enormes progressos:\n"
            "*El mètode de Sanger permet conèixer la seqüència d'aminoàcids de les proteïnes.\n"
            "*Es coneixen els principals orgànuls i molècules implicats en la síntesi de "
            "proteïnes \n"
            "(ribosomes, RNA missatger i RNA de transferència).\n"
            "*Sembla clar que cada codó del RNA missatger, que indica un aminoàcid, és format \n"
            "per tres nucleòtids. Hi ha, doncs, 64 codons diferents per a 20 aminoàcids.\n"
            "*La polinucleòtid fosforilasa, aïllada per Severo Ochoa, permet fabricar RNA "
            "sintètics \n"
            "de composició coneguda.\n"
            "\n"
            "Amb el desenvolupament d'un sistema traductor lliure de cèl·lules, tot és a punt "
            "per a \n"
            "una increïble sèrie de descobriments que, en només 5 anys, permetran desxifrar tot "
            "el \n"
            "codi genètic.\n"
            "\n"
            "¿Sereu capaços de contribuir a aquesta tasca apassionant?")
      .split(QLatin1Char('\n'));
}

TFInfoDesxiframent::TFInfoDesxiframent(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FInfoDesxiframent"));
  setWindowTitle(tr("El desxiframent del codi genètic"));
}

void TFInfoDesxiframent::ConstrueixFinestra() {
  // Not read-only: the student may write on it; nothing is kept.
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setAccessibleName(tr("El desxiframent del codi genètic"));
  Memo1->setTabChangesFocus(true);  // Tab leads on to the buttons
  QFont lletra = font();
  lletra.setPointSizeF(lletra.pointSizeF() + 1);
  Memo1->setFont(lletra);
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);  // the lines are broken by hand
  Memo1->setPlainText(TextHistoria().join(QLatin1Char('\n')));
  Memo1->setFixedSize(MidaMemo(Memo1));
  BtImprimir = Botons::Crea(this, "BtImprimir", tr("&Imprimir"), Glif::Imprimir);
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);

  auto* botons = Botons::Fila({BtImprimir, BtDAcord});
  auto* capa = new QVBoxLayout(this);
  capa->setContentsMargins(28, 20, 28, 16);
  capa->addWidget(Memo1, 0, Qt::AlignHCenter);
  capa->addStretch();
  capa->addLayout(botons);

  // The window keeps its margins around the box, however large the box.
  setFixedSize(Memo1->width() + 569 - 513, Memo1->height() + 376 - 265);

  connect(BtImprimir, &QPushButton::clicked, this, &TFInfoDesxiframent::BtImprimirClick);
  connect(BtDAcord, &QPushButton::clicked, this, &QDialog::accept);
}

// The box takes Enter as a new line; with the button focused Enter closes
// the window, and a click in the box lets the student write on it.
void TFInfoDesxiframent::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  BtDAcord->setFocus();
}

void TFInfoDesxiframent::BtImprimirClick() { Impressio::ImprimeixFinestra(this); }
