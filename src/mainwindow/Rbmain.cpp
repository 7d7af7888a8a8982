#include "mainwindow/Rbmain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "exercises/DNAComplementari.h"
#include "exercises/OpcSinPr.h"
#include "exercises/OpcTauRs.h"
#include "exercises/SintProt.h"
#include "exercises/TaulaResum.h"
#include "experiments/Asscodo.h"
#include "experiments/Copolim.h"
#include "experiments/Freqcopo.h"
#include "experiments/InfoRB.h"
#include "experiments/Polimer.h"
#include "experiments/Taula.h"
#include "experiments/Traduir.h"
#include "lab/Avisnovt.h"
#include "lab/Comprar.h"
#include "lab/Invntari.h"
#include "lab/Novatecn.h"
#include "lab/Tecnica.h"
#include "mainwindow/About.h"
#include "mainwindow/Classe.h"
#include "mainwindow/Dades.h"
#include "mainwindow/Eleccio.h"
#include "mainwindow/PanellInici.h"
#include "mainwindow/Triaofer.h"
#include "model/Comandes.h"
#include "model/Labs.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/Dibuixos.h"
#include "platform/Idioma.h"
#include "platform/Impressio.h"
#include "platform/Informe.h"
#include "platform/TextosJoc.h"

using namespace RBGlobal;

TFPrincipal* FPrincipal = nullptr;

namespace {
using namespace Comandes;
using Dibuixos::Glif;

constexpr int ContextAjuda = 70;
constexpr int TemaDescripcioGeneral = 50, TemaUtilitzacio = 270;

// The panel's designed 105 pixels, or more where some month's caption, with
// a year of the font's widest digit, would be cut in the panel's font.
int AmpleInformacio(const QGroupBox* grup) {
  const QFontMetrics metrica(grup->font());
  QChar xifra(u'0');
  for (char16_t c = u'1'; c <= u'9'; ++c)
    if (metrica.horizontalAdvance(QChar(c)) > metrica.horizontalAdvance(xifra)) xifra = QChar(c);
  QStyleOptionGroupBox opcio;
  opcio.initFrom(grup);
  opcio.rect = QRect(0, 0, 1000, grup->height());
  opcio.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  opcio.textAlignment = grup->alignment();
  int ample = 105;
  for (unsigned m = 1; m <= 12; ++m) {
    opcio.text = TextosJoc::Data(m, QString(4, xifra));
    const QRect etiqueta =
        grup->style()->subControlRect(QStyle::CC_GroupBox, &opcio, QStyle::SC_GroupBoxLabel, grup);
    ample = std::max(ample, etiqueta.right() + 1 + etiqueta.left());
  }
  return ample;
}

enum class TTipus { Menu, Submenu, Item, Separador };
}  // namespace

// One entry of the menu bar: a menu, one of its items or a separator. What
// an item runs, and whether the rules and the panel are applied again after
// it, because it may change the research state.
struct TFPrincipal::TDefComanda {
  TComanda comanda;
  TTipus tipus;
  const char* nom;
  const char* text;
  const char* hint;
  Handler handler = nullptr;
  bool refresca = false;
};

