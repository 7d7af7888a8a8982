#include "mainwindow/Rbmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "exercises/DNAComplementari.h"
#include "exercises/OpcSinPr.h"
#include "exercises/SintProt.h"
#include "exercises/OpcTauRs.h"
#include "exercises/TaulaResum.h"
#include "experiments/Asscodo.h"
#include "experiments/Copolim.h"
#include "experiments/Freqcopo.h"
#include "experiments/InfoRB.h"
#include "experiments/Polimer.h"
#include "experiments/Taula.h"
#include "experiments/Traduir.h"
#include "mainwindow/About.h"
#include "mainwindow/Dades.h"
#include "mainwindow/Eleccio.h"
#include "mainwindow/Triaofer.h"
#include "lab/Avisnovt.h"
#include "lab/Comprar.h"
#include "lab/Invntari.h"
#include "lab/Novatecn.h"
#include "lab/Tecnica.h"
#include "model/Labs.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/Dibuixos.h"
#include "platform/FitxerRecerca.h"
#include "platform/Impressio.h"
#include "platform/Informe.h"

using namespace RBGlobal;

TFPrincipal* FPrincipal = nullptr;

namespace {
constexpr int ContextAjuda = 70;
const char* const HintBoto = "hintLlarg";  // property: long part of a button's hint
const char* const FiltreObrir = "Simulacions Ribolia (*.srb);;Tots els fitxers (*)";
const char* const FiltreDesar = "Simulacions Ribolia (*.srb)";

void EnUn(QAction* a, bool b) { a->setEnabled(b); }
void Visible(QAction* a, bool b) { a->setVisible(b); }
}  // namespace

TFPrincipal::TFPrincipal(QWidget* pare) : QMainWindow(pare) {
  setObjectName(QStringLiteral("FPrincipal"));
  setWindowTitle(QStringLiteral("RIBOLIA"));
  setWindowIcon(Dibuixos::IconaPrograma());
  CreaMenus();
  auto* central = new QWidget(this);
  auto* capa = new QVBoxLayout(central);
  capa->setContentsMargins(0, 0, 0, 0);
  capa->setSpacing(0);
  CreaBotons(central);
  capa->addWidget(SpeedPanel);
  auto* area = new QFrame(central);
  area->setObjectName(QStringLiteral("Area"));
  area->setFrameShape(QFrame::StyledPanel);
  area->setFrameShadow(QFrame::Sunken);
  CreaInformacio(area);
  auto* capaArea = new QVBoxLayout(area);
  capaArea->setContentsMargins(4, 4, 4, 4);
  capaArea->addWidget(GrInformacioGeneral, 0, Qt::AlignRight | Qt::AlignTop);
  capaArea->addStretch();
  capa->addWidget(area, 1);
  setCentralWidget(central);

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setFixedHeight(22);
  statusBar()->setSizeGripEnabled(false);
  QFont petita(QStringLiteral("Sans Serif"));
  petita.setStyleHint(QFont::SansSerif);
  petita.setPointSize(8);
  statusBar()->setFont(petita);

  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
  qApp->installEventFilter(this);
  ConnectaComandes();

  IniciaRecerca();
  RecordaRecerca();
  UpdateMenuItems();
  ActualitzaInformacio();
}

QMenu* TFPrincipal::Menu(const char* nom, const QString& text, const QString& hint) {
  QMenu* menu = menuBar()->addMenu(text);
  menu->setObjectName(QString::fromLatin1(nom));
  menu->menuAction()->setObjectName(QString::fromLatin1(nom));
  menu->menuAction()->setStatusTip(hint);
  return menu;
}

QAction* TFPrincipal::Item(QMenu* menu, const char* nom, const QString& text, const QString& hint) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QString::fromLatin1(nom));
  item->setStatusTip(hint);
  return item;
}

QAction* TFPrincipal::Separador(QMenu* menu, const char* nom) {
  QAction* separador = menu->addSeparator();
  separador->setObjectName(QString::fromLatin1(nom));
  return separador;
}

