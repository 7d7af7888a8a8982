#include "experiments/Copolim.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

#include "experiments/ControlsExperiment.h"
#include "experiments/Freqcopo.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Estils.h"
#include "platform/Llocs.h"

using namespace RBGlobal;

TFCopolim* FCopolim = nullptr;

namespace {
constexpr int ContextAjuda = 23;
constexpr std::array<char, 4> LletresNucleotids{'A', 'G', 'C', 'U'};

QFont LletraSerif() {
  QFont font(QStringLiteral("Times New Roman"), 14, QFont::Bold);
  font.setStyleHint(QFont::Serif);
  return font;
}

// A spin button as the desktop knows it: two small arrows, no value.
QWidget* CreaSpin(QWidget* pare, const QString& nom, QToolButton*& amunt, QToolButton*& avall) {
  auto* spin = new QWidget(pare);
  spin->setObjectName(nom);
  auto* capa = new QVBoxLayout(spin);
  capa->setContentsMargins(0, 0, 0, 0);
  capa->setSpacing(0);
  for (auto [boto, nomBoto, fletxa] :
       {std::tuple{&amunt, "Amunt", Qt::UpArrow}, std::tuple{&avall, "Avall", Qt::DownArrow}}) {
    *boto = new QToolButton(spin);
    (*boto)->setObjectName(QString::fromLatin1(nomBoto));
    (*boto)->setArrowType(fletxa);
    (*boto)->setFixedSize(18, 11);
    (*boto)->setAutoRepeat(true);
    capa->addWidget(*boto);
  }
  return spin;
}
}  // namespace

TFCopolim::TFCopolim(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FCopolim"));
  setWindowTitle(tr("Construcció d'un RNA copolímer a l'atzar"));
}

