// What every window owes a student: its caption alone in the title bar, the
// same size at every opening, and keys that do what their letters say.
#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

#include "exercises/OpcSinPr.h"
#include "exercises/OpcTauRs.h"
#include "experiments/Asscodo.h"
#include "experiments/Copolim.h"
#include "experiments/InfoRB.h"
#include "experiments/Polimer.h"
#include "experiments/Traduir.h"
#include "helpers/Entorn.h"
#include "mainwindow/Dades.h"
#include "mainwindow/Eleccio.h"
#include "mainwindow/Rbmain.h"
#include "mainwindow/Triaofer.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/GrupOpcions.h"

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

  // Tab enters a radio group on its checked choice, whichever was checked
  // last, and an arrow key checks the choice it reaches.
  void tabEntersARadioGroupOnItsCheckedChoice_data() {
    QTest::addColumn<QDialog*>("finestra");
    QTest::addColumn<QString>("grup");
    const std::pair<QDialog*, const char*> grups[] = {
        {FAssCodo, "RGAminoacids"},
        {FOpcionsSintesiProteines, "RGQueEsDemana"},
        {FOpcionsSintesiProteines, "RGNombreCodons"},
        {FOpcionsTaulaResum, "RGInformacioInicial"},
        {FOpcionsTaulaResum, "RGAminoacids"},
        {FEleccio, "RGTipusPartida"},
        {FEleccio, "RGTipusCodi"},
        {FDades, "RGGenere"},
        {FDades, "RGNivellEducatiu"},
        {FTriaOfertes, "RGCentres"}};
    for (const auto& [finestra, grup] : grups)
      QTest::addRow("%s.%s", qPrintable(finestra->objectName()), grup) << finestra << grup;
  }
  void tabEntersARadioGroupOnItsCheckedChoice() {
    QFETCH(QDialog*, finestra);
    QFETCH(QString, grup);
    finestra->show();
    QApplication::setActiveWindow(finestra);
    QVERIFY(QTest::qWaitForWindowActive(finestra));
    QCoreApplication::processEvents();  // choices filled in as it opens show next
    auto* caixa = Fill<QGroupBox>(finestra, qPrintable(grup));
    // Some groups show only after a choice in another.
    if (grup == QLatin1String("RGTipusCodi")) Fill<TGrupOpcions>(finestra, "RGTipusPartida")->Item(1)->click();
    if (finestra == FOpcionsTaulaResum && grup == QLatin1String("RGAminoacids"))
      Fill<TGrupOpcions>(finestra, "RGInformacioInicial")->Item(1)->click();
    QVERIFY2(caixa->isVisible(), qPrintable(grup));
    const QList<QRadioButton*> items = caixa->findChildren<QRadioButton*>();
    QVERIFY(items.size() >= 2);
    QButtonGroup* opcions = items.first()->group();
    // A choice checked by the program, then one by the student.
    items.last()->setChecked(true);
    items[items.size() - 2]->click();
    QAbstractButton* triat = opcions->checkedButton();
    finestra->findChildren<QPushButton*>().first()->setFocus();
    QWidget* entrada = nullptr;
    for (int i = 0; i < 80 && !entrada; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (opcions->buttons().contains(QApplication::focusWidget())) entrada = QApplication::focusWidget();
    }
    QCOMPARE(entrada, triat);
    for (Qt::Key tecla : {Qt::Key_Down, Qt::Key_Up}) {
      QTest::keyClick(QApplication::focusWidget(), tecla);
      QVERIFY2(QApplication::focusWidget() != entrada, qPrintable(QTest::toString(tecla)));
      QCOMPARE(opcions->checkedButton(), QApplication::focusWidget());
      entrada = QApplication::focusWidget();
    }
    finestra->hide();
  }

  // A group with nothing checked yet is entered on its first choice.
  void tabEntersAGroupWithNothingCheckedOnItsFirstChoice() {
    QDialog finestra;
    auto* abans = new QPushButton(QStringLiteral("Abans"), &finestra);
    auto* grup = new TGrupOpcions("RGProva", QStringLiteral("Prova"),
                                  {QStringLiteral("u"), QStringLiteral("dos"), QStringLiteral("tres")},
                                  &finestra);
    auto* capa = new QVBoxLayout(&finestra);
    capa->addWidget(abans);
    capa->addWidget(grup);
    finestra.show();
    QApplication::setActiveWindow(&finestra);
    QVERIFY(QTest::qWaitForWindowActive(&finestra));
    abans->setFocus();
    QTest::keyClick(abans, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), grup->Item(0));
    QCOMPARE(grup->ItemIndex(), -1);
    QSignalSpy clics(grup, &TGrupOpcions::Click);
    QTest::keyClick(grup->Item(0), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), grup->Item(1));
    QCOMPARE(grup->ItemIndex(), 1);
    QCOMPARE(clics.size(), 1);
  }
};

QTEST_MAIN(TestFinestres)
#include "tst_finestres.moc"