void TFPrincipal::CreaMenus() {
  QMenu* m =
      Menu("MFitxer", "&Fitxer", "Comandaments per a començar, acabar, obrir o desar recerques.");
  MFitxer = m->menuAction();
  MNovaRecerca = Item(m, "MNovaRecerca", "&Nova recerca...", "Començar una nova recerca.");
  MObrirRecerca =
      Item(m, "MObrirRecerca", "&Obrir recerca...", "Recuperar la recerca desada a un fitxer.");
  MDesarRecerca = Item(m, "MDesarRecerca", "&Desar recerca...", "Desar la recerca a un fitxer.");
  MDesarRecerca->setEnabled(false);
  MInformeRecerca =
      Item(m, "MInformeRecerca", "&Informe de la recerca...",
           "Imprimir un informe de la recerca: dades, experiments i codons publicats.");
  MInformeRecerca->setEnabled(false);
  N2 = Separador(m, "N2");
  MOfertesLaborals =
      Item(m, "MOfertesLaborals", "Ofertes &laborals...", "Veure les ofertes de feina que tenim.");
  MOfertesLaborals->setEnabled(false);
  MOfertesLaborals->setVisible(false);
  N3 = Separador(m, "N3");
  MPassarTorn = Item(m, "MPassarTorn", "&Passar torn", "Passar al mes següent.");
  N1 = Separador(m, "N1");
  MRetirarse =
      Item(m, "MRetirarse", "&Retirar-se", "Retirar-se de la investigació i acabar el programa.");
  MRetirarse->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

  m = Menu("MExercicis", "E&xercicis",
           "Comandaments per a fer exercicis sobre replicació, transcripció i traducció.");
  MExercicis = m->menuAction();
  MExercicisDNAComplementari =
      Item(m, "MExercicisDNAComplementari", "Replicació del &DNA...",
           "Donada una cadena de DNA, determinar la seqüència de la cadena complementària.");
  MExercicisRNAComplementari =
      Item(m, "MExercicisRNAComplementari", "Transcripció fabricant &RNA...",
           "Donada una cadena de DNA, determinar la seqüència del RNA complementari.");
  MExercicisTraduccio =
      Item(m, "MExercicisTraduccio", "Traducció...",
           "Donada una cadena de RNAm, traduir-la fabricant la proteïna corresponent.");
  MExercicisOpcionsTraduccio =
      Item(m, "MExercicisOpcionsTraduccio", "Opcions traducció...",
           "Decidir les característiques de l'RNA que es traduirà i què es demanarà.");
  N8 = Separador(m, "N8");
  MExercicisTaulaResum =
      Item(m, "MExercicisTaulaResum", "&Taula resum...",
           "Omplir una taula que resumeix els processos de replicació, transcripció i traducció.");
  MExercicisOpcionsTaulaResum =
      Item(m, "MExercicisOpcionsTaulaResum", "&Opcions taula...",
           "Canviar la forma en què la taula resum presenta la informació inicial.");

  m = Menu("MBibliografia", "&Bibliografia",
           "Comandaments per a revisar la bibliografia científica.");
  MBibliografia = m->menuAction();
  MBibliografiaAntecedents = Item(
      m, "MBibliografiaAntecedents", "&Antecedents...",
      "Revisar els antecedents més importants apareguts fins ara a la bibliografia científica.");
  MBibliografiaAntecedents->setEnabled(false);
  MNovetats = Item(m, "MNovetats", "&Novetats...",
                   "Veure les últimes novetats aparegudes a la bilbiografia científica.");
  MNovetats->setEnabled(false);
  MTaula = Item(m, "MTaula", "&Taula...", "Veure la taula del codi genètic.");
  N7 = Separador(m, "N7");
  MPublicar = Item(m, "MPublicar", "&Publicar...",
                   "Publicar el significat d'un codó en una revista científica.");
  N6 = Separador(m, "N6");
  MCurriculum = Item(m, "MCurriculum", "&Currículum...",
                     "Veure el nostre currículum vítae com a investigadors.");
  MCurriculum->setEnabled(false);

  m = Menu("MLaboratori", "&Laboratori",
           "Comandaments per a controlar el material del laboratori.");
  MLaboratori = m->menuAction();
  MInventari =
      Item(m, "MInventari", "&Inventari...", "Veure tot el que hi ha al nostre laboratori.");
  MComprar = Item(m, "MComprar", "&Comprar...", "Comprar aparells per al nostre laboratori.");
  N5 = Separador(m, "N5");
  Tcniquespublicades1 =
      Item(m, "Tcniquespublicades1", "Tècniques &publicades...",
           "Veure les tècniques experimentals publicades a la bibliografia científica.");
  Tcniquespublicades1->setEnabled(false);
  MTecniquesDesenvolupades =
      Item(m, "MTecniquesDesenvolupades", "&Tècniques dominades...",
           "Veure les tècniques experimentals que podem fer al nostre laboratori.");
  MDesenvoluparTecnica = Item(m, "MDesenvoluparTecnica", "&Desenvolupar tècnica...",
                              "Desenvolupar una nova tècnica experimental.");

  m = Menu("MExperiment", "&Experiment", "Comandaments per a fer experiments.");
  MExperiment = m->menuAction();
  MTraduirRNASintetic = Item(m, "MTraduirRNASintetic", "&Traduir un RNA sintètic...",
                             "Traduir un RNA sintètic en un sistema lliure de cèl.lules.");
  MTraduirRNAAleatori =
      Item(m, "MTraduirRNAAleatori", "Traduir un RNA aleatori...",
           "Traduir un RNA copolímer a l'atzar en un sistema lliure de cèl.lules.");
  MAcoblar = Item(m, "MAcoblar", "&Acoblar trinucleòtids...",
                  "Acoblar trinucleòtids amb ribosomes i aminoacil-t-RNA.");
  MAcoblar->setEnabled(false);
  MTraduirRNAViric = Item(m, "MTraduirRNAViric", "Traduir un RNA &víric...",
                          "Traduir un RNA víric en un sistema lliure de cèl.lules.");
  MTraduirRNAViric->setEnabled(false);
  N4 = Separador(m, "N4");
  MRevisarExperiments = Item(m, "MRevisarExperiments", "&Revisar experiments...",
                             "Revisar els experiments fets anteriorment.");

  m = Menu("MAjuda", "Aj&uda",
           "Comandaments per accedir al sistema d'ajuda o veure la referència del programa.");
  MAjuda = m->menuAction();
  MAjudaDescripcioGeneral = Item(m, "MAjudaDescripcioGeneral", "Descripció general...",
                                 "Descripció general del programa.");
  MAjudaUtilitzacioDelPrograma = Item(m, "MAjudaUtilitzacioDelPrograma",
                                      "Utilització del programa...", "Com utilitzar el programa.");
  MAjudaTemesDAjuda =
      Item(m, "MAjudaTemesDAjuda", "Temes d'ajuda...", "Índex del sistema d'ajuda.");
  N11 = Separador(m, "N11");
  MSobre = Item(m, "MSobre", "&Sobre Ribolia...", "Veure la referència del programa.");
}

