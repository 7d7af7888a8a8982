#include "experiments/Traduir.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "experiments/ControlsExperiment.h"
#include "experiments/Taula.h"
#include "model/Copolimer.h"
#include "platform/Ajuda.h"
#include "platform/Botons.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"
#include "platform/Llocs.h"
#include "platform/Text1252.h"

using namespace RBGlobal;

TFTraduccio* FTraduccio = nullptr;
bool ModeTraduccio = true;
std::uint16_t TipusExperiment = ExperimentSintetic;

namespace {
constexpr int AjudaTraduccio = 264;
constexpr int AjudaRevisio = 254;
constexpr int MaxConclusions = 255;  // bytes of the record, a line break taking two

QString TitolResultats(bool composicio) {
  return composicio ? TFTraduccio::tr("Aminoàcids presents en el polipèptid")
                    : TFTraduccio::tr("Polipèptids produïts");
}

// A result in words, as the model writes it, each abbreviation in the
// language shown: "Phe - Phe - Phe ..." for a polypeptide, "Phe: 50%;  "
// for each amino acid of a composition.
QString ResultatEnParaules(const TResultat& slot, bool composicio) {
  const auto abreviatura = [](std::uint16_t n) { return Idioma::Model(AbreviaturaResultat(n)); };
  QString text;
  if (composicio) {
    for (std::size_t i = 1; i < TResultat::size() && slot[i] != 0; i += 2)
      text += QStringLiteral("%1: %2%;  ").arg(abreviatura(slot[i])).arg(slot[i + 1]);
    return text;
  }
  if (slot[1] == 0) return text;
  text = abreviatura(slot[1]);
  std::size_t i = 2;
  for (; i <= TResultat::size() && slot[i] != 0; ++i)
    text += QStringLiteral(" - ") + abreviatura(slot[i]);
  if (i > TResultat::size()) text += QStringLiteral(" ...");
  return text;
}

// Conclusions are stored with the line breaks of the desktop the record
// format comes from ("\r\n"), and shown with the editor's ("\n").
std::string ConclusionsAGuardar(QString text) {
  return AText1252(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}
QString ConclusionsGuardades(const TextFix<255>& text) {
  return DeText1252(text.Text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
}  // namespace

TFTraduccio::TFTraduccio(QWidget* pare) : TFinestra(pare) {
  setObjectName(QStringLiteral("FTraduccio"));
  setWindowTitle(tr("Traducció d'un RNA polímer"));
}

void TFTraduccio::ConstrueixFinestra() {
  CreaControls();
  CreaBotons();
}

void TFTraduccio::CreaControls() {
  auto* capa = new QVBoxLayout(this);
  LbNExperiments = new QLabel(this);
  LbNExperiments->setObjectName(QStringLiteral("LbNExperiments"));
  QFont negreta = LbNExperiments->font();
  negreta.setBold(true);
  LbNExperiments->setFont(negreta);
  LbNExperiments->setMinimumHeight(20);  // as high empty as with its text
  capa->addWidget(LbNExperiments);

  GrRNAPolimer = new QGroupBox(tr("RNA polímer"), this);
  GrRNAPolimer->setObjectName(QStringLiteral("GrRNAPolimer"));
  LbRNAPolimer = new QLabel(GrRNAPolimer);
  LbRNAPolimer->setObjectName(QStringLiteral("LbRNAPolimer"));
  LbRNAPolimer->setFont(QFont(QStringLiteral("Monospace"), 10));
  LbRNAPolimer->setMinimumHeight(20);
  (new QVBoxLayout(GrRNAPolimer))->addWidget(LbRNAPolimer);
  GrRNAPolimer->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  capa->addWidget(GrRNAPolimer);

  GrPolipeptids = new QGroupBox(TitolResultats(false), this);
  GrPolipeptids->setObjectName(QStringLiteral("GrPolipeptids"));
  auto* capaResultats = new QVBoxLayout(GrPolipeptids);
  capaResultats->setSpacing(2);
  for (std::size_t k = 0; k < LbPolipeptid.size(); ++k) {
    LbPolipeptid[k] = new QLabel(GrPolipeptids);
    LbPolipeptid[k]->setObjectName(QStringLiteral("LbPolipeptid%1").arg(k + 1));
    LbPolipeptid[k]->setMinimumHeight(20);
    GuardaLloc(LbPolipeptid[k]);
    capaResultats->addWidget(LbPolipeptid[k]);
  }
  GrPolipeptids->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  capa->addWidget(GrPolipeptids);

  LbConclusions = new QLabel(tr("Conclusions:"), this);
  LbConclusions->setObjectName(QStringLiteral("LbConclusions"));
  LbQueden = new QLabel(this);
  LbQueden->setObjectName(QStringLiteral("LbQueden"));
  MConclusions = new QPlainTextEdit(this);
  MConclusions->setObjectName(QStringLiteral("MConclusions"));
  MConclusions->setFixedHeight(90);
  LbConclusions->setBuddy(MConclusions);
  MConclusions->setTabChangesFocus(true);  // Tab leads on to the buttons
  auto* titol = new QHBoxLayout;
  titol->addWidget(LbConclusions);
  titol->addStretch();
  titol->addWidget(LbQueden);
  capa->addLayout(titol);
  capa->addWidget(MConclusions);
  // What the steps show later keeps its place from the start: the window
  // neither grows nor jumps when the results come.
  for (QWidget* w : {static_cast<QWidget*>(LbNExperiments), static_cast<QWidget*>(GrPolipeptids),
                     static_cast<QWidget*>(LbConclusions), static_cast<QWidget*>(LbQueden),
                     static_cast<QWidget*>(MConclusions)})
    GuardaLloc(w);
  connect(MConclusions, &QPlainTextEdit::textChanged, this, &TFTraduccio::MConclusionsChange);
  MConclusionsChange();
}

QPushButton* TFTraduccio::BotoNavegacio(const char* nom, const QString& text, const QString& hint) {
  QPushButton* boto = Botons::Crea(this, nom, text);
  boto->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
  boto->setAccessibleName(boto->toolTip());  // the face is an arrow of signs
  boto->setStatusTip(hint.section(QLatin1Char('|'), 1));
  boto->hide();
  return boto;
}

void TFTraduccio::CreaBotons() {
  using Dibuixos::Glif;
  BtPrimer = BotoNavegacio("BtPrimer", QStringLiteral("|<"), tr("Primer experiment.|"));
  BtAnterior = BotoNavegacio("BtAnterior", QStringLiteral("<"), tr("Experiment anterior.|"));
  BtSeguent = BotoNavegacio("BtSeguent", QStringLiteral(">"), tr("Experiment següent.|"));
  BtUltim = BotoNavegacio("BtUltim", QStringLiteral(">|"), tr("Últim experiment.|"));
  BtTraduir = Botons::Crea(this, "BtTraduir", tr("T&raduir"), Glif::DAcord);
  BtTraduir->setDefault(true);
  BtImprimir = Botons::Crea(this, "BtImprimir", tr("&Imprimir"), Glif::Imprimir);
  BtTaula = Botons::Crea(this, "BtTaula", tr("Publicar codó"), Glif::TaulaCodi);
  BtTancar = Botons::Crea(this, "BtTancar", tr("&Tancar"), Glif::Tancar);
  BtAjuda = Botons::Crea(this, "BtAjuda", tr("Aj&uda"), Glif::Ajuda);

  auto* fila = new QHBoxLayout;
  for (QPushButton* b : {BtPrimer, BtAnterior, BtSeguent, BtUltim}) {
    b->setFixedWidth(36);
    fila->addWidget(b);
  }
  fila->addStretch();
  for (QPushButton* b : {BtTraduir, BtImprimir, BtTaula, BtTancar, BtAjuda}) fila->addWidget(b);
  auto* capa = static_cast<QVBoxLayout*>(layout());
  capa->addStretch();  // the groups keep their height; the free room goes here
  capa->addLayout(fila);
  ControlsExperiment::FixaMida(this, 620);

  connect(BtTraduir, &QPushButton::clicked, this, &TFTraduccio::BtTraduirClick);
  connect(BtPrimer, &QPushButton::clicked, this, &TFTraduccio::BtPrimerClick);
  connect(BtAnterior, &QPushButton::clicked, this, &TFTraduccio::BtAnteriorClick);
  connect(BtSeguent, &QPushButton::clicked, this, &TFTraduccio::BtSeguentClick);
  connect(BtUltim, &QPushButton::clicked, this, &TFTraduccio::BtUltimClick);
  connect(BtImprimir, &QPushButton::clicked, this, &TFTraduccio::BtImprimirClick);
  connect(BtTaula, &QPushButton::clicked, this, &TFTraduccio::BtTaulaClick);
  connect(BtTancar, &QPushButton::clicked, this, &TFTraduccio::BtTancarClick);
  connect(BtAjuda, &QPushButton::clicked, this, &TFTraduccio::BtAjudaClick);
  Ajuda::AlPremerF1(this, [this] { BtAjudaClick(); });
}

void TFTraduccio::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormActivate();
}

// Escape is the "&Tancar" button, which keeps the conclusions; only the
// close box leaves without storing them.
void TFTraduccio::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    BtTancar->click();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TFTraduccio::MostraRevisio(bool revisio) {
  for (QWidget* w : {static_cast<QWidget*>(GrPolipeptids), static_cast<QWidget*>(LbNExperiments),
                     static_cast<QWidget*>(BtPrimer), static_cast<QWidget*>(BtAnterior),
                     static_cast<QWidget*>(BtSeguent), static_cast<QWidget*>(BtUltim)})
    w->setVisible(revisio);
  MostraConclusions(revisio);
  BtTraduir->setVisible(!revisio);
}

void TFTraduccio::MostraConclusions(bool visibles) {
  for (QWidget* w : {static_cast<QWidget*>(LbConclusions), static_cast<QWidget*>(LbQueden),
                     static_cast<QWidget*>(MConclusions)})
    w->setVisible(visibles);
}

void TFTraduccio::FormActivate() {
  MostraRevisio(!ModeTraduccio);
  for (QLabel* lb : LbPolipeptid) lb->hide();
  MConclusions->clear();
  experimentFet = 0;
  if (ModeTraduccio) {
    const bool copolimer = TipusExperiment != ExperimentSintetic;
    setWindowTitle(tr("Traducció d'un RNA polímer"));
    contextAjuda = AjudaTraduccio;
    GrPolipeptids->setTitle(TitolResultats(copolimer));
    LbRNAPolimer->setText(
        copolimer ? ControlsExperiment::TextPolimer(QString::fromStdString(DescripcioCopolimer))
                  : QString::fromStdString(RNAPolimer) + QStringLiteral("..."));
    BtTraduir->setDefault(true);
    BtTraduir->setFocus();
  } else {
    setWindowTitle(tr("Repassar els experiments anteriors"));
    contextAjuda = AjudaRevisio;
    const unsigned logged = std::min<unsigned>(EstatRecerca.NombreExperiments, 60);
    experimentActual = primerRevisat >= 1 && primerRevisat <= logged ? primerRevisat : 1;
    primerRevisat = 1;
    MostraExperiment();
    BtTancar->setDefault(true);
    BtTancar->setFocus();
  }
}

void TFTraduccio::BtTraduirClick() {
  BtTraduir->hide();
  MostraConclusions(true);
  const bool copolimer = TipusExperiment != ExperimentSintetic;
  if (copolimer)
    CalculaComposicio(CodonsCopolimer);
  else
    TradueixPolimer(RNAPolimer);
  const unsigned n =
      RegistraExperiment(copolimer ? DescripcioCopolimer : RNAPolimer, TipusExperiment);
  experimentFet = n;
  LbNExperiments->setText(tr("Experiment número %1").arg(n));
  LbNExperiments->show();
  MostraResultats(Polipeptids, copolimer);
  GrPolipeptids->show();
  BtTancar->setDefault(true);
  MConclusions->setFocus();  // the results are there: what do they tell?
}

void TFTraduccio::MostraResultats(const TResultatsExperiment& resultats, bool composicio) {
  for (std::size_t k = 1; k <= resultats.size(); ++k) {
    const QString text = ResultatEnParaules(resultats[k], composicio);
    if (text.isEmpty()) continue;
    LbPolipeptid[k - 1]->setText(text);
    LbPolipeptid[k - 1]->show();
  }
}

void TFTraduccio::MostraExperiment() {
  const TEstatRecerca& e = EstatRecerca;
  const unsigned n = experimentActual;
  for (QLabel* lb : LbPolipeptid) lb->hide();
  MConclusions->clear();
  LbNExperiments->setText(tr("Experiment número %1 (de %2)").arg(n).arg(e.NombreExperiments));
  LbNExperiments->show();
  LbRNAPolimer->setText(
      ControlsExperiment::TextPolimer(DeText1252(e.PolimersExperiment[n].Text())) +
      QStringLiteral("..."));
  const bool composicio = e.ExperimentCopolimer[n] != ExperimentSintetic;
  GrPolipeptids->setTitle(TitolResultats(composicio));
  MostraResultats(e.ResultatsExperiment[n], composicio);
  MConclusions->setPlainText(ConclusionsGuardades(e.ConclusionsExperiment[n]));
  ActualitzaNavegacio();
}

void TFTraduccio::ActualitzaNavegacio() {
  const unsigned n = experimentActual;
  BtPrimer->setEnabled(n > 1);
  BtAnterior->setEnabled(n > 1);
  BtSeguent->setEnabled(n < DarrerExperimentRegistrat());
  BtUltim->setEnabled(n < DarrerExperimentRegistrat());
}

void TFTraduccio::DesaConclusions(unsigned n) {
  RBGlobal::DesaConclusions(n, ConclusionsAGuardar(MConclusions->toPlainText()));
}

void TFTraduccio::Navega(Moviment moviment) {
  DesaConclusions(experimentActual);
  experimentActual = RBGlobal::Navega(experimentActual, moviment);
  MostraExperiment();
}

void TFTraduccio::BtPrimerClick() { Navega(Moviment::Primer); }
void TFTraduccio::BtAnteriorClick() { Navega(Moviment::Anterior); }
void TFTraduccio::BtSeguentClick() { Navega(Moviment::Seguent); }
void TFTraduccio::BtUltimClick() { Navega(Moviment::Ultim); }

void TFTraduccio::BtTancarClick() {
  // In translation mode only an experiment run now, and recorded, takes them.
  DesaConclusions(ModeTraduccio ? experimentFet : experimentActual);
  accept();
}

// The record has room for 255 bytes; a line break there takes two. The
// student sees what is left, so the text is never cut unannounced.
void TFTraduccio::MConclusionsChange() {
  const auto ocupats = [](const QString& t) { return t.size() + t.count(QLatin1Char('\n')); };
  const QString text = MConclusions->toPlainText();
  if (ocupats(text) > MaxConclusions) {
    QString tallat = text;
    while (ocupats(tallat) > MaxConclusions) tallat.chop(1);
    const QSignalBlocker bloqueig(MConclusions);
    MConclusions->setPlainText(tallat);
    MConclusions->moveCursor(QTextCursor::End);
  }
  const qsizetype queden = MaxConclusions - ocupats(MConclusions->toPlainText());
  LbQueden->setText(queden == 1 ? tr("Queda 1 caràcter.") : tr("Queden %1 caràcters.").arg(queden));
}

void TFTraduccio::BtImprimirClick() { Impressio::ImprimeixFinestra(this); }
void TFTraduccio::BtTaulaClick() { Dialegs::Executa(FTaula); }
void TFTraduccio::BtAjudaClick() { Ajuda::MostraTema(contextAjuda); }
