// The laboratory windows and the monthly turn, wired to the main window, and
// one whole research game played through the windows as a student would.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "Cataleg.h"
#include "Entorn.h"
#include "lab/Avisnovt.h"
#include "lab/Comprar.h"
#include "lab/Invntari.h"
#include "lab/Novatecn.h"
#include "lab/Tecnica.h"
#include "mainwindow/Rbmain.h"
#include "model/Labs.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/GrupOpcions.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {

using Resposta = std::function<int(QDialog*)>;
using Entorn::Fes;
QMap<QString, Resposta> respostes;

// Each dialog is answered by name; one not named is cancelled.
void Respon(QMap<QString, Resposta> noves) {
  respostes = std::move(noves);
  Entorn::DialegsMostrats().clear();
  Entorn::RespostaModal([](QDialog* d) {
    const auto resposta = respostes.constFind(d->objectName());
    return resposta == respostes.constEnd() ? int(QDialog::Rejected) : (*resposta)(d);
  });
}

void Clica(QWidget* w, const char* boto) { Fill<QAbstractButton>(w, boto)->click(); }
QString Text(QWidget* w, const char* etiqueta) { return Fill<QLabel>(w, etiqueta)->text(); }
void Comanda(const char* item) { Fill<QAction>(FPrincipal, item)->trigger(); }

// The notices of new techniques, as "caption|information|name".
QStringList avisos;
const Resposta Avis = Fes([](QDialog* d) {
  avisos << d->windowTitle() + "|" + Text(d, "LbInformacio") + "|" + Text(d, "LbTecnica");
  Clica(d, "BtDAcord");
});

void Joc(std::uint16_t centre) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = JocPressupost;
  EstatRecerca.Centre = centre;
  IniciaRecerca();
  FPrincipal->UpdateMenuItems();
  FPrincipal->ActualitzaInformacio();
  avisos.clear();
}

// The check box of an item, by category (0, 1, 2) and number.
QCheckBox* Casella(int categoria, int numero) {
  static const char* const prefix[] = {"CBMBiologic", "CBAparells", "CBReactius"};
  return Fill<QCheckBox>(FComprar,
                         qPrintable(QStringLiteral("%1%2").arg(prefix[categoria]).arg(numero)));
}

// Picks a technique by name in the development window and says OK.
Resposta Desenvolupa(int tecnica) {
  return Fes([tecnica](QDialog* d) {
    auto* llista = Fill<QComboBox>(d, "CBNovesTecniques");
    const int i = llista->findText(QString::fromUtf8(Cataleg::Tecnica(tecnica).Nom));
    QVERIFY2(i >= 0, Cataleg::Tecnica(tecnica).Nom);
    llista->setCurrentIndex(i);
    Clica(d, "BtDAcord");
  });
}

}  // namespace