// A tool button's hint is "tool tip|status line", as in the menus' hints.
QToolButton* TFPrincipal::Boto(QWidget* pare, const char* nom, const QString& hint) {
  auto* boto = new QToolButton(pare);
  boto->setObjectName(QString::fromLatin1(nom));
  boto->setFixedSize(25, 25);
  boto->setAutoRaise(true);
  boto->setIconSize(QSize(20, 20));
  boto->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
  boto->setAccessibleName(boto->toolTip());  // its face is a picture
  boto->setProperty(HintBoto, hint.section(QLatin1Char('|'), 1));
  boto->installEventFilter(this);
  pare->layout()->addWidget(boto);
  return boto;
}

void TFPrincipal::CreaBotons(QWidget* pare) {
  using Dibuixos::Glif;
  SpeedPanel = new QWidget(pare);
  SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
  SpeedPanel->setFixedHeight(30);
  auto* fila = new QHBoxLayout(SpeedPanel);
  fila->setContentsMargins(4, 2, 4, 2);
  fila->setSpacing(0);
  auto boto = [&](const char* nom, const char* hint, Glif glif) {
    QToolButton* b = Boto(SpeedPanel, nom, QString::fromUtf8(hint));
    b->setIcon(Dibuixos::Icona(glif));
    return b;
  };
  SBNovaRecerca = boto("SBNovaRecerca", "Començar una nova recerca.|", Glif::NovaRecerca);
  SBObrirRecerca = boto("SBObrirRecerca", "Obrir una recerca desada a un fitxer.|", Glif::Obrir);
  SBDesarRecerca = boto("SBDesarRecerca", "Desar la recerca.|", Glif::Desar);
  SBDesarRecerca->setEnabled(false);
  SBTaulaCodi = boto("SBTaulaCodi", "Veure la taula del codi genètic.|", Glif::TaulaCodi);
  SBNovaTecnica =
      Boto(SpeedPanel, "SBNovaTecnica", QStringLiteral("Desenvolupar una nova tècnica.|"));
  SBNovaTecnica->setText(QStringLiteral("NT"));
  SBNovaTecnica->setFont(QFont(QStringLiteral("Sans Serif"), 8, QFont::Bold));
  SBRNAPolimer = boto("SBRNAPolimer", "Fer un RNA sintètic i traduir-lo.|", Glif::RNAPolimer);
  SBRNAAleatori =
      boto("SBRNAAleatori", "Fer un RNA copolímer a l'atzar i traduir-lo.|", Glif::RNAAleatori);
  SBExperimentsAntics =
      boto("SBExperimentsAntics", "Repassar els experiments anteriors.|", Glif::Experiments);
  fila->addSpacing(10);
  SBReplicacio = boto("SBReplicacio", "Fer un exercici de replicació del DNA.|", Glif::Replicacio);
  SBTranscripcio = boto("SBTranscripcio", "Fer un exercici de transcripció, fabricant RNA.|",
                        Glif::Transcripcio);
  SBTraduccio =
      boto("SBTraduccio", "Fer un exercici de traducció d'un RNAm, fabricant una proteïna.|",
           Glif::Traduccio);
  SBTaulaResum = boto("SBTaulaResum", "Fer un exercici de taula resum.|", Glif::TaulaResum);
  fila->addSpacing(10);
  SBPassarTorn = boto("SBPassarTorn", "Passar al mes següent.|", Glif::PassarTorn);
  fila->addStretch();
  SBSortir = boto("SBSortir", "Retirar-se de la recerca, acabant el programa.|", Glif::Sortir);
}

