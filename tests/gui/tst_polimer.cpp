// The synthetic RNA builder as a student uses it.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "experiments/Polimer.h"
#include "helpers/Entorn.h"
#include "model/RBGlobal.h"
#include "model/Traduccio.h"
#include "platform/Ajuda.h"

using namespace RBGlobal;
using Entorn::Fill;

class TestPolimer : public QObject {
  Q_OBJECT

  QPushButton* Boto(const char* nom) { return Fill<QPushButton>(FRNASint, nom); }
  QString Text(const char* nom) { return Fill<QLabel>(FRNASint, nom)->text(); }
  bool Visible(const char* nom) { return Fill<QWidget>(FRNASint, nom)->isVisible(); }
  int BasesVisibles() {
    int n = 0;
    for (const char* b : {"BtA", "BtG", "BtC", "BtU"}) n += Visible(b) ? 1 : 0;
    return n;
  }
  // A click where the student can click: the button must be on show.
  void Prem(const char* nom) {
    QPushButton* b = Boto(nom);
    QVERIFY2(b->isVisible() && b->isEnabled(), nom);
    b->click();
  }
  void Obre(std::uint16_t maxBases) {
    EstatRecerca.MaxBasesOligo = maxBases;
    FRNASint->hide();
    FRNASint->show();
  }

 private slots:
  void initTestCase() {
    Entorn::Prepara();
    EstatRecerca.TipusPartida = CodiLliure;
    IniciaRecerca();
  }
  void cleanup() { FRNASint->hide(); }

  void OpeningOffersOnlyTheBases() {
    Obre(4);
    QCOMPARE(BasesVisibles(), 4);
    for (const char* nom : {"BtPolimeritzar", "BtEsborrar", "BtEsborrarAnterior", "BtTraduir",
                            "BtUnAltre", "GrRNAPolimer"})
      QVERIFY2(!Visible(nom), nom);
    QVERIFY(Visible("GrPolimeritzacio"));
    QCOMPARE(FRNASint->windowTitle(), QStringLiteral("Construcció d'un RNAm polímer"));
  }

  void HelpOpensFromTheButtonAndF1() {
    Obre(4);
    QVERIFY(QTest::qWaitForWindowActive(FRNASint));
    QTest::keyClick(FRNASint, Qt::Key_F1);
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 27);
    Ajuda::MostraTema(50);
    Prem("BtAjuda");
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 27);
    Ajuda::Finestra()->hide();
  }

  void TheOligonucleotideStopsAtTheLaboratorysLimit_data() {
    QTest::addColumn<int>("maxim");
    QTest::addColumn<QString>("esperat");
    QTest::addRow("1 base") << 1 << "A";
    QTest::addRow("3 bases") << 3 << "AGC";
    QTest::addRow("4 bases") << 4 << "AGCU";
    QTest::addRow("damaged limit") << 9 << "AGCU";
  }
  void TheOligonucleotideStopsAtTheLaboratorysLimit() {
    QFETCH(int, maxim);
    QFETCH(QString, esperat);
    Obre(std::uint16_t(maxim));
    for (const char* b : {"BtA", "BtG", "BtC", "BtU"}) {
      if (!Boto(b)->isVisible()) break;
      Prem(b);
    }
    QCOMPARE(Text("LbRNASintetic"), esperat);
    QCOMPARE(BasesVisibles(), 0);
    Prem("BtEsborrarAnterior");
    QCOMPARE(BasesVisibles(), 4);
    QCOMPARE(Text("LbRNASintetic"), esperat.chopped(1));
    QCOMPARE(Visible("BtPolimeritzar"), esperat.size() > 1);  // no letters: back to the start
  }

  void EveryOligonucleotideGivesFortyOneBases_data() {
    QTest::addColumn<QString>("oligo");
    QTest::addColumn<QString>("polimer");
    QTest::addRow("1") << "U" << QString(41, QLatin1Char('U'));
    QTest::addRow("2") << "UC" << QStringLiteral("UC").repeated(20) + "U";
    QTest::addRow("3") << "UCA" << QStringLiteral("UCA").repeated(13) + "UC";
    QTest::addRow("4") << "GAUC" << QStringLiteral("GAUC").repeated(10) + "G";
  }
  void EveryOligonucleotideGivesFortyOneBases() {
    QFETCH(QString, oligo);
    QFETCH(QString, polimer);
    Obre(4);
    for (QChar c : oligo) Prem(QByteArray("Bt").append(c.toLatin1()).constData());
    Prem("BtPolimeritzar");
    QCOMPARE(QString::fromStdString(RNAPolimer), polimer);
    QCOMPARE(Text("LbRNAPolimer"), polimer + QStringLiteral("..."));
    QCOMPARE(Text("LbRNASintetic"), oligo);
    QVERIFY(!Visible("GrPolimeritzacio"));
    QVERIFY(Visible("GrRNAPolimer") && Visible("BtTraduir") && Visible("BtUnAltre"));
    QVERIFY(Boto("BtTraduir")->isDefault());
  }

  void EraseAndAnotherStartAgain() {
    Obre(4);
    Prem("BtU");
    Prem("BtC");
    Prem("BtEsborrar");
    QCOMPARE(Text("LbRNASintetic"), QString());
    QVERIFY(!Visible("BtPolimeritzar"));
    Prem("BtA");
    Prem("BtPolimeritzar");
    Prem("BtUnAltre");
    QVERIFY(Visible("GrPolimeritzacio"));
    QCOMPARE(BasesVisibles(), 4);
    QVERIFY(!Visible("GrRNAPolimer") && !Visible("BtTraduir"));
    QVERIFY(RNAPolimer.empty() && Oligonucleotid.empty());
    Prem("BtA");
    FRNASint->hide();  // a later opening starts empty again
    FRNASint->show();
    QCOMPARE(Text("LbRNASintetic"), QString());
  }

  void TranslateAcceptsAndCancelRejects() {
    Obre(4);
    Prem("BtA");
    Prem("BtPolimeritzar");
    Prem("BtTraduir");
    QCOMPARE(FRNASint->result(), int(QDialog::Accepted));
    Obre(4);
    Prem("BtTancar");
    QCOMPARE(FRNASint->result(), int(QDialog::Rejected));
  }
};

QTEST_MAIN(TestPolimer)
#include "tst_polimer.moc"
