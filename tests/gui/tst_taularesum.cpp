// The summary table as a student meets it: opened from the main window,
// filled by mouse and by keyboard, amino acids picked from the code table,
// graded, retried, and its options confirmed or cancelled. The rules
// themselves are tested in the model.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <functional>

#include "Entorn.h"
#include "exercises/TaulaResum.h"
#include "experiments/Taula.h"
#include "mainwindow/Rbmain.h"
#include "platform/Ajuda.h"
#include "platform/GrupOpcions.h"

using Entorn::Fill;

namespace {

const QColor Groc(Qt::yellow), Vermell(Qt::red);

QDialog* W() { return FTaulaResum; }
const TaulaResum::TExercici& E() { return FTaulaResum->Exercici(); }
QPushButton* Boto(const char* nom) { return Fill<QPushButton>(W(), nom); }
QComboBox* Combo(const QString& nom) { return Fill<QComboBox>(W(), qPrintable(nom)); }
QToolButton* Selectora(int k) {
  return Fill<QToolButton>(W(), qPrintable(QStringLiteral("SBAminoacid%1").arg(k)));
}
QString Text(const char* nom) { return Fill<QLabel>(W(), nom)->text(); }
QLabel* Cela(int fila, int p) {
  const char* const prefix[4] = {"ST1DNA", "ST2DNA", "STRNAm", "STAnticodons"};
  return Fill<QLabel>(W(), qPrintable(QStringLiteral("%1%2").arg(prefix[fila]).arg(p)));
}
QColor Fons(int fila, int p) { return Cela(fila, p)->palette().color(QPalette::Window); }
bool Vermell_(const QWidget* w, QPalette::ColorRole rol) {
  return w->palette().color(rol) == Vermell;
}
bool Donada(int fila, int p) { return Fons(fila, p) == W()->palette().color(QPalette::Button); }
void Clica(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
QWidget* Focus() { return QApplication::focusWidget(); }

// Dialogs opened from the window (code table, options) are answered here.
std::function<int(QDialog*)> Interior;

void Obre(const char* comanda, const std::function<void(QDialog*)>& accio) {
  Entorn::RespostaModal([&](QDialog* d) {
    if (d != W()) return Interior ? Interior(d) : int(QDialog::Rejected);
    d->setWindowModality(Qt::ApplicationModal);  // as exec() would
    d->show();
    if (!QTest::qWaitForWindowActive(d)) qWarning("la finestra no s'ha activat");
    accio(d);
    d->hide();
    // The offscreen platform leaves a hidden window focused, so that showing
    // it again would not activate it: another window takes the focus.
    QWidget relleu;
    relleu.show();
    if (!QTest::qWaitForWindowExposed(&relleu)) qWarning("el relleu no s'ha mostrat");
    return int(QDialog::Accepted);
  });
  if (auto* item = FPrincipal->findChild<QAction*>(QLatin1String(comanda)))
    item->trigger();
  else
    Clica(Fill<QToolButton>(FPrincipal, comanda));
  Entorn::RespostaModal({});
  Interior = {};
}

struct TBase {
  char lletra;
  const char* boto;
  Qt::Key tecla;
};
const TBase Bases[] = {{'A', "BAdenina", Qt::Key_A},  {'G', "BGuanina", Qt::Key_G},
                       {'C', "BCitosina", Qt::Key_C}, {'T', "BTimina", Qt::Key_T},
                       {'U', "BUracil", Qt::Key_U},   {'5', "B5", Qt::Key_5},
                       {'3', "B3", Qt::Key_3},        {' ', "BEspai", Qt::Key_Space}};
const TBase& Base(char c) {
  return *std::find_if(std::begin(Bases), std::end(Bases),
                       [c](const TBase& b) { return b.lletra == c; });
}

// Every amino acid through the picker, as the student clicks its codon.
void TriaAminoacids() {
  for (int k = 1; k <= 6; ++k) {
    if (E().Aminoacid(k) == TaulaResum::NoAssignat) continue;
    Interior = [k](QDialog* d) {
      CodoTriat = E().Codo(k);
      CodoTriatOk = d == FTaula;
      return int(QDialog::Rejected);
    };
    Clica(Selectora(k));
  }
  Interior = {};
  for (int i : {0, 7})
    Combo(QStringLiteral("CBExtrem%1").arg(i / 7 + 1))->setCurrentIndex(E().ItemEsperat(i));
}

QString EstatEntrada() {
  QString s;
  for (const char* nom : {"BAdenina", "BGuanina", "BCitosina", "BTimina", "BUracil", "BEspai", "B5",
                          "B3", "BtOpcions", "BtTornemhi"})
    s += Boto(nom)->isEnabled() ? QLatin1Char('+') : QLatin1Char('x');
  return s;
}

// Answers the options dialog: `canvia` on its controls, then a button.
int Opcions(QDialog* d, const std::function<void()>& canvia, const char* boto) {
  d->show();
  canvia();
  Clica(Fill<QPushButton>(d, boto));
  d->hide();
  return d->result();
}

}  // namespace

class TestTaulaResum : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() { Entorn::Reinicia(); }
  void cleanup() { Ajuda::Finestra()->hide(); }