// clang-format off
const TFPrincipal::TDefComanda TFPrincipal::DefComandes[] = {
  {Fitxer, TTipus::Menu, "MFitxer", QT_TRANSLATE_NOOP("TFPrincipal", "&Fitxer"), QT_TRANSLATE_NOOP("TFPrincipal", "Comandaments per a començar, acabar, obrir o desar recerques.")},
  {NovaRecerca, TTipus::Item, "MNovaRecerca", QT_TRANSLATE_NOOP("TFPrincipal", "&Nova recerca..."), QT_TRANSLATE_NOOP("TFPrincipal", "Començar una nova recerca."), &TFPrincipal::MNovaRecercaClick},
  {ObrirRecerca, TTipus::Item, "MObrirRecerca", QT_TRANSLATE_NOOP("TFPrincipal", "&Obrir recerca..."), QT_TRANSLATE_NOOP("TFPrincipal", "Recuperar la recerca desada a un fitxer."), &TFPrincipal::MObrirRecercaClick},
  {DesarRecerca, TTipus::Item, "MDesarRecerca", QT_TRANSLATE_NOOP("TFPrincipal", "&Desar recerca..."), QT_TRANSLATE_NOOP("TFPrincipal", "Desar la recerca a un fitxer."), &TFPrincipal::MDesarRecercaClick},
  {InformeRecerca, TTipus::Item, "MInformeRecerca", QT_TRANSLATE_NOOP("TFPrincipal", "&Informe de la recerca..."), QT_TRANSLATE_NOOP("TFPrincipal", "Imprimir un informe de la recerca: dades, experiments i codons publicats."), &TFPrincipal::MInformeRecercaClick},
  {CompararRecerques, TTipus::Item, "MCompararRecerques", QT_TRANSLATE_NOOP("TFPrincipal", "&Comparar recerques..."), QT_TRANSLATE_NOOP("TFPrincipal", "Comparar les recerques desades d'una classe: experiments, conclusions i codons."), &TFPrincipal::MCompararRecerquesClick},
  {N2, TTipus::Separador, "N2", nullptr, nullptr},
  {OfertesLaborals, TTipus::Item, "MOfertesLaborals", QT_TRANSLATE_NOOP("TFPrincipal", "Ofertes &laborals..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure les ofertes de feina que tenim.")},
  {N3, TTipus::Separador, "N3", nullptr, nullptr},
  {PassarTorn, TTipus::Item, "MPassarTorn", QT_TRANSLATE_NOOP("TFPrincipal", "&Passar torn"), QT_TRANSLATE_NOOP("TFPrincipal", "Passar al mes següent."), &TFPrincipal::MPassarTornClick, true},
  {N1, TTipus::Separador, "N1", nullptr, nullptr},
  {Retirarse, TTipus::Item, "MRetirarse", QT_TRANSLATE_NOOP("TFPrincipal", "&Retirar-se"), QT_TRANSLATE_NOOP("TFPrincipal", "Retirar-se de la investigació i acabar el programa."), &TFPrincipal::MRetirarseClick},

  // Alt+X is kept for quitting, so the menu takes a letter no other uses.
  {Exercicis, TTipus::Menu, "MExercicis", QT_TRANSLATE_NOOP("TFPrincipal", "Exe&rcicis"), QT_TRANSLATE_NOOP("TFPrincipal", "Comandaments per a fer exercicis sobre replicació, transcripció i traducció.")},
  {ExercicisDNAComplementari, TTipus::Item, "MExercicisDNAComplementari", QT_TRANSLATE_NOOP("TFPrincipal", "Replicació del &DNA..."), QT_TRANSLATE_NOOP("TFPrincipal", "Donada una cadena de DNA, determinar la seqüència de la cadena complementària."), &TFPrincipal::MExercicisDNAComplementariClick},
  {ExercicisRNAComplementari, TTipus::Item, "MExercicisRNAComplementari", QT_TRANSLATE_NOOP("TFPrincipal", "Transcripció fabricant &RNA..."), QT_TRANSLATE_NOOP("TFPrincipal", "Donada una cadena de DNA, determinar la seqüència del RNA complementari."), &TFPrincipal::MExercicisRNAComplementariClick},
  {ExercicisTraduccio, TTipus::Item, "MExercicisTraduccio", QT_TRANSLATE_NOOP("TFPrincipal", "Traducció..."), QT_TRANSLATE_NOOP("TFPrincipal", "Donada una cadena de RNAm, traduir-la fabricant la proteïna corresponent."), &TFPrincipal::MExercicisTraduccioClick},
  {ExercicisOpcionsTraduccio, TTipus::Item, "MExercicisOpcionsTraduccio", QT_TRANSLATE_NOOP("TFPrincipal", "Opcions traducció..."), QT_TRANSLATE_NOOP("TFPrincipal", "Decidir les característiques de l'RNA que es traduirà i què es demanarà."), &TFPrincipal::MExercicisOpcionsTraduccioClick},
  {N8, TTipus::Separador, "N8", nullptr, nullptr},
  {ExercicisTaulaResum, TTipus::Item, "MExercicisTaulaResum", QT_TRANSLATE_NOOP("TFPrincipal", "&Taula resum..."), QT_TRANSLATE_NOOP("TFPrincipal", "Omplir una taula que resumeix els processos de replicació, transcripció i traducció."), &TFPrincipal::MExercicisTaulaResumClick},
  {ExercicisOpcionsTaulaResum, TTipus::Item, "MExercicisOpcionsTaulaResum", QT_TRANSLATE_NOOP("TFPrincipal", "&Opcions taula..."), QT_TRANSLATE_NOOP("TFPrincipal", "Canviar la forma en què la taula resum presenta la informació inicial."), &TFPrincipal::MExercicisOpcionsTaulaResumClick},

  {Bibliografia, TTipus::Menu, "MBibliografia", QT_TRANSLATE_NOOP("TFPrincipal", "&Bibliografia"), QT_TRANSLATE_NOOP("TFPrincipal", "Comandaments per a revisar la bibliografia científica.")},
  {BibliografiaAntecedents, TTipus::Item, "MBibliografiaAntecedents", QT_TRANSLATE_NOOP("TFPrincipal", "&Antecedents..."), QT_TRANSLATE_NOOP("TFPrincipal", "Revisar els antecedents més importants apareguts fins ara a la bibliografia científica.")},
  {Novetats, TTipus::Item, "MNovetats", QT_TRANSLATE_NOOP("TFPrincipal", "&Novetats..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure les últimes novetats aparegudes a la bilbiografia científica.")},
  {Taula, TTipus::Item, "MTaula", QT_TRANSLATE_NOOP("TFPrincipal", "&Taula..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure la taula del codi genètic."), &TFPrincipal::MTaulaClick},
  {N7, TTipus::Separador, "N7", nullptr, nullptr},
  {Publicar, TTipus::Item, "MPublicar", QT_TRANSLATE_NOOP("TFPrincipal", "&Publicar..."), QT_TRANSLATE_NOOP("TFPrincipal", "Publicar el significat d'un codó en una revista científica."), &TFPrincipal::MTaulaClick},
  {N6, TTipus::Separador, "N6", nullptr, nullptr},
  {Curriculum, TTipus::Item, "MCurriculum", QT_TRANSLATE_NOOP("TFPrincipal", "&Currículum..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure el nostre currículum vítae com a investigadors.")},

  {Laboratori, TTipus::Menu, "MLaboratori", QT_TRANSLATE_NOOP("TFPrincipal", "&Laboratori"), QT_TRANSLATE_NOOP("TFPrincipal", "Comandaments per a controlar el material del laboratori.")},
  {Inventari, TTipus::Item, "MInventari", QT_TRANSLATE_NOOP("TFPrincipal", "&Inventari..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure tot el que hi ha al nostre laboratori."), &TFPrincipal::MInventariClick, true},
  {Comprar, TTipus::Item, "MComprar", QT_TRANSLATE_NOOP("TFPrincipal", "&Comprar..."), QT_TRANSLATE_NOOP("TFPrincipal", "Comprar aparells per al nostre laboratori."), &TFPrincipal::MComprarClick, true},
  {N5, TTipus::Separador, "N5", nullptr, nullptr},
  {TecniquesPublicades, TTipus::Item, "Tcniquespublicades1", QT_TRANSLATE_NOOP("TFPrincipal", "Tècniques &publicades..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure les tècniques experimentals publicades a la bibliografia científica.")},
  {TecniquesDesenvolupades, TTipus::Item, "MTecniquesDesenvolupades", QT_TRANSLATE_NOOP("TFPrincipal", "&Tècniques dominades..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure les tècniques experimentals que podem fer al nostre laboratori."), &TFPrincipal::MTecniquesDesenvolupadesClick, true},
  {DesenvoluparTecnica, TTipus::Item, "MDesenvoluparTecnica", QT_TRANSLATE_NOOP("TFPrincipal", "&Desenvolupar tècnica..."), QT_TRANSLATE_NOOP("TFPrincipal", "Desenvolupar una nova tècnica experimental."), &TFPrincipal::MDesenvoluparTecnicaClick, true},

  {Experiment, TTipus::Menu, "MExperiment", QT_TRANSLATE_NOOP("TFPrincipal", "&Experiment"), QT_TRANSLATE_NOOP("TFPrincipal", "Comandaments per a fer experiments.")},
  {TraduirRNASintetic, TTipus::Item, "MTraduirRNASintetic", QT_TRANSLATE_NOOP("TFPrincipal", "&Traduir un RNA sintètic..."), QT_TRANSLATE_NOOP("TFPrincipal", "Traduir un RNA sintètic en un sistema lliure de cèl.lules."), &TFPrincipal::MTraduirRNASinteticClick, true},
  {TraduirRNAAleatori, TTipus::Item, "MTraduirRNAAleatori", QT_TRANSLATE_NOOP("TFPrincipal", "Traduir un RNA aleatori..."), QT_TRANSLATE_NOOP("TFPrincipal", "Traduir un RNA copolímer a l'atzar en un sistema lliure de cèl.lules."), &TFPrincipal::MTraduirRNAAleatoriClick, true},
  {Acoblar, TTipus::Item, "MAcoblar", QT_TRANSLATE_NOOP("TFPrincipal", "&Acoblar trinucleòtids..."), QT_TRANSLATE_NOOP("TFPrincipal", "Acoblar trinucleòtids amb ribosomes i aminoacil-t-RNA.")},
  {TraduirRNAViric, TTipus::Item, "MTraduirRNAViric", QT_TRANSLATE_NOOP("TFPrincipal", "Traduir un RNA &víric..."), QT_TRANSLATE_NOOP("TFPrincipal", "Traduir un RNA víric en un sistema lliure de cèl.lules.")},
  {N4, TTipus::Separador, "N4", nullptr, nullptr},
  {RevisarExperiments, TTipus::Item, "MRevisarExperiments", QT_TRANSLATE_NOOP("TFPrincipal", "&Revisar experiments..."), QT_TRANSLATE_NOOP("TFPrincipal", "Revisar els experiments fets anteriorment."), &TFPrincipal::MRevisarExperimentsClick},

  {MenuAjuda, TTipus::Menu, "MAjuda", QT_TRANSLATE_NOOP("TFPrincipal", "Aj&uda"), QT_TRANSLATE_NOOP("TFPrincipal", "Comandaments per accedir al sistema d'ajuda o veure la referència del programa.")},
  {AjudaDescripcioGeneral, TTipus::Item, "MAjudaDescripcioGeneral", QT_TRANSLATE_NOOP("TFPrincipal", "Descripció general..."), QT_TRANSLATE_NOOP("TFPrincipal", "Descripció general del programa."), &TFPrincipal::MAjudaDescripcioGeneralClick},
  {AjudaUtilitzacioDelPrograma, TTipus::Item, "MAjudaUtilitzacioDelPrograma", QT_TRANSLATE_NOOP("TFPrincipal", "Utilització del programa..."), QT_TRANSLATE_NOOP("TFPrincipal", "Com utilitzar el programa."), &TFPrincipal::MAjudaUtilitzacioDelProgramaClick},
  {AjudaTemesDAjuda, TTipus::Item, "MAjudaTemesDAjuda", QT_TRANSLATE_NOOP("TFPrincipal", "Temes d'ajuda..."), QT_TRANSLATE_NOOP("TFPrincipal", "Índex del sistema d'ajuda."), &TFPrincipal::MAjudaTemesDAjudaClick},
  {N11, TTipus::Separador, "N11", nullptr, nullptr},
  {Sobre, TTipus::Item, "MSobre", QT_TRANSLATE_NOOP("TFPrincipal", "&Sobre Ribolia..."), QT_TRANSLATE_NOOP("TFPrincipal", "Veure la referència del programa."), &TFPrincipal::MSobreClick},
  {N12, TTipus::Separador, "N12", nullptr, nullptr},
  {MenuIdioma, TTipus::Submenu, "MIdioma", QT_TRANSLATE_NOOP("TFPrincipal", "&Idioma"), QT_TRANSLATE_NOOP("TFPrincipal", "Triar l'idioma del programa.")},
  // Each language is named in itself, whatever the language in use.
  {IdiomaCatala, TTipus::Item, "MIdiomaCatala", "Català", QT_TRANSLATE_NOOP("TFPrincipal", "Fer servir el programa en català."), &TFPrincipal::MIdiomaCatalaClick},
  {IdiomaEspanyol, TTipus::Item, "MIdiomaEspanyol", "Español", QT_TRANSLATE_NOOP("TFPrincipal", "Fer servir el programa en castellà."), &TFPrincipal::MIdiomaEspanyolClick},
  {IdiomaAngles, TTipus::Item, "MIdiomaAngles", "English", QT_TRANSLATE_NOOP("TFPrincipal", "Fer servir el programa en anglès."), &TFPrincipal::MIdiomaAnglesClick},
};
// clang-format on

