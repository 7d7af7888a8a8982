// The replication and transcription exercise as a student meets it: opened
// from the main window, built by mouse and keyboard, demonstrated tick by
// tick (the timer's handler is called directly), printed and closed.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "Entorn.h"
#include "Parella.h"
#include "exercises/DNAComplementari.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/Impressio.h"
#include "platform/Teclat.h"

using Entorn::Fill;

namespace {

using Accio = std::function<void(QDialog*)>;
const QColor Vermell(Qt::red), Groc(Qt::yellow);

QDialog* W() { return FDNAComplementari; }
QPushButton* Boto(const char* nom) { return Fill<QPushButton>(W(), nom); }
QToolButton* Control(const char* nom) { return Fill<QToolButton>(W(), nom); }
QString Text(const char* nom) { return Fill<QLabel>(W(), nom)->text(); }
QTimer* Timer1() { return Fill<QTimer>(W(), "Timer1"); }
QLabel* Plant(int i) { return Fill<QLabel>(W(), qPrintable(QStringLiteral("STDNA%1").arg(i))); }
QLabel* Nova(int i) { return Fill<QLabel>(W(), qPrintable(QStringLiteral("STCompl%1").arg(i))); }
QColor Fons(int i) { return Nova(i)->palette().color(QPalette::Window); }
QColor Tinta(int i) { return Nova(i)->palette().color(QPalette::WindowText); }

// Seeds the draw so that the next template has the chosen orientation.
void SembraOrientacio(bool primera) {
  for (std::uint32_t llavor = 1;; ++llavor) {
    RBGlobal::Sembra(llavor);
    if ((RBGlobal::Aleatori(2) == 0) == primera) {
      RBGlobal::Sembra(llavor);
      return;
    }
  }
}

// Opens the window from a menu item or tool button and runs `accio` while
// it is on screen; returns how many times it was shown.
int Obre(const char* comanda, const Accio& accio) {
  int vegades = 0;
  Entorn::RespostaModal([&](QDialog* d) {
    ++vegades;
    d->setWindowModality(Qt::ApplicationModal);  // as exec() would
    d->show();
    if (!QTest::qWaitForWindowActive(d)) qWarning("la finestra no s'ha activat");
    accio(d);
    d->hide();
    return int(QDialog::Accepted);
  });
  if (auto* item = FPrincipal->findChild<QAction*>(QLatin1String(comanda)))
    item->trigger();
  else
    Fill<QToolButton>(FPrincipal, comanda)->click();
  Entorn::RespostaModal({});
  return vegades;
}

bool Primera() { return Plant(1)->text() == QStringLiteral("3'"); }
char Lletra(const QLabel* cella) { return cella->text().at(0).toLatin1(); }

// The letter a student who knows the rules would place opposite cell i.
char Parella(int i, bool transcripcio) { return ::Parella(Lletra(Plant(i)), transcripcio); }

QPushButton* BotoPer(char c) {
  switch (c) {
    case 'A': return Boto("BAdenina");
    case 'G': return Boto("BGuanina");
    case 'C': return Boto("BCitosina");
    case 'T': return Boto("BTimina");
    case 'U': return Boto("BUracil");
    case '5': return Boto("B5");
    default: return Boto("B3");
  }
}

// The cursor is the farthest cell shown in the direction of growth.
int Cursor() {
  int cursor = 0;
  for (int i = 1; i <= 18; ++i)
    if (Nova(i)->isVisible() && (Primera() || cursor == 0)) cursor = i;
  return cursor;
}

bool Transcripcio() { return !Boto("BHidrolitzar")->isVisible(); }

void Clica(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

void PosaBe(int n) {
  for (int k = 0; k < n; ++k) Clica(BotoPer(Parella(Cursor(), Transcripcio())));
}

// A wrong nucleotide for an interior cell.
void PosaMalament() {
  const char plantilla = Lletra(Plant(Cursor()));
  Clica(BotoPer(plantilla == 'A' ? (Transcripcio() ? 'T' : 'U') : plantilla));
}

QString EstatEntrada() {
  QString s;
  for (const char* nom : {"BAdenina", "BGuanina", "BCitosina", "BTimina", "BUracil", "B5", "B3",
                          "BHidrolitzar", "BtDemostracio"})
    s += Boto(nom)->isEnabled() ? QLatin1Char('+') : QLatin1Char('x');
  return s;
}

void Tic() { QVERIFY(QMetaObject::invokeMethod(W(), "Timer1Timer")); }

int AcabaDemostracio() {
  int tics = 0;
  while (Timer1()->isActive() && tics < 200) {
    Tic();
    ++tics;
  }
  return tics;
}

}  // namespace

class TestDNAComplementari : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() { Entorn::NetejaMissatges(); }
  void cleanup() { Ajuda::Finestra()->hide(); }

