#include "mainwindow/PanellInici.h"

#include <QAction>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "experiments/Traduir.h"
#include "model/Labs.h"
#include "model/Registre.h"
#include "platform/Dibuixos.h"
#include "platform/Idioma.h"
#include "platform/Text1252.h"
#include "platform/TextosJoc.h"

using namespace RBGlobal;
using namespace Comandes;
using Guia::TPas;

namespace {
// A command's caption as a button face: no mnemonic (the menus own the
// letters) and no dots.
QString TextAccio(const QAction* accio) {
  QString text = accio->text().remove(QLatin1Char('&'));
  while (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}

QFont Gran(QFont lletra, double factor, bool negreta) {
  lletra.setPointSizeF(lletra.pointSizeF() * factor);
  lletra.setBold(negreta);
  return lletra;
}

struct TExercici {
  const char* nom;
  TComanda comanda;
  Dibuixos::Glif glif;
};
const TExercici DefExercicis[] = {
    {"BtReplicacio", ExercicisDNAComplementari, Dibuixos::Glif::Replicacio},
    {"BtTranscripcio", ExercicisRNAComplementari, Dibuixos::Glif::Transcripcio},
    {"BtTraduccio", ExercicisTraduccio, Dibuixos::Glif::Traduccio},
    {"BtTaulaResum", ExercicisTaulaResum, Dibuixos::Glif::TaulaResum},
};
}  // namespace

TPanellInici::TPanellInici(const TAccions& accions, QWidget* pare)
    : QWidget(pare), Accions(accions) {
  setObjectName(QStringLiteral("PanellInici"));
  Pagines = new QStackedWidget(this);
  PgExercicis = CreaExercicis();
  PgRecerca = CreaRecerca();
  Pagines->addWidget(PgExercicis);
  Pagines->addWidget(PgRecerca);
  auto* capa = new QVBoxLayout(this);
  capa->setContentsMargins(12, 8, 12, 8);
  capa->addWidget(Pagines, 0, Qt::AlignHCenter | Qt::AlignTop);
  capa->addStretch();
  // The step's button follows its command, whenever the rules change it.
  for (QAction* accio : Accions)
    connect(accio, &QAction::changed, this, [this, accio] {
      if (comandaPas != NombreComandes && Accions[comandaPas] == accio)
        BtPas->setEnabled(accio->isEnabled());
    });
}

// Each button shows its menu item's caption and, on a second line, the
// item's own hint of what the student does in it.
QWidget* TPanellInici::CreaExercicis() {
  auto* pagina = new QWidget(this);
  pagina->setObjectName(QStringLiteral("PgExercicis"));
  auto* titol = new QLabel(tr("Exercicis sobre el flux de la informació genètica"), pagina);
  titol->setObjectName(QStringLiteral("LbExercicis"));
  titol->setFont(Gran(font(), 1.4, true));
  auto* graella = new QVBoxLayout;
  graella->setSpacing(10);
  for (const TExercici& ex : DefExercicis) {
    QAction* accio = Accions[ex.comanda];
    auto* boto = new QToolButton(pagina);
    boto->setObjectName(QString::fromLatin1(ex.nom));
    boto->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    boto->setIcon(QIcon(Dibuixos::Dibuix(ex.glif, 48)));
    boto->setIconSize(QSize(48, 48));
    boto->setText(TextAccio(accio) + QLatin1Char('\n') + accio->statusTip());
    boto->setAccessibleName(TextAccio(accio));
    boto->setAccessibleDescription(accio->statusTip());
    boto->setFocusPolicy(Qt::StrongFocus);
    boto->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    boto->setMinimumHeight(72);
    connect(boto, &QToolButton::clicked, accio, &QAction::trigger);
    graella->addWidget(boto);
  }
  auto* capa = new QVBoxLayout(pagina);
  capa->addWidget(titol);
  capa->addSpacing(6);
  capa->addLayout(graella);
  return pagina;
}

QLabel* TPanellInici::Fila(const char* nom, const QString& titol) {
  auto* valor = new QLabel(PgRecerca);
  valor->setObjectName(QString::fromLatin1(nom));
  valor->setWordWrap(true);
  valor->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  valor->setFocusPolicy(Qt::TabFocus);  // read by Tab, as every other control
  auto* etiqueta = new QLabel(titol, PgRecerca);
  etiqueta->setBuddy(valor);
  valor->setAccessibleName(QString(titol).remove(QLatin1Char(':')));
  Formulari->addRow(etiqueta, valor);
  return valor;
}

QWidget* TPanellInici::CreaRecerca() {
  PgRecerca = new QWidget(this);
  PgRecerca->setObjectName(QStringLiteral("PgRecerca"));
  PgRecerca->setMinimumWidth(520);
  PgRecerca->setMaximumWidth(720);
  LbTitol = new QLabel(PgRecerca);
  LbTitol->setObjectName(QStringLiteral("LbTitol"));
  LbTitol->setFont(Gran(font(), 1.4, true));
  Formulari = new QFormLayout;
  Formulari->setLabelAlignment(Qt::AlignRight);
  Formulari->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  LbCodi = Fila("LbCodi", tr("Codi:"));
  LbFitxer = Fila("LbFitxer", tr("Fitxer:"));
  LbExperiments = Fila("LbExperiments", tr("Experiments:"));
  LbCodons = Fila("LbCodons", tr("Codons publicats:"));
  LbDarrer = Fila("LbDarrer", tr("Darrer experiment:"));
  LbConclusio = Fila("LbConclusio", tr("Conclusions:"));
  LbCentre = Fila("LbCentre", tr("Centre:"));
  LbMes = Fila("LbMes", tr("Mes:"));
  LbCaixa = Fila("LbCaixa", tr("Diners i provetes:"));
  LbTecnica = Fila("LbTecnica", tr("En desenvolupament:"));
  PbTecnica = new QProgressBar(PgRecerca);
  PbTecnica->setObjectName(QStringLiteral("PbTecnica"));
  PbTecnica->setFormat(QStringLiteral("%p%"));
  PbTecnica->setAccessibleName(tr("Progrés de la tècnica"));
  Formulari->addRow(QString(), PbTecnica);

  auto* pas = new QLabel(tr("Què puc fer ara?"), PgRecerca);
  pas->setObjectName(QStringLiteral("LbQuePucFer"));
  pas->setFont(Gran(font(), 1.15, true));
  LbPas = new QLabel(PgRecerca);
  LbPas->setObjectName(QStringLiteral("LbPas"));
  LbPas->setWordWrap(true);
  LbPas->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  LbPas->setFocusPolicy(Qt::TabFocus);
  LbPas->setAccessibleName(tr("Què puc fer ara?"));
  BtPas = new QPushButton(PgRecerca);
  BtPas->setObjectName(QStringLiteral("BtPas"));
  BtPas->setAccessibleName(tr("Fer el pas suggerit"));
  connect(BtPas, &QPushButton::clicked, this, &TPanellInici::BtPasClick);

  auto* fila = new QHBoxLayout;
  fila->addWidget(LbPas, 1);
  fila->addWidget(BtPas, 0, Qt::AlignVCenter);
  auto* capa = new QVBoxLayout(PgRecerca);
  capa->addWidget(LbTitol);
  capa->addLayout(Formulari);
  capa->addSpacing(10);
  capa->addWidget(pas);
  capa->addLayout(fila);
  capa->addStretch(1);  // the room left stays below, not between the lines
  return PgRecerca;
}

void TPanellInici::Mostra(const TEstatRecerca& e, const QString& fitxer) {
  if (e.TipusPartida != CodiLliure && e.TipusPartida != JocPressupost) {
    Pagines->setCurrentWidget(PgExercicis);
    return;
  }
  Pagines->setCurrentWidget(PgRecerca);
  const QString nivell = TextosJoc::Nivell(e.NivellEducatiu);
  const QString nom = DeText1252(e.Nom.Text()).trimmed();
  QString titol = nom.isEmpty() ? tr("Recerca sense nom") : tr("Recerca de %1").arg(nom);
  if (!nivell.isEmpty()) titol += QStringLiteral(" (%1)").arg(nivell);
  LbTitol->setText(titol);
  LbCodi->setText(e.TipusCodi == 1 ? tr("Codi aleatori") : tr("Codi real"));
  LbFitxer->setText(fitxer.isEmpty() ? tr("Encara no s'ha desat.") : QFileInfo(fitxer).fileName());
  LbFitxer->setToolTip(fitxer);
  LbExperiments->setText(tr("%1 de %2").arg(e.NombreExperiments).arg(MaxExperiments));
  LbCodons->setText(tr("%1 de 64").arg(Guia::CodonsPublicats(e)));
  const unsigned darrer = std::min<unsigned>(e.NombreExperiments, MaxExperiments);
  if (darrer == 0) {
    LbDarrer->setText(tr("Encara cap."));
    LbConclusio->setText(QStringLiteral("—"));
  } else {
    LbDarrer->setText(
        QStringLiteral("%1: %2").arg(darrer).arg(DeText1252(e.PolimersExperiment[darrer].Text())));
    const QString conclusio = DeText1252(e.ConclusionsExperiment[darrer].Text()).simplified();
    LbConclusio->setText(conclusio.isEmpty() ? tr("Encara no n'has escrit.") : conclusio);
  }
  MostraJoc(e);
  const Guia::TPasSeguent pas = Guia::PasSeguent(e);
  pasSeguent = pas;
  LbPas->setText(TextPas(pas));
  comandaPas = ComandaPas(pas);
  BtPas->setVisible(comandaPas != NombreComandes);
  if (comandaPas != NombreComandes) {
    BtPas->setText(TextAccio(Accions[comandaPas]));
    BtPas->setEnabled(Accions[comandaPas]->isEnabled());
  }
}

void TPanellInici::MostraJoc(const TEstatRecerca& e) {
  const bool joc = e.TipusPartida == JocPressupost;
  for (QWidget* w : {static_cast<QWidget*>(LbCentre), static_cast<QWidget*>(LbMes),
                     static_cast<QWidget*>(LbCaixa), static_cast<QWidget*>(LbTecnica),
                     static_cast<QWidget*>(PbTecnica)})
    Formulari->setRowVisible(w, joc);
  if (!joc) return;
  const QString centre = e.Centre < OfertesCentres.size() && e.Oferta < 6
                             ? Idioma::Model(OfertesCentres[e.Centre].Noms[e.Oferta])
                             : QString();
  LbCentre->setText(centre);
  LbMes->setText(TextosJoc::Data(e));
  LbCaixa->setText(tr("%1 $ i %2 provetes (%3 $ i %4 provetes cada mes)")
                       .arg(QString::fromStdString(FormataNombre(e.Diners, 0)))
                       .arg(e.Provetes)
                       .arg(QString::fromStdString(FormataNombre(e.Ingressos, 0)))
                       .arg(e.ProvetesMes));
  const std::uint16_t t = e.TecnicaEnCurs;
  if (!Labs::EsTecnica(t)) {
    LbTecnica->setText(tr("Cap tècnica."));
    Formulari->setRowVisible(PbTecnica, false);
    return;
  }
  const int total = Labs::ProvetesNecessaries(e, t);
  LbTecnica->setText(tr("%1: %2 de %3 provetes")
                         .arg(Idioma::Model(Labs::NomsTecniques[t]))
                         .arg(e.UnitatsTecnica)
                         .arg(total));
  PbTecnica->setRange(0, total);
  PbTecnica->setValue(std::min<int>(e.UnitatsTecnica, total));
}

QString TPanellInici::TextPas(Guia::TPasSeguent pas) {
  const unsigned n = pas.Numero;
  const QString tecnica = Labs::EsTecnica(n) ? Idioma::Model(Labs::NomsTecniques[n]) : QString();
  switch (pas.Pas) {
    case TPas::FerRNASintetic:
      return tr(
          "Fes el primer experiment: construeix un RNA sintètic i tradueix-lo en el sistema "
          "lliure de cèl·lules.");
    case TPas::EscriureConclusions:
      return tr("L'experiment %1 té resultats però encara no té conclusions: repassa'l i "
                "escriu què en dedueixes.")
          .arg(n);
    case TPas::Publicar:
      return n == 1 ? tr("Els teus experiments han llegit un codó que encara no has publicat: "
                         "obre la taula del codi i fes clic al codó per publicar-ne el significat.")
                    : tr("Els teus experiments han llegit %1 codons que encara no has publicat: "
                         "obre la taula del codi i fes clic al codó per publicar-ne el significat.")
                          .arg(n);
    case TPas::FerMesExperiments:
      return tr(
          "Fes més experiments amb RNA sintètics diferents per llegir codons nous, i publica "
          "el que en dedueixis.");
    case TPas::RegistrePle:
      return tr(
          "El registre ja té els 60 experiments: repassa'ls i publica a la taula del codi el "
          "que n'has deduït.");
    case TPas::CodiComplet:
      return tr("Has publicat el significat dels 64 codons: el codi està desxifrat!");
    case TPas::ComprarAparellsBasics:
      return tr(
          "El laboratori encara és buit: compra els aparells bàsics i els reactius bàsics, que "
          "demana la primera tècnica.");
    case TPas::Comprar:
      if (tecnica.isEmpty())
        return tr(
            "Amb el que tens no pots desenvolupar cap tècnica: el Tutor de Desenvolupar "
            "tècnica et diu què cal comprar.");
      return tr("Amb el que tens no pots desenvolupar cap tècnica. La compra més barata obre "
                "«%1»: el Tutor de Desenvolupar tècnica t'hi ajuda.")
          .arg(tecnica);
    case TPas::DesenvoluparTecnica:
      return n == 1 ? tr("Ja pots desenvolupar una tècnica: tria-la i comença.")
                    : tr("Ja pots desenvolupar %1 tècniques: tria'n una i comença.").arg(n);
    case TPas::PassarTorn:
      return tr("El laboratori treballa en «%1»: passa torn perquè avanci amb les provetes del "
                "mes nou.")
          .arg(tecnica);
    case TPas::ProvarExperiment:
      return tr(
          "Ja domines la traducció de copolímers: prova de traduir un RNA copolímer a l'atzar.");
    case TPas::EsperarMes: break;
  }
  return tr("Cada experiment costa %1 provetes i %2 $, i ara no n'hi ha prou: passa torn per "
            "tenir-ne de noves.")
      .arg(CostProvetes[ExperimentPolimer])
      .arg(QString::fromStdString(FormataNombre(CostDiners[ExperimentPolimer], 0)));
}

TComanda TPanellInici::ComandaPas(Guia::TPasSeguent pas) {
  switch (pas.Pas) {
    case TPas::FerRNASintetic:
    case TPas::FerMesExperiments: return TraduirRNASintetic;
    case TPas::EscriureConclusions: return RevisarExperiments;
    case TPas::Publicar:
    case TPas::RegistrePle: return Taula;
    case TPas::CodiComplet: return NombreComandes;
    case TPas::ComprarAparellsBasics: return Comprar;
    case TPas::Comprar:
    case TPas::DesenvoluparTecnica: return DesenvoluparTecnica;
    case TPas::PassarTorn:
    case TPas::EsperarMes: return PassarTorn;
    case TPas::ProvarExperiment: return TraduirRNAAleatori;
  }
  return NombreComandes;
}

// Conclusions to write: the review opens at the experiment that lacks them.
void TPanellInici::BtPasClick() {
  if (pasSeguent.Pas == Guia::TPas::EscriureConclusions) FTraduccio->RevisaDesDe(pasSeguent.Numero);
  if (comandaPas != NombreComandes) Accions[comandaPas]->trigger();
}