namespace {

// The row of tool buttons, each running a command of the menus; `espai`
// is the gap before it, -1 for all the room left.
struct TDefBoto {
  const char* nom;
  TComanda comanda;
  const char* hint;  // "tool tip|status line"
  std::optional<Glif> glif;
  int espai = 0;
};
// clang-format off
const TDefBoto DefBotons[] = {
  {"SBNovaRecerca", NovaRecerca, QT_TRANSLATE_NOOP("TFPrincipal", "Començar una nova recerca.|"), Glif::NovaRecerca},
  {"SBObrirRecerca", ObrirRecerca, QT_TRANSLATE_NOOP("TFPrincipal", "Obrir una recerca desada a un fitxer.|"), Glif::Obrir},
  {"SBDesarRecerca", DesarRecerca, QT_TRANSLATE_NOOP("TFPrincipal", "Desar la recerca.|"), Glif::Desar},
  {"SBTaulaCodi", Taula, QT_TRANSLATE_NOOP("TFPrincipal", "Veure la taula del codi genètic.|"), Glif::TaulaCodi},
  {"SBNovaTecnica", DesenvoluparTecnica, QT_TRANSLATE_NOOP("TFPrincipal", "Desenvolupar una nova tècnica.|"), std::nullopt},
  {"SBRNAPolimer", TraduirRNASintetic, QT_TRANSLATE_NOOP("TFPrincipal", "Fer un RNA sintètic i traduir-lo.|"), Glif::RNAPolimer},
  {"SBRNAAleatori", TraduirRNAAleatori, QT_TRANSLATE_NOOP("TFPrincipal", "Fer un RNA copolímer a l'atzar i traduir-lo.|"), Glif::RNAAleatori},
  {"SBExperimentsAntics", RevisarExperiments, QT_TRANSLATE_NOOP("TFPrincipal", "Repassar els experiments anteriors.|"), Glif::Experiments},
  {"SBReplicacio", ExercicisDNAComplementari, QT_TRANSLATE_NOOP("TFPrincipal", "Fer un exercici de replicació del DNA.|"), Glif::Replicacio, 10},
  {"SBTranscripcio", ExercicisRNAComplementari, QT_TRANSLATE_NOOP("TFPrincipal", "Fer un exercici de transcripció, fabricant RNA.|"), Glif::Transcripcio},
  {"SBTraduccio", ExercicisTraduccio, QT_TRANSLATE_NOOP("TFPrincipal", "Fer un exercici de traducció d'un RNAm, fabricant una proteïna.|"), Glif::Traduccio},
  {"SBTaulaResum", ExercicisTaulaResum, QT_TRANSLATE_NOOP("TFPrincipal", "Fer un exercici de taula resum.|"), Glif::TaulaResum},
  {"SBPassarTorn", PassarTorn, QT_TRANSLATE_NOOP("TFPrincipal", "Passar al mes següent.|"), Glif::PassarTorn, 10},
  {"SBSortir", Retirarse, QT_TRANSLATE_NOOP("TFPrincipal", "Retirar-se de la recerca, acabant el programa.|"), Glif::Sortir, -1},
};
// clang-format on
}  // namespace

