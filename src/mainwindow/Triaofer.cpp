#include "mainwindow/Triaofer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Ofertes.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/GrupOpcions.h"
#include "platform/Idioma.h"

using namespace RBGlobal;
using Dibuixos::Glif;

TFTriaOfertes* FTriaOfertes = nullptr;

namespace {
constexpr int AjudaCentres = 306;  // choosing a centre
}  // namespace

TFTriaOfertes::TFTriaOfertes(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FTriaOfertes"));
  setWindowTitle(tr("Ofertes de centres investigadors"));
}

void TFTriaOfertes::ConstrueixFinestra() {
  RGCentres = new TGrupOpcions("RGCentres", tr("Tria el centre on vulguis investigar:"), {}, this);
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel.lar"), Glif::Cancellar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Glif::Ajuda);

  auto* botons = Botons::Fila({BtDAcord, BtCancellar, BtAjuda});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(RGCentres);
  capa->addSpacing(8);
  capa->addLayout(botons);
  capa->setSizeConstraint(QLayout::SetFixedSize);

  connect(BtDAcord, &QPushButton::clicked, this, &TFTriaOfertes::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFTriaOfertes::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

void TFTriaOfertes::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormActivate();
}

void TFTriaOfertes::FormActivate() {
  OmpleOfertes();
  RGCentres->PosaItemIndex(0);
}

void TFTriaOfertes::OmpleOfertes() {
  QStringList noms;
  const auto files = SorteigOfertes();
  for (std::size_t fila = 0; fila < files.size(); ++fila) {
    TierFila[fila] = files[fila].Centre;
    VariantFila[fila] = files[fila].Oferta;
    noms << Idioma::Model(OfertesCentres[files[fila].Centre].Noms[files[fila].Oferta]);
  }
  RGCentres->PosaItems(noms);
}

void TFTriaOfertes::BtDAcordClick() {
  const auto fila = static_cast<std::size_t>(std::max(0, RGCentres->ItemIndex()));
  EstatRecerca.Centre = TierFila[fila];
  EstatRecerca.Oferta = VariantFila[fila];
  accept();
}

void TFTriaOfertes::BtAjudaClick() { Ajuda::MostraTema(AjudaCentres); }