class TestLaboratori : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() {
    Entorn::Reinicia();
    respostes.clear();
  }

  void purchaseCommitsOnlyOnOk() {
    Joc(3);
    EstatRecerca.Diners = 700;
    EstatRecerca.Aparells[9] = true;
    const TImatge abans = CodificaEstat(EstatRecerca);
    Respon({{"FComprar", Fes([](QDialog* d) {
               QCOMPARE(d->windowTitle(), QStringLiteral("Comprar material, aparells o reactius"));
               QCOMPARE(Casella(1, 2)->text(), QStringLiteral("Autoclau ( 1.000$)"));
               QVERIFY(Casella(1, 9)->isChecked() && !Casella(1, 9)->isEnabled());
               QCOMPARE(Text(d, "LbCaixa"), QStringLiteral("Tenim           700 $."));
               Casella(1, 1)->click();
               QCOMPARE(Text(d, "LbGastem"), QStringLiteral("Gastem          700 $."));
               QCOMPARE(Text(d, "LbQuedaran"), QStringLiteral("Queden            0 $."));
               QVERIFY(!Casella(1, 5)->isEnabled());
               QVERIFY(Casella(1, 1)->isEnabled());
               Clica(d, "BtCancellar");
             })}});
    Comanda("MComprar");
    QVERIFY(CodificaEstat(EstatRecerca) == abans);
    // A new opening starts afresh; OK buys and the panel shows what is left.
    Respon({{"FComprar", Fes([](QDialog* d) {
               QVERIFY(!Casella(1, 1)->isChecked());
               Casella(1, 1)->click();
               Clica(d, "BtDAcord");
             })}});
    Comanda("MComprar");
    QCOMPARE(EstatRecerca.Diners, 0);
    QVERIFY(EstatRecerca.Aparells[1] && EstatRecerca.Aparells[9]);
    QCOMPARE(Text(FPrincipal, "LbDiners"), QStringLiteral("      0 $."));
  }

  void inventoryPacksWhatIsOwnedAndBuysMore() {
    Joc(0);
    Respon({{"FInventari", Fes([](QDialog* d) {
               QCOMPARE(d->windowTitle(), QStringLiteral("Inventari (Gener de 1961)"));
               for (const char* nom : {"LbMatBio1", "LbMatBio3", "LbAparells1", "LbAparells9",
                                       "LbReactius1", "LbReactius7"})
                 QVERIFY2(Text(d, nom).isEmpty(), nom);
               Clica(d, "BtComprar");
               QCOMPARE(Text(d, "LbAparells1"), QStringLiteral("Ultracentrífuga"));
               QVERIFY(Text(d, "LbAparells2").isEmpty());
               QCOMPARE(Text(d, "LbCaixa"), QStringLiteral("Tenim        95.000 $."));
               Clica(d, "BtTancar");
             })},
            {"FComprar", Fes([](QDialog* d) {
               Casella(1, 9)->click();
               Clica(d, "BtDAcord");
             })}});
    Comanda("MInventari");
    QCOMPARE(Entorn::DialegsMostrats(), QStringList({"FInventari", "FComprar"}));
  }

  void developmentWindowWithNothingToDevelop() {
    Joc(3);
    Respon({{"FNovaTecnica", Fes([](QDialog* d) {
               QCOMPARE(d->windowTitle(),
                        QStringLiteral("Desenvolupar una nova tècnica (Gener de 1961)"));
               QCOMPARE(Fill<QGroupBox>(d, "GrTecnica")->title(), QStringLiteral("Avís"));
               QCOMPARE(Text(d, "LbCostProvetes"), QStringLiteral("Necessitem material per a"));
               QCOMPARE(Text(d, "LbCostDiners"), QStringLiteral("desenvolupar noves tècniques"));
               QVERIFY(Fill<QLabel>(d, "LbPermet")->isHidden());
               QCOMPARE(Text(d, "LbProvetesRestants"), QStringLiteral("Aquest mes queden     10"));
               Clica(d, "BtDAcord");
             })}});
    const TImatge abans = CodificaEstat(EstatRecerca);
    Comanda("MDesenvoluparTecnica");
    QVERIFY(CodificaEstat(EstatRecerca) == abans);
  }

  void theBasicsAreMasteredAtOnceWithOneNotice() {
    Joc(3);
    EstatRecerca.Aparells[1] = EstatRecerca.Reactius[1] = true;
    Respon({{"FNovaTecnica", Fes([](QDialog* d) {
               QCOMPARE(Fill<QComboBox>(d, "CBNovesTecniques")->count(), 1);
               QCOMPARE(Fill<QGroupBox>(d, "GrTecnica")->title(),
                        QStringLiteral("Tècniques bàsiques"));
               QCOMPARE(Text(d, "LbCostProvetes"), QStringLiteral("Requereix      10"));
               QCOMPARE(Text(d, "LbCostDiners"), QStringLiteral("Costa 100$"));
               QCOMPARE(Text(d, "LbMesosRestants"), QStringLiteral("Acabarem d'aquí 0 mesos."));
               QCOMPARE(Fill<QListWidget>(d, "LBTecniquesFilles")->count(), 4);
               Clica(d, "BtDAcord");
             })},
            {"FAvisNovaTecnica", Avis}});
    Comanda("MDesenvoluparTecnica");
    QCOMPARE(avisos, QStringList{"Desenvolupament d'una nova tècnica|Has aconseguit desenvolupar:|"
                                 "Tècniques bàsiques"});
    QVERIFY(EstatRecerca.TecniquesDominades[1]);
    QCOMPARE(EstatRecerca.Provetes, 0);
    QCOMPARE(EstatRecerca.Diners, 2900);
    QCOMPARE(EstatRecerca.TecnicaAcabada, 0);
    QCOMPARE(Text(FPrincipal, "LbProvetes"), QStringLiteral("0"));
  }

  void aTranslationTechniqueAlsoAnnouncesItsExperiment() {
    Joc(0);
    for (int t : {1, 2, 3, 5, 6, 7, 9, 10, 16}) EstatRecerca.TecniquesDominades[t] = true;
    EstatRecerca.Aparells[8] = EstatRecerca.Reactius[5] = true;
    Respon({{"FNovaTecnica", Desenvolupa(18)}, {"FAvisNovaTecnica", Avis}});
    Fill<QToolButton>(FPrincipal, "SBNovaTecnica")->click();
    QCOMPARE(avisos,
             QStringList({"Desenvolupament d'una nova tècnica|Has aconseguit desenvolupar:|"
                          "Traducció d'un RNA polímer",
                          "Desenvolupament d'un nou experiment|Ara ja pots fer experiments de|"
                          "Traducció de polímers d'un nucleòtid"}));
    QCOMPARE(EstatRecerca.MaxBasesOligo, 1);
  }

  void techniquesWindowShowsProgressAndCancelsOnlyWhenAsked() {
    Joc(0);
    for (int t : {1, 2, 5, 6}) EstatRecerca.TecniquesDominades[t] = true;
    EstatRecerca.TecnicaEnCurs = 9;
    EstatRecerca.UnitatsTecnica = 50;
    const std::int32_t diners = EstatRecerca.Diners;
    FTecniques->show();
    QVERIFY(QTest::qWaitForWindowActive(FTecniques));
    auto* llista = Fill<QListWidget>(FTecniques, "ListTecniques");
    QCOMPARE(llista->count(), 4);
    QCOMPARE(llista->item(3)->text(), QStringLiteral("Cultiu de bacteris"));
    QCOMPARE(Text(FTecniques, "LbTecnica"),
             QStringLiteral("Estem investigant Sistema traductor sense cèl.lules"));
    QCOMPARE(Text(FTecniques, "LbProvetesInvertides"), QStringLiteral("Hem dedicat    50"));
    QCOMPARE(Text(FTecniques, "LbProporcioProvetes"), QStringLiteral("(d'un total de 200)."));
    QCOMPARE(Text(FTecniques, "LbDinersInvertits"), QStringLiteral("Hem gastat     500$"));
    QCOMPARE(Text(FTecniques, "LbProporcioDiners"), QStringLiteral("(d'un total de 2.000)."));
    QCOMPARE(Text(FTecniques, "LbMesos"), QStringLiteral("Acabarem d'aquí 8 mesos."));
    Entorn::RespostesMissatges({QMessageBox::No});
    QTest::keyClick(FTecniques, Qt::Key_Escape);  // Escape asks; "No" keeps it
    QCOMPARE(Entorn::Missatges().size(), 1);
    QCOMPARE(EstatRecerca.TecnicaEnCurs, 9);
    Entorn::RespostesMissatges({QMessageBox::Yes});
    QTest::keyClick(FTecniques, Qt::Key_Escape);
    QVERIFY(FTecniques->isVisible());
    QCOMPARE(Text(FTecniques, "LbTecnica"), QStringLiteral("No estem desenvolupant cap tècnica."));
    QVERIFY(Text(FTecniques, "LbMesos").isEmpty());
    QVERIFY(Fill<QPushButton>(FTecniques, "BtCancellar")->isHidden());
    QCOMPARE(EstatRecerca.TecnicaEnCurs, 0);
    QCOMPARE(EstatRecerca.Provetes, 0);
    QCOMPARE(EstatRecerca.Diners, diners);
    QTest::keyClick(FTecniques, Qt::Key_Escape);  // nothing left to cancel: it closes
    QVERIFY(!FTecniques->isVisible());
  }

  // Every technique mastered: two columns, each name whole in the list's
  // font, and nothing to scroll.
  void allTechniquesFitInTwoColumns() {
    Joc(0);
    for (unsigned t = 1; t <= Labs::NombreTecniques; ++t) EstatRecerca.TecniquesDominades[t] = true;
    FTecniques->show();
    QVERIFY(QTest::qWaitForWindowExposed(FTecniques));
    auto* llista = Fill<QListWidget>(FTecniques, "ListTecniques");
    QCOMPARE(llista->count(), int(Labs::NombreTecniques));
    QSet<int> columnes;
    for (int i = 0; i < llista->count(); ++i) {
      const QRect lloc = llista->visualItemRect(llista->item(i));
      const int text = llista->fontMetrics().horizontalAdvance(llista->item(i)->text());
      QVERIFY2(llista->viewport()->rect().contains(lloc) && lloc.width() > text,
               qPrintable(llista->item(i)->text()));
      columnes << lloc.x();
    }
    QCOMPARE(columnes.size(), 2);
    QVERIFY(!llista->horizontalScrollBar()->isVisible() &&
            !llista->verticalScrollBar()->isVisible());
    FTecniques->hide();
  }

  void theTurnPaysGrantsTubesAndMovesTheCalendar() {
    Joc(4);
    EstatRecerca.Mes = 12;
    EstatRecerca.Provetes = 3;
    Fill<QToolButton>(FPrincipal, "SBPassarTorn")->click();
    QCOMPARE(Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral")->title(),
             QStringLiteral("Gener de 1962"));
    QCOMPARE(EstatRecerca.Diners, 1100);
    QCOMPARE(EstatRecerca.Provetes, 8);
    QCOMPARE(Text(FPrincipal, "LbProvetes"), QStringLiteral("8"));
    for (int i = 0; i < 11; ++i) Comanda("MPassarTorn");
    QCOMPARE(EstatRecerca.Mes, 12);
    QCOMPARE(EstatRecerca.Any, 1962);
    QCOMPARE(EstatRecerca.Diners, 1000 + 12 * 100);
  }

  void theTurnSpendsBothMonthsTubesOnTheTechnique() {
    Joc(0);
    for (int t : {1, 2, 5, 6}) EstatRecerca.TecniquesDominades[t] = true;
    EstatRecerca.TecnicaEnCurs = 9;
    EstatRecerca.Provetes = 7;
    Comanda("MPassarTorn");
    QCOMPARE(EstatRecerca.UnitatsTecnica, 7 + 20);
    QCOMPARE(EstatRecerca.Provetes, 0);
    QCOMPARE(EstatRecerca.Diners, 100000 - 70 + 10000 - 200);
  }

  void f1OpensEachWindowsHelp_data() {
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<int>("tema");
    QTest::addRow("purchase") << "FComprar" << 301;
    QTest::addRow("inventory") << "FInventari" << 302;
    QTest::addRow("development") << "FNovaTecnica" << 303;
    QTest::addRow("notice") << "FAvisNovaTecnica" << 303;
    QTest::addRow("techniques") << "FTecniques" << 304;
  }
  void f1OpensEachWindowsHelp() {
    QFETCH(QString, finestra);
    Joc(0);
    auto* d = Fill<QDialog>(FPrincipal, qPrintable(finestra));
    d->show();
    QApplication::setActiveWindow(d);  // the closed help viewer may still hold it
    const bool activa = QTest::qWaitForWindowActive(d);
    QTest::keyClick(d, Qt::Key_F1);
    const int tema = Ajuda::Finestra()->TemaActual();
    Ajuda::Finestra()->close();
    d->hide();
    QVERIFY(activa);
    QTEST(tema, "tema");
    QVERIFY(Entorn::Missatges().isEmpty());
  }

  // From "Nova recerca..." in January 1961 with a modest centre to the first
  // translation experiment, buying and developing month after month; the
  // accounts are checked every month against the catalogue written apart.
  void aWholeGameThroughTheWindows() {
    Respon({{"FEleccio", Fes([](QDialog* d) {
               Fill<TGrupOpcions>(d, "RGTipusPartida")->Item(2)->click();
               QVERIFY(!Fill<TGrupOpcions>(d, "RGTipusCodi")->isHidden());
               Fill<TGrupOpcions>(d, "RGTipusCodi")->Item(0)->click();
               Clica(d, "BtDAcord");
             })},
            {"FDades", Fes([](QDialog* d) { Clica(d, "BtDAcord"); })},
            {"FTriaOfertes", Fes([](QDialog* d) {
               Fill<TGrupOpcions>(d, "RGCentres")->Item(3)->click();
               Clica(d, "BtDAcord");
             })},
            {"FInfoDesxiframent", Fes([](QDialog* d) { Clica(d, "BtDAcord"); })}});
    Joc(0);
    EstatRecerca.TipusPartida = FluxInformacio;  // nothing to save first
    Comanda("MNovaRecerca");
    QCOMPARE(Entorn::DialegsMostrats(),
             QStringList({"FEleccio", "FDades", "FTriaOfertes", "FInfoDesxiframent"}));
    QCOMPARE(EstatRecerca.TipusPartida, JocPressupost);
    QCOMPARE(EstatRecerca.Diners, 3000);
    QVERIFY(Fill<QAction>(FPrincipal, "MLaboratori")->isVisible());
    avisos.clear();

    const int ordre[] = {1, 2, 3, 5, 6, 7, 9, 10, 16, 18};
    QTemporaryDir dir;
    const QString fitxer = dir.filePath(QStringLiteral("joc.srb"));
    QString nom = fitxer;
    Dialegs::InstallaManejadorFitxers([&nom](bool, const QString&) { return nom; });
    TImatge desat{};
    int mesos = 0, mesDesat = -1;
    while (!EstatRecerca.TecniquesDominades[TecnicaRNAPolimer] && mesos < 200) {
      const int seguent = *std::find_if(std::begin(ordre), std::end(ordre),
                                        [](int t) { return !EstatRecerca.TecniquesDominades[t]; });
      if (EstatRecerca.TecnicaEnCurs == 0) CompraIDesenvolupa(seguent);
      QVERIFY(ComptesQuadren(mesos));
      if (mesos == 30 && mesDesat < 0) {
        Comanda("MDesarRecerca");
        desat = CodificaEstat(EstatRecerca);
        mesDesat = mesos;
      }
      Comanda("MPassarTorn");
      ++mesos;
      if (mesos == 33 && mesDesat == 30) {  // back to the saved month: the same game
        nom = dir.filePath(QStringLiteral("despres.srb"));
        Comanda("MDesarRecerca");  // saved as it stands, so opening asks nothing
        nom = fitxer;
        Comanda("MObrirRecerca");
        QVERIFY(CodificaEstat(EstatRecerca) == desat);
        mesos = mesDesat;
        mesDesat = 0;
      }
    }
    Dialegs::InstallaManejadorFitxers({});
    QVERIFY2(EstatRecerca.TecniquesDominades[TecnicaRNAPolimer],
             qPrintable(QString::number(mesos)));
    QVERIFY(
        avisos.contains("Desenvolupament d'un nou experiment|Ara ja pots fer experiments de|"
                        "Traducció de polímers d'un nucleòtid"));
    QCOMPARE(avisos.size(), 11);  // ten techniques, one experiment

    while (!Fill<QAction>(FPrincipal, "MTraduirRNASintetic")->isEnabled() && mesos++ < 300)
      Comanda("MPassarTorn");
    const std::int32_t diners = EstatRecerca.Diners, provetes = EstatRecerca.Provetes;
    Respon({{"FRNASint", Fes([](QDialog* d) {
               Clica(d, "BtU");
               Clica(d, "BtPolimeritzar");
               Clica(d, "BtTraduir");
             })},
            {"FTraduccio", Fes([](QDialog* d) {
               Clica(d, "BtTraduir");
               Clica(d, "BtTancar");
             })}});
    Fill<QToolButton>(FPrincipal, "SBRNAPolimer")->click();
    QCOMPARE(EstatRecerca.NombreExperiments, 1);
    QCOMPARE(EstatRecerca.PolimersExperiment[1].Text(), std::string(41, 'U'));
    QCOMPARE(EstatRecerca.Diners, diners - 100);
    QCOMPARE(EstatRecerca.Provetes, provetes - 10);
  }

 private:
  // Buys the items the technique needs when they can all be paid, and
  // develops it when it is offered.
  void CompraIDesenvolupa(int tecnica) {
    const auto& fila = Cataleg::Tecnica(tecnica);
    const std::pair<int, int> necessaris[] = {
        {0, fila.Material}, {1, fila.Aparell}, {2, fila.Reactiu}};
    int preu = 0;
    for (const auto& [categoria, numero] : necessaris)
      if (numero != 0 &&
          !Labs::Posseit(EstatRecerca, {Labs::TCategoria(categoria), unsigned(numero)}))
        preu += PreuDe(categoria, numero);
    if (preu > 0 && preu <= EstatRecerca.Diners) {
      respostes["FComprar"] = Fes([necessaris](QDialog* d) {
        for (const auto& [categoria, numero] : necessaris)
          if (numero != 0 && Casella(categoria, numero)->isEnabled())
            Casella(categoria, numero)->click();
        Clica(d, "BtDAcord");
      });
      Comanda("MComprar");
    }
    const auto possibles = Labs::LlistaTecniquesPossibles(EstatRecerca);
    if (std::find(possibles.begin(), possibles.end(), tecnica) == possibles.end()) return;
    respostes["FNovaTecnica"] = Desenvolupa(tecnica);
    respostes["FAvisNovaTecnica"] = Avis;
    Comanda("MDesenvoluparTecnica");
    QCOMPARE(EstatRecerca.TecnicaEnCurs == 0, EstatRecerca.TecniquesDominades[tecnica]);
  }

  static int PreuDe(int categoria, int numero) {
    for (const auto& a : Cataleg::Articles)
      if (a.Categoria == categoria && a.Numero == numero) return a.Preu;
    return 0;
  }

  // Money = budget + income so far - items owned - every tube processed;
  // tubes within the month's grant.
  static bool ComptesQuadren(int mesos) {
    const TEstatRecerca& e = EstatRecerca;
    std::int64_t esperat = 3000 + 300 * mesos;
    for (const auto& a : Cataleg::Articles)
      if (Labs::Posseit(e, {Labs::TCategoria(a.Categoria), unsigned(a.Numero)})) esperat -= a.Preu;
    for (int t = 1; t <= 27; ++t)
      if (e.TecniquesDominades[t])
        esperat -= Cataleg::Tecnica(t).Provetes[0] * Cataleg::Tecnica(t).Cost[0];
    if (e.TecnicaEnCurs != 0)
      esperat -= e.UnitatsTecnica * Cataleg::Tecnica(e.TecnicaEnCurs).Cost[0];
    if (e.Diners != esperat || e.Diners < 0 || e.Provetes < 0 || e.Provetes > e.ProvetesMes) {
      qWarning("Mes %d: %d $ (esperats %lld), %d provetes", mesos, e.Diners,
               static_cast<long long>(esperat), e.Provetes);
      return false;
    }
    return true;
  }
};

QTEST_MAIN(TestLaboratori)
#include "tst_laboratori.moc"