TFPrincipal::TFPrincipal(QWidget* pare) : QMainWindow(pare), Recerca(this) {
  setObjectName(QStringLiteral("FPrincipal"));
  setWindowTitle(QStringLiteral("RIBOLIA"));
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
  PanellInici = new TPanellInici(Accions, area);
  auto* capaArea = new QHBoxLayout(area);
  capaArea->setContentsMargins(4, 4, 4, 4);
  capaArea->addWidget(PanellInici, 1);
  capaArea->addWidget(GrInformacioGeneral, 0, Qt::AlignRight | Qt::AlignTop);
  capa->addWidget(area, 1);
  setCentralWidget(central);

  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setFixedHeight(22);
  statusBar()->setSizeGripEnabled(false);

  Ajuda::AlPremerF1(this, [] { Ajuda::MostraTema(ContextAjuda); });
  qApp->installEventFilter(this);

  IniciaRecerca();
  Recerca.Nova();
  UpdateMenuItems();
  ActualitzaInformacio();
}

// Menus and items from the table; each item runs its handler, then, when
// the command may change the research, the rules and the panel again.
void TFPrincipal::CreaMenus() {
  QMenu* menu = nullptr;
  for (const TDefComanda& d : DefComandes) {
    QAction* accio = nullptr;
    switch (d.tipus) {
      case TTipus::Menu:
        menu = menuBar()->addMenu(tr(d.text));
        menu->setObjectName(QString::fromLatin1(d.nom));
        accio = menu->menuAction();
        break;
      case TTipus::Submenu:
        menu = menu->addMenu(tr(d.text));
        menu->setObjectName(QString::fromLatin1(d.nom));
        accio = menu->menuAction();
        break;
      case TTipus::Item: accio = menu->addAction(tr(d.text)); break;
      case TTipus::Separador: accio = menu->addSeparator(); break;
    }
    accio->setObjectName(QString::fromLatin1(d.nom));
    if (d.hint) accio->setStatusTip(tr(d.hint));
    if (d.handler) connect(accio, &QAction::triggered, this, [this, d] { Executa(d.handler, d.refresca); });
    Accions[d.comanda] = accio;
  }
  Accions[Retirarse]->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
  auto* idiomes = new QActionGroup(this);
  for (TComanda c : {IdiomaCatala, IdiomaEspanyol, IdiomaAngles}) {
    Accions[c]->setCheckable(true);
    idiomes->addAction(Accions[c]);
  }
  Accions[IdiomaCatala + Idioma::Codis.indexOf(Idioma::Actual())]->setChecked(true);
}

