#include "exercises/OpcTauRs.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "exercises/TaulaResum.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/GrupOpcions.h"
#include "platform/Llocs.h"

using Dibuixos::Glif;

TFOpcionsTaulaResum* FOpcionsTaulaResum = nullptr;

namespace {
constexpr int ContextAjuda = 222;

QCheckBox* Casella(QWidget* pare, const char* nom, const QString& text) {
  auto* cb = new QCheckBox(text, pare);
  cb->setObjectName(QString::fromLatin1(nom));
  return cb;
}
}  // namespace

TFOpcionsTaulaResum::TFOpcionsTaulaResum(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FOpcionsTaulaResum"));
  setWindowTitle(tr("Opcions de la taula resum"));
}

void TFOpcionsTaulaResum::ConstrueixFinestra() {
  setFixedSize(472, 339);
  RGInformacioInicial =
      new TGrupOpcions("RGInformacioInicial", tr("Informació inicial:"),
                       {tr("Cadena de DNA que es transcriu."), tr("Fragments aleatoris.")}, this);
  RGAminoacids =
      new TGrupOpcions("RGAminoacids", tr("Aminoàcids mostrats inicialment:"),
                       {tr("Cap."), tr("El més fàcil."), tr("Un qualsevol."), tr("Tots.")}, this);
  // Hidden in the whole-strand mode, but keeping its place and its item.
  GuardaLloc(RGAminoacids);
  GroupBox1 = new QGroupBox(tr("RNA missatger"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  CBAUGInicial = Casella(GroupBox1, "CBAUGInicial", tr("Sempre AUG inicial"));
  CBSTOPFinal = Casella(GroupBox1, "CBSTOPFinal", tr("Sempre STOP final"));
  CBSTOPsInteriors = Casella(GroupBox1, "CBSTOPsInteriors", tr("Possibilitat STOPs interiors"));
  auto* caselles = new QVBoxLayout(GroupBox1);
  for (QCheckBox* cb : {CBAUGInicial, CBSTOPFinal, CBSTOPsInteriors}) caselles->addWidget(cb);
  caselles->addStretch();

  BtDAcord = Botons::Crea(this, "BtDAcord", tr("D'ac&ord"), Glif::DAcord);
  BtDAcord->setDefault(true);
  BtCancellar = Botons::Crea(this, "BtCancellar", tr("&Cancel·lar"), Glif::Cancellar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Ajuda"), Glif::Ajuda);

  auto* esquerra = new QVBoxLayout;
  esquerra->addWidget(RGInformacioInicial);
  esquerra->addWidget(RGAminoacids);
  esquerra->addStretch();
  // The longest captions only just fit side by side in the fixed width.
  auto* grups = new QHBoxLayout;
  grups->setSpacing(6);
  grups->addLayout(esquerra, 1);
  GroupBox1->setFixedWidth(204);
  grups->addWidget(GroupBox1, 0, Qt::AlignTop);
  auto* botons = Botons::Fila({BtDAcord, BtCancellar, BtAjuda});
  auto* capa = new QVBoxLayout(this);
  capa->setContentsMargins(9, 12, 9, 12);
  capa->addLayout(grups);
  capa->addLayout(botons);

  connect(RGInformacioInicial, &TGrupOpcions::Click, this,
          &TFOpcionsTaulaResum::RGInformacioInicialClick);
  connect(BtDAcord, &QPushButton::clicked, this, &TFOpcionsTaulaResum::BtDAcordClick);
  connect(BtCancellar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFOpcionsTaulaResum::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

void TFOpcionsTaulaResum::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

// Always the options as stored, whatever was clicked before a cancel.
void TFOpcionsTaulaResum::FormActivate() {
  const TaulaResum::TOpcions o = FTaulaResum->LlegeixOpcions();
  CBAUGInicial->setChecked(o.AUGInicial);
  CBSTOPFinal->setChecked(o.STOPFinal);
  CBSTOPsInteriors->setChecked(o.STOPsInteriors);
  RGAminoacids->PosaItemIndex(o.AminoacidsInicials);
  RGInformacioInicial->PosaItemIndex(o.InformacioInicial != 0 ? 1 : 0);
  RGAminoacids->setVisible(o.InformacioInicial != 0);
  BtDAcord->setFocus();
}

void TFOpcionsTaulaResum::RGInformacioInicialClick(int item) {
  RGAminoacids->setVisible(item == 1);
}

void TFOpcionsTaulaResum::BtDAcordClick() {
  FTaulaResum->PosaOpcions(CBAUGInicial->isChecked(), CBSTOPFinal->isChecked(),
                           static_cast<std::uint16_t>(std::max(0, RGAminoacids->ItemIndex())),
                           RGInformacioInicial->ItemIndex() > 0 ? 1 : 0,
                           CBSTOPsInteriors->isChecked());
  accept();
}

void TFOpcionsTaulaResum::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