void TFCopolim::ConstrueixFinestra() {
  LbInformacio = new QLabel(tr("Tria dos o tres nucleòtids per a construir el copolímer."), this);
  LbInformacio->setObjectName(QStringLiteral("LbInformacio"));
  CreaNucleotids();
  CreaProporcions();
  CreaResultat();
  for (QGroupBox* grup : {GrNucleotids, GrProporcionsNucleotids, GrRNAPolimer})
    grup->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  for (QWidget* w : {static_cast<QWidget*>(LbInformacio), static_cast<QWidget*>(GrRNAPolimer)})
    GuardaLloc(w);
  auto* capa = new QVBoxLayout(this);
  capa->addWidget(LbInformacio);
  // The choice of nucleotides gives way to their proportions.
  capa->addLayout(ControlsExperiment::MateixLloc(GrNucleotids, GrProporcionsNucleotids));
  capa->addWidget(GrRNAPolimer);

  using Dibuixos::Glif;
  BtTraduir = Botons::Crea(this, "BtTraduir", tr("&Traduir"), Glif::DAcord);
  BtUnAltre = Botons::Crea(this, "BtUnAltre", tr("&Un altre"));
  BtTancar = Botons::Crea(this, "BtTancar", tr("&Cancel·lar"), Glif::Cancellar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Glif::Ajuda);
  auto* fila = Botons::Fila({BtTraduir, BtUnAltre, BtTancar, BtAjuda});
  capa->addStretch();
  capa->addLayout(fila);
  ControlsExperiment::FixaMida(this, 480);

  connect(BtTraduir, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtUnAltre, &QPushButton::clicked, this, &TFCopolim::FormActivate);
  connect(BtTancar, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtAjuda, &QPushButton::clicked, this, &TFCopolim::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

QGroupBox* TFCopolim::CreaNucleotids() {
  GrNucleotids = new QGroupBox(tr("Nucleòtids triats"), this);
  GrNucleotids->setObjectName(QStringLiteral("GrNucleotids"));
  const std::array<const char*, 4> noms{"CBA", "CBG", "CBC", "CBU"};
  const std::array<QString, 4> textos{tr("Adenina (A)"), tr("Guanina (G)"), tr("Citosina (C)"),
                                      tr("Uracil (U)")};
  auto* graella = new QGridLayout(GrNucleotids);
  for (std::size_t i = 0; i < 4; ++i) {
    CBNucleotid[i] = new QCheckBox(textos[i], GrNucleotids);
    CBNucleotid[i]->setObjectName(QString::fromLatin1(noms[i]));
    graella->addWidget(CBNucleotid[i], int(i % 2), int(i / 2));
    connect(CBNucleotid[i], &QCheckBox::clicked, this, &TFCopolim::CBNucleotidClick);
  }
  BtDAcord = Botons::Crea(GrNucleotids, "BtDAcord", tr("D'ac&ord"), Dibuixos::Glif::DAcord);
  GuardaLloc(BtDAcord);
  graella->addWidget(BtDAcord, 0, 2, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
  connect(BtDAcord, &QPushButton::clicked, this, &TFCopolim::BtDAcordClick);
  return GrNucleotids;
}

void TFCopolim::CreaFilaProporcio(QGridLayout* graella, std::size_t k) {
  const QString n = QString::number(k);
  QWidget* pare = GrProporcionsNucleotids;
  Lb[k] = new QLabel(pare);
  Lb[k]->setObjectName(QStringLiteral("Lb") + n);
  Lb[k]->setFont(LletraSerif());
  Lb[k]->setFixedSize(24, 26);  // the same with a letter or none
  Gauge[k] = new QProgressBar(pare);
  Gauge[k]->setObjectName(QStringLiteral("Gauge") + n);
  Estils::PreparaIndicador(Gauge[k]);
  QPalette paleta = Gauge[k]->palette();
  paleta.setColor(QPalette::Highlight, QColor(60, 110, 200));
  paleta.setColor(QPalette::HighlightedText, Qt::white);
  Gauge[k]->setPalette(paleta);
  SB[k] = CreaSpin(pare, QStringLiteral("SB") + n, SBAmunt[k], SBAvall[k]);
  CBFix[k] = new QCheckBox(tr("Fix"), pare);
  CBFix[k]->setObjectName(QStringLiteral("CBFix") + n);
  const int fila = int(k);
  graella->addWidget(Lb[k], fila, 0);
  graella->addWidget(Gauge[k], fila, 1);
  graella->addWidget(SB[k], fila, 2);
  graella->addWidget(CBFix[k], fila, 3);
  for (QWidget* w : {static_cast<QWidget*>(Lb[k]), static_cast<QWidget*>(Gauge[k]), SB[k],
                     static_cast<QWidget*>(CBFix[k])})
    GuardaLloc(w);
  connect(SBAmunt[k], &QToolButton::clicked, this, [this, k] { SBAmuntClick(k); });
  connect(SBAvall[k], &QToolButton::clicked, this, [this, k] { SBAvallClick(k); });
}

QGroupBox* TFCopolim::CreaProporcions() {
  GrProporcionsNucleotids = new QGroupBox(tr("Proporcions dels nucleòtids"), this);
  GrProporcionsNucleotids->setObjectName(QStringLiteral("GrProporcionsNucleotids"));
  auto* graella = new QGridLayout(GrProporcionsNucleotids);
  for (std::size_t k = 0; k < 3; ++k) CreaFilaProporcio(graella, k);
  NomenaFiles();
  BtPolimeritzar = Botons::Crea(GrProporcionsNucleotids, "BtPolimeritzar", tr("&Polimeritzar"));
  GuardaLloc(BtPolimeritzar);
  graella->addWidget(BtPolimeritzar, 3, 1, 1, 3, Qt::AlignRight);
  connect(BtPolimeritzar, &QPushButton::clicked, this, &TFCopolim::BtPolimeritzarClick);
  BtFrequencies = Botons::Crea(GrProporcionsNucleotids, "BtFrequencies", tr("&Freqüències..."));
  BtFrequencies->setToolTip(tr("Freqüència esperada de cada triplet amb aquestes proporcions."));
  graella->addWidget(BtFrequencies, 3, 0, 1, 2, Qt::AlignLeft);
  QWidget::setTabOrder(BtFrequencies, BtPolimeritzar);  // left to right, as they stand
  connect(BtFrequencies, &QPushButton::clicked, this, &TFCopolim::BtFrequenciesClick);
  return GrProporcionsNucleotids;
}

QGroupBox* TFCopolim::CreaResultat() {
  GrRNAPolimer = new QGroupBox(tr("RNA polímer"), this);
  GrRNAPolimer->setObjectName(QStringLiteral("GrRNAPolimer"));
  LbRNAPolimer = new QLabel(GrRNAPolimer);
  LbRNAPolimer->setObjectName(QStringLiteral("LbRNAPolimer"));
  LbRNAPolimer->setMinimumHeight(24);
  auto* capa = new QVBoxLayout(GrRNAPolimer);
  capa->addWidget(LbRNAPolimer);
  return GrRNAPolimer;
}

void TFCopolim::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

unsigned TFCopolim::CompteNucleotids() const {
  unsigned n = 0;
  for (QCheckBox* cb : CBNucleotid) n += cb->isChecked() ? 1 : 0;
  return n;
}

// Translated, the copolymer's frequencies stay to be compared with the result.
void TFCopolim::hideEvent(QHideEvent* e) {
  if (result() != QDialog::Accepted) FFreqTriplets->close();
  QDialog::hideEvent(e);
}

void TFCopolim::FormActivate() {
  setResult(QDialog::Rejected);  // until "Traduir" is pressed in this opening
  FFreqTriplets->close();
  GrNucleotids->show();
  LbInformacio->show();
  GrProporcionsNucleotids->hide();
  GrRNAPolimer->hide();
  BtTraduir->hide();
  ControlsExperiment::MostraUnAltre(BtUnAltre, BtAjuda, false);
  CBNucleotidClick();
}

void TFCopolim::CBNucleotidClick() {
  NombreNucleotids = CompteNucleotids();
  BtDAcord->setVisible(NombreNucleotids == 2 || NombreNucleotids == 3);
  if (BtDAcord->isVisibleTo(this)) BtDAcord->setDefault(true);
}

void TFCopolim::MostraTercer(bool visible) {
  for (QWidget* w : {static_cast<QWidget*>(CBFix[0]), static_cast<QWidget*>(CBFix[1]),
                     static_cast<QWidget*>(Lb[2]), static_cast<QWidget*>(Gauge[2]), SB[2],
                     static_cast<QWidget*>(CBFix[2])})
    w->setVisible(visible);
}

void TFCopolim::BtDAcordClick() {
  LletresCopolimer = {' ', ' ', ' '};
  std::size_t n = 0;
  for (std::size_t i = 0; i < 4 && n < 3; ++i)
    if (CBNucleotid[i]->isChecked()) LletresCopolimer[n++] = LletresNucleotids[i];
  GrNucleotids->hide();
  LbInformacio->hide();
  for (std::size_t k = 0; k < 3; ++k) Lb[k]->setText(QString(QChar(LletresCopolimer[k])));
  NomenaFiles();
  const bool tres = NombreNucleotids == 3;
  Proporcions.P =
      tres ? std::array<std::uint16_t, 3>{34, 33, 33} : std::array<std::uint16_t, 3>{50, 50, 0};
  MostraTercer(tres);
  LlegeixFixos();
  MostraIndicadors();
  BtPolimeritzar->show();
  BtPolimeritzar->setDefault(true);
  GrProporcionsNucleotids->show();
}

// Each row's controls named after its nucleotide, for screen readers.
void TFCopolim::NomenaFiles() {
  for (std::size_t k = 0; k < 3; ++k) {
    const QString lletra = Lb[k]->text().trimmed();
    SBAmunt[k]->setAccessibleName(tr("Augmentar %1").arg(lletra).trimmed());
    SBAvall[k]->setAccessibleName(tr("Disminuir %1").arg(lletra).trimmed());
    CBFix[k]->setAccessibleName(tr("Fix %1").arg(lletra).trimmed());
    Gauge[k]->setAccessibleName(tr("Proporció de %1").arg(lletra).trimmed());
  }
}

// A "Fix" box counts only while it is offered: with two nucleotides they
// are hidden but keep their ticks for the next time three are chosen.
void TFCopolim::LlegeixFixos() {
  for (std::size_t k = 0; k < 3; ++k)
    Proporcions.Lliures[k] = CBFix[k]->isHidden() || !CBFix[k]->isChecked();
}

void TFCopolim::MostraIndicadors() {
  for (std::size_t k = 0; k < 3; ++k) Gauge[k]->setValue(Proporcions.P[k]);
  if (FFreqTriplets->isVisible()) FFreqTriplets->Mostra(LletresCopolimer, Proporcions.P);
}

// Beside the builder, following its proportions while it stays open.
void TFCopolim::BtFrequenciesClick() {
  FFreqTriplets->Mostra(LletresCopolimer, Proporcions.P);
  if (FFreqTriplets->isVisible() && FFreqTriplets->parentWidget() == this)
    FFreqTriplets->raise();
  else
    FFreqTriplets->Acompanya(this);
}

void TFCopolim::SBAvallClick(std::size_t k) {
  LlegeixFixos();
  Proporcions.Baixa(k);
  MostraIndicadors();
}

void TFCopolim::SBAmuntClick(std::size_t k) {
  LlegeixFixos();
  Proporcions.Puja(k);
  MostraIndicadors();
}

void TFCopolim::BtPolimeritzarClick() {
  BtPolimeritzar->hide();
  DescripcioCopolimer = DescriuCopolimer(LletresCopolimer, Proporcions.P);
  LbRNAPolimer->setText(
      ControlsExperiment::TextPolimer(QString::fromStdString(DescripcioCopolimer)));
  GrRNAPolimer->show();
  CodonsCopolimer = GeneraCopolimer(LletresCopolimer, Proporcions.P);
  BtTraduir->show();
  ControlsExperiment::MostraUnAltre(BtUnAltre, BtAjuda, true);
  BtTraduir->setDefault(true);
  BtTraduir->setFocus();
}

void TFCopolim::BtAjudaClick() { Ajuda::MostraTema(ContextAjuda); }