  void opensInTheModeOfEachCommand_data() {
    QTest::addColumn<QString>("comanda");
    QTest::addColumn<bool>("transcripcio");
    QTest::newRow("menu replicacio") << "MExercicisDNAComplementari" << false;
    QTest::newRow("boto replicacio") << "SBReplicacio" << false;
    QTest::newRow("menu transcripcio") << "MExercicisRNAComplementari" << true;
    QTest::newRow("boto transcripcio") << "SBTranscripcio" << true;
  }
  void opensInTheModeOfEachCommand() {
    QFETCH(QString, comanda);
    QFETCH(bool, transcripcio);
    QCOMPARE(Obre(qPrintable(comanda),
                  [&](QDialog* d) {
                    QCOMPARE(d->windowTitle(),
                             transcripcio ? QStringLiteral("Exercici de transcripció")
                                          : QStringLiteral("Exercici de replicació del DNA"));
                    QCOMPARE(Text("LbCadenaLlegida"),
                             transcripcio ? QStringLiteral("Cadena de DNA que és transcrita")
                                          : QStringLiteral("Cadena de DNA original"));
                    QCOMPARE(Text("LbNovaCadena"), transcripcio
                                                       ? QStringLiteral("Cadena de RNA")
                                                       : QStringLiteral("Cadena de DNA nova"));
                    QCOMPARE(Text("LbEnzim"), transcripcio ? QStringLiteral("RNA polimerasa")
                                                           : QStringLiteral("DNA polimerasa"));
                    QCOMPARE(Boto("BHidrolitzar")->isVisible(), !transcripcio);
                    QTest::keyClick(d, Qt::Key_F1);
                    QCOMPARE(Ajuda::Finestra()->TemaActual(), transcripcio ? 150 : 120);
                    Ajuda::Finestra()->hide();
                    Ajuda::Finestra()->MostraContingut();
                    Clica(Boto("BtAjuda"));
                    QCOMPARE(Ajuda::Finestra()->TemaActual(), transcripcio ? 150 : 120);
                  }),
             1);
    QCOMPARE(Entorn::DialegsMostrats().last(), QStringLiteral("FDNAComplementari"));
    QVERIFY2(Entorn::Missatges().isEmpty(), qPrintable(Entorn::Missatges().join('\n')));
  }

  void buttonsCarryTheirCaptions() {
    const QStringList noms{"BAdenina",  "BGuanina",  "BCitosina",  "BTimina",
                           "BUracil",   "B5",        "B3",         "BHidrolitzar",
                           "BtRepetir", "BtUnAltre", "BtImprimir", "BtDemostracio",
                           "BtAjuda",   "BtTancar"};
    const QStringList textos{"&Adenina",  "&Guanina",    "&Citosina",    "&Timina",   "&Uracil",
                             "&5'",       "&3'",         "&Hidrolitzar", "Tornem-hi", "Un altre",
                             "&Imprimir", "Demostració", "Ajuda",        "Tancar"};
    for (int i = 0; i < noms.size(); ++i) QCOMPARE(Boto(qPrintable(noms[i]))->text(), textos[i]);
    QCOMPARE(Control("SBPlay")->toolTip(), QStringLiteral("Continuar la demostració."));
    QCOMPARE(Control("SBPause")->toolTip(), QStringLiteral("Fer una pausa a la demostració."));
    QCOMPARE(Control("SBStop")->toolTip(), QStringLiteral("Aturar la demostració."));
    QCOMPARE(Timer1()->interval(), 2000);
  }