void TFPrincipal::Executa(Handler handler, bool refresca) {
  (this->*handler)();
  if (!refresca) return;
  UpdateMenuItems();
  ActualitzaInformacio();
}

// A tool button's hint is "tool tip|status line", as in the menus' hints;
// it runs what its menu item runs.
void TFPrincipal::CreaBotons(QWidget* pare) {
  SpeedPanel = new QWidget(pare);
  SpeedPanel->setObjectName(QStringLiteral("SpeedPanel"));
  SpeedPanel->setFixedHeight(30);
  auto* fila = new QHBoxLayout(SpeedPanel);
  fila->setContentsMargins(4, 2, 4, 2);
  fila->setSpacing(0);
  for (const TDefBoto& d : DefBotons) {
    if (d.espai > 0) fila->addSpacing(d.espai);
    if (d.espai < 0) fila->addStretch();
    const QString hint = tr(d.hint);
    auto* boto = new QToolButton(SpeedPanel);
    boto->setObjectName(QString::fromLatin1(d.nom));
    boto->setFixedSize(25, 25);
    boto->setAutoRaise(true);
    boto->setIconSize(QSize(20, 20));
    boto->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    boto->setAccessibleName(boto->toolTip());  // its face is a picture
    HintsBotons[boto] = hint.section(QLatin1Char('|'), 1);
    boto->installEventFilter(this);
    if (d.glif) {
      boto->setIcon(Dibuixos::Icona(*d.glif));
    } else {
      boto->setText(QStringLiteral("NT"));
      boto->setFont(QFont(QStringLiteral("Sans Serif"), 8, QFont::Bold));
    }
    connect(boto, &QToolButton::clicked, Accions[d.comanda], &QAction::trigger);
    fila->addWidget(boto);
    Botons.push_back({boto, d.comanda});
  }
}

