#include "exercises/OpcSinPr.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "exercises/SintProt.h"
#include "model/SintesiProteines.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/GrupOpcions.h"

using Dibuixos::Glif;

TFOpcionsSintesiProteines* FOpcionsSintesiProteines = nullptr;

namespace {
constexpr int ContextAjuda = 227;
}

TFOpcionsSintesiProteines::TFOpcionsSintesiProteines(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FOpcionsSintesiProteines"));
  setWindowTitle(tr("Opcions de la síntesi de proteines"));
}

void TFOpcionsSintesiProteines::ConstrueixFinestra() {
  RGQueEsDemana =
      new TGrupOpcions("RGQueEsDemana", tr("Demanar"),
                       {tr("Anticodons"), tr("Aminoàcids"), tr("Anticodons i aminoàcids")}, this);
  RGNombreCodons =
      new TGrupOpcions("RGNombreCodons", tr("Nombre de codons a traduir"),
                       {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("10"),
                        tr("Aleatori ( 3 -  5)"), tr("Aleatori ( 5 -10)"), tr("Aleatori ( 3 -10)")},
                       this, 2);
  RGNombreCodons->setMinimumWidth(310);  // room between the two columns
  // A bare number says nothing to a screen reader.
  for (int i = 0; i < 3; ++i)
    RGNombreCodons->Item(i)->setAccessibleName(
        tr("%1 codons").arg(RGNombreCodons->Item(i)->text()));
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel·lar"), Glif::Cancellar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Ajuda"), Glif::Ajuda);

  auto* botons = Botons::Fila({BtDAcord, BtCancellar, BtAjuda});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(RGQueEsDemana);
  capa->addWidget(RGNombreCodons);
  capa->addSpacing(6);
  capa->addLayout(botons);
  capa->setSizeConstraint(QLayout::SetFixedSize);

  connect(BtDAcord, &QPushButton::clicked, this, &TFOpcionsSintesiProteines::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFOpcionsSintesiProteines::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

void TFOpcionsSintesiProteines::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFOpcionsSintesiProteines::FormActivate() {
  const SintesiProteines::TOpcions& o = FSintProt->Opcions();
  RGQueEsDemana->PosaItemIndex(SintesiProteines::ItemDemanar(o));
  RGNombreCodons->PosaItemIndex(SintesiProteines::ItemNombreCodons(o));
}

void TFOpcionsSintesiProteines::BtDAcordClick() {
  FSintProt->PosaOpcions(
      SintesiProteines::OpcionsDelsItems(RGQueEsDemana->ItemIndex(), RGNombreCodons->ItemIndex()));
  accept();
}

void TFOpcionsSintesiProteines::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
