#include "mainwindow/Eleccio.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/GrupOpcions.h"
#include "platform/Llocs.h"

using namespace RBGlobal;
using Dibuixos::Glif;

TFEleccio* FEleccio = nullptr;

namespace {
constexpr int ContextAjuda = 267;
constexpr int ItemInvestigar = 1;  // second item of RGTipusPartida
constexpr int ItemPressupost = 2;  // third: the research game with a budget
constexpr int ItemAleatori = 1;    // second item of RGTipusCodi
}  // namespace

TFEleccio::TFEleccio(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FEleccio"));
  setWindowTitle(tr("Elecció del tipus de simulació"));
}

void TFEleccio::ConstrueixFinestra() {
  Label1 = new QLabel(tr("Tria les opcions que vulguis:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  RGTipusPartida =
      new TGrupOpcions("RGTipusPartida", tr("Simulació"),
                       {tr("Flux de la informació genètica"), tr("Investigar codi genètic"),
                        tr("Investigar amb pressupost")},
                       this);
  RGTipusPartida->PosaItemIndex(0);
  RGTipusCodi =
      new TGrupOpcions("RGTipusCodi", tr("Codi genètic"), {tr("Real"), tr("Aleatori")}, this);
  RGTipusCodi->PosaItemIndex(0);
  // Keeps its place while hidden, so the dialog does not jump.
  GuardaLloc(RGTipusCodi);
  RGTipusCodi->hide();
  RGTipusSimulacio = new TGrupOpcions("RGTipusSimulacio", tr("Investigació"),
                                      {tr("Individual"), tr("Joc competitiu")}, this);
  RGTipusSimulacio->PosaItemIndex(0);
  RGTipusSimulacio->hide();
  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel·lar"), Glif::Cancellar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Glif::Ajuda);

  auto* grups = new QHBoxLayout;
  grups->addWidget(RGTipusPartida, 0, Qt::AlignTop);
  grups->addWidget(RGTipusCodi, 0, Qt::AlignTop);
  auto* botons = Botons::Fila({BtDAcord, BtCancellar, BtAjuda});
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(Label1);
  capa->addLayout(grups);
  capa->addSpacing(8);
  capa->addLayout(botons);
  capa->setSizeConstraint(QLayout::SetFixedSize);

  connect(BtDAcord, &QPushButton::clicked, this, &TFEleccio::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFEleccio::BtAjudaClick);
  connect(RGTipusPartida, &TGrupOpcions::Click, this, &TFEleccio::RGTipusPartidaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

// Both kinds of research have a hidden code to choose; the exercises use the real one.
void TFEleccio::BtDAcordClick() {
  TEstatRecerca& e = EstatRecerca;
  const int item = RGTipusPartida->ItemIndex();
  const bool investigar = item == ItemInvestigar || item == ItemPressupost;
  e.TipusPartida = item == ItemPressupost ? JocPressupost : investigar ? CodiLliure : FluxInformacio;
  e.TipusCodi = investigar && RGTipusCodi->ItemIndex() == ItemAleatori ? 1 : 0;
  accept();
}

void TFEleccio::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }

void TFEleccio::RGTipusPartidaClick() {
  const int item = RGTipusPartida->ItemIndex();
  RGTipusCodi->setVisible(item == ItemInvestigar || item == ItemPressupost);
}