void TFPrincipal::CreaInformacio(QWidget* pare) {
  GrInformacioGeneral = new QGroupBox(pare);
  GrInformacioGeneral->setObjectName(QStringLiteral("GrInformacioGeneral"));
  GrInformacioGeneral->setFixedSize(105, 57);
  QFont times(QStringLiteral("Times New Roman"));
  times.setStyleHint(QFont::Serif);
  times.setPixelSize(12);
  GrInformacioGeneral->setFont(times);
  LbDiners = new QLabel(GrInformacioGeneral);
  LbDiners->setObjectName(QStringLiteral("LbDiners"));
  LbProvetes = new QLabel(GrInformacioGeneral);
  LbProvetes->setObjectName(QStringLiteral("LbProvetes"));
  LbProvetes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* proveta = new QLabel(GrInformacioGeneral);
  proveta->setObjectName(QStringLiteral("ImProveta"));
  proveta->setPixmap(Dibuixos::Proveta());
  proveta->setAccessibleName(QStringLiteral("Provetes"));
  proveta->setFixedSize(16, 16);
  auto* graella = new QGridLayout(GrInformacioGeneral);
  graella->setContentsMargins(4, 0, 4, 2);
  graella->setVerticalSpacing(0);
  graella->addWidget(LbDiners, 0, 0, 1, 2, Qt::AlignRight);
  graella->addWidget(LbProvetes, 1, 0, Qt::AlignRight);
  graella->addWidget(proveta, 1, 1);
}

