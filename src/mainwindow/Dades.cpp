#include "mainwindow/Dades.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "model/RBGlobal.h"
#include "platform/Botons.h"
#include "platform/GrupOpcions.h"
#include "platform/Text1252.h"

using namespace RBGlobal;
using Dibuixos::Glif;

TFDades* FDades = nullptr;

namespace {
constexpr int LlargadaNom = 20;
constexpr int ItemMasculi = 1;
}  // namespace

TFDades::TFDades(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FDades"));
  setWindowTitle(QStringLiteral("FDades"));
}

void TFDades::ConstrueixFinestra() {
  Label1 = new QLabel(tr("Entra les teves dades personals:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(tr("Nom:"), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  ENom = new QLineEdit(this);
  ENom->setObjectName(QStringLiteral("ENom"));
  ENom->setMaxLength(LlargadaNom);
  ENom->setMinimumWidth(ENom->fontMetrics().averageCharWidth() * (LlargadaNom + 6));
  Label2->setBuddy(ENom);
  RGGenere = new TGrupOpcions("RGGenere", tr("Gènere"), {tr("Femení"), tr("Masculí")}, this);
  RGGenere->PosaItemIndex(0);
  RGNivellEducatiu = new TGrupOpcions("RGNivellEducatiu", tr("Nivell educatiu"),
                                      {tr("ESO"), tr("Batxillerat"), tr("Universitari")}, this);
  RGNivellEducatiu->PosaItemIndex(0);
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel·lar"), Glif::Cancellar);

  auto* nom = new QHBoxLayout;
  nom->addWidget(Label2);
  nom->addWidget(ENom, 1);
  auto* grups = new QHBoxLayout;
  grups->addWidget(RGGenere, 0, Qt::AlignTop);
  grups->addWidget(RGNivellEducatiu, 0, Qt::AlignTop);
  auto* botons = Botons::Fila({BtDAcord, BtCancellar});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(Label1);
  capa->addLayout(nom);
  capa->addLayout(grups);
  capa->addSpacing(8);
  capa->addLayout(botons);
  capa->setSizeConstraint(QLayout::SetFixedSize);

  connect(BtDAcord, &QPushButton::clicked, this, &TFDades::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
}

void TFDades::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  ENom->setFocus();
}

void TFDades::BtDAcordClick() {
  TEstatRecerca& e = EstatRecerca;
  e.Nom.Posa(AText1252(ENom->text().left(LlargadaNom)));
  e.Genere = RGGenere->ItemIndex() == ItemMasculi;
  e.NivellEducatiu = static_cast<std::uint16_t>(std::max(0, RGNivellEducatiu->ItemIndex()));
  accept();
}
