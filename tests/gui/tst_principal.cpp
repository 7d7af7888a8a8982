// The main window: menus, tool buttons, enabling rules, information panel,
// hint line, help and quitting.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {
QAction* Accio(const char* nom) { return Fill<QAction>(FPrincipal, nom); }
QToolButton* Boto(const char* nom) { return Fill<QToolButton>(FPrincipal, nom); }

// An item's state as seen in a menu; "x" disabled, "-" hidden, "+" enabled.
QString Estat(const char* nom) {
  QAction* a = Accio(nom);
  if (!a->isVisible()) return QStringLiteral("-");
  return a->isEnabled() ? QStringLiteral("+") : QStringLiteral("x");
}
QString EstatBoto(const char* nom) {
  QToolButton* b = Boto(nom);
  if (b->isHidden()) return QStringLiteral("-");
  return b->isEnabled() ? QStringLiteral("+") : QStringLiteral("x");
}

void PosaTipus(std::uint16_t tipus) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  IniciaRecerca();
  FPrincipal->UpdateMenuItems();
  FPrincipal->ActualitzaInformacio();
}

const char* const Items[] = {
    "MNovaRecerca", "MObrirRecerca", "MDesarRecerca", "N2", "MOfertesLaborals", "N3",
    "MPassarTorn", "N1", "MRetirarse", "MExercicis", "MExercicisDNAComplementari",
    "MExercicisRNAComplementari", "MExercicisTraduccio", "MExercicisOpcionsTraduccio",
    "MExercicisTaulaResum", "MExercicisOpcionsTaulaResum", "MBibliografiaAntecedents",
    "MNovetats", "MTaula", "N7", "MPublicar", "N6", "MCurriculum", "MLaboratori", "MInventari",
    "MComprar", "Tcniquespublicades1", "MTecniquesDesenvolupades", "MDesenvoluparTecnica",
    "MExperiment", "MTraduirRNASintetic", "MTraduirRNAAleatori", "MAcoblar", "MTraduirRNAViric",
    "MRevisarExperiments", "MAjudaDescripcioGeneral", "MSobre"};
const char* const Botons[] = {"SBNovaRecerca", "SBObrirRecerca", "SBDesarRecerca",
                              "SBTaulaCodi",   "SBNovaTecnica",  "SBRNAPolimer",
                              "SBRNAAleatori", "SBExperimentsAntics", "SBReplicacio",
                              "SBTranscripcio", "SBTraduccio",   "SBTaulaResum",
                              "SBPassarTorn",  "SBSortir"};
}  // namespace