// Each command with the menu items and the tool button that run it.
void TFPrincipal::ConnectaComandes() {
  using Handler = void (TFPrincipal::*)();
  struct Comanda {
    QAction* items[2];  // the second may be absent
    QToolButton* boto;
    Handler handler;
  };
  const Comanda comandes[] = {
      {{MNovaRecerca}, SBNovaRecerca, &TFPrincipal::MNovaRecercaClick},
      {{MObrirRecerca}, SBObrirRecerca, &TFPrincipal::MObrirRecercaClick},
      {{MDesarRecerca}, SBDesarRecerca, &TFPrincipal::MDesarRecercaClick},
      {{MInformeRecerca}, nullptr, &TFPrincipal::MInformeRecercaClick},
      {{MRetirarse}, SBSortir, &TFPrincipal::MRetirarseClick},
      {{MAjudaDescripcioGeneral}, nullptr, &TFPrincipal::MAjudaDescripcioGeneralClick},
      {{MAjudaUtilitzacioDelPrograma}, nullptr, &TFPrincipal::MAjudaUtilitzacioDelProgramaClick},
      {{MAjudaTemesDAjuda}, nullptr, &TFPrincipal::MAjudaTemesDAjudaClick},
      {{MSobre}, nullptr, &TFPrincipal::MSobreClick},
      {{MExercicisDNAComplementari}, SBReplicacio, &TFPrincipal::MExercicisDNAComplementariClick},
      {{MExercicisRNAComplementari}, SBTranscripcio, &TFPrincipal::MExercicisRNAComplementariClick},
      {{MExercicisTraduccio}, SBTraduccio, &TFPrincipal::MExercicisTraduccioClick},
      {{MExercicisOpcionsTraduccio}, nullptr, &TFPrincipal::MExercicisOpcionsTraduccioClick},
      {{MExercicisTaulaResum}, SBTaulaResum, &TFPrincipal::MExercicisTaulaResumClick},
      {{MExercicisOpcionsTaulaResum}, nullptr, &TFPrincipal::MExercicisOpcionsTaulaResumClick},
      {{MTaula, MPublicar}, SBTaulaCodi, &TFPrincipal::MTaulaClick},
      {{MTraduirRNASintetic}, SBRNAPolimer, &TFPrincipal::MTraduirRNASinteticClick},
      {{MTraduirRNAAleatori}, SBRNAAleatori, &TFPrincipal::MTraduirRNAAleatoriClick},
      {{MRevisarExperiments}, SBExperimentsAntics, &TFPrincipal::MRevisarExperimentsClick},
      {{MPassarTorn}, SBPassarTorn, &TFPrincipal::MPassarTornClick},
      {{MInventari}, nullptr, &TFPrincipal::MInventariClick},
      {{MComprar}, nullptr, &TFPrincipal::MComprarClick},
      {{MDesenvoluparTecnica}, SBNovaTecnica, &TFPrincipal::MDesenvoluparTecnicaClick},
      {{MTecniquesDesenvolupades}, nullptr, &TFPrincipal::MTecniquesDesenvolupadesClick},
  };
  for (const Comanda& c : comandes) {
    for (QAction* item : c.items)
      if (item) connect(item, &QAction::triggered, this, c.handler);
    if (c.boto) connect(c.boto, &QToolButton::clicked, this, c.handler);
  }
}

// Each rule in turn; an element that follows another takes its new state.
void TFPrincipal::UpdateMenuItems() {
  const TEstatRecerca& e = EstatRecerca;
  const unsigned T = e.TipusPartida;
  const bool joc = T == JocPressupost;
  GrInformacioGeneral->setVisible(joc);
  EnUn(MRevisarExperiments, e.NombreExperiments > 0);
  SBExperimentsAntics->setEnabled(MRevisarExperiments->isEnabled());
  Visible(MOfertesLaborals, joc);
  Visible(N2, joc);
  Visible(MNovetats, joc);
  Visible(MBibliografiaAntecedents, joc);
  Visible(MPublicar, joc);
  Visible(N7, MPublicar->isVisible());
  Visible(MCurriculum, joc);
  Visible(N6, joc);
  Visible(MLaboratori, joc);
  EnUn(MDesenvoluparTecnica, e.TecnicaEnCurs == 0);
  Visible(MDesenvoluparTecnica, joc);
  SBNovaTecnica->setEnabled(MDesenvoluparTecnica->isEnabled());
  SBNovaTecnica->setVisible(MDesenvoluparTecnica->isVisible());
  EnUn(MExperiment, T >= 1);
  EnUn(MTraduirRNASintetic, PodemFerExperiment(TecnicaRNAPolimer, ExperimentPolimer));
  SBRNAPolimer->setEnabled(MTraduirRNASintetic->isEnabled());
  EnUn(MTraduirRNAAleatori, PodemFerExperiment(TecnicaCopolimers, ExperimentCopolimers));
  SBRNAAleatori->setEnabled(MTraduirRNAAleatori->isEnabled());
  Visible(MAcoblar, joc);
  EnUn(MAcoblar, e.TecniquesDominades[TecnicaAcoblament]);
  Visible(MTraduirRNAViric, joc);
  EnUn(MTraduirRNAViric, e.TecniquesDominades[TecnicaRNAViric]);
  Visible(N3, joc);
  Visible(MPassarTorn, joc);
  SBPassarTorn->setVisible(MPassarTorn->isVisible());
  EnUn(MExercicis, T == FluxInformacio);
  for (QAction* item : {MExercicisDNAComplementari, MExercicisRNAComplementari, MExercicisTraduccio,
                        MExercicisTaulaResum, MExercicisOpcionsTaulaResum})
    EnUn(item, MExercicis->isEnabled());
  SBReplicacio->setEnabled(MExercicisDNAComplementari->isEnabled());
  SBTranscripcio->setEnabled(MExercicisRNAComplementari->isEnabled());
  SBTraduccio->setEnabled(MExercicisTraduccio->isEnabled());
  SBTaulaResum->setEnabled(MExercicisTaulaResum->isEnabled());
  EnUn(MExercicisOpcionsTraduccio, MExercicisTraduccio->isEnabled());
  EnUn(MDesarRecerca, T >= 1);
  SBDesarRecerca->setEnabled(MDesarRecerca->isEnabled());
  EnUn(MInformeRecerca, T >= 1);
}