  void everyOpeningStartsANewExercise_data() {
    QTest::addColumn<bool>("primera");
    QTest::newRow("creix cap a la dreta") << true;
    QTest::newRow("creix cap a l'esquerra") << false;
  }
  void everyOpeningStartsANewExercise() {
    QFETCH(bool, primera);
    SembraOrientacio(primera);
    Obre("SBReplicacio", [&](QDialog*) {
      QCOMPARE(Primera(), primera);
      QCOMPARE(Plant(18)->text(), primera ? QStringLiteral("5'") : QStringLiteral("3'"));
      for (int i = 2; i <= 17; ++i) QVERIFY(QStringLiteral("AGCT").contains(Plant(i)->text()));
      const int inici = primera ? 1 : 18;
      for (int i = 1; i <= 18; ++i) QCOMPARE(Nova(i)->isVisible(), i == inici);
      QCOMPARE(Fons(inici), Groc);
      QCOMPARE(Fill<QFrame>(W(), "PnEnzim")->pos(), QPoint(primera ? 32 + 28 : 32 * 18 - 100, 160));
      // At 64, or at 480 unless the caption would then run past the edge.
      const QLabel* nova = Fill<QLabel>(W(), "LbNovaCadena");
      if (primera)
        QCOMPARE(nova->x(), 64);
      else
        QVERIFY(nova->x() == 480 || nova->x() + nova->width() + 8 == W()->width());
      QVERIFY(nova->x() + nova->width() <= W()->width());
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxx++x+"));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors a la nova cadena: 0"));
      QVERIFY(!Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
      for (const char* sb : {"SBPlay", "SBPause", "SBStop"}) QVERIFY(!Control(sb)->isVisible());
      PosaBe(3);
    });
    Obre("SBReplicacio", [&](QDialog*) {
      QCOMPARE(Cursor(), Primera() ? 1 : 18);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
    });
  }

  void studentBuildsByMouseWithMistakes_data() { everyOpeningStartsANewExercise_data(); }
  void studentBuildsByMouseWithMistakes() {
    QFETCH(bool, primera);
    SembraOrientacio(primera);
    Obre("MExercicisDNAComplementari", [&](QDialog*) {
      const int inici = Cursor(), pas = primera ? 1 : -1;
      Clica(Boto("B3"));  // 3' opposite 3': wrong, the cursor stays
      QCOMPARE(Nova(inici)->text(), QStringLiteral("3'"));
      QCOMPARE(Tinta(inici), Vermell);
      QCOMPARE(Cursor(), inici);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 1"));
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors a la nova cadena: 1"));
      Clica(Boto("B5"));
      QCOMPARE(Nova(inici)->text(), QStringLiteral("5'"));
      QVERIFY(Tinta(inici) != Vermell);
      QCOMPARE(Cursor(), inici + pas);
      QCOMPARE(EstatEntrada(), QStringLiteral("+++++xxx+"));  // no hydrolysis on the 2nd cell
      const int errada = Cursor();
      PosaMalament();
      QCOMPARE(Tinta(errada), Vermell);
      QVERIFY(Fons(errada) != Vermell);  // red type, usual background
      QCOMPARE(Cursor(), errada + pas);
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors a la nova cadena: 1"));
      QVERIFY(Boto("BHidrolitzar")->isEnabled());
      Clica(Boto("BHidrolitzar"));
      QCOMPARE(Cursor(), errada);
      QCOMPARE(Nova(errada)->text(), QStringLiteral(" "));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 2"));
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors a la nova cadena: 0"));
      Clica(Boto("B3"));  // disabled on an interior cell: nothing happens
      QCOMPARE(Cursor(), errada);
      PosaBe(1);
      QVERIFY(Fill<QLabel>(W(), "LbNovaCadena")->isVisible());
      PosaBe(15);
      QCOMPARE(Cursor(), 19 - inici);
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxx++++"));
      PosaBe(1);
      QVERIFY(Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
      QCOMPARE(Text("LbAvaluacio"),
               QStringLiteral("Has aconseguit fer un bon DNA, però has de concentrar-te més."));
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxxxxxx"));
      QVERIFY(Boto("BtRepetir")->isEnabled() && Boto("BtUnAltre")->isEnabled());

      QStringList plantilla;
      for (int i = 1; i <= 18; ++i) plantilla << Plant(i)->text();
      Clica(Boto("BtRepetir"));  // same template, fresh strand
      for (int i = 1; i <= 18; ++i) QCOMPARE(Plant(i)->text(), plantilla[i - 1]);
      QCOMPARE(Cursor(), inici);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
      QVERIFY(!Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
      PosaBe(4);
      Clica(Boto("BtUnAltre"));
      QCOMPARE(Cursor(), Primera() ? 1 : 18);
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxx++x+"));
    });
  }

  void demonstrationFromACleanStart_data() {
    QTest::addColumn<bool>("transcripcio");
    QTest::addColumn<bool>("primera");
    QTest::newRow("replicacio dreta") << false << true;
    QTest::newRow("replicacio esquerra") << false << false;
    QTest::newRow("transcripcio dreta") << true << true;
    QTest::newRow("transcripcio esquerra") << true << false;
  }
  void demonstrationFromACleanStart() {
    QFETCH(bool, transcripcio);
    QFETCH(bool, primera);
    SembraOrientacio(primera);
    Obre(transcripcio ? "SBTranscripcio" : "SBReplicacio", [&](QDialog*) {
      Clica(Boto("BtDemostracio"));
      QVERIFY(Timer1()->isActive());
      QCOMPARE(Text("LbAvaluacio"),
               transcripcio
                   ? QStringLiteral("La RNA polimerasa va afegint ribonucleòtids en sentit 5'->3'.")
                   : QStringLiteral(
                         "La DNA polimerasa va afegint desoxiribonucleòtids en sentit 5'->3'."));
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxxxxxx"));
      for (const char* b : {"BtRepetir", "BtUnAltre", "BtAjuda"}) QVERIFY(!Boto(b)->isEnabled());
      QVERIFY(Control("SBStop")->isVisible() && Control("SBPause")->isEnabled());
      QVERIFY(Control("SBPlay")->isVisible() && !Control("SBPlay")->isEnabled());
      for (int n = 0; n < 18; ++n) {
        const int on = Cursor();
        Tic();
        QCOMPARE(Nova(on)->text(), QStringLiteral(" "));
        QVERIFY(Text("LbAvaluacio")
                    .startsWith(n == 0    ? QStringLiteral("Comença")
                                : n == 17 ? QStringLiteral("I acaba")
                                          : QStringLiteral("Davant ")));
        Tic();
        QCOMPARE(Lletra(Nova(on)), Parella(on, transcripcio));
        QVERIFY(Tinta(on) != Vermell);
      }
      QVERIFY(!Timer1()->isActive());
      QCOMPARE(Text("LbAvaluacio"), QStringLiteral("Així ho fan normalment les teves cèl·lules!"));
      for (const char* sb : {"SBPlay", "SBPause", "SBStop"}) QVERIFY(!Control(sb)->isVisible());
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxxxxxx"));
      QVERIFY(Boto("BtRepetir")->isEnabled());
    });
  }

  // From a strand with wrong cells: in replication the enzyme hydrolyses
  // back over a wrong nucleotide; a wrong end mark on the starting cell
  // cannot be hydrolysed, so it places the right mark over it and goes on.
  void demonstrationFromWrongCells_data() {
    QTest::addColumn<bool>("transcripcio");
    QTest::addColumn<bool>("primera");
    QTest::addColumn<bool>("marca");
    QTest::newRow("nucleotid dreta") << false << true << false;
    QTest::newRow("nucleotid esquerra") << false << false << false;
    for (bool transcripcio : {false, true})
      for (bool primera : {true, false})
        QTest::addRow("marca %s %s", transcripcio ? "transcripcio" : "replicacio",
                      primera ? "dreta" : "esquerra")
            << transcripcio << primera << true;
  }
  void demonstrationFromWrongCells() {
    QFETCH(bool, transcripcio);
    QFETCH(bool, primera);
    QFETCH(bool, marca);
    SembraOrientacio(primera);
    Obre(transcripcio ? "SBTranscripcio" : "SBReplicacio", [&](QDialog*) {
      const int inici = Cursor();
      int refer = 18;  // cells the demonstration builds
      if (marca) {
        Clica(Boto("B3"));
        QCOMPARE(Tinta(inici), Vermell);
      } else {
        PosaBe(3);
        refer = primera ? 19 - Cursor() : Cursor();
        PosaMalament();
        PosaBe(2);
      }
      Clica(Boto("BtDemostracio"));
      for (int n = 0; !marca && n < 3; ++n) {
        const int on = Cursor();
        Tic();
        QCOMPARE(Text("LbAvaluacio"),
                 QStringLiteral("La DNA polimerasa hidrolitza els nucleòtids erronis."));
        QCOMPARE(Cursor(), on - (primera ? 1 : -1));
        QCOMPARE(EstatEntrada(), QStringLiteral("xxxxxxxxx"));
      }
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors a la nova cadena: %1").arg(marca));
      if (marca) {
        Tic();
        QCOMPARE(Text("LbAvaluacio"), QStringLiteral("Comença la nova cadena per l'extrem 5'."));
        Tic();
        QCOMPARE(Nova(inici)->text(), QStringLiteral("5'"));
        QVERIFY(Tinta(inici) != Vermell);
        QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors a la nova cadena: 0"));
        refer -= 1;
      }
      QCOMPARE(AcabaDemostracio(), 2 * refer);
      QCOMPARE(Text("LbAvaluacio"),
               QStringLiteral("Així ho fan normalment les teves cèl·lules! (els errors són teus)"));
    });
  }

  void pauseResumeAndStop() {
    Obre("SBReplicacio", [](QDialog*) {
      Clica(Boto("BtDemostracio"));
      Tic();
      Clica(Control("SBPause"));
      QVERIFY(!Timer1()->isActive());
      QVERIFY(!Control("SBPause")->isEnabled() && Control("SBPlay")->isEnabled());
      QVERIFY(!Boto("BtRepetir")->isEnabled());  // still demonstrating, though paused
      Clica(Control("SBPlay"));
      QVERIFY(Timer1()->isActive());
      QVERIFY(Control("SBPause")->isEnabled() && !Control("SBPlay")->isEnabled());
      for (int n = 0; n < 4; ++n) Tic();  // 5 ticks: 2 cells placed, the 3rd explained
      Clica(Control("SBStop"));
      QVERIFY(!Timer1()->isActive());
      for (const char* sb : {"SBPlay", "SBPause", "SBStop"}) QVERIFY(!Control(sb)->isVisible());
      QVERIFY(!Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
      QCOMPARE(EstatEntrada(), QStringLiteral("+++++xx++"));
      QVERIFY(Boto("BtRepetir")->isEnabled() && Boto("BtAjuda")->isEnabled());
      PosaBe(16);
      QCOMPARE(Text("LbAvaluacio"), QStringLiteral("Així ho fan normalment les teves cèl·lules!"));
    });
  }

  void closingStopsTheDemonstration() {
    Obre("SBTranscripcio", [](QDialog* d) {
      Clica(Boto("BtDemostracio"));
      QVERIFY(Timer1()->isActive());
      Clica(Boto("BtTancar"));
      QVERIFY(!d->isVisible());
      QVERIFY(!Timer1()->isActive());
      QCOMPARE(d->result(), int(QDialog::Accepted));
    });
    Obre("SBTranscripcio", [](QDialog*) {
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxx++x+"));
      QVERIFY(!Control("SBStop")->isVisible());
    });
  }

  void keyboardMnemonicsBuildTheStrand() {
    SembraOrientacio(true);
    Obre("MExercicisDNAComplementari", [](QDialog* d) {
      QVERIFY(Entorn::Alt(d, Qt::Key_5));
      QCOMPARE(Nova(1)->text(), QStringLiteral("5'"));
      const QMap<char, Qt::Key> tecles{
          {'A', Qt::Key_A}, {'G', Qt::Key_G}, {'C', Qt::Key_C}, {'T', Qt::Key_T}, {'U', Qt::Key_U}};
      for (int i = 2; i <= 6; ++i) QVERIFY(Entorn::Alt(d, tecles[Parella(i, false)]));
      QVERIFY(Entorn::Alt(d, Qt::Key_U));  // U is wrong in a DNA strand
      QCOMPARE(Nova(7)->text(), QStringLiteral("U"));
      QVERIFY(Entorn::Alt(d, Qt::Key_H));
      QCOMPARE(Cursor(), 7);
      QCOMPARE(Nova(7)->text(), QStringLiteral(" "));
      QTest::keyClick(d, Qt::Key_H);  // the bare letter works as well
      QCOMPARE(Cursor(), 6);
      for (int i = 6; i <= 17; ++i) QTest::keyClick(d, tecles[Parella(i, false)]);
      QTest::keyClick(d, Qt::Key_5);  // the wrong end: counted, the cursor stays
      QCOMPARE(Cursor(), 18);
      QVERIFY(Entorn::Alt(d, Qt::Key_3));
      QCOMPARE(Text("LbAvaluacio"),
               QStringLiteral("Has aconseguit fer un bon DNA, però has de concentrar-te més."));
      QTest::keyClick(d, Qt::Key_Escape);
      QVERIFY(!d->isVisible());
    });
  }

  // Played from the keyboard, starting with Space on the end button: after
  // each answer and each step of the demonstration the focus is on a control
  // the student works with, never pushed onto Tornem-hi, Un altre or Tancar,
  // and screen readers are told the cursor cell after the answer just given.
  void keyboardPlayKeepsTheFocusOffTheEndButtons_data() {
    QTest::addColumn<QString>("comanda");
    QTest::addColumn<bool>("primera");
    for (const char* c : {"MExercicisDNAComplementari", "SBTranscripcio"})
      for (bool primera : {true, false})
        QTest::addRow("%s %s", c, primera ? "5'-3'" : "3'-5'") << QString::fromLatin1(c) << primera;
  }
  void keyboardPlayKeepsTheFocusOffTheEndButtons() {
    QFETCH(QString, comanda);
    QFETCH(bool, primera);
    SembraOrientacio(primera);
    Obre(qPrintable(comanda), [](QDialog* d) {
      const QList<QWidget*> finals{Boto("BtRepetir"), Boto("BtUnAltre"), Boto("BtTancar")};
      auto focusBo = [&](const char* quan) {
        QWidget* f = W()->focusWidget();
        if (finals.contains(f)) QFAIL(qPrintable(QLatin1String(quan) + ": " + f->objectName()));
      };
      const QMap<char, Qt::Key> tecles{{'A', Qt::Key_A}, {'G', Qt::Key_G}, {'C', Qt::Key_C},
                                       {'T', Qt::Key_T}, {'U', Qt::Key_U}, {'5', Qt::Key_5},
                                       {'3', Qt::Key_3}};
      auto* demostracio = Boto("BtDemostracio");
      demostracio->setFocus(Qt::TabFocusReason);
      QTest::keyClick(demostracio, Qt::Key_Space);
      QVERIFY(Timer1()->isActive());
      for (int tic = 0; Timer1()->isActive() && tic < 200; ++tic) {
        Tic();
        focusBo("demostració");
      }
      Clica(Boto("BtRepetir"));
      QPushButton* extrem = BotoPer(Parella(Cursor(), Transcripcio()));
      extrem->setFocus(Qt::TabFocusReason);
      QTest::keyClick(extrem, Qt::Key_Space);
      auto construint = [] { return EstatEntrada().left(7).contains('+'); };
      bool desfet = false;  // after Hidrolitzar the cursor cell is the one answered
      for (int pas = 0; pas < 40 && construint(); ++pas) {
        focusBo("resposta");
        QVERIFY(W()->focusWidget() && W()->focusWidget()->isEnabled());
        const int abans = Cursor();
        QCOMPARE(Teclat::CellaAnunciada(d), static_cast<QWidget*>(Nova(abans)));
        if (pas > 0 && !desfet) QVERIFY(Nova(abans)->accessibleDescription().startsWith("Posició"));
        const char plantilla = Lletra(Plant(abans));
        const bool interior = plantilla != '3' && plantilla != '5';
        if (pas == 3 && interior) {  // a wrong letter, announced as such, then taken back
          QTest::keyClick(W()->focusWidget(), tecles[plantilla == 'A' ? 'G' : plantilla]);
          QVERIFY(Nova(Cursor())->accessibleDescription().contains("errònia"));
          QTest::keyClick(W()->focusWidget(), Qt::Key_H);
          desfet = true;
          continue;
        }
        QTest::keyClick(W()->focusWidget(), tecles[Parella(abans, Transcripcio())]);
        desfet = false;
      }
      focusBo("final");
    });
  }

  void printingSavesTheWindowAsAPdf() {
    QTemporaryDir dir;
    const QString cami = dir.filePath(QStringLiteral("replicacio.pdf"));
    Obre("SBReplicacio", [&](QDialog* d) {
      PosaBe(5);
      QVERIFY(Impressio::DesaPdf(d, cami));
      QFile pdf(cami);
      QVERIFY(pdf.open(QIODevice::ReadOnly));
      const QByteArray dades = pdf.readAll();
      QVERIFY(dades.startsWith("%PDF-"));
      QVERIFY(dades.contains("/Image"));  // the window's picture, not an empty page
      if (!QPrinterInfo::defaultPrinter().isNull()) return;
      QFile::remove(cami);
      Dialegs::InstallaManejadorFitxers(
          [&](bool desar, const QString&) { return desar ? cami : QString(); });
      QVERIFY(Entorn::Alt(d, Qt::Key_I));
      Dialegs::InstallaManejadorFitxers({});
      QVERIFY(QFile::exists(cami));
      QCOMPARE(Entorn::Missatges().size(), 1);
      QVERIFY(Entorn::Missatges().first().contains(QStringLiteral("replicacio.pdf")));
    });
  }
};

QTEST_MAIN(TestDNAComplementari)
#include "tst_dnacomplementari.moc"