class TestPrincipal : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() { Entorn::NetejaMissatges(); }

  void startsInTheExercisesWithTheRealCode() {
    QCOMPARE(EstatRecerca.TipusPartida, 0);
    QVERIFY(EstatRecerca.CodiAmagat == CodiEstandard);
    QCOMPARE(EstatRecerca.Diners, 100000);
    QCOMPARE(FPrincipal->windowTitle(), QStringLiteral("RIBOLIA"));
    QCOMPARE(FPrincipal->objectName(), QStringLiteral("FPrincipal"));
  }

  void menusHaveTheirCaptionsHintsAndShortcut() {
    QCOMPARE(Accio("MFitxer")->text(), QStringLiteral("&Fitxer"));
    QCOMPARE(Accio("MExercicis")->text(), QStringLiteral("Exe&rcicis"));
    QCOMPARE(Accio("MAjuda")->statusTip(),
             QStringLiteral("Comandaments per accedir al sistema d'ajuda o veure la referència "
                            "del programa."));
    QCOMPARE(Accio("MRetirarse")->text(), QStringLiteral("&Retirar-se"));
    QCOMPARE(Accio("MRetirarse")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
    QCOMPARE(Accio("MNovetats")->statusTip(),
             QStringLiteral("Veure les últimes novetats aparegudes a la bilbiografia científica."));
    QCOMPARE(Accio("MTraduirRNASintetic")->statusTip(),
             QStringLiteral("Traduir un RNA sintètic en un sistema lliure de cèl.lules."));
    QVERIFY(Accio("N2")->isSeparator());
    // Menu order: the file menu's items as the menu shows them.
    QStringList noms;
    for (QAction* a : Fill<QMenu>(FPrincipal, "MFitxer")->actions()) noms << a->objectName();
    QCOMPARE(noms, QStringList({"MNovaRecerca", "MObrirRecerca", "MDesarRecerca", "MInformeRecerca",
                                "MCompararRecerques", "N2", "MOfertesLaborals", "N3", "MPassarTorn", "N1", "MRetirarse"}));
  }

  // A menu title's Alt+letter opens that menu and nothing else: Alt+X quits.
  void eachMenuTitleHasALetterOfItsOwn() {
    QList<QKeySequence> usades;
    for (QAction* a : FPrincipal->findChildren<QAction*>())
      if (!a->shortcut().isEmpty()) usades << a->shortcut();
    for (QAction* titol : FPrincipal->menuBar()->actions()) {
      const QKeySequence lletra = QKeySequence::mnemonic(titol->text());
      QVERIFY2(!lletra.isEmpty() && !usades.contains(lletra), qPrintable(titol->text()));
      usades << lletra;
    }
    PosaTipus(FluxInformacio);
    FPrincipal->show();
    FPrincipal->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FPrincipal));
    auto* exercicis = Fill<QMenu>(FPrincipal, "MExercicis");
    QTest::keyClick(FPrincipal, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(exercicis->isVisible());
    exercicis->close();
    QVERIFY(FPrincipal->isVisible());
  }

  // Windows with no icon of their own take the application's.
  void everyWindowCarriesTheProgramsIcon() {
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("cat.ribolia.Ribolia"));
    const QIcon icona = QApplication::windowIcon();
    QVERIFY(!icona.availableSizes().isEmpty());
    QList<QWidget*> finestres{FPrincipal, Ajuda::Finestra()};
    for (QDialog* d : FPrincipal->findChildren<QDialog*>()) finestres << d;
    for (QWidget* finestra : finestres)
      QVERIFY2(finestra->windowIcon().cacheKey() == icona.cacheKey(),
               qPrintable(finestra->objectName()));
  }

  void toolButtonsShowTheirHintAsToolTip() {
    QCOMPARE(Boto("SBNovaRecerca")->toolTip(), QStringLiteral("Començar una nova recerca."));
    QCOMPARE(Boto("SBTraduccio")->toolTip(),
             QStringLiteral("Fer un exercici de traducció d'un RNAm, fabricant una proteïna."));
    QCOMPARE(Boto("SBNovaTecnica")->text(), QStringLiteral("NT"));
    QCOMPARE(Boto("SBSortir")->size(), QSize(25, 25));
    QCOMPARE(Fill<QWidget>(FPrincipal, "SpeedPanel")->height(), 30);
  }

  void theThreeTypes_data() {
    QTest::addColumn<int>("tipus");
    QTest::addColumn<QString>("items");
    QTest::addColumn<QString>("botons");
    // One character per entry of Items / Botons: "+" enabled, "x" disabled,
    // "-" hidden. Types 1 and 2 are fresh researches (tier 0 for the game).
    QTest::addRow("flux") << 0 << "++x----+++++++++--+-----++x+-xxx--x++"
                          << "++x+-xxx++++-+";
    QTest::addRow("lliure") << 1 << "+++----++xxxxxxx--+-----++x+-+++--x++"
                            << "++++-++xxxxx-+";
    QTest::addRow("joc") << 2 << "++++x++++xxxxxxxxx++++x+++x+++xxxxx++"
                         << "+++++xxxxxxx++";
  }
  void theThreeTypes() {
    QFETCH(int, tipus);
    QFETCH(QString, items);
    QFETCH(QString, botons);
    PosaTipus(static_cast<std::uint16_t>(tipus));
    QString vist;
    for (const char* nom : Items) vist += Estat(nom);
    QString vistBotons;
    for (const char* nom : Botons) vistBotons += EstatBoto(nom);
    QCOMPARE(vist, items);
    QCOMPARE(vistBotons, botons);
    QCOMPARE(Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral")->isHidden(), tipus != 2);
    QCOMPARE(Accio("MLaboratori")->isVisible(), tipus == 2);
  }

  void experimentsNeedTechniqueTubesAndMoney_data() {
    QTest::addColumn<int>("provetes");
    QTest::addColumn<int>("diners");
    QTest::addColumn<bool>("tecnica");
    QTest::addColumn<bool>("habilitat");
    QTest::addRow("9 tubes") << 9 << 100 << true << false;
    QTest::addRow("10 tubes, 100 $") << 10 << 100 << true << true;
    QTest::addRow("99 $") << 10 << 99 << true << false;
    QTest::addRow("no technique") << 10 << 100 << false << false;
    QTest::addRow("plenty") << 500 << 100000 << true << true;
  }
  void experimentsNeedTechniqueTubesAndMoney() {
    QFETCH(int, provetes);
    QFETCH(int, diners);
    QFETCH(bool, tecnica);
    QFETCH(bool, habilitat);
    PosaTipus(JocPressupost);
    EstatRecerca.Provetes = provetes;
    EstatRecerca.Diners = diners;
    EstatRecerca.TecniquesDominades[18] = tecnica;
    EstatRecerca.TecniquesDominades[21] = tecnica;
    FPrincipal->UpdateMenuItems();
    QCOMPARE(Accio("MTraduirRNASintetic")->isEnabled(), habilitat);
    QCOMPARE(Boto("SBRNAPolimer")->isEnabled(), habilitat);
    QCOMPARE(Accio("MTraduirRNAAleatori")->isEnabled(), habilitat);
    QCOMPARE(Boto("SBRNAAleatori")->isEnabled(), habilitat);
  }

  void freeResearchExperimentsCostNothing() {
    PosaTipus(CodiLliure);
    QCOMPARE(EstatRecerca.Diners, 0);
    QVERIFY(Accio("MTraduirRNASintetic")->isEnabled());
    QVERIFY(Accio("MTraduirRNAAleatori")->isEnabled());
  }

  void reviewAndDevelopFollowTheState() {
    PosaTipus(JocPressupost);
    QVERIFY(!Boto("SBExperimentsAntics")->isEnabled());
    EstatRecerca.NombreExperiments = 1;
    EstatRecerca.TecnicaEnCurs = 3;
    EstatRecerca.TecniquesDominades[17] = true;
    EstatRecerca.TecniquesDominades[26] = true;
    FPrincipal->UpdateMenuItems();
    QVERIFY(Accio("MRevisarExperiments")->isEnabled());
    QVERIFY(Boto("SBExperimentsAntics")->isEnabled());
    QVERIFY(!Accio("MDesenvoluparTecnica")->isEnabled());
    QVERIFY(!Boto("SBNovaTecnica")->isEnabled());
    QVERIFY(Accio("MTraduirRNAViric")->isEnabled());
    QVERIFY(Accio("MAcoblar")->isEnabled());
    IniciaRecerca();
    FPrincipal->UpdateMenuItems();
    QVERIFY(!Accio("MRevisarExperiments")->isEnabled());
    QVERIFY(Accio("MDesenvoluparTecnica")->isEnabled());
  }

  void informationPanelShowsDateMoneyAndTubes_data() {
    QTest::addColumn<int>("mes");
    QTest::addColumn<int>("any");
    QTest::addColumn<int>("diners");
    QTest::addColumn<int>("provetes");
    QTest::addColumn<QString>("titol");
    QTest::addColumn<QString>("textDiners");
    QTest::addColumn<QString>("textProvetes");
    QTest::addRow("start") << 1 << 1961 << 100000 << 20 << "Gener de 1961" << "100.000 $." << "20";
    QTest::addRow("million") << 3 << 1962 << 1234567 << 1234 << "Març de 1962" << "1.234.567 $."
                             << "1234";
    QTest::addRow("thousand") << 12 << 1970 << 1000 << 0 << "Desembre de 1970" << "  1.000 $."
                              << "0";
    QTest::addRow("negative tubes") << 6 << 1961 << 0 << -5 << "Juny de 1961" << "      0 $."
                                    << "-5";
  }
  void informationPanelShowsDateMoneyAndTubes() {
    QFETCH(int, mes);
    QFETCH(int, any);
    QFETCH(int, diners);
    QFETCH(int, provetes);
    PosaTipus(JocPressupost);
    EstatRecerca.Mes = static_cast<std::uint16_t>(mes);
    EstatRecerca.Any = static_cast<std::uint16_t>(any);
    EstatRecerca.Diners = diners;
    EstatRecerca.Provetes = provetes;
    FPrincipal->ActualitzaInformacio();
    auto* panell = Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral");
    QTEST(panell->title(), "titol");
    QTEST(Fill<QLabel>(FPrincipal, "LbDiners")->text(), "textDiners");
    QTEST(Fill<QLabel>(FPrincipal, "LbProvetes")->text(), "textProvetes");
    QVERIFY(!panell->isHidden());
    QCOMPARE(panell->height(), 57);
  }

  // Measured as the style lays the caption out, in the panel's own font,
  // for years of every digit; widened only as much as the longest needs.
  void everyMonthsCaptionShowsWhole() {
    PosaTipus(JocPressupost);
    auto* panell = Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral");
    int mesLlarg = 0;
    for (std::uint16_t any : {1961, 1999, 2000, 2888, 9999}) {
      for (std::uint16_t mes = 1; mes <= 12; ++mes) {
        EstatRecerca.Mes = mes;
        EstatRecerca.Any = any;
        FPrincipal->ActualitzaInformacio();
        QStyleOptionGroupBox opcio;
        opcio.initFrom(panell);
        opcio.text = panell->title();
        opcio.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect etiqueta = panell->style()->subControlRect(QStyle::CC_GroupBox, &opcio,
                                                               QStyle::SC_GroupBoxLabel, panell);
        const int text = panell->fontMetrics().horizontalAdvance(panell->title());
        QVERIFY2(etiqueta.width() >= text && panell->rect().contains(etiqueta),
                 qPrintable(panell->title()));
        mesLlarg = std::max(mesLlarg, text);
      }
    }
    QVERIFY(panell->width() == 105 || panell->width() < mesLlarg + 40);
  }

  void panelHidesOutsideTheGame() {
    PosaTipus(JocPressupost);
    EstatRecerca.TipusPartida = CodiLliure;
    FPrincipal->ActualitzaInformacio();
    QVERIFY(Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral")->isHidden());
  }

  void aMonthOutsideTheCalendarDoesNotCrash() {
    PosaTipus(JocPressupost);
    EstatRecerca.Mes = 13;
    FPrincipal->ActualitzaInformacio();
    QCOMPARE(Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral")->title(), QStringLiteral(" de 1961"));
  }

  void hintLineShowsMenuHintsAndClearsForToolButtons() {
    QStatusTipEvent tip(Accio("MNovaRecerca")->statusTip());
    QCoreApplication::sendEvent(FPrincipal, &tip);
    QCOMPARE(FPrincipal->statusBar()->currentMessage(), QStringLiteral("Començar una nova recerca."));
    QEvent entra(QEvent::Enter);
    QCoreApplication::sendEvent(Boto("SBTaulaCodi"), &entra);
    QCOMPARE(FPrincipal->statusBar()->currentMessage(), QString());
    FPrincipal->ShowHint(QStringLiteral("curt|llarg"));
    QCOMPARE(FPrincipal->statusBar()->currentMessage(), QStringLiteral("llarg"));
    QCOMPARE(FPrincipal->statusBar()->height(), 22);
  }

  void helpOpensAtTheRightTopics() {
    TFAjuda* ajuda = Ajuda::Finestra();
    Accio("MAjudaDescripcioGeneral")->trigger();
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 50);
    Accio("MAjudaUtilitzacioDelPrograma")->trigger();
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 270);
    Accio("MAjudaTemesDAjuda")->trigger();
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 0);
    FPrincipal->show();
    QVERIFY(QTest::qWaitForWindowActive(FPrincipal));
    QTest::keyClick(FPrincipal, Qt::Key_F1);
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 70);
    QVERIFY(Entorn::Missatges().isEmpty());
    Q_UNUSED(ajuda);
    Ajuda::Finestra()->close();
  }

  void aboutBoxIsShownModally() {
    Entorn::DialegsMostrats().clear();
    Accio("MSobre")->trigger();
    QCOMPARE(Entorn::DialegsMostrats(), QStringList{"AboutBox"});
  }

  // Keys typed on after an exercise closes reach the main window: the arrows
  // keep the focus where it is, so no Space after them lands on "Retirar-se".
  void arrowKeysDoNotWalkTheToolButtons() {
    PosaTipus(FluxInformacio);
    FPrincipal->show();
    FPrincipal->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FPrincipal));
    for (const char* nom : {"SBNovaRecerca", "SBTaulaCodi"}) {
      Boto(nom)->setFocus();
      for (Qt::Key tecla : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        QTest::keyClick(QApplication::focusWidget(), tecla);
        QCOMPARE(QApplication::focusWidget(), Boto(nom));
      }
    }
  }

  // Last: quitting closes the window.
  void altXQuits() {
    PosaTipus(FluxInformacio);
    FPrincipal->show();
    FPrincipal->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FPrincipal));
    QTest::keyClick(FPrincipal, Qt::Key_X, Qt::AltModifier);
    QVERIFY(!FPrincipal->isVisible());
    FPrincipal->show();
    QVERIFY(QTest::qWaitForWindowActive(FPrincipal));
    Boto("SBSortir")->click();
    QVERIFY(!FPrincipal->isVisible());
    FPrincipal->show();
    Accio("MRetirarse")->trigger();
    QVERIFY(!FPrincipal->isVisible());
  }
};

QTEST_MAIN(TestPrincipal)
#include "tst_principal.moc"