void TFPrincipal::ActualitzaInformacio() {
  const TEstatRecerca& e = EstatRecerca;
  if (e.TipusPartida != JocPressupost) {
    GrInformacioGeneral->hide();
    return;
  }
  const char* mes = e.Mes >= 1 && e.Mes <= 12 ? NomsMesos[e.Mes] : "";
  GrInformacioGeneral->setTitle(QStringLiteral("%1 de %2").arg(QString::fromUtf8(mes)).arg(e.Any));
  LbDiners->setText(QString::fromStdString(FormataNombre(e.Diners, 7)) + QStringLiteral(" $."));
  LbProvetes->setText(QString::number(e.Provetes));
  GrInformacioGeneral->show();
}

void TFPrincipal::ShowHint(const QString& hint) {
  statusBar()->showMessage(hint.section(QLatin1Char('|'), -1));
}

bool TFPrincipal::event(QEvent* e) {
  if (e->type() == QEvent::StatusTip) {
    ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

bool TFPrincipal::eventFilter(QObject* objecte, QEvent* e) {
  // A tool button shows the long part of its hint, which is empty.
  if (e->type() == QEvent::Enter && objecte->property(HintBoto).isValid())
    ShowHint(objecte->property(HintBoto).toString());
  // Tab reaches the tool buttons; the arrow keys do not walk along them. Keys
  // typed on after an exercise closes land here, and Left from the first
  // button would wrap round to "Retirar-se", where the next Space quits.
  if (e->type() == QEvent::KeyPress && objecte->property(HintBoto).isValid()) {
    switch (static_cast<QKeyEvent*>(e)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down: return true;
      default: break;
    }
  }
  // Alt+X quits, as "&Retirar-se" says, though it is also the mnemonic of
  // "E&xercicis": claim the key before the menu bar sees it.
  if (e->type() == QEvent::ShortcutOverride && QApplication::activeModalWidget() == nullptr &&
      isActiveWindow()) {
    auto* tecla = static_cast<QKeyEvent*>(e);
    if (tecla->key() == Qt::Key_X && tecla->modifiers() == Qt::AltModifier) {
      e->accept();
      MRetirarseClick();
      return true;
    }
  }
  return QMainWindow::eventFilter(objecte, e);
}

void TFPrincipal::closeEvent(QCloseEvent* e) {
  if (!PotDeixarRecerca(QStringLiteral("de sortir"))) {
    e->ignore();
    return;
  }
  e->accept();
  QCoreApplication::quit();
}

void TFPrincipal::RecordaRecerca() { RecercaRecordada = CodificaEstat(EstatRecerca); }

// Exercises are never saved, so only a research of type 1 or 2 can be lost.
bool TFPrincipal::RecercaCanviada() const {
  return EstatRecerca.TipusPartida != FluxInformacio &&
         CodificaEstat(EstatRecerca) != RecercaRecordada;
}

bool TFPrincipal::PotDeixarRecerca(const QString& abansDe) {
  if (!RecercaCanviada()) return true;
  const auto resposta = Dialegs::Missatge(
      this,
      QStringLiteral("La recerca ha canviat des que la vas començar, obrir o desar.\n"
                     "Vols desar-la abans %1?")
          .arg(abansDe),
      QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
      QMessageBox::Save);
  if (resposta == QMessageBox::Save) return DesaAmbDialeg();
  return resposta == QMessageBox::Discard;
}

// Cancelling any dialog of the chain puts back the research as it was: the
// dialogs write their choices on OK, and a later Cancel must undo them.
void TFPrincipal::MNovaRecercaClick() {
  if (!PotDeixarRecerca(QStringLiteral("de començar-ne una de nova"))) return;
  const TEstatRecerca abans = EstatRecerca;
  if (!ConfirmaNovaRecerca()) {
    EstatRecerca = abans;
    return;
  }
  IniciaRecerca();
  FitxerRecerca.clear();
  RecordaRecerca();
  ActualitzaInformacio();
  UpdateMenuItems();
  if (EstatRecerca.TipusPartida != FluxInformacio) Dialegs::Executa(FInfoDesxiframent);
}

bool TFPrincipal::ConfirmaNovaRecerca() {
  if (Dialegs::Executa(FEleccio) != QDialog::Accepted) return false;
  if (Dialegs::Executa(FDades) != QDialog::Accepted) return false;
  return EstatRecerca.TipusPartida != JocPressupost ||
         Dialegs::Executa(FTriaOfertes) == QDialog::Accepted;
}

void TFPrincipal::MObrirRecercaClick() {
  if (!PotDeixarRecerca(QStringLiteral("d'obrir-ne una altra"))) return;
  const QString nom = Dialegs::TriaFitxerObrir(this, QStringLiteral("Obrir recerca"),
                                               QString::fromUtf8(FiltreObrir));
  if (!nom.isEmpty()) ObreFitxer(nom);
}

void TFPrincipal::ObreFitxer(const QString& nom) {
  const QString error = ObreRecerca(nom);
  if (!error.isEmpty()) {
    Dialegs::Missatge(this, error, QMessageBox::Warning);
    return;
  }
  FitxerRecerca = nom;
  RecordaRecerca();
  UpdateMenuItems();
  ActualitzaInformacio();
}

void TFPrincipal::MDesarRecercaClick() { DesaAmbDialeg(); }

// The PDF is offered beside the research file, under its name.
void TFPrincipal::MInformeRecercaClick() {
  QTextDocument document;
  document.setHtml(Informe::Html(EstatRecerca));
  const QFileInfo fitxer(FitxerRecerca);
  const QString nomPdf = FitxerRecerca.isEmpty()
                             ? QStringLiteral("Informe de la recerca.pdf")
                             : fitxer.dir().filePath(fitxer.completeBaseName() + QStringLiteral(".pdf"));
  Impressio::ImprimeixDocument(this, document, nomPdf);
}

bool TFPrincipal::DesaAmbDialeg() {
  const QString nom = Dialegs::TriaFitxerDesar(this, QStringLiteral("Desar recerca"),
                                               QString::fromUtf8(FiltreDesar));
  if (nom.isEmpty()) return false;
  const QString error = DesaRecerca(nom);
  if (!error.isEmpty()) {
    Dialegs::Missatge(this, error, QMessageBox::Warning);
    return false;
  }
  FitxerRecerca = nom;
  RecordaRecerca();
  return true;
}

void TFPrincipal::MRetirarseClick() { close(); }
void TFPrincipal::MAjudaDescripcioGeneralClick() { Ajuda::MostraTema(50); }
void TFPrincipal::MAjudaUtilitzacioDelProgramaClick() { Ajuda::MostraTema(270); }
void TFPrincipal::MAjudaTemesDAjudaClick() { Ajuda::MostraContingut(); }
void TFPrincipal::MSobreClick() { Dialegs::Executa(AboutBox); }

// Exercises touch no research state, so nothing is refreshed afterwards.
void TFPrincipal::MExercicisDNAComplementariClick() {
  FDNAComplementari->Transcripcio = false;
  Dialegs::Executa(FDNAComplementari);
}

void TFPrincipal::MExercicisRNAComplementariClick() {
  FDNAComplementari->Transcripcio = true;
  Dialegs::Executa(FDNAComplementari);
}

// The options take effect when the exercise next opens on a new mRNA.
void TFPrincipal::MExercicisTraduccioClick() { Dialegs::Executa(FSintProt); }
void TFPrincipal::MExercicisOpcionsTraduccioClick() { Dialegs::Executa(FOpcionsSintesiProteines); }
// The summary table draws a new exercise on every opening, so options set
// from the menu take effect the next time it opens.
void TFPrincipal::MExercicisTaulaResumClick() { Dialegs::Executa(FTaulaResum); }
void TFPrincipal::MExercicisOpcionsTaulaResumClick() { Dialegs::Executa(FOpcionsTaulaResum); }

// The table and its publications change only the published code, which no
// part of the main window shows: nothing to refresh.
void TFPrincipal::MTaulaClick() { Dialegs::Executa(FTaula); }

// The builder first; the experiment is charged (in the research game) as
// soon as the RNA is made, whether or not it is then translated.
void TFPrincipal::FesExperiment(QDialog* constructor, unsigned tipusCost, std::uint16_t tipus) {
  if (Dialegs::Executa(constructor) != QDialog::Accepted) return;
  if (Labs::CobraExperiment(EstatRecerca, tipusCost) == Labs::TCobrament::Insuficient) return;
  ModeTraduccio = true;
  TipusExperiment = tipus;
  Dialegs::Executa(FTraduccio);
  UpdateMenuItems();
  ActualitzaInformacio();
}

void TFPrincipal::MTraduirRNASinteticClick() {
  FesExperiment(FRNASint, ExperimentPolimer, ExperimentSintetic);
}

void TFPrincipal::MTraduirRNAAleatoriClick() {
  FesExperiment(FCopolim, ExperimentCopolimers, ExperimentAleatori);
}

void TFPrincipal::MRevisarExperimentsClick() {
  if (EstatRecerca.NombreExperiments == 0) return;
  ModeTraduccio = false;
  Dialegs::Executa(FTraduccio);
}

// A month passes: the closing month's tubes go to the technique in
// development, then the new month's income and tubes, which it uses at once.
void TFPrincipal::MPassarTornClick() {
  FNovaTecnica->DesenvolupaTecnica();
  Labs::PassaMes(EstatRecerca);
  FNovaTecnica->DesenvolupaTecnica();
  UpdateMenuItems();
  ActualitzaInformacio();
}

// A purchase spends money, which may no longer pay for an experiment: the
// rules are applied again as well as the panel.
void TFPrincipal::MInventariClick() {
  Dialegs::Executa(FInventari);
  UpdateMenuItems();
  ActualitzaInformacio();
}

void TFPrincipal::MComprarClick() {
  Dialegs::Executa(FComprar);
  UpdateMenuItems();
  ActualitzaInformacio();
}

void TFPrincipal::MDesenvoluparTecnicaClick() {
  Dialegs::Executa(FNovaTecnica);
  UpdateMenuItems();
  ActualitzaInformacio();
}

// Cancelling a technique there frees the development command and empties
// this month's tubes, which the panel shows.
void TFPrincipal::MTecniquesDesenvolupadesClick() {
  Dialegs::Executa(FTecniques);
  UpdateMenuItems();
  ActualitzaInformacio();
}

void CreaFinestres() {
  FPrincipal = new TFPrincipal;
  AboutBox = new TAboutBox(FPrincipal);
  FRNASint = new TFRNASint(FPrincipal);
  FTraduccio = new TFTraduccio(FPrincipal);
  FTaula = new TFTaula(FPrincipal);
  FAssCodo = new TFAssCodo(FPrincipal);
  FTriaOfertes = new TFTriaOfertes(FPrincipal);
  FEleccio = new TFEleccio(FPrincipal);
  FDades = new TFDades(FPrincipal);
  FCopolim = new TFCopolim(FPrincipal);
  FFreqTriplets = new TFFreqTriplets(FCopolim);
  FInventari = new TFInventari(FPrincipal);
  FComprar = new TFComprar(FPrincipal);
  FNovaTecnica = new TFNovaTecnica(FPrincipal);
  FTecniques = new TFTecniques(FPrincipal);
  FAvisNovaTecnica = new TFAvisNovaTecnica(FPrincipal);
  FDNAComplementari = new TFDNAComplementari(FPrincipal);
  FSintProt = new TFSintProt(FPrincipal);
  FOpcionsSintesiProteines = new TFOpcionsSintesiProteines(FPrincipal);
  FTaulaResum = new TFTaulaResum(FPrincipal);
  FOpcionsTaulaResum = new TFOpcionsTaulaResum(FPrincipal);
  FInfoDesxiframent = new TFInfoDesxiframent(FPrincipal);
}
