// What every window owes a student: its caption alone in the title bar, the
// same size at every opening, and keys that do what their letters say.
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QtTest>

#include "experiments/Copolim.h"
#include "experiments/InfoRB.h"
#include "experiments/Polimer.h"
#include "experiments/Traduir.h"
#include "helpers/Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {
// Takes a builder to its last step, where "&Un altre" shows.
void Polimeritza(QDialog* constructor) {
  if (constructor == FCopolim)
    for (const char* nom : {"CBA", "CBU"}) Fill<QAbstractButton>(constructor, nom)->click();
  else
    Fill<QPushButton>(constructor, "BtA")->click();
  if (constructor == FCopolim) Fill<QPushButton>(constructor, "BtDAcord")->click();
  Fill<QPushButton>(constructor, "BtPolimeritzar")->click();
}
}  // namespace

class TestFinestres : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    for (QDialog* d : {static_cast<QDialog*>(FRNASint), static_cast<QDialog*>(FCopolim),
                       static_cast<QDialog*>(FTraduccio), static_cast<QDialog*>(FInfoDesxiframent)})
      d->hide();
  }
  void initTestCase() {
    Entorn::Prepara();
    EstatRecerca.TipusPartida = CodiLliure;
    IniciaRecerca();
  }

  // A display name would be added to every title ("RIBOLIA — Ribolia").
  void titlesAreTheCaptionsAlone() {
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    const std::pair<QWidget*, const char*> finestres[] = {
        {FPrincipal, "RIBOLIA"},
        {FRNASint, "Construcció d'un RNAm polímer"},
        {FCopolim, "Construcció d'un RNA copolímer a l'atzar"},
        {FInfoDesxiframent, "El desxiframent del codi genètic"}};
    for (const auto& [finestra, titol] : finestres)
      QCOMPARE(finestra->windowTitle(), QString::fromUtf8(titol));
  }

  // The builders, the translation and the history window hide and show
  // parts as the student goes on; the window itself never changes size.
  void windowsKeepTheirSizeFromOpeningToOpening_data() {
    QTest::addColumn<QDialog*>("finestra");
    QTest::newRow("FRNASint") << static_cast<QDialog*>(FRNASint);
    QTest::newRow("FCopolim") << static_cast<QDialog*>(FCopolim);
    QTest::newRow("FTraduccio") << static_cast<QDialog*>(FTraduccio);
    QTest::newRow("FInfoDesxiframent") << static_cast<QDialog*>(FInfoDesxiframent);
  }
  void windowsKeepTheirSizeFromOpeningToOpening() {
    QFETCH(QDialog*, finestra);
    ModeTraduccio = true;
    finestra->show();
    const QSize mida = finestra->size();
    QCOMPARE(finestra->minimumSize(), finestra->maximumSize());
    if (finestra == FRNASint || finestra == FCopolim) Polimeritza(finestra);
    if (finestra == FTraduccio) Fill<QPushButton>(finestra, "BtTraduir")->click();
    QCoreApplication::processEvents();
    QCOMPARE(finestra->size(), mida);
    finestra->hide();
    finestra->show();
    QCOMPARE(finestra->size(), mida);
  }

  // Alt+U is "&Un altre" while it shows, and help otherwise.
  void altUStartsAgainOrOpensHelp_data() {
    QTest::addColumn<QDialog*>("constructor");
    QTest::addColumn<int>("tema");
    QTest::addColumn<QString>("primerPas");
    QTest::newRow("FRNASint") << static_cast<QDialog*>(FRNASint) << 27 << "GrPolimeritzacio";
    QTest::newRow("FCopolim") << static_cast<QDialog*>(FCopolim) << 23 << "GrNucleotids";
  }
  void altUStartsAgainOrOpensHelp() {
    QFETCH(QDialog*, constructor);
    QFETCH(int, tema);
    QFETCH(QString, primerPas);
    constructor->show();
    QApplication::setActiveWindow(constructor);
    QVERIFY(QTest::qWaitForWindowActive(constructor));
    Polimeritza(constructor);
    QVERIFY(!Fill<QWidget>(constructor, qPrintable(primerPas))->isVisible());
    QTest::keyClick(constructor, Qt::Key_U, Qt::AltModifier);  // a mnemonic clicks after a blink
    QTRY_VERIFY(Fill<QWidget>(constructor, qPrintable(primerPas))->isVisible());
    QVERIFY(!Ajuda::Finestra()->isVisible());
    QTest::keyClick(constructor, Qt::Key_U, Qt::AltModifier);
    QTRY_VERIFY(Ajuda::Finestra()->isVisible());
    QCOMPARE(Ajuda::Finestra()->TemaActual(), tema);
    Ajuda::Finestra()->close();
  }
};

QTEST_MAIN(TestFinestres)
#include "tst_finestres.moc"
