// The random copolymer builder as a student uses it.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "experiments/Copolim.h"
#include "experiments/Freqcopo.h"
#include "helpers/Entorn.h"
#include "platform/Ajuda.h"

using namespace RBGlobal;
using Entorn::Fill;

class TestCopolim : public QObject {
  Q_OBJECT

  bool Visible(const char* nom) { return Fill<QWidget>(FCopolim, nom)->isVisible(); }
  void Prem(const char* nom) {
    auto* b = Fill<QPushButton>(FCopolim, nom);
    QVERIFY2(b->isVisible() && b->isEnabled(), nom);
    b->click();
  }
  void Marca(const char* nom, bool marcat) {
    auto* cb = Fill<QCheckBox>(FCopolim, nom);
    if (cb->isChecked() != marcat) cb->click();
  }
  void Tria(bool a, bool g, bool c, bool u) {
    Marca("CBA", a);
    Marca("CBG", g);
    Marca("CBC", c);
    Marca("CBU", u);
  }
  void Spin(int k, bool amunt, int vegades = 1) {
    auto* spin = Fill<QWidget>(FCopolim, QByteArray("SB").append(char('0' + k)).constData());
    auto* b = Fill<QToolButton>(spin, amunt ? "Amunt" : "Avall");
    for (int i = 0; i < vegades; ++i) b->click();
  }
  QString Indicadors() {
    QStringList t;
    for (const char* g : {"Gauge0", "Gauge1", "Gauge2"}) t << Fill<QProgressBar>(FCopolim, g)->text();
    return t.join(QLatin1Char(' '));
  }
  void Reobre() {
    FCopolim->hide();
    FCopolim->show();
  }

 private slots:
  void initTestCase() {
    Entorn::Prepara();
    Sembra(9);
  }
  void init() {
    Reobre();
    for (const char* f : {"CBFix0", "CBFix1", "CBFix2"}) Fill<QCheckBox>(FCopolim, f)->setChecked(false);
  }
  void cleanup() { FCopolim->hide(); }

  // The frequencies follow the spin buttons while open, and go with the
  // proportions when the student starts again or closes the builder.
  void frequenciesFollowTheProportions() {
    Tria(true, false, false, true);
    Prem("BtDAcord");
    Prem("BtFrequencies");
    QVERIFY(FFreqTriplets->isVisible());
    auto* llista = Fill<QTreeWidget>(FFreqTriplets, "TWTriplets");
    auto fila = [llista](int i) {
      QStringList t;
      for (int col = 0; col < 4; ++col) t << llista->topLevelItem(i)->text(col);
      return t.join(QLatin1Char('|'));
    };
    QCOMPARE(llista->topLevelItemCount(), 4);
    QCOMPARE(fila(0), QStringLiteral("2 A + 1 U|AAU AUA UAA|12,5 %|37,5 %"));
    QCOMPARE(fila(3), QStringLiteral("3 U|UUU|12,5 %|12,5 %"));
    Spin(0, false, 25);  // 25 % A, 75 % U
    QCOMPARE(fila(0), QStringLiteral("3 U|UUU|42,2 %|42,2 %"));
    QCOMPARE(fila(3), QStringLiteral("3 A|AAA|1,6 %|1,6 %"));
    Prem("BtPolimeritzar");
    Prem("BtUnAltre");
    QVERIFY(!FFreqTriplets->isVisible());
    Prem("BtDAcord");
    Prem("BtFrequencies");
    FCopolim->hide();
    QVERIFY(!FFreqTriplets->isVisible());
  }

