#include "experiments/Polimer.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "experiments/ControlsExperiment.h"
#include "model/RBGlobal.h"
#include "model/Traduccio.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Llocs.h"

using namespace RBGlobal;

TFRNASint* FRNASint = nullptr;

namespace {
constexpr int ContextAjuda = 27;
constexpr std::size_t MaxLletresOligo = 4;

QFont LletraSerif(int punts) {
  QFont font(QStringLiteral("Times New Roman"), punts, QFont::Bold);
  font.setStyleHint(QFont::Serif);
  return font;
}
}  // namespace

TFRNASint::TFRNASint(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FRNASint"));
  setWindowTitle(tr("Construcció d'un RNAm polímer"));
}

void TFRNASint::ConstrueixFinestra() {
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(
      CreaResultat("GrRNASintetic", tr("Oligonucleòtid"), "LbRNASintetic", LbRNASintetic));
  GrRNASintetic = static_cast<QGroupBox*>(LbRNASintetic->parentWidget());
  LbRNASintetic->setFont(LletraSerif(18));
  // Building the oligonucleotide and the polymer made of it take turns.
  CreaConstruccio();
  CreaResultat("GrRNAPolimer", tr("RNA polímer"), "LbRNAPolimer", LbRNAPolimer);
  GrRNAPolimer = static_cast<QGroupBox*>(LbRNAPolimer->parentWidget());
  LbRNAPolimer->setFont(QFont(QStringLiteral("Monospace"), 10));
  for (QGroupBox* grup : {GrPolimeritzacio, GrRNASintetic, GrRNAPolimer})
    grup->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  capa->addLayout(ControlsExperiment::MateixLloc(GrPolimeritzacio, GrRNAPolimer));

  using Dibuixos::Glif;
  BtTraduir = Botons::Crea(this, "BtTraduir", tr("&Traduir"), Glif::DAcord);
  BtUnAltre = Botons::Crea(this, "BtUnAltre", tr("&Un altre"));
  BtTancar = Botons::Crea(this, "BtTancar", tr("&Cancel·lar"), Glif::Cancellar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Glif::Ajuda);
  capa->addStretch();
  auto* fila = Botons::Fila({BtTraduir, BtUnAltre, BtTancar, BtAjuda});
  capa->addLayout(fila);
  ControlsExperiment::FixaMida(this, 470);

  connect(BtTraduir, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtUnAltre, &QPushButton::clicked, this, &TFRNASint::FormActivate);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFRNASint::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

QGroupBox* TFRNASint::CreaConstruccio() {
  GrPolimeritzacio = new QGroupBox(tr("Construcció de l'oligonucleòtid"), this);
  GrPolimeritzacio->setObjectName(QStringLiteral("GrPolimeritzacio"));
  BtA = Botons::Crea(GrPolimeritzacio, "BtA", QStringLiteral("A"));
  BtG = Botons::Crea(GrPolimeritzacio, "BtG", QStringLiteral("G"));
  BtC = Botons::Crea(GrPolimeritzacio, "BtC", QStringLiteral("C"));
  BtU = Botons::Crea(GrPolimeritzacio, "BtU", QStringLiteral("U"));
  BtEsborrarAnterior = Botons::Crea(GrPolimeritzacio, "BtEsborrarAnterior", tr("&Enrera"));
  BtEsborrar = Botons::Crea(GrPolimeritzacio, "BtEsborrar", tr("Es&borrar"));
  BtPolimeritzar = Botons::Crea(GrPolimeritzacio, "BtPolimeritzar", tr("&Polimeritzar"));
  auto* bases = new QHBoxLayout;
  const QString noms[] = {tr("Adenina"), tr("Guanina"), tr("Citosina"), tr("Uracil")};
  int i = 0;
  for (QPushButton* b : {BtA, BtG, BtC, BtU}) {
    b->setAccessibleName(noms[i++]);  // the face is the letter alone
    b->setFont(LletraSerif(12));
    b->setFixedSize(40, 32);
    bases->addWidget(b);
    const char base = b->text().at(0).toLatin1();
    connect(b, &QPushButton::clicked, this, [this, base] { AfegeixBase(base); });
  }
  bases->addStretch();
  auto* edicio = new QHBoxLayout;
  for (QPushButton* b : {BtEsborrarAnterior, BtEsborrar, BtPolimeritzar}) edicio->addWidget(b);
  edicio->addStretch();
  auto* capa = new QVBoxLayout(GrPolimeritzacio);
  capa->addLayout(bases);
  capa->addLayout(edicio);
  // Keep the group's height when buttons come and go.
  for (QPushButton* b : {BtA, BtG, BtC, BtU, BtEsborrarAnterior, BtEsborrar, BtPolimeritzar})
    GuardaLloc(b);
  connect(BtEsborrarAnterior, &QPushButton::clicked, this, &TFRNASint::BtEsborrarAnteriorClick);
  connect(BtEsborrar, &QPushButton::clicked, this, &TFRNASint::ReiniciaOligo);
  connect(BtPolimeritzar, &QPushButton::clicked, this, &TFRNASint::BtPolimeritzarClick);
  return GrPolimeritzacio;
}

QGroupBox* TFRNASint::CreaResultat(const char* nomGrup, const QString& titol,
                                   const char* nomEtiqueta, QLabel*& etiqueta) {
  auto* grup = new QGroupBox(titol, this);
  grup->setObjectName(QString::fromLatin1(nomGrup));
  etiqueta = new QLabel(grup);
  etiqueta->setObjectName(QString::fromLatin1(nomEtiqueta));
  etiqueta->setMinimumHeight(28);
  auto* capa = new QVBoxLayout(grup);
  capa->addWidget(etiqueta);
  return grup;
}

void TFRNASint::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

void TFRNASint::FormActivate() {
  GrPolimeritzacio->show();
  GrRNAPolimer->hide();
  BtTraduir->hide();
  ControlsExperiment::MostraUnAltre(BtUnAltre, BtAjuda, false);
  ReiniciaOligo();
}

void TFRNASint::MostraBotonsBase(bool visibles) {
  for (QPushButton* b : {BtA, BtG, BtC, BtU}) b->setVisible(visibles);
}

void TFRNASint::MostraEdicio(bool visible) {
  for (QPushButton* b : {BtPolimeritzar, BtEsborrar, BtEsborrarAnterior}) b->setVisible(visible);
}

void TFRNASint::ReiniciaOligo() {
  Oligonucleotid.clear();
  RNAPolimer.clear();
  LbRNASintetic->clear();
  LbRNAPolimer->clear();
  MostraBotonsBase(true);
  MostraEdicio(false);
}

void TFRNASint::AfegeixBase(char base) {
  if (Oligonucleotid.size() < MaxLletresOligo) Oligonucleotid += base;
  LbRNASintetic->setText(QString::fromStdString(Oligonucleotid));
  MostraEdicio(true);
  BtPolimeritzar->setDefault(true);
  // A limit above 4 (only from a damaged file) still stops at 4 letters.
  if (Oligonucleotid.size() >= std::min<std::size_t>(EstatRecerca.MaxBasesOligo, MaxLletresOligo))
    MostraBotonsBase(false);
}

void TFRNASint::BtEsborrarAnteriorClick() {
  if (!Oligonucleotid.empty()) {
    Oligonucleotid.pop_back();
    LbRNASintetic->setText(QString::fromStdString(Oligonucleotid));
    MostraBotonsBase(true);
  }
  if (Oligonucleotid.empty()) ReiniciaOligo();
}

void TFRNASint::BtPolimeritzarClick() {
  GrPolimeritzacio->hide();
  BtPolimeritzar->hide();
  RNAPolimer = Polimeritza(Oligonucleotid);
  LbRNAPolimer->setText(QString::fromStdString(RNAPolimer) + QStringLiteral("..."));
  GrRNAPolimer->show();
  BtTraduir->show();
  ControlsExperiment::MostraUnAltre(BtUnAltre, BtAjuda, true);
  BtTraduir->setDefault(true);
  BtTraduir->setFocus();
}

void TFRNASint::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
