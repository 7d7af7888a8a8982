// The protein synthesis exercise as a student meets it: opened from the main
// window, answered by keyboard and by picking codons in the real code table,
// animated tick by tick (the timer's handler is called directly), closed in
// the middle of a move; and its options dialog.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "Entorn.h"
#include "exercises/OpcSinPr.h"
#include "exercises/SintProt.h"
#include "experiments/Taula.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "model/TaulaCodi.h"
#include "platform/Ajuda.h"
#include "platform/GrupOpcions.h"
#include "platform/Teclat.h"

using Entorn::Fill;
using SintesiProteines::OpcionsDelsItems;

namespace {

using Accio = std::function<void(QDialog*)>;

QPushButton* Boto(const char* nom) { return Fill<QPushButton>(FSintProt, nom); }
QLabel* Etiqueta(const QString& nom) { return Fill<QLabel>(FSintProt, qPrintable(nom)); }
QString Text(const QString& nom) { return Etiqueta(nom)->text(); }
QTimer* Timer1() { return Fill<QTimer>(FSintProt, "Timer1"); }
QToolButton* Selector() { return Fill<QToolButton>(FSintProt, "SBAaRNAt"); }
QColor Fons(const QString& nom) { return Etiqueta(nom)->palette().color(QPalette::Window); }
QColor Lletra(const QString& nom) { return Etiqueta(nom)->palette().color(QPalette::WindowText); }
QString Cella(const char* prefix, int i) { return QStringLiteral("%1%2").arg(prefix).arg(i); }

const char* const Ordres[] = {"BtRepetir",  "BtUnAltre", "BtOpcions", "BtVeureTaula",
                              "BtImprimir", "BtAjuda",   "BtTancar"};
const char* const Bases[] = {"BAdenina", "BGuanina", "BCitosina", "BUracil"};

// "+" for each enabled command button, then "|" and the base buttons.
QString Estat() {
  QString s;
  for (const char* nom : Ordres) s += Boto(nom)->isEnabled() ? '+' : 'x';
  s += '|';
  for (const char* nom : Bases) s += Boto(nom)->isEnabled() ? '+' : 'x';
  return s;
}

// The codon under cells primera..primera+2 and the anticodon that pairs with it.
QString Codo(int primera) {
  QString codo;
  for (int i = 0; i < 3; ++i) codo += Text(Cella("STRNAm", primera + i));
  return codo;
}
QString Anticodo(const QString& codo) {
  QString a;
  for (QChar c : codo) a += c == 'A' ? 'U' : c == 'U' ? 'A' : c == 'G' ? 'C' : 'G';
  return a;
}

// The real code table, answered from the keyboard on the codon's cell.
int TriaALaTaula(QDialog* taula, const QString& codo) {
  taula->show();
  auto* graella = Fill<QTableWidget>(taula, "SGTaula");
  const unsigned index = RBGlobal::IndexCodo(codo.toStdString());
  graella->setCurrentCell(TaulaCodi::FilaCodo(index), TaulaCodi::ColumnaCodo(index));
  QTest::keyClick(graella, Qt::Key_Return);
  taula->hide();
  return taula->result();
}

// How the options dialog is answered while the exercise is open.
std::function<int(QDialog*)> RespostaOpcions;

// Opens the exercise from a menu item or tool button and runs `accio`
// while it is on screen; the code table picks `*codo` when asked.
void Obre(const char* comanda, const Accio& accio, const QString* codo = nullptr) {
  Entorn::RespostaModal([&](QDialog* d) {
    if (d == FTaula) return codo ? TriaALaTaula(d, *codo) : int(QDialog::Rejected);
    if (d == FOpcionsSintesiProteines) return RespostaOpcions(d);
    d->setWindowModality(Qt::ApplicationModal);
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
}

void Tic() { QVERIFY(QMetaObject::invokeMethod(FSintProt, "Timer1Timer")); }
int AcabaMoviment() {
  int tics = 0;
  while (Timer1()->isActive() && tics < 100) {
    Tic();
    ++tics;
  }
  return tics;
}

void Tecleja(QDialog* d, const QString& lletres) {
  for (QChar c : lletres) QTest::keyClick(d, c.toLatin1());
}

}  // namespace

class TestSintProt : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() {
    Entorn::Reinicia();
    RBGlobal::Sembra(17);
    FSintProt->PosaOpcions(OpcionsDelsItems(0, 1));
  }
  void cleanup() { Ajuda::Finestra()->hide(); }

  void opensFromItsCommandsOnAFreshExercise_data() {
    QTest::addColumn<QString>("comanda");
    QTest::newRow("menu") << "MExercicisTraduccio";
    QTest::newRow("boto") << "SBTraduccio";
  }
  void opensFromItsCommandsOnAFreshExercise() {
    QFETCH(QString, comanda);
    Obre(qPrintable(comanda), [](QDialog* d) {
      QCOMPARE(d->windowTitle(), QStringLiteral("Exercici de síntesi de proteïnes"));
      QCOMPARE(d->size(), QSize(634, 394));
      QCOMPARE(Timer1()->interval(), 120);
      QCOMPARE(Text("LbNomFase"), QStringLiteral("Fase d'iniciació"));
      QCOMPARE(Text("LbInstruccions"), QStringLiteral("Introdueix l'anticodó de l'RNAt."));
      QCOMPARE(Codo(13), QStringLiteral("AUG"));
      QCOMPARE(Fons("STRNAm13"), QColor(Qt::yellow));
      QCOMPARE(Fons("STRNAt11"), QColor(Qt::yellow));
      QVERIFY(!Etiqueta("LbErrorsAa")->isVisible());
      QCOMPARE(Text("LbErrorsAnticodo"), QStringLiteral("Anticodons: 0"));
      QVERIFY(!Selector()->isVisible());
      QCOMPARE(Estat(), QStringLiteral("+++++++|++++"));
      QCOMPARE(Etiqueta("STRNAt11")->pos(), QPoint(528, 136));
      for (int d = 1; d <= 9; ++d) QVERIFY(!Etiqueta(Cella("STAminoacid", d))->isVisible());
      QTest::keyClick(d, Qt::Key_F1);
      QCOMPARE(Ajuda::Finestra()->TemaActual(), 140);
    });
    QCOMPARE(Entorn::DialegsMostrats().first(), QStringLiteral("FSintProt"));
  }

  // Anticodons by keyboard, amino acids from the table, one mistake of each.
  void aStudentTranslatesToTheReleaseOfTheChain() {
    FSintProt->PosaOpcions(OpcionsDelsItems(2, 0));
    QString codo;
    QStringList cadena;
    Obre(
        "MExercicisTraduccio",
        [&](QDialog* d) {
          QVERIFY(Etiqueta("LbErrorsAa")->isVisible());
          const QString anticodo = Anticodo(Codo(13));
          const Qt::Key errada = anticodo[0] == 'A' ? Qt::Key_G : Qt::Key_A;
          QVERIFY(Entorn::Alt(d, errada));
          QCOMPARE(Lletra("STRNAt11"), QColor(Qt::red));
          QCOMPARE(Fons("STRNAt11"), QColor(Qt::yellow));
          QCOMPARE(Text("LbErrorsAnticodo"), QStringLiteral("Anticodons: 1"));
          QTest::keyClick(d, anticodo[0].toLatin1(), Qt::ShiftModifier);  // a capital
          Tecleja(d, anticodo.mid(1));
          QCOMPARE(Lletra("STRNAt11"), d->palette().color(QPalette::WindowText));
          QCOMPARE(Text("LbInstruccions"),
                   QStringLiteral("Introdueix l'aminoàcid que s'incorporarà."));
          QCOMPARE(Fons("STAaRNAt1"), QColor(Qt::yellow));
          QCOMPARE(Estat(), QStringLiteral("+++++++|xxxx"));
          codo = QStringLiteral("UAA");
          Selector()->click();
          QCOMPARE(Text("STAaRNAt1"), QStringLiteral("Fi"));
          QCOMPARE(Lletra("STAaRNAt1"), QColor(Qt::red));
          QCOMPARE(Text("LbErrorsAa"), QStringLiteral("Aminoàcids: 1"));
          codo = QStringLiteral("AUG");
          QTest::keyClick(d, Qt::Key_T, Qt::AltModifier);
          QTRY_COMPARE(Text("STAaRNAt1"), QStringLiteral("Met"));
          QVERIFY(!Selector()->isVisible());
          QCOMPARE(AcabaMoviment(), 30);
          cadena << Text("STAminoacid1");
          QCOMPARE(Text("LbNomFase"), QStringLiteral("Fase d'elongació"));
          Tecleja(d, Anticodo(Codo(16)));
          codo = Codo(16);
          Selector()->click();
          cadena << Text("STAaRNAt2");
          AcabaMoviment();
          QCOMPARE(Text("LbNomFase"), QStringLiteral("Fase de finalització"));
          QVERIFY(Selector()->isVisible());
          codo = Codo(16) == "UGA" ? QStringLiteral("UAG") : QStringLiteral("UGA");
          Selector()->click();
          QCOMPARE(AcabaMoviment(), 21);
          QCOMPARE(Text("LbNomFase"), QStringLiteral("Final de la síntesi de proteïnes"));
          QCOMPARE(Text("STAminoacid1") + Text("STAminoacid2"), cadena.join(QString()));
          QCOMPARE(Etiqueta("STAminoacid2")->pos(), QPoint(296, 48));
          QVERIFY(!Etiqueta("STAminoacid3")->isVisible());
          QCOMPARE(Text("LbErrorsAa"), QStringLiteral("Aminoàcids: 1"));
          QCOMPARE(Estat(), QStringLiteral("+++++++|xxxx"));
          QVERIFY(Entorn::DialegsMostrats().count(QStringLiteral("FTaula")) == 4);
        },
        &codo);
    QCOMPARE(cadena.first(), QStringLiteral("Met"));
  }

  // Played from the keyboard: after each letter, each pick and each step of
  // a move the focus is on the base buttons or the picker, never pushed onto
  // Tornem-hi, Un altre, Opcions or Tancar, and screen readers are told the
  // cell asked for next.
  void keyboardPlayKeepsTheFocusOffTheEndButtons_data() {
    QTest::addColumn<int>("demanat");
    QTest::newRow("anticodons") << 0;
    QTest::newRow("anticodons i aminoàcids") << 2;
  }
  void keyboardPlayKeepsTheFocusOffTheEndButtons() {
    QFETCH(int, demanat);
    FSintProt->PosaOpcions(OpcionsDelsItems(demanat, 0));
    QString codo;
    Obre(
        "MExercicisTraduccio",
        [&](QDialog* d) {
          QStringList finals;
          for (const char* nom : {"BtRepetir", "BtUnAltre", "BtOpcions", "BtTancar"})
            finals << QString::fromLatin1(nom);
          auto comprova = [&](const QString& quan) {
            QWidget* f = d->focusWidget();
            if (f && finals.contains(f->objectName())) QFAIL(qPrintable(quan + ": " + f->objectName()));
            if (Boto("BAdenina")->isEnabled()) QCOMPARE(f, static_cast<QWidget*>(Boto("BAdenina")));
            if (Selector()->isVisible()) QCOMPARE(f, static_cast<QWidget*>(Selector()));
          };
          Boto("BAdenina")->setFocus(Qt::TabFocusReason);
          for (int primera = 13, pas = 0; pas < 1000; ++pas) {
            comprova(QStringLiteral("pas %1").arg(pas));
            if (Timer1()->isActive()) {
              Tic();
            } else if (Boto("BAdenina")->isEnabled()) {
              QCOMPARE(Teclat::CellaAnunciada(d)->objectName().left(6), QStringLiteral("STRNAt"));
              Tecleja(d, Anticodo(Codo(primera)));
            } else if (Selector()->isVisible()) {
              codo = Codo(primera);
              QTest::keyClick(Selector(), Qt::Key_Space);
              primera = 16;  // the messenger moves on under the ribosome
            } else {
              break;
            }
          }
          QVERIFY(!Timer1()->isActive());
        },
        &codo);
  }

  // Through whole runs, at every step of every move: the chain never covers
  // the P site's letter, the end markers of two tRNAs never meet ("3'5'"),
  // and nothing that moves passes over the large subunit's name.
  void theSceneKeepsItsLettersClearAtEveryStep() {
    using namespace SintesiProteines;
    using T = TFSintProt::TFigura::Tipus;
    for (unsigned llavor = 1; llavor <= 12; ++llavor) {
      RBGlobal::Sembra(llavor);
      TExercici e;
      e.PosaOpcions(OpcionsDelsItems(2, static_cast<int>(llavor % 3)));
      e.NouExercici();
      for (int pas = 0; pas < 3000; ++pas) {
        const auto figures = TFSintProt::Figures(e);
        auto sobre = [&](T tipus, auto&& altra) {
          for (const auto& f : figures)
            if (f.tipus == tipus)
              for (const auto& g : figures)
                if (&f != &g && altra(g) && f.lloc.intersects(g.lloc))
                  return QStringLiteral("fase %1: %2,%3 sota %4,%5")
                      .arg(e.Fase())
                      .arg(f.lloc.x())
                      .arg(f.lloc.y())
                      .arg(g.lloc.x())
                      .arg(g.lloc.y());
          return QString();
        };
        const QString p = sobre(T::LletraP, [](const auto& g) { return g.tipus == T::Residu; });
        QVERIFY2(p.isEmpty(), qPrintable(QStringLiteral("P: ") + p));
        const QString m = sobre(T::Marcador3, [&](const auto& g) {
          return (g.tipus == T::Marcador5 || g.tipus == T::Marcador3) && g.rnat != 0;
        });
        QVERIFY2(m.isEmpty(), qPrintable(QStringLiteral("marcadors: ") + m));
        const QString n = sobre(T::NomSubunitat, [](const auto& g) { return g.rnat != 0 || g.tipus == T::Factor; });
        QVERIFY2(n.isEmpty(), qPrintable(QStringLiteral("nom: ") + n));
        if (e.Fase() == 12) break;
        switch (e.EsperaAra()) {
          case Espera::Anticodo:
            e.EntraLletra(e.RNAt(e.RNAtActual()).Anticodo.at(e.PosicioAnticodo() - 1u));
            break;
          case Espera::Aminoacid: e.TriaAminoacid(e.Fase() == 2 ? e.CodoP() : e.CodoA()); break;
          case Espera::Moviment: e.Tic(); break;
          case Espera::Res: QFAIL("the exercise waits for nothing before its end");
        }
      }
      QCOMPARE(e.Fase(), 12);
      QVERIFY(e.NombreAminoacids() >= 2);
    }
  }

  // While a tRNA moves nothing answers, by mouse or by key; its cells and
  // label move with it; closing stops the move and the next opening is new.
  void aMoveLocksTheWindowUntilItEnds() {
    Obre("SBTraduccio", [](QDialog* d) {
      Tecleja(d, Anticodo(Codo(13)));
      QVERIFY(Timer1()->isActive());
      QCOMPARE(Estat(), QStringLiteral("xxxxxxx|xxxx"));
      QCOMPARE(d->cursor().shape(), Qt::WaitCursor);
      Tic();
      QCOMPARE(Etiqueta("STRNAt11")->pos(), QPoint(520, 137));
      QCOMPARE(Etiqueta("STAaRNAt1")->pos(), QPoint(558, 25));
      QVERIFY(!Entorn::Alt(d, Qt::Key_A, 600));
      QVERIFY(!Entorn::Alt(d, Qt::Key_I, 600));
      QTest::keyClick(d, Qt::Key_F1);
      QVERIFY(!Ajuda::Finestra()->isVisible());
      Boto("BtUnAltre")->click();
      QCOMPARE(Text("LbNomFase"), QStringLiteral("Fase d'iniciació"));
      AcabaMoviment();  // the real timer may have ticked while keys were awaited
      QCOMPARE(Etiqueta("STRNAt11")->pos(), QPoint(288, 180));
      QCOMPARE(Estat(), QStringLiteral("+++++++|++++"));
      QCOMPARE(d->cursor().shape(), Qt::ArrowCursor);
      Tecleja(d, Anticodo(Codo(16)));
      Tic();
      QVERIFY(Timer1()->isActive());
      d->close();
      QVERIFY(!Timer1()->isActive());
    });
    Obre("SBTraduccio", [](QDialog*) {
      QCOMPARE(Text("LbNomFase"), QStringLiteral("Fase d'iniciació"));
      QVERIFY(!Timer1()->isActive());
      QCOMPARE(Estat(), QStringLiteral("+++++++|++++"));
      QVERIFY(!Etiqueta("STRNAt21")->isVisible());
    });
  }

  void restartKeepsTheMessengerAndAnotherDrawsANewOne() {
    Obre("MExercicisTraduccio", [](QDialog* d) {
      QString rnam;
      for (int i = 1; i <= 26; ++i) rnam += Text(Cella("STRNAm", i));
      QVERIFY(Entorn::Alt(d, Anticodo(Codo(13))[0] == 'A' ? Qt::Key_G : Qt::Key_A));
      Boto("BtRepetir")->click();
      QCOMPARE(Text("LbErrorsAnticodo"), QStringLiteral("Anticodons: 0"));
      QCOMPARE(Text("STRNAt11"), QStringLiteral(" "));
      QString igual;
      for (int i = 1; i <= 26; ++i) igual += Text(Cella("STRNAm", i));
      QCOMPARE(igual, rnam);
      Boto("BtUnAltre")->click();
      QString altre;
      for (int i = 1; i <= 26; ++i) altre += Text(Cella("STRNAm", i));
      QVERIFY(altre != rnam);
    });
  }

  void optionsShowTheSettingsAndWriteThemOnlyOnOk() {
    auto* opcions = FOpcionsSintesiProteines;
    auto* demanar = Fill<TGrupOpcions>(opcions, "RGQueEsDemana");
    auto* codons = Fill<TGrupOpcions>(opcions, "RGNombreCodons");
    QCOMPARE(opcions->windowTitle(), QStringLiteral("Opcions de la síntesi de proteines"));
    QCOMPARE(codons->title(), QStringLiteral("Nombre de codons a traduir"));
    QCOMPARE(codons->Item(4)->text(), QStringLiteral("Aleatori ( 5 -10)"));
    int resposta = QDialog::Accepted;
    QList<int> vistos;  // the items shown on opening, and the help topic
    Entorn::RespostaModal([&](QDialog* d) {
      d->show();
      Fill<QPushButton>(d, "BtAjuda")->click();
      vistos << demanar->ItemIndex() << codons->ItemIndex() << Ajuda::Finestra()->TemaActual();
      demanar->Item(1)->click();
      codons->Item(5)->click();
      Fill<QPushButton>(d, resposta == QDialog::Accepted ? "BtDAcord" : "BtCancellar")->click();
      d->hide();
      return d->result();
    });
    resposta = QDialog::Rejected;
    Fill<QAction>(FPrincipal, "MExercicisOpcionsTraduccio")->trigger();
    QCOMPARE(FSintProt->Opcions(), OpcionsDelsItems(0, 1));
    resposta = QDialog::Accepted;
    Fill<QAction>(FPrincipal, "MExercicisOpcionsTraduccio")->trigger();
    QCOMPARE(FSintProt->Opcions(), OpcionsDelsItems(1, 5));
    Entorn::RespostaModal({});
    QCOMPARE(vistos, (QList<int>{0, 1, 227, 0, 1, 227}));
    // Two columns: the random counts stand beside the fixed ones.
    QVERIFY(codons->Item(3)->x() > codons->Item(0)->x());
    QCOMPARE(codons->Item(3)->y(), codons->Item(0)->y());
  }

  // From the exercise, accepted options start a new messenger at once.
  void optionsFromTheExerciseStartANewMessenger() {
    Obre("MExercicisTraduccio", [](QDialog*) {
      RespostaOpcions = [](QDialog* d) {
        d->show();
        Fill<TGrupOpcions>(d, "RGQueEsDemana")->Item(1)->click();
        Fill<QPushButton>(d, "BtDAcord")->click();
        return d->result();
      };
      Boto("BtOpcions")->click();
      QVERIFY(Etiqueta("LbErrorsAa")->isVisible());
      QVERIFY(!Etiqueta("LbErrorsAnticodo")->isVisible());
      QVERIFY(Selector()->isVisible());
      QCOMPARE(Text("STRNAt11") + Text("STRNAt12") + Text("STRNAt13"), QStringLiteral("UAC"));
      QCOMPARE(Estat(), QStringLiteral("+++++++|xxxx"));
    });
  }
};

QTEST_MAIN(TestSintProt)
#include "tst_sintprot.moc"
