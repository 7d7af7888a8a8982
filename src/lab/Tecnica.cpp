#include "lab/Tecnica.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "lab/ComunsLab.h"
#include "model/Labs.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"
#include "platform/Llocs.h"
#include "platform/TextosJoc.h"

using namespace ComunsLab;
using RBGlobal::EstatRecerca;
using RBGlobal::FormataNombre;

TFTecniques* FTecniques = nullptr;

namespace {
constexpr int ContextAjuda = 304;
constexpr int FilesColumna = 14;  // 27 techniques in two columns

// The longest technique's name, in the list's font, with room for the
// margins the style puts around an item's text.
int AmpleColumna(const QListWidget* llista) {
  int ample = 0;
  for (unsigned t = 1; t <= Labs::NombreTecniques; ++t)
    ample = std::max(
        ample, llista->fontMetrics().horizontalAdvance(Idioma::Model(Labs::NomsTecniques[t])));
  const int marge = llista->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, llista) + 1;
  return ample + 2 * marge + 8;
}
}  // namespace

TFTecniques::TFTecniques(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FTecniques"));
  setWindowTitle(tr("Tècniques"));
}

void TFTecniques::ConstrueixFinestra() {
  Label1 = Etiqueta(this, "Label1", tr("Tècniques Desenvolupades:"));
  ListTecniques = new QListWidget(this);
  ListTecniques->setObjectName(QStringLiteral("ListTecniques"));
  // Top to bottom, then the next column: two columns of fourteen rows.
  ListTecniques->setFlow(QListView::TopToBottom);
  ListTecniques->setWrapping(true);
  ListTecniques->setResizeMode(QListView::Adjust);
  ListTecniques->setUniformItemSizes(true);
  // A scroll bar would take rows from the columns and push the last name
  // into a third: both columns are always wholly in view.
  ListTecniques->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListTecniques->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int altFila = ListTecniques->fontMetrics().height() + 3;
  const int ampleColumna = AmpleColumna(ListTecniques);
  ListTecniques->setGridSize(QSize(ampleColumna, altFila));
  const int vores = 2 * ListTecniques->frameWidth() + 4;
  ListTecniques->setFixedHeight(FilesColumna * altFila + vores);
  ListTecniques->setMinimumWidth(2 * ampleColumna + vores);
  ListTecniques->setSelectionMode(QAbstractItemView::NoSelection);
  Label1->setBuddy(ListTecniques);  // names the list for screen readers

  GrTecnicaEnCurs = Grup(this, "GrTecnicaEnCurs", tr("Tècnica en desenvolupament:"));
  LbTecnica = Etiqueta(GrTecnicaEnCurs, "LbTecnica");
  LbProvetesInvertides = EtiquetaXifres(GrTecnicaEnCurs, "LbProvetesInvertides");
  LbProporcioProvetes = Etiqueta(GrTecnicaEnCurs, "LbProporcioProvetes");
  LbDinersInvertits = EtiquetaXifres(GrTecnicaEnCurs, "LbDinersInvertits");
  LbProporcioDiners = Etiqueta(GrTecnicaEnCurs, "LbProporcioDiners");
  LbMesos = Etiqueta(GrTecnicaEnCurs, "LbMesos");
  ImgProveta = ImatgeProveta(GrTecnicaEnCurs, "ImgProveta", 42);
  auto* graella = new QGridLayout(GrTecnicaEnCurs);
  graella->addWidget(LbTecnica, 0, 0, 1, 4);
  graella->addWidget(ImgProveta, 1, 0, 3, 1, Qt::AlignCenter);
  graella->addWidget(LbProvetesInvertides, 1, 1);
  graella->addWidget(LbProporcioProvetes, 1, 2);
  graella->addWidget(LbDinersInvertits, 2, 1);
  graella->addWidget(LbProporcioDiners, 2, 2);
  graella->addWidget(LbMesos, 3, 1, 1, 3);
  graella->setColumnStretch(3, 1);
  graella->setColumnMinimumWidth(0, 30);

  BtDacord = Botons::Crea(this, "BtDacord", tr("D'ac&ord"), Dibuixos::Glif::DAcord);
  BtDacord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel·lar"), Dibuixos::Glif::Cancellar);
  // Hidden while nothing is in development: the window keeps its layout.
  GuardaLloc(BtCancellar);

  auto* botons = Botons::Fila({BtDacord, BtCancellar});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(Label1);
  capa->addWidget(ListTecniques);
  capa->addWidget(GrTecnicaEnCurs);
  capa->addLayout(botons);
  setFixedSize(sizeHint().expandedTo(QSize(640, 0)));

  connect(BtDacord, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtCancellar, &QPushButton::clicked, this, &TFTecniques::BtCancellarClick);
  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
}

