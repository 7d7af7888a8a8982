#include "experiments/Asscodo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "experiments/Taula.h"
#include "model/RBGlobal.h"
#include "model/TaulaCodi.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Dibuixos.h"
#include "platform/GrupOpcions.h"
#include "platform/Idioma.h"

using namespace RBGlobal;

TFAssCodo* FAssCodo = nullptr;

namespace {
constexpr int ContextAjuda = 15;
constexpr int ColumnesGrup = 3;
constexpr int NombreItems = NoAssignat + 1;

// "Aturada (Fi)", "Glicina (Gly)", ... "Histidina (His)", then "No ho sé".
QString TextItem(int numero) {
  if (numero == NoAssignat) return TFAssCodo::tr("No ho sé");
  return QStringLiteral("%1 (%2)").arg(Idioma::Model(NomsAminoacids[numero]),
                                       Idioma::Model(AbreviaturaAminoacid(numero)));
}
}  // namespace

TFAssCodo::TFAssCodo(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FAssCodo"));
  setWindowTitle(tr("Assignació d'un codó"));
}

void TFAssCodo::ConstrueixFinestra() {
  CreaAminoacids();
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(RGAminoacids);
  capa->addWidget(CreaBotons());
  capa->setSizeConstraint(QLayout::SetFixedSize);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

// The items fill the columns top to bottom, as a radio group lays them out.
void TFAssCodo::CreaAminoacids() {
  // Titled from the start, so that the first opening takes its height.
  RGAminoacids = new QGroupBox(tr("Aminoàcid corresponent al codó"), this);
  RGAminoacids->setObjectName(QStringLiteral("RGAminoacids"));
  grupAminoacids = new QButtonGroup(RGAminoacids);
  auto* graella = new QGridLayout(RGAminoacids);
  const int perColumna = (NombreItems + ColumnesGrup - 1) / ColumnesGrup;
  for (int n = 0; n < NombreItems; ++n) {
    auto* item = new QRadioButton(TextItem(n), RGAminoacids);
    item->setObjectName(QStringLiteral("RGAminoacids%1").arg(n));
    grupAminoacids->addButton(item, n);
    graella->addWidget(item, n % perColumna, n / perColumna);
  }
  EntradaPelTeclat(grupAminoacids);
}

QWidget* TFAssCodo::CreaBotons() {
  auto* fila = new QWidget(this);
  auto* capa = new QHBoxLayout(fila);
  capa->setContentsMargins(0, 4, 0, 0);
  BtDAcord = Botons::Crea(fila, "BtDAcord", tr("D'ac&ord"), Dibuixos::Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(fila, "BtCancellar", tr("&Cancel·lar"), Dibuixos::Glif::Cancellar);
  BtAjuda = Botons::Crea(fila, "BtAjuda", tr("Aj&uda"), Dibuixos::Glif::Ajuda);
  // Here Enter presses the answer button that has the focus.
  for (QPushButton* b : {BtDAcord, BtCancellar}) b->setAutoDefault(true);
  capa->addStretch();
  capa->addWidget(BtDAcord);
  capa->addWidget(BtCancellar);
  capa->addWidget(BtAjuda);
  capa->addStretch();
  connect(BtDAcord, &QPushButton::clicked, this, &TFAssCodo::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFAssCodo::BtAjudaClick);
  return fila;
}

int TFAssCodo::ItemIndex() const { return grupAminoacids ? grupAminoacids->checkedId() : -1; }

void TFAssCodo::PosaItemIndex(int index) {
  Construeix();
  if (QAbstractButton* item = grupAminoacids->button(index)) item->setChecked(true);
}

void TFAssCodo::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFAssCodo::FormActivate() {
  RGAminoacids->setTitle(
      tr("Aminoàcid corresponent al codó %1").arg(QString::fromStdString(CodoTriat)));
  PosaItemIndex(TaulaCodi::SignificatPublicat(EstatRecerca, IndexCodo(CodoTriat)));
}

void TFAssCodo::BtDAcordClick() {
  const int triat = ItemIndex();
  if (triat >= 0 &&
      TaulaCodi::Publica(EstatRecerca, IndexCodo(CodoTriat), static_cast<unsigned>(triat)) ==
          TaulaCodi::TPublicacio::Refusat)
    Dialegs::Missatge(this,
                      tr("Una terrible pèrdua de prestigi!\n\n"
                         "Altres investigadors han replicat el nostre experiment i han "
                         "comprovat que ens hem equivocat."),
                      QMessageBox::Warning);
  accept();
}

void TFAssCodo::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