  void opensFromTheMenuAndTheToolButton_data() {
    QTest::addColumn<QString>("comanda");
    QTest::newRow("menu") << "MExercicisTaulaResum";
    QTest::newRow("boto") << "SBTaulaResum";
  }
  void opensFromTheMenuAndTheToolButton() {
    QFETCH(QString, comanda);
    Obre(qPrintable(comanda), [](QDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Taula resum"));
      QCOMPARE(d->size(), QSize(632, 361));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
      QVERIFY(!Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
      QVERIFY(!Combo(QStringLiteral("CBDNA1"))->isVisible());
      const int t = E().FilaTranscrita();
      QCOMPARE(Text(t == 0 ? "LbDNA1" : "LbDNA2"), QStringLiteral("DNA transcrita"));
      for (int p = 1; p <= 20; ++p) QVERIFY(Donada(t, p));
      QCOMPARE(Fons(1 - t, 1), Groc);
      QCOMPARE(Fons(1 - t, 2), W()->palette().color(QPalette::Base));
      QCOMPARE(Combo(QStringLiteral("CBAminoacid3"))->itemText(0), QStringLiteral("Fi"));
      QCOMPARE(Selectora(2)->toolTip(),
               QStringLiteral("Clicar l'aminoàcid a la taula del codi genètic."));
      QTest::keyClick(d, Qt::Key_F1);
      QCOMPARE(Ajuda::Finestra()->TemaActual(), 130);
      Interior = [](QDialog*) {  // the code table closed without a codon
        CodoTriatOk = false;
        return int(QDialog::Rejected);
      };
      Clica(Selectora(2));
      Clica(Boto("BtVeureTaula"));
      QCOMPARE(Combo(QStringLiteral("CBAminoacid2"))->currentText(), QStringLiteral(" "));
    });
    QCOMPARE(Entorn::DialegsMostrats(), QStringList({"FTaulaResum", "FTaula", "FTaula"}));
    QVERIFY(Entorn::Missatges().isEmpty());
  }

  // By mouse, with one wrong base and one wrong amino acid: both counters
  // move, the grade shows, the input locks; then a retry and another table.
  void studentFillsTheTableByMouse() {
    Obre("SBTaulaResum", [](QDialog*) {
      const std::string transcrita = E().CadenaTranscrita();
      const int f = E().FilaComplementaria(), primer = E().LecturaEsquerraDreta() ? 1 : 6;
      Clica(Boto(Base(E().Esperat(f, 1) == '5' ? '3' : '5').boto));
      QVERIFY(Vermell_(Cela(f, 1), QPalette::WindowText));
      QCOMPARE(Fons(f, 2), Groc);
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors pendents: 1"));
      QComboBox* met = Combo(QStringLiteral("CBAminoacid%1").arg(primer));
      met->setCurrentIndex(8);  // Trp where AUG stands
      QVERIFY(Vermell_(met, QPalette::ButtonText));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 2"));
      for (int fila = 0; fila < 4; ++fila)
        for (int p = 1; p <= 20; ++p)
          if (!Donada(fila, p)) {
            Clica(Cela(fila, p));
            Clica(Boto(Base(E().Esperat(fila, p)).boto));
          }
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors pendents: 1"));
      TriaAminoacids();
      QVERIFY(!Vermell_(met, QPalette::ButtonText));
      QCOMPARE(Combo(QStringLiteral("CBAminoacid%1").arg(7 - primer))->currentText(),
               QStringLiteral("Fi"));  // the stop codon picked
      QCOMPARE(Text("LbAvaluacio"), QStringLiteral("Ho has fet bastant bé."));
      QVERIFY(!Fill<QFrame>(W(), "PnErrorsPendents")->isVisible());
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxx+xx++"));
      QVERIFY(!met->isEnabled() && !Selectora(4)->isEnabled());
      Clica(Boto("BtTornemhi"));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
      QCOMPARE(Cela(2, 10)->text(), QString());
      QCOMPARE(E().CadenaTranscrita(), transcrita);
      QCOMPARE(met->currentText(), QStringLiteral(" "));
      QCOMPARE(EstatEntrada(), QStringLiteral("++++++++++"));
      Clica(Boto("BtUnAltre"));
      QCOMPARE(Fons(E().FilaComplementaria(), 1), Groc);
    });
  }

  // Bare letters, Alt mnemonics and arrows go through the blank button,
  // where a cell click leaves the focus; a selector taking it stops them.
  void keyboardEntersThroughTheBaseButtons() {
    Obre("MExercicisTaulaResum", [](QDialog* d) {
      const int f = E().FilaComplementaria();
      Clica(Cela(f, 1));
      QCOMPARE(Focus(), Boto("BEspai"));
      QTest::keyClick(d, Base(E().Esperat(f, 1)).tecla, Qt::AltModifier);
      QVERIFY(QTest::qWaitFor([&] { return !Cela(f, 1)->text().isEmpty(); }, 2000));
      QTest::keyClick(Focus(), Qt::Key_U);  // U in a DNA strand
      QVERIFY(Vermell_(Cela(f, 2), QPalette::WindowText));
      QTest::keyClick(Focus(), Qt::Key_Left);
      QTest::keyClick(Focus(), Base(E().Esperat(f, 2)).tecla, Qt::ShiftModifier);
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors pendents: 0"));
      Combo(QStringLiteral("CBExtrem1"))->setFocus();
      QVERIFY(Fons(f, 3) != Groc);
      QTest::keyClick(d, Qt::Key_A);
      QCOMPARE(Cela(f, 3)->text(), QString());
      Clica(Cela(E().FilaTranscrita(), 5));  // a given cell: input into the old cell, unmarked
      QTest::keyClick(Focus(), Qt::Key_Space);
      QCOMPARE(Fons(f, 4), Groc);
      QTest::keyClick(Focus(), Qt::Key_Down);
      QCOMPARE(Fons(2, 4), Groc);
    });
  }

  // After each command, and after the dialogs it opens close, the keyboard is
  // back on the table: Space writes a blank in the selected cell instead of
  // pressing the command again, and the table on screen stays.
  void spaceAfterEachCommandWritesABlank_data() {
    QTest::addColumn<QString>("boto");
    QTest::addColumn<int>("resposta");
    QTest::newRow("Un altre") << "BtUnAltre" << 0;
    QTest::newRow("Tornem-hi") << "BtTornemhi" << 0;
    QTest::newRow("Opcions acceptades") << "BtOpcions" << int(QDialog::Accepted);
    QTest::newRow("Opcions cancel·lades") << "BtOpcions" << int(QDialog::Rejected);
    QTest::newRow("Veure Taula") << "BtVeureTaula" << 0;
    QTest::newRow("taula del codi") << "SBAminoacid1" << 0;
  }
  void spaceAfterEachCommandWritesABlank() {
    QFETCH(QString, boto);
    QFETCH(int, resposta);
    Obre("SBTaulaResum", [&](QDialog*) {
      Interior = [resposta](QDialog*) {
        CodoTriatOk = false;
        return resposta;
      };
      auto* comanda = Fill<QAbstractButton>(W(), qPrintable(boto));
      comanda->setFocus(Qt::TabFocusReason);
      QTest::keyClick(comanda, Qt::Key_Space);
      QCOMPARE(Focus(), Boto("BEspai"));
      const int f = E().FilaComplementaria();
      Clica(Cela(f, 1));
      QTest::keyClick(Focus(), Base(E().Esperat(f, 1)).tecla);
      const std::string taula = E().CadenaTranscrita();
      const int dialegs = int(Entorn::DialegsMostrats().size());
      QTest::keyClick(Focus(), Qt::Key_Space);
      QCOMPARE(E().CadenaTranscrita(), taula);
      QCOMPARE(int(Entorn::DialegsMostrats().size()), dialegs);
      QCOMPARE(E().Resposta(f, 1), E().Esperat(f, 1));
      QCOMPARE(Fons(f, 3), Groc);  // the blank went into the next cell
      QCOMPARE(E().Resposta(f, 2), ' ');
    });
  }

  // Tab from the blank button onto the base buttons keeps the selected cell,
  // and the letters typed there still fill it.
  void tabOntoTheBaseButtonsKeepsTheSelection() {
    Obre("SBTaulaResum", [](QDialog*) {
      const int f = E().FilaComplementaria();
      Clica(Cela(f, 1));
      for (const char* boto : {"BUracil", "BTimina"}) {
        QTest::keyClick(Focus(), Qt::Key_Backtab);
        QCOMPARE(Focus(), Boto(boto));
      }
      QCOMPARE(Fons(f, 1), Groc);
      QTest::keyClick(Focus(), Base(E().Esperat(f, 1)).tecla);
      QTest::keyClick(Focus(), Base(E().Esperat(f, 2)).tecla);
      QCOMPARE(Fons(f, 3), Groc);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
    });
  }

  // The wheel over a closed selector neither changes it nor counts an error;
  // keys still do.
  void theWheelOverASelectorChangesNothing_data() {
    QTest::addColumn<QString>("selector");
    for (const char* nom : {"CBExtrem1", "CBAminoacid3", "CBExtrem2"}) QTest::newRow(nom) << nom;
  }
  void theWheelOverASelectorChangesNothing() {
    QFETCH(QString, selector);
    Obre("SBTaulaResum", [&](QDialog*) {
      QComboBox* cb = Combo(selector);
      const int abans = cb->currentIndex();
      for (int gir : {-120, -120, 120}) {
        const QPointF centre = QRectF(cb->rect()).center();
        QWheelEvent roda(centre, cb->mapToGlobal(centre), {}, {0, gir}, Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(cb, &roda);
      }
      QCOMPARE(cb->currentIndex(), abans);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
      cb->setFocus();
      QTest::keyClick(cb, Qt::Key_Up);
      QVERIFY(cb->currentIndex() != abans);
    });
  }

  // From the window a confirmed dialog draws a new table; a cancel changes
  // nothing. From the menu it shows the options as stored.
  void optionsAreConfirmedOrCancelled() {
    auto fragments = [](QDialog* d) {
      Fill<TGrupOpcions>(d, "RGInformacioInicial")->Item(1)->click();
      QVERIFY(Fill<TGrupOpcions>(d, "RGAminoacids")->isVisible());
      Fill<TGrupOpcions>(d, "RGAminoacids")->Item(3)->click();
      Fill<QCheckBox>(d, "CBAUGInicial")->setChecked(false);
    };
    Obre("SBTaulaResum", [&](QDialog*) {
      const std::string abans = E().CadenaTranscrita();
      Interior = [&](QDialog* d) {
        return Opcions(
            d, [&] { fragments(d); }, "BtCancellar");
      };
      Clica(Boto("BtOpcions"));
      QCOMPARE(E().CadenaTranscrita(), abans);
      Interior = [&](QDialog* d) {
        return Opcions(
            d, [&] { fragments(d); }, "BtDAcord");
      };
      Clica(Boto("BtOpcions"));
      QComboBox *nom1 = Combo(QStringLiteral("CBDNA1")), *nom2 = Combo(QStringLiteral("CBDNA2"));
      QVERIFY(nom1->isVisible() && !Fill<QLabel>(W(), "LbDNA1")->isVisible());
      QCOMPARE(nom1->currentText(), QStringLiteral(" "));
      for (int k = 1; k <= 6; ++k)  // given slots and their pickers are disabled
        QCOMPARE(Selectora(k)->isEnabled(),
                 Combo(QStringLiteral("CBAminoacid%1").arg(k))->isEnabled());
      QVERIFY(!Selectora(1)->isEnabled() || !Selectora(6)->isEnabled());
      nom1->setCurrentIndex(0);
      nom2->setCurrentIndex(0);  // both cannot be the transcribed strand
      QVERIFY(Vermell_(nom1, QPalette::ButtonText) != Vermell_(nom2, QPalette::ButtonText));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 1"));
    });
    QCOMPARE(FTaulaResum->LlegeixOpcions(), (TaulaResum::TOpcions{false, true, 3, 1, false}));
    // The whole-strand mode hides the amino-acid choice but keeps it.
    Entorn::RespostaModal([](QDialog* d) {
      return Opcions(
          d,
          [d] {
            QVERIFY(!Fill<QCheckBox>(d, "CBAUGInicial")->isChecked());
            Fill<TGrupOpcions>(d, "RGInformacioInicial")->Item(0)->click();
            QVERIFY(!Fill<TGrupOpcions>(d, "RGAminoacids")->isVisible());
          },
          "BtDAcord");
    });
    FPrincipal->findChild<QAction*>(QStringLiteral("MExercicisOpcionsTaulaResum"))->trigger();
    QCOMPARE(FTaulaResum->LlegeixOpcions(), (TaulaResum::TOpcions{false, true, 3, 0, false}));
    FTaulaResum->PosaOpcions(true, true, 0, 0, false);
  }
};

QTEST_MAIN(TestTaulaResum)
#include "tst_taularesum.moc"