  void HelpOpensFromTheButtonAndF1() {
    QVERIFY(QTest::qWaitForWindowActive(FCopolim));
    QTest::keyClick(FCopolim, Qt::Key_F1);
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 23);
    Ajuda::MostraTema(50);
    Prem("BtAjuda");
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 23);
    Ajuda::Finestra()->hide();
  }

  void OkIsOfferedForTwoOrThreeNucleotides_data() {
    QTest::addColumn<QList<bool>>("ticks");
    QTest::addColumn<bool>("ofert");
    QTest::addRow("none") << QList<bool>{0, 0, 0, 0} << false;
    QTest::addRow("one") << QList<bool>{0, 1, 0, 0} << false;
    QTest::addRow("two") << QList<bool>{1, 0, 0, 1} << true;
    QTest::addRow("three") << QList<bool>{1, 1, 0, 1} << true;
    QTest::addRow("four") << QList<bool>{1, 1, 1, 1} << false;
  }
  void OkIsOfferedForTwoOrThreeNucleotides() {
    QFETCH(QList<bool>, ticks);
    QFETCH(bool, ofert);
    Tria(ticks[0], ticks[1], ticks[2], ticks[3]);
    QCOMPARE(Visible("BtDAcord"), ofert);
    Reobre();  // the ticks survive, and so does the rule
    QCOMPARE(Visible("BtDAcord"), ofert);
    QVERIFY(!Visible("GrProporcionsNucleotids") && !Visible("BtTraduir"));
  }

  void TwoNucleotidesMoveOnePointAtATime() {
    Tria(true, false, false, true);
    Prem("BtDAcord");
    QCOMPARE(Fill<QLabel>(FCopolim, "Lb0")->text(), QStringLiteral("A"));
    QCOMPARE(Fill<QLabel>(FCopolim, "Lb1")->text(), QStringLiteral("U"));
    QVERIFY(!Visible("Gauge2") && !Visible("CBFix0") && !Visible("SB2") && !Visible("GrNucleotids"));
    QCOMPARE(Indicadors(), QStringLiteral("50% 50% 0%"));
    Spin(0, false);
    QCOMPARE(Indicadors(), QStringLiteral("49% 51% 0%"));
    Spin(0, true, 60);
    QCOMPARE(Indicadors(), QStringLiteral("100% 0% 0%"));
    Prem("BtPolimeritzar");
    QCOMPARE(QString::fromStdString(DescripcioCopolimer), QStringLiteral("RNA aleatori amb: 100% A; 0% U; "));
    QCOMPARE(Fill<QLabel>(FCopolim, "LbRNAPolimer")->text(), QString::fromStdString(DescripcioCopolimer));
    for (const TCodo& c : CodonsCopolimer) QCOMPARE(QString::fromStdString(c), QStringLiteral("AAA"));
    QVERIFY(Visible("BtTraduir") && Visible("BtUnAltre") && !Visible("BtPolimeritzar"));
  }

  // Ticks of "Fix" left from three nucleotides do not freeze two.
  void HiddenFixBoxesDoNotCount() {
    Fill<QCheckBox>(FCopolim, "CBFix0")->setChecked(true);
    Tria(false, true, true, false);
    Prem("BtDAcord");
    Spin(1, true);
    QCOMPARE(Indicadors(), QStringLiteral("49% 51% 0%"));
  }

  void FixedProportionsStayPut() {
    Tria(true, true, true, false);
    Prem("BtDAcord");
    QCOMPARE(Indicadors(), QStringLiteral("34% 33% 33%"));
    QVERIFY(Visible("Gauge2") && Visible("CBFix2"));
    Fill<QCheckBox>(FCopolim, "CBFix1")->click();
    Spin(0, false);
    QCOMPARE(Indicadors(), QStringLiteral("33% 33% 34%"));
    Fill<QCheckBox>(FCopolim, "CBFix2")->click();
    for (int k = 0; k < 3; ++k) {
      Spin(k, true);
      Spin(k, false);
    }
    QCOMPARE(Indicadors(), QStringLiteral("33% 33% 34%"));
  }

  void AThirdBroughtToZeroIsNeitherDescribedNorDrawn() {
    Tria(false, true, true, true);
    Prem("BtDAcord");
    Spin(2, false, 40);
    QCOMPARE(Indicadors(), QStringLiteral("67% 33% 0%"));
    Prem("BtPolimeritzar");
    QCOMPARE(QString::fromStdString(DescripcioCopolimer), QStringLiteral("RNA aleatori amb: 67% G; 33% C; "));
    for (const TCodo& c : CodonsCopolimer) QVERIFY(c.find('U') == std::string::npos);
  }

  void AnotherKeepsTheTicksAndStartsFromTheChoice() {
    Tria(true, true, false, false);
    Prem("BtDAcord");
    Prem("BtPolimeritzar");
    Spin(0, true, 5);  // usable, but the copolymer is made
    QCOMPARE(QString::fromStdString(DescripcioCopolimer), QStringLiteral("RNA aleatori amb: 50% A; 50% G; "));
    Prem("BtUnAltre");
    QVERIFY(Visible("GrNucleotids") && Visible("LbInformacio") && Visible("BtDAcord"));
    QVERIFY(!Visible("GrProporcionsNucleotids") && !Visible("GrRNAPolimer") && !Visible("BtTraduir"));
    QVERIFY(Fill<QCheckBox>(FCopolim, "CBA")->isChecked() && Fill<QCheckBox>(FCopolim, "CBG")->isChecked());
    Prem("BtDAcord");
    QCOMPARE(Indicadors(), QStringLiteral("50% 50% 0%"));
    Prem("BtPolimeritzar");
    Prem("BtTraduir");
    QCOMPARE(FCopolim->result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(TestCopolim)
#include "tst_copolim.moc"
