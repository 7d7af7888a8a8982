#include "experiments/Freqcopo.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "model/Frequencies.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Llocs.h"

TFFreqTriplets* FFreqTriplets = nullptr;

namespace {
constexpr int ContextAjuda = 351;

QString Percentatge(double x) { return QLocale().toString(x, 'f', 1) + QStringLiteral(" %"); }
}  // namespace

TFFreqTriplets::TFFreqTriplets(QWidget* pare) : TFinestra(pare, Qt::Tool) {
  setObjectName(QStringLiteral("FFreqTriplets"));
  setWindowTitle(tr("Freqüències esperades dels triplets"));
}

void TFFreqTriplets::ConstrueixFinestra() {
  LbProporcions = new QLabel(this);
  LbProporcions->setObjectName(QStringLiteral("LbProporcions"));
  TWTriplets = new QTreeWidget(this);
  TWTriplets->setObjectName(QStringLiteral("TWTriplets"));
  TWTriplets->setAccessibleName(tr("Freqüències esperades dels triplets"));
  TWTriplets->setRootIsDecorated(false);
  TWTriplets->setSelectionMode(QAbstractItemView::NoSelection);
  TWTriplets->setHeaderLabels({tr("Composició"), tr("Triplets"), tr("Cada triplet"), tr("Total")});
  TWTriplets->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  TWTriplets->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  TWTriplets->header()->setStretchLastSection(false);
  auto* nota = new QLabel(tr("Compara-les amb la composició que dona l'experiment: l'aminoàcid més "
                             "abundant ve dels triplets més freqüents."),
                          this);
  nota->setWordWrap(true);
  auto* BtTancar = Botons::Crea(this, "BtTancar", tr("&Tancar"), Dibuixos::Glif::Tancar);
  auto* BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Dibuixos::Glif::Ajuda);
  auto* botons = Botons::Fila({BtTancar, BtAjuda});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(LbProporcions);
  capa->addWidget(TWTriplets);
  capa->addWidget(nota);
  capa->addLayout(botons);
  setFixedSize(440, 330);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::close);
  connect(BtAjuda, &QPushButton::clicked, this, &TFFreqTriplets::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

void TFFreqTriplets::Mostra(const std::array<char, 3>& lletres,
                            const std::array<std::uint16_t, 3>& p) {
  Construeix();
  QStringList parts;
  for (std::size_t k = 0; k < 3; ++k)
    if (p[k] > 0) parts << QStringLiteral("%1% %2").arg(p[k]).arg(QChar(lletres[k]));
  LbProporcions->setText(tr("Proporcions del copolímer: %1").arg(parts.join(QStringLiteral(", "))));
  TWTriplets->clear();
  for (const Frequencies::TClasse& c : Frequencies::Esperades(lletres, p)) {
    QStringList triplets;
    for (const std::string& t : c.Triplets) triplets << QString::fromStdString(t);
    auto* fila = new QTreeWidgetItem(TWTriplets, {QString::fromStdString(c.Nom),
                                                  triplets.join(QStringLiteral(" ")),
                                                  Percentatge(c.PerTriplet), Percentatge(c.Total)});
    for (int col : {2, 3}) fila->setTextAlignment(col, Qt::AlignRight | Qt::AlignVCenter);
  }
}

void TFFreqTriplets::Acompanya(QWidget* finestra) {
  if (parentWidget() != finestra) setParent(finestra, windowFlags());
  if (finestra->isVisible()) {
    PosaAlCostat();
    show();
    raise();
  } else {
    finestra->installEventFilter(this);
  }
}

// A window is placed by its own show event, which comes after its filters':
// this one goes beside it once it stands where it opens.
bool TFFreqTriplets::eventFilter(QObject* objecte, QEvent* e) {
  if (e->type() == QEvent::Show && objecte == parentWidget()) {
    objecte->removeEventFilter(this);
    QTimer::singleShot(0, this, [this] {
      if (!parentWidget() || !parentWidget()->isVisible()) return;
      PosaAlCostat();
      show();
      raise();
    });
  }
  return QDialog::eventFilter(objecte, e);
}

void TFFreqTriplets::PosaAlCostat() {
  const QWidget* finestra = parentWidget();
  const QRect marc = finestra->frameGeometry();
  const QSize mida = frameGeometry().size();
  move(LlocAlCostat(marc, {marc}, mida, mida, finestra->screen()->availableGeometry()).topLeft());
}

void TFFreqTriplets::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