void TFPrincipal::CreaInformacio(QWidget* pare) {
  GrInformacioGeneral = new QGroupBox(pare);
  GrInformacioGeneral->setObjectName(QStringLiteral("GrInformacioGeneral"));
  QFont times(QStringLiteral("Times New Roman"));
  times.setStyleHint(QFont::Serif);
  times.setPixelSize(12);
  GrInformacioGeneral->setFont(times);
  GrInformacioGeneral->setFixedSize(105, 57);  // widened when it first shows
  LbDiners = new QLabel(GrInformacioGeneral);
  LbDiners->setObjectName(QStringLiteral("LbDiners"));
  LbProvetes = new QLabel(GrInformacioGeneral);
  LbProvetes->setObjectName(QStringLiteral("LbProvetes"));
  LbProvetes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* proveta = new QLabel(GrInformacioGeneral);
  proveta->setObjectName(QStringLiteral("ImProveta"));
  proveta->setPixmap(Dibuixos::Proveta());
  proveta->setAccessibleName(tr("Provetes"));
  proveta->setFixedSize(16, 16);
  auto* graella = new QGridLayout(GrInformacioGeneral);
  graella->setContentsMargins(4, 0, 4, 2);
  graella->setVerticalSpacing(0);
  graella->addWidget(LbDiners, 0, 0, 1, 2, Qt::AlignRight);
  graella->addWidget(LbProvetes, 1, 0, Qt::AlignRight);
  graella->addWidget(proveta, 1, 1);
}

