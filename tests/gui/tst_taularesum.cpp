// The summary table as a student meets it: opened from the main window,
// filled by mouse and by keyboard, amino acids picked from the code table,
// graded, retried, and its options changed or left alone.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "Entorn.h"
#include "Parella.h"
#include "exercises/OpcTauRs.h"
#include "exercises/TaulaResum.h"
#include "experiments/Taula.h"
#include "mainwindow/Rbmain.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/GrupOpcions.h"

using Entorn::Fill;

namespace {

using Accio = std::function<void(QDialog*)>;
const QColor Groc(Qt::yellow), Vermell(Qt::red);

QDialog* W() { return FTaulaResum; }
QPushButton* Boto(const char* nom) { return Fill<QPushButton>(W(), nom); }
QComboBox* Combo(const QString& nom) { return Fill<QComboBox>(W(), qPrintable(nom)); }
QString Text(const char* nom) { return Fill<QLabel>(W(), nom)->text(); }
const char* const Prefix[4] = {"ST1DNA", "ST2DNA", "STRNAm", "STAnticodons"};
QLabel* Cela(int fila, int p) {
  return Fill<QLabel>(W(), qPrintable(QStringLiteral("%1%2").arg(Prefix[fila]).arg(p)));
}
QColor Fons(int fila, int p) { return Cela(fila, p)->palette().color(QPalette::Window); }
bool Vermella(int fila, int p) {
  return Cela(fila, p)->palette().color(QPalette::WindowText) == Vermell;
}
bool Donada(int fila, int p) { return Fons(fila, p) == W()->palette().color(QPalette::Button); }
void Clica(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

// Nested dialogs (code table, options) are answered by this while the
// window is open.
std::function<int(QDialog*)> Interior;

int Obre(const char* comanda, const Accio& accio) {
  int vegades = 0;
  Entorn::RespostaModal([&](QDialog* d) {
    if (d != W()) return Interior ? Interior(d) : int(QDialog::Rejected);
    ++vegades;
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
  return vegades;
}

// A student who knows the rules, reading only what the table gives in the
// whole-strand mode: the transcribed strand is the given DNA row.
struct TAlumne {
  int fila = 0;
  QString t;
  TAlumne() {
    fila = Donada(0, 10) ? 0 : 1;
    for (int p = 1; p <= 20; ++p) t += Cela(fila, p)->text().left(1);
  }
  bool EsquerraDreta() const { return t[0] == QLatin1Char('3'); }  // messenger 5' on the left
  int Posicio(int k, int j) const { return EsquerraDreta() ? 3 * k + j - 2 : 3 * k + 2 - j; }
  QString Codo(int k) const {
    QString c;
    for (int j = 1; j <= 3; ++j) c += QChar::fromLatin1(Parella(t[Posicio(k, j) - 1].toLatin1(), true));
    return c;
  }
  bool Stop(int k) const { return QStringList{"UAA", "UAG", "UGA"}.contains(Codo(k)); }
  // Slots in reading order up to the first stop.
  QList<int> Slots() const {
    QList<int> s;
    for (int n = 1; n <= 6; ++n) {
      s << (EsquerraDreta() ? n : 7 - n);
      if (Stop(s.last())) break;
    }
    return s;
  }
  char Esperat(int f, int p) const {
    const char b = t[p - 1].toLatin1();
    if (f == fila) return b;
    if (f < 2) return Parella(b, false);
    if (f == 2) return Parella(b, true);
    if (p == 1 || p == 20) return b;
    for (int k : Slots())
      if (Stop(k) && (EsquerraDreta() ? p >= Posicio(k, 1) : p <= Posicio(k, 1))) return ' ';
    return b == 'T' ? 'U' : b;
  }
};

QPushButton* BotoPer(char c) {
  switch (c) {
    case 'A': return Boto("BAdenina");
    case 'G': return Boto("BGuanina");
    case 'C': return Boto("BCitosina");
    case 'T': return Boto("BTimina");
    case 'U': return Boto("BUracil");
    case '5': return Boto("B5");
    case '3': return Boto("B3");
    default: return Boto("BEspai");
  }
}

Qt::Key Tecla(char c) {
  switch (c) {
    case 'A': return Qt::Key_A;
    case 'G': return Qt::Key_G;
    case 'C': return Qt::Key_C;
    case 'T': return Qt::Key_T;
    case 'U': return Qt::Key_U;
    case '5': return Qt::Key_5;
    case '3': return Qt::Key_3;
    default: return Qt::Key_Space;
  }
}

// Every codon through the picker, as the student clicks it in the code table.
void TriaAminoacids(const TAlumne& a) {
  for (int k : a.Slots()) {
    Interior = [&, k](QDialog* d) {
      if (d == FTaula) {
        CodoTriat = a.Codo(k).toStdString();
        CodoTriatOk = true;
      }
      return int(QDialog::Rejected);
    };
    Clica(Fill<QToolButton>(W(), qPrintable(QStringLiteral("SBAminoacid%1").arg(k))));
  }
  Interior = {};
  Combo(QStringLiteral("CBExtrem1"))->setCurrentIndex(a.EsquerraDreta() ? 0 : 1);
  Combo(QStringLiteral("CBExtrem2"))->setCurrentIndex(a.EsquerraDreta() ? 1 : 0);
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
    QCOMPARE(Obre(qPrintable(comanda),
                  [](QDialog* d) {
                    QCOMPARE(d->windowTitle(), QStringLiteral("Taula resum"));
                    QCOMPARE(d->size(), QSize(632, 361));
                    QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
                    QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors pendents: 0"));
                    QVERIFY(!Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
                    QVERIFY(Fill<QLabel>(W(), "LbDNA1")->isVisible());
                    QVERIFY(!Combo(QStringLiteral("CBDNA1"))->isVisible());
                    const TAlumne a;
                    QCOMPARE(Text(a.fila == 0 ? "LbDNA1" : "LbDNA2"), QStringLiteral("DNA transcrita"));
                    for (int p = 1; p <= 20; ++p) QVERIFY(Donada(a.fila, p));
                    QCOMPARE(Fons(1 - a.fila, 1), Groc);
                    QCOMPARE(Fons(1 - a.fila, 2), W()->palette().color(QPalette::Base));
                    QCOMPARE(Combo(QStringLiteral("CBAminoacid3"))->count(), 22);
                    QCOMPARE(Combo(QStringLiteral("CBAminoacid3"))->itemText(0), QStringLiteral("Fi"));
                    QCOMPARE(Fill<QToolButton>(W(), "SBAminoacid2")->toolTip(),
                             QStringLiteral("Clicar l'aminoàcid a la taula del codi genètic."));
                    QTest::keyClick(d, Qt::Key_F1);
                    QCOMPARE(Ajuda::Finestra()->TemaActual(), 130);
                    Ajuda::Finestra()->MostraContingut();
                    Clica(Boto("BtAjuda"));
                    QCOMPARE(Ajuda::Finestra()->TemaActual(), 130);
                  }),
             1);
    QCOMPARE(Entorn::DialegsMostrats().last(), QStringLiteral("FTaulaResum"));
  }

  // By mouse, with one wrong base and one wrong amino acid: both counters
  // move, the grade shows, the input locks; then a retry and another table.
  void studentFillsTheTableByMouse() {
    Obre("SBTaulaResum", [](QDialog*) {
      const TAlumne a;
      const int f = 1 - a.fila;
      Clica(Cela(f, 1));
      Clica(BotoPer(a.Esperat(f, 1) == '5' ? '3' : '5'));
      QVERIFY(Vermella(f, 1));
      QCOMPARE(Fons(f, 2), Groc);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 1"));
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors pendents: 1"));
      Clica(Donada(0, 1) ? Cela(0, 1) : Cela(1, 1));  // a given cell: the mark stays
      QCOMPARE(Fons(f, 2), Groc);
      Clica(Cela(f, 1));
      Clica(BotoPer(a.Esperat(f, 1)));
      QVERIFY(!Vermella(f, 1));
      QCOMPARE(Text("LbErrorsPendents"), QStringLiteral("Errors pendents: 0"));
      QComboBox* slot = Combo(QStringLiteral("CBAminoacid%1").arg(a.Slots().first()));
      slot->setCurrentIndex(8);  // Trp, never the first codon of this table
      QCOMPARE(slot->palette().color(QPalette::ButtonText), Vermell);
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 2"));
      for (int fila = 0; fila < 4; ++fila)
        for (int p = 1; p <= 20; ++p)
          if (!Donada(fila, p)) {
            Clica(Cela(fila, p));
            Clica(BotoPer(a.Esperat(fila, p)));
          }
      TriaAminoacids(a);
      QCOMPARE(slot->palette().color(QPalette::ButtonText), W()->palette().color(QPalette::ButtonText));
      QVERIFY(Fill<QLabel>(W(), "LbAvaluacio")->isVisible());
      QCOMPARE(Text("LbAvaluacio"), QStringLiteral("Ho has fet bastant bé."));
      QVERIFY(!Fill<QFrame>(W(), "PnErrorsPendents")->isVisible());
      QCOMPARE(EstatEntrada(), QStringLiteral("xxxxx+xx++"));
      QVERIFY(!slot->isEnabled() && !Combo(QStringLiteral("CBExtrem2"))->isEnabled());
      QVERIFY(!Fill<QToolButton>(W(), "SBAminoacid4")->isEnabled());
      QVERIFY(Fons(f, 20) != Groc);

      Clica(Boto("BtTornemhi"));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
      QCOMPARE(Cela(2, 10)->text(), QString());
      QCOMPARE(TAlumne().t, a.t);
      QCOMPARE(slot->currentText(), QStringLiteral(" "));
      QCOMPARE(EstatEntrada(), QStringLiteral("++++++++++"));
      Clica(Boto("BtUnAltre"));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 0"));
    });
  }

  // Bare letters and Alt mnemonics go through the base buttons once a cell
  // was clicked; a selector taking the focus stops them.
  void studentFillsTheTableByKeyboard() {
    Obre("MExercicisTaulaResum", [](QDialog* d) {
      const TAlumne a;
      const int f = 1 - a.fila;
      Clica(Cela(f, 1));
      QVERIFY(Boto("BEspai")->hasFocus());
      QTest::keyClick(d, Tecla(a.Esperat(f, 1)), Qt::AltModifier);
      QVERIFY(QTest::qWaitFor([&] { return Cela(f, 1)->text() != QString(); }, 2000));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_U);  // U in a DNA strand
      QVERIFY(Vermella(f, 2));
      Combo(QStringLiteral("CBExtrem1"))->setFocus();
      QVERIFY(Fons(f, 3) != Groc);
      QTest::keyClick(d, Qt::Key_A);
      QCOMPARE(Cela(f, 3)->text(), QString());
      Clica(Cela(a.fila, 5));  // a given cell: input into the old cell, unmarked
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
      QCOMPARE(Fons(f, 4), Groc);  // the blank went into cell 3, the next is marked
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // the messenger below
      QCOMPARE(Fons(2, 4), Groc);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
      QCOMPARE(Fons(2, 3), Groc);
      Clica(Cela(f, 2));
      for (int fila = 0; fila < 4; ++fila)
        for (int p = 1; p <= 20; ++p)
          if (!Donada(fila, p) && Cela(fila, p)->text().left(1) != QString(QChar::fromLatin1(a.Esperat(fila, p))).trimmed()) {
            Clica(Cela(fila, p));
            QTest::keyClick(QApplication::focusWidget(), Tecla(a.Esperat(fila, p)));
          }
      TriaAminoacids(a);
      QCOMPARE(Text("LbAvaluacio"), QStringLiteral("Ho has fet bastant bé."));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 1"));
    });
  }

  void pickerSetsFiForAStopAndNothingWhenClosed() {
    Obre("SBTaulaResum", [](QDialog*) {
      QComboBox* cb = Combo(QStringLiteral("CBAminoacid2"));
      Interior = [](QDialog*) {
        CodoTriat = "UGA";
        CodoTriatOk = true;
        return int(QDialog::Rejected);
      };
      Clica(Fill<QToolButton>(W(), "SBAminoacid2"));
      QCOMPARE(cb->currentText(), QStringLiteral("Fi"));
      Interior = [](QDialog*) {
        CodoTriatOk = false;
        return int(QDialog::Rejected);
      };
      Clica(Fill<QToolButton>(W(), "SBAminoacid2"));
      QCOMPARE(cb->currentText(), QStringLiteral("Fi"));
      Clica(Boto("BtVeureTaula"));
      QCOMPARE(Entorn::DialegsMostrats().mid(1), QStringList({"FTaula", "FTaula", "FTaula"}));
    });
  }

  // The options, from the window (a new table on OK) and from the menu; a
  // cancel changes nothing. The fragments mode names its DNA rows.
  void optionsAreConfirmedOrCancelled() {
    auto fragments = [](QDialog* d) {
      Fill<TGrupOpcions>(d, "RGInformacioInicial")->Item(1)->click();
      QVERIFY(Fill<TGrupOpcions>(d, "RGAminoacids")->isVisible());
      Fill<TGrupOpcions>(d, "RGAminoacids")->Item(3)->click();
    };
    Obre("SBTaulaResum", [&](QDialog*) {
      Interior = [&](QDialog* d) {
        return Opcions(d, [&] {
          fragments(d);
          Fill<QCheckBox>(d, "CBAUGInicial")->setChecked(false);
        }, "BtCancellar");
      };
      const QString abans = TAlumne().t;
      Clica(Boto("BtOpcions"));
      QCOMPARE(TAlumne().t, abans);
      QVERIFY(Fill<QLabel>(W(), "LbDNA1")->isVisible());
      Interior = [&](QDialog* d) { return Opcions(d, [&] { fragments(d); }, "BtDAcord"); };
      Clica(Boto("BtOpcions"));
      QComboBox *nom1 = Combo(QStringLiteral("CBDNA1")), *nom2 = Combo(QStringLiteral("CBDNA2"));
      QVERIFY(nom1->isVisible() && nom2->isVisible() && !Fill<QLabel>(W(), "LbDNA1")->isVisible());
      QCOMPARE(nom1->currentText(), QStringLiteral(" "));
      QComboBox* primer = nullptr;  // every slot up to the stop is given
      for (int k = 1; k <= 6; ++k) {
        QComboBox* cb = Combo(QStringLiteral("CBAminoacid%1").arg(k));
        if (cb->currentText() == QStringLiteral("Met")) primer = cb;
        QCOMPARE(Fill<QToolButton>(W(), qPrintable(QStringLiteral("SBAminoacid%1").arg(k)))->isEnabled(), cb->isEnabled());
      }
      QVERIFY(primer && !primer->isEnabled());
      nom1->setCurrentIndex(0);
      nom2->setCurrentIndex(0);  // both cannot be the transcribed strand
      QVERIFY((nom1->palette().color(QPalette::ButtonText) == Vermell) !=
              (nom2->palette().color(QPalette::ButtonText) == Vermell));
      QCOMPARE(Text("LbErrorsComesos"), QStringLiteral("Errors comesos: 1"));
    });
    QCOMPARE(FTaulaResum->LlegeixOpcions(), (TaulaResum::TOpcions{true, true, 3, 1, false}));
    // From the menu: shown as stored; the whole-strand mode hides the
    // amino-acid choice but keeps it.
    Entorn::RespostaModal([](QDialog* d) {
      return Opcions(d, [d] {
        QCOMPARE(Fill<TGrupOpcions>(d, "RGInformacioInicial")->ItemIndex(), 1);
        Fill<TGrupOpcions>(d, "RGInformacioInicial")->Item(0)->click();
        QVERIFY(!Fill<TGrupOpcions>(d, "RGAminoacids")->isVisible());
        Fill<QCheckBox>(d, "CBSTOPsInteriors")->setChecked(true);
      }, "BtDAcord");
    });
    FPrincipal->findChild<QAction*>(QStringLiteral("MExercicisOpcionsTaulaResum"))->trigger();
    Entorn::RespostaModal({});
    QCOMPARE(FTaulaResum->LlegeixOpcions(), (TaulaResum::TOpcions{true, true, 3, 0, true}));
    FTaulaResum->PosaOpcions(true, true, 0, 0, false);
  }

  void printingSavesTheWindowAsAPdf() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a printer would print for real");
    QTemporaryDir dir;
    const QString cami = dir.filePath(QStringLiteral("taula.pdf"));
    Obre("SBTaulaResum", [&](QDialog*) {
      Dialegs::InstallaManejadorFitxers([&](bool desar, const QString&) { return desar ? cami : QString(); });
      Clica(Boto("BtImprimir"));
      Dialegs::InstallaManejadorFitxers({});
      QVERIFY(QFile::exists(cami));
    });
  }
};

QTEST_MAIN(TestTaulaResum)
#include "tst_taularesum.moc"