void TFTecniques::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

// Escape presses "&Cancel·lar" when it is there; with nothing in
// development there is nothing to cancel and Escape closes the window.
void TFTecniques::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier && BtCancellar->isVisible()) {
    BtCancellar->click();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TFTecniques::FormActivate() {
  ListTecniques->clear();
  for (unsigned t = 1; t <= Labs::NombreTecniques; ++t)
    if (EstatRecerca.TecniquesDominades[t])
      ListTecniques->addItem(Idioma::Model(Labs::NomsTecniques[t]));
  if (Labs::EsTecnica(EstatRecerca.TecnicaEnCurs))
    MostraTecnicaEnCurs();
  else
    MostraCapTecnica();
}

void TFTecniques::MostraCapTecnica() {
  BtCancellar->hide();
  LbTecnica->setText(tr("No estem desenvolupant cap tècnica."));
  for (QLabel* etiqueta :
       {LbProvetesInvertides, LbProporcioProvetes, LbDinersInvertits, LbProporcioDiners, LbMesos})
    etiqueta->clear();
  ImgProveta->hide();
}

void TFTecniques::MostraTecnicaEnCurs() {
  const RBGlobal::TEstatRecerca& e = EstatRecerca;
  const unsigned t = e.TecnicaEnCurs;
  const std::int32_t provetes = Labs::ProvetesNecessaries(e, t);
  const std::int32_t cost = Labs::CostPerProveta(e, t);
  BtCancellar->show();
  LbTecnica->setText(tr("Estem investigant %1").arg(Idioma::Model(Labs::NomsTecniques[t])));
  LbProvetesInvertides->setText(tr("Hem dedicat %1").arg(Q(FormataNombre(e.UnitatsTecnica, 5))));
  LbProporcioProvetes->setText(tr("(d'un total de %1).").arg(Q(FormataNombre(provetes, 1))));
  LbDinersInvertits->setText(
      tr("Hem gastat %1$").arg(Q(FormataNombre(cost * e.UnitatsTecnica, 7))));
  LbProporcioDiners->setText(
      tr("(d'un total de %1).").arg(Q(FormataNombre(Labs::CostTecnica(e, t), 1))));
  LbMesos->setText(TextosJoc::Mesos(
      Labs::MesosRestants(static_cast<std::uint16_t>(provetes), e.UnitatsTecnica, e.ProvetesMes)));
  ImgProveta->show();
}

// Abandoning loses the tubes put in and the rest of this month's: asked
// first, as Escape reaches this button too.
void TFTecniques::BtCancellarClick() {
  if (!Labs::EsTecnica(EstatRecerca.TecnicaEnCurs)) return;
  const QString nom = Idioma::Model(Labs::NomsTecniques[EstatRecerca.TecnicaEnCurs]);
  const auto resposta = Dialegs::Missatge(
      this,
      tr("Vols deixar de desenvolupar «%1»?\n"
         "Es perdran les provetes que hi has dedicat i les que queden aquest mes; "
         "els diners gastats no es recuperen.")
          .arg(nom),
      QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (resposta != QMessageBox::Yes) return;
  Labs::CancellaTecnica(EstatRecerca);
  MostraCapTecnica();
}
