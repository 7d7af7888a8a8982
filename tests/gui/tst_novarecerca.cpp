// Starting a new research: the simulation-type, player-data and job-offers
// dialogs, the chain of the main window with each way of cancelling it, and
// the history window shown when a free research begins.
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "Entorn.h"
#include "experiments/InfoRB.h"
#include "mainwindow/Dades.h"
#include "mainwindow/Eleccio.h"
#include "mainwindow/Rbmain.h"
#include "mainwindow/Triaofer.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/GrupOpcions.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {

using Resposta = std::function<int(QDialog*)>;
using Entorn::Fes;

// Answers each dialog of the chain by name; a dialog not named is cancelled.
void Respon(QMap<QString, Resposta> respostes) {
  Entorn::DialegsMostrats().clear();
  Entorn::RespostaModal([respostes](QDialog* d) {
    const auto resposta = respostes.constFind(d->objectName());
    return resposta == respostes.constEnd() ? int(QDialog::Rejected) : (*resposta)(d);
  });
}

TGrupOpcions* Grup(QDialog* d, const char* nom) { return Fill<TGrupOpcions>(d, nom); }

void Clica(QDialog* d, const char* boto) { Fill<QPushButton>(d, boto)->click(); }

Resposta Tipus(int partida, int codi) {
  return Fes([=](QDialog* d) {
    Grup(d, "RGTipusPartida")->Item(partida)->click();
    Grup(d, "RGTipusCodi")->Item(codi)->click();
    Clica(d, "BtDAcord");
  });
}
const Resposta DAcord = Fes([](QDialog* d) { Clica(d, "BtDAcord"); });
const Resposta Cancellar = Fes([](QDialog* d) { Clica(d, "BtCancellar"); });

// A free research with one experiment logged: what a restart would lose.
void RecercaEnCurs() {
  EstatRecerca.TipusPartida = CodiLliure;
  EstatRecerca.TipusCodi = 1;
  IniciaRecerca();
  EstatRecerca.NombreExperiments = 1;
  EstatRecerca.PolimersExperiment[1].Posa("UUUUUU");
  EstatRecerca.Nom.Posa("Severo");
  FPrincipal->UpdateMenuItems();
  FPrincipal->ActualitzaInformacio();
}

// Starts a new research leaving the one on screen unsaved: a question
// about saving it is answered "No desar" and left out of the record.
void NovaRecerca() {
  Entorn::RespostesMissatges({QMessageBox::Discard});
  Fill<QToolButton>(FPrincipal, "SBNovaRecerca")->click();
  Entorn::RespostesMissatges({});
  Entorn::Missatges().removeIf(
      [](const QString& m) { return m.startsWith(QStringLiteral("La recerca ha canviat")); });
}

}  // namespace