void TFPrincipal::UpdateMenuItems() {
  const TPermisos permisos = Permisos(EstatRecerca);
  for (unsigned c = 0; c < NombreComandes; ++c) {
    Accions[c]->setVisible(permisos[c].Visible);
    Accions[c]->setEnabled(permisos[c].Activa);
  }
  for (const auto& [boto, comanda] : Botons) {
    boto->setVisible(permisos[comanda].Visible);
    boto->setEnabled(permisos[comanda].Activa);
  }
  GrInformacioGeneral->setVisible(EstatRecerca.TipusPartida == JocPressupost);
}

void TFPrincipal::ActualitzaInformacio() {
  const TEstatRecerca& e = EstatRecerca;
  PanellInici->Mostra(e, Recerca.Fitxer());
  if (e.TipusPartida != JocPressupost) {
    GrInformacioGeneral->hide();
    return;
  }
  // Only the budget game shows the panel: its font is measured then, not at start.
  if (GrInformacioGeneral->width() == 105)
    GrInformacioGeneral->setFixedWidth(AmpleInformacio(GrInformacioGeneral));
  GrInformacioGeneral->setTitle(TextosJoc::Data(e));
  LbDiners->setText(QString::fromStdString(FormataNombre(e.Diners, 7)) + QStringLiteral(" $."));
  LbProvetes->setText(QString::number(e.Provetes));
  GrInformacioGeneral->show();
}

void TFPrincipal::ShowHint(const QString& hint) {
  // The line's small font is loaded with its first hint: until then it is empty.
  if (statusBar()->font().pointSize() != 8) {
    QFont petita(QStringLiteral("Sans Serif"));
    petita.setStyleHint(QFont::SansSerif);
    petita.setPointSize(8);
    statusBar()->setFont(petita);
  }
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
  if (e->type() == QEvent::Enter) {
    const auto hint = HintsBotons.find(objecte);
    if (hint != HintsBotons.end()) ShowHint(hint->second);
  }
  // Tab reaches the tool buttons; the arrow keys do not walk along them. Keys
  // typed on after an exercise closes land here, and Left from the first
  // button would wrap round to "Retirar-se", where the next Space quits.
  if (e->type() == QEvent::KeyPress && HintsBotons.count(objecte)) {
    switch (static_cast<QKeyEvent*>(e)->key()) {
      case Qt::Key_Left:
      case Qt::Key_Right:
      case Qt::Key_Up:
      case Qt::Key_Down: return true;
      default: break;
    }
  }
  return QMainWindow::eventFilter(objecte, e);
}

void TFPrincipal::closeEvent(QCloseEvent* e) {
  if (!Recerca.PotDeixar(tr("Vols desar-la abans de sortir?"))) {
    e->ignore();
    return;
  }
  e->accept();
  QCoreApplication::quit();
}

// Cancelling any dialog of the chain puts back the research as it was: the
// dialogs write their choices on OK, and a later Cancel must undo them.
void TFPrincipal::MNovaRecercaClick() {
  if (!Recerca.PotDeixar(tr("Vols desar-la abans de començar-ne una de nova?"))) return;
  const TEstatRecerca abans = EstatRecerca;
  if (!ConfirmaNovaRecerca()) {
    EstatRecerca = abans;
    return;
  }
  IniciaRecerca();
  Recerca.Nova();
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
  if (!Recerca.PotDeixar(tr("Vols desar-la abans d'obrir-ne una altra?"))) return;
  const QString nom = Recerca.TriaPerObrir();
  if (!nom.isEmpty()) ObreFitxer(nom);
}

void TFPrincipal::ObreFitxer(const QString& nom) {
  if (!Recerca.Obre(nom)) return;
  UpdateMenuItems();
  ActualitzaInformacio();
}

// The start panel shows the file's name.
void TFPrincipal::MDesarRecercaClick() {
  if (Recerca.DesaAmbDialeg()) ActualitzaInformacio();
}

void TFPrincipal::MInformeRecercaClick() {
  Informe::Imprimeix(this, EstatRecerca, Recerca.Fitxer());
}
void TFPrincipal::MCompararRecerquesClick() { Dialegs::Executa(FClasse); }

void TFPrincipal::MRetirarseClick() { close(); }
void TFPrincipal::MAjudaDescripcioGeneralClick() { Ajuda::MostraTema(TemaDescripcioGeneral); }
void TFPrincipal::MAjudaUtilitzacioDelProgramaClick() { Ajuda::MostraTema(TemaUtilitzacio); }
void TFPrincipal::MAjudaTemesDAjudaClick() { Ajuda::MostraContingut(); }
void TFPrincipal::MSobreClick() { Dialegs::Executa(AboutBox); }
void TFPrincipal::MIdiomaCatalaClick() { TriaIdioma(QStringLiteral("ca")); }
void TFPrincipal::MIdiomaEspanyolClick() { TriaIdioma(QStringLiteral("es")); }
void TFPrincipal::MIdiomaAnglesClick() { TriaIdioma(QStringLiteral("en")); }

// The texts are loaded at start, so a new language waits for the next one;
// the notice is given in the language chosen and in the one in use.
void TFPrincipal::TriaIdioma(const QString& codi) {
  Idioma::Desa(codi);
  if (codi == Idioma::Actual()) return;
  static const char* const Avis =
      QT_TR_NOOP("L'idioma canviarà el proper cop que obris el programa.");
  const QString ara = tr(Avis), nou = Idioma::TextEn(codi, "TFPrincipal", Avis);
  Dialegs::Missatge(this, nou == ara ? ara : nou + QStringLiteral("\n\n") + ara);
}

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

// The table's publications change the codons the start panel counts.
void TFPrincipal::MTaulaClick() {
  Dialegs::Executa(FTaula);
  ActualitzaInformacio();
}

// The builder first; the experiment is charged (in the research game) as
// soon as the RNA is made, whether or not it is then translated.
void TFPrincipal::FesExperiment(QDialog* constructor, unsigned tipusCost, std::uint16_t tipus) {
  if (Dialegs::Executa(constructor) != QDialog::Accepted) return;
  if (Labs::CobraExperiment(EstatRecerca, tipusCost) == Labs::TCobrament::Insuficient) return;
  ModeTraduccio = true;
  TipusExperiment = tipus;
  if (constructor == FCopolim && FFreqTriplets->isVisible()) FFreqTriplets->Acompanya(FTraduccio);
  Dialegs::Executa(FTraduccio);
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
  ActualitzaInformacio();  // conclusions written while reviewing
}

void TFPrincipal::MPassarTornClick() {
  const Labs::TTorn torn = Labs::PassaTorn(EstatRecerca);
  FAvisNovaTecnica->Anuncia(torn.Tancament);
  FAvisNovaTecnica->Anuncia(torn.Obertura);
  if (const auto encallament = Labs::Encallament(EstatRecerca, torn))
    FAvisNovaTecnica->AvisaEncallament(*encallament);
}

// A purchase spends money, which may no longer pay for an experiment;
// cancelling a technique frees the development command and empties this
// month's tubes: the table has the rules and the panel applied again.
void TFPrincipal::MInventariClick() { Dialegs::Executa(FInventari); }
void TFPrincipal::MComprarClick() { Dialegs::Executa(FComprar); }
void TFPrincipal::MDesenvoluparTecnicaClick() { Dialegs::Executa(FNovaTecnica); }
void TFPrincipal::MTecniquesDesenvolupadesClick() { Dialegs::Executa(FTecniques); }

void CreaFinestres() {
  // Every window, help and dialogs included, carries the program's icon, and
  // the desktop file name lets a desktop group them under the menu entry.
  QApplication::setWindowIcon(Dibuixos::IconaProgramaMides());
  QGuiApplication::setDesktopFileName(QStringLiteral("cat.ribolia.Ribolia"));
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
  FClasse = new TFClasse(FPrincipal);
}