class TestNovaRecerca : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() { Entorn::Reinicia(); }

  void theDialogsAreCreatedOnceInTheirPlace() {
    QStringList noms;
    for (QObject* fill : FPrincipal->children())
      if (qobject_cast<QDialog*>(fill) && !qobject_cast<TFAjuda*>(fill)) noms << fill->objectName();
    const int tria = noms.indexOf("FTriaOfertes");
    QVERIFY(tria > noms.indexOf("AboutBox"));
    QCOMPARE(noms.mid(tria, 3), QStringList({"FTriaOfertes", "FEleccio", "FDades"}));
    QCOMPARE(noms.count("FInfoDesxiframent"), 1);
    QCOMPARE(noms.indexOf("FInfoDesxiframent"), noms.size() - 2);
    QCOMPARE(noms.last(), QStringLiteral("FClasse"));  // the teacher's window, created last
  }

  // Runs first among the choices: the dialog as created.
  void codeTypeShowsOnlyForResearch() {
    TGrupOpcions* partida = Grup(FEleccio, "RGTipusPartida");
    TGrupOpcions* codi = Grup(FEleccio, "RGTipusCodi");
    QCOMPARE(partida->ItemIndex(), 0);
    QCOMPARE(codi->ItemIndex(), 0);
    QVERIFY(codi->isHidden());
    partida->Item(1)->click();
    QVERIFY(!codi->isHidden());
    partida->Item(2)->click();
    QVERIFY(!codi->isHidden());
    partida->Item(0)->click();
    QVERIFY(codi->isHidden());
  }

  void typeDialogWritesTypeAndCode_data() {
    QTest::addColumn<int>("partida");
    QTest::addColumn<int>("codi");
    QTest::addColumn<int>("tipusPartida");
    QTest::addColumn<int>("tipusCodi");
    QTest::newRow("flux, real") << 0 << 0 << 0 << 0;
    QTest::newRow("flux with Aleatori left selected") << 0 << 1 << 0 << 0;
    QTest::newRow("research, real") << 1 << 0 << 1 << 0;
    QTest::newRow("research, random") << 1 << 1 << 1 << 1;
    QTest::newRow("budget, real") << 2 << 0 << 2 << 0;
    QTest::newRow("budget, random") << 2 << 1 << 2 << 1;
  }
  void typeDialogWritesTypeAndCode() {
    QFETCH(int, partida);
    QFETCH(int, codi);
    EstatRecerca.TipusPartida = 2;
    EstatRecerca.TipusCodi = 1 - codi;
    QCOMPARE(Tipus(partida, codi)(FEleccio), int(QDialog::Accepted));
    QTEST(int(EstatRecerca.TipusPartida), "tipusPartida");
    QTEST(int(EstatRecerca.TipusCodi), "tipusCodi");
  }

  void typeDialogHelpOpensTopic267() {
    Ajuda::Finestra()->close();
    Fill<QPushButton>(FEleccio, "BtAjuda")->click();
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 267);
    QVERIFY(Entorn::Missatges().isEmpty());
    Ajuda::MostraTema(50);
    FEleccio->show();
    FEleccio->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FEleccio));
    QTest::keyClick(FEleccio, Qt::Key_F1);
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 267);
    Ajuda::Finestra()->close();
    FEleccio->reject();
  }

  void playerDialogStoresNameGenderAndLevel() {
    QCOMPARE(Grup(FDades, "RGGenere")->ItemIndex(), 0);
    auto* nom = Fill<QLineEdit>(FDades, "ENom");
    FDades->show();
    FDades->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(FDades));
    QVERIFY(nom->hasFocus());
    nom->clear();
    QTest::keyClicks(nom, QStringLiteral("Rosalind Elsie Frankl"));  // 21 characters
    QCOMPARE(nom->text().size(), 20);
    Grup(FDades, "RGGenere")->Item(1)->click();
    Grup(FDades, "RGNivellEducatiu")->Item(1)->click();
    EstatRecerca.Nom.Posa(std::string(20, 'z'));
    Clica(FDades, "BtDAcord");
    QCOMPARE(FDades->result(), int(QDialog::Accepted));
    QCOMPARE(EstatRecerca.Nom.Text(), std::string("Rosalind Elsie Frank"));
    QVERIFY(EstatRecerca.Genere);
    QCOMPARE(EstatRecerca.NivellEducatiu, 1);
    nom->setText(QStringLiteral("Núria Vilaró"));  // kept in Windows-1252
    Grup(FDades, "RGGenere")->Item(0)->click();
    DAcord(FDades);
    QCOMPARE(EstatRecerca.Nom.Text(), std::string("N\xFAria Vilar\xF3"));
    nom->setText(QString());
    DAcord(FDades);
    QCOMPARE(EstatRecerca.Nom.Text(), std::string());
    QVERIFY(!EstatRecerca.Genere);
  }

  void offersShowOneCentreOfEachTierFreshEachTime() {
    TGrupOpcions* centres = Grup(FTriaOfertes, "RGCentres");
    for (int vegada = 0; vegada < 20; ++vegada) {
      FTriaOfertes->show();
      QCOMPARE(centres->NombreItems(), 5);
      QCOMPARE(centres->ItemIndex(), 0);
      for (int fila = 0; fila < 5; ++fila) {
        QStringList noms;
        for (const char* n : OfertesCentres[fila].Noms) noms << QString::fromUtf8(n);
        QVERIFY2(noms.contains(centres->Item(fila)->text()),
                 qPrintable(centres->Item(fila)->text()));
      }
      centres->Item(3)->click();
      FTriaOfertes->hide();
    }
  }

  void acceptingAnOfferStoresItsTierAndVariant() {
    FTriaOfertes->show();
    TGrupOpcions* centres = Grup(FTriaOfertes, "RGCentres");
    centres->Item(3)->click();
    const QString nom = centres->Item(3)->text();
    Clica(FTriaOfertes, "BtDAcord");
    QCOMPARE(EstatRecerca.Centre, 3);
    QCOMPARE(QString::fromUtf8(OfertesCentres[3].Noms[EstatRecerca.Oferta]), nom);
  }

  void freeResearchStartsAndShowsTheHistory() {
    EstatRecerca = TEstatRecerca{};
    IniciaRecerca();
    Respon({{"FEleccio", Tipus(1, 1)}, {"FDades", DAcord}, {"FInfoDesxiframent", DAcord}});
    NovaRecerca();
    QCOMPARE(Entorn::DialegsMostrats(), QStringList({"FEleccio", "FDades", "FInfoDesxiframent"}));
    QCOMPARE(EstatRecerca.TipusPartida, CodiLliure);
    QCOMPARE(EstatRecerca.TipusCodi, 1);
    QVERIFY(EstatRecerca.CodiAmagat != CodiEstandard);
    QCOMPARE(EstatRecerca.Diners, 0);
    QVERIFY(Fill<QAction>(FPrincipal, "MDesarRecerca")->isEnabled());
    QVERIFY(!Fill<QAction>(FPrincipal, "MExercicis")->isEnabled());
  }

  void exercisesStartWithoutTheHistory() {
    RecercaEnCurs();
    Respon({{"FEleccio", Tipus(0, 1)}, {"FDades", DAcord}, {"FInfoDesxiframent", DAcord}});
    NovaRecerca();
    QCOMPARE(Entorn::DialegsMostrats(), QStringList({"FEleccio", "FDades"}));
    QCOMPARE(EstatRecerca.TipusPartida, FluxInformacio);
    QCOMPARE(EstatRecerca.TipusCodi, 0);
    QCOMPARE(EstatRecerca.CodiAmagat, CodiEstandard);
    QCOMPARE(EstatRecerca.NombreExperiments, 0);
    QVERIFY(!Fill<QAction>(FPrincipal, "MDesarRecerca")->isEnabled());
  }

  // The third choice starts the game with a budget: the offers, then the history.
  void aGameTakesTheAcceptedOffer() {
    RecercaEnCurs();
    Respon({{"FEleccio", Tipus(2, 0)}, {"FDades", DAcord}, {"FTriaOfertes", DAcord}});
    NovaRecerca();
    QCOMPARE(Entorn::DialegsMostrats(),
             QStringList({"FEleccio", "FDades", "FTriaOfertes", "FInfoDesxiframent"}));
    QCOMPARE(EstatRecerca.TipusPartida, JocPressupost);
    QCOMPARE(EstatRecerca.Centre, 0);
    QCOMPARE(EstatRecerca.Diners, 100000);
    QCOMPARE(EstatRecerca.Ingressos, 10000);
    QCOMPARE(EstatRecerca.ProvetesMes, 20);
    QVERIFY(!Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral")->isHidden());
  }

  // Whatever dialog is cancelled and however, the research stays as it was
  // to the last byte, the menus too, and no history is shown.
  void cancellingTheChainChangesNothing_data() {
    QTest::addColumn<QString>("dialeg");
    QTest::addColumn<QString>("com");
    for (const char* dialeg : {"FEleccio", "FDades", "FTriaOfertes"})
      for (const char* com : {"boto", "escape", "tancar"})
        QTest::addRow("%s %s", dialeg, com) << dialeg << com;
  }
  void cancellingTheChainChangesNothing() {
    QFETCH(QString, dialeg);
    QFETCH(QString, com);
    const Resposta cancella = Fes([com](QDialog* d) {
      if (com == "boto")
        Clica(d, "BtCancellar");
      else if (com == "escape")
        QTest::keyClick(d, Qt::Key_Escape);
      else
        d->close();
    });
    RecercaEnCurs();
    const TImatge abans = CodificaEstat(EstatRecerca);
    // Each dialog before the cancelled one says OK, having written its choice.
    const Resposta joc = Fes([](QDialog* d) {
      Clica(d, "BtDAcord");
      EstatRecerca.TipusPartida = JocPressupost;
    });
    Respon({{"FEleccio", dialeg == "FEleccio" ? cancella
                         : dialeg == "FDades" ? Tipus(0, 0)
                                              : joc},
            {"FDades", dialeg == "FDades" ? cancella : DAcord},
            {"FTriaOfertes", cancella},
            {"FInfoDesxiframent", DAcord}});
    FDades->show();
    Fill<QLineEdit>(FDades, "ENom")->setText(QStringLiteral("Una altra"));
    FDades->hide();
    NovaRecerca();
    QCOMPARE(Entorn::DialegsMostrats().last(), dialeg);
    QVERIFY(!Entorn::DialegsMostrats().contains("FInfoDesxiframent"));
    QVERIFY(CodificaEstat(EstatRecerca) == abans);
    QVERIFY(Fill<QAction>(FPrincipal, "MDesarRecerca")->isEnabled());
    QVERIFY(!Fill<QAction>(FPrincipal, "MExercicis")->isEnabled());
  }

  void historyWindowHoldsTheTextOf1961() {
    auto* memo = Fill<QPlainTextEdit>(FInfoDesxiframent, "Memo1");
    QVERIFY(memo->width() >= 513 && memo->height() >= 265);
    QCOMPARE(FInfoDesxiframent->size() - memo->size(), QSize(569 - 513, 376 - 265));
    FInfoDesxiframent->show();  // every line shows whole: nothing to scroll
    QVERIFY(QTest::qWaitForWindowExposed(FInfoDesxiframent));
    QCoreApplication::processEvents();
    QVERIFY(!memo->horizontalScrollBar()->isVisible());
    QVERIFY(!memo->verticalScrollBar()->isVisible());
    QVERIFY(Fill<QPushButton>(FInfoDesxiframent, "BtDAcord")->hasFocus());  // Enter closes
    FInfoDesxiframent->hide();
    QVERIFY(!memo->isReadOnly());
    QVERIFY(memo->font().pointSizeF() > FInfoDesxiframent->font().pointSizeF());
    const QStringList linies = memo->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(linies.size(), 16);
    const QMap<int, QString> donades{
        {2,
         "formular el model de la doble hèlix per a l'estructura del DNA, la biologia molecular "},
        {3, "ha fet enormes progressos:"},
        {5,
         "*Es coneixen els principals orgànuls i molècules implicats en la síntesi de proteïnes "},
        {6, "(ribosomes, RNA missatger i RNA de transferència)."},
        {7, "*Sembla clar que cada codó del RNA missatger, que indica un aminoàcid, és format "},
        {8, "per tres nucleòtids. Hi ha, doncs, 64 codons diferents per a 20 aminoàcids."},
        {10, "de composició coneguda."},
        {11, ""},
        {12,
         "Amb el desenvolupament d'un sistema traductor lliure de cèl·lules, tot és a punt per a "},
        {13,
         "una increïble sèrie de descobriments que, en només 5 anys, permetran desxifrar tot el "},
        {14, "codi genètic."},
        {15, ""},
        {16, "¿Sereu capaços de contribuir a aquesta tasca apassionant?"}};
    for (auto [linia, text] : donades.asKeyValueRange()) QCOMPARE(linies[linia - 1], text);
    for (const QString& linia : linies) QVERIFY2(linia.size() <= 87, qPrintable(linia));
    QVERIFY(linies[0].contains("1961") && linies[0].contains("Watson") && linies[0].endsWith(' '));
    QVERIFY(linies[3].startsWith('*') && linies[3].contains("Sanger"));
    QVERIFY(linies[8].startsWith('*') && linies[8].contains("Ochoa") && linies[8].endsWith(' '));
  }

  void historyWindowPrintsItsImage() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a real printer would print");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("historia.pdf");
    Dialegs::InstallaManejadorFitxers([pdf](bool, const QString&) { return pdf; });
    FInfoDesxiframent->show();
    Fill<QPushButton>(FInfoDesxiframent, "BtImprimir")->click();
    Dialegs::InstallaManejadorFitxers({});
    QFile fitxer(pdf);
    QVERIFY(fitxer.open(QIODevice::ReadOnly));
    QVERIFY(fitxer.read(5) == "%PDF-");
    Clica(FInfoDesxiframent, "BtDAcord");
    QCOMPARE(FInfoDesxiframent->result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(TestNovaRecerca)
#include "tst_novarecerca.moc"
