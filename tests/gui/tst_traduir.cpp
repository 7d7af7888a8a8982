// The translation window and the main window's experiment commands, driven
// as a student would: build an RNA, translate it, write conclusions, review.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "experiments/Copolim.h"
#include "experiments/Freqcopo.h"
#include "experiments/Polimer.h"
#include "experiments/Traduir.h"
#include "helpers/Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/Copolimer.h"
#include "platform/Ajuda.h"

using namespace RBGlobal;
using Entorn::Fill;

class TestTraduir : public QObject {
  Q_OBJECT

  QString oligo = QStringLiteral("U");
  std::function<void()> aLaTraduccio;  // what the student does in FTraduccio
  std::function<void()> alCopolimer;

  template <class T = QWidget>
  T* W(const char* nom) { return Fill<T>(FTraduccio, nom); }
  QString Text(const char* nom) { return W<QLabel>(nom)->text(); }
  bool Visible(const char* nom) { return W(nom)->isVisible(); }
  bool Actiu(const char* nom) { return W(nom)->isEnabled(); }
  void Prem(QWidget* finestra, const char* nom) {
    auto* b = Fill<QPushButton>(finestra, nom);
    QVERIFY2(b->isVisible() && b->isEnabled(), nom);
    b->click();
  }
  void Prem(const char* nom) { Prem(FTraduccio, nom); }
  void Escriu(const QString& text) {
    auto* m = W<QPlainTextEdit>("MConclusions");
    QVERIFY(m->isVisible());
    m->selectAll();
    bool ascii = true;
    for (QChar c : text) ascii = ascii && c.unicode() >= 32 && c.unicode() < 128;
    if (ascii)
      QTest::keyClicks(m, text);
    else
      m->insertPlainText(text);  // Qt Test types only ASCII keys
  }
  QString Conclusions(unsigned n) {
    return QString::fromLatin1(EstatRecerca.ConclusionsExperiment[n].Text());
  }
  // A menu command, which must be on offer.
  void Comanda(const char* nom) {
    auto* item = Fill<QAction>(FPrincipal, nom);
    QVERIFY2(item->isEnabled(), nom);
    item->trigger();
  }
  QStringList LiniesVisibles() {
    QStringList linies;
    for (const char* nom : {"LbPolipeptid1", "LbPolipeptid2", "LbPolipeptid3", "LbPolipeptid4"})
      if (Visible(nom)) linies << Text(nom);
    return linies;
  }

  int Respon(QDialog* dialeg) {
    dialeg->show();
    if (dialeg == FRNASint) {
      for (QChar c : oligo) Prem(FRNASint, QByteArray("Bt").append(c.toLatin1()).constData());
      Prem(FRNASint, "BtPolimeritzar");
      Prem(FRNASint, "BtTraduir");
    } else if (dialeg == FCopolim) {
      alCopolimer();
    } else if (dialeg == FTraduccio) {
      aLaTraduccio();
    }
    if (dialeg->isVisible()) dialeg->close();  // the close box
    return dialeg->result();
  }

  void NovaRecerca(std::uint16_t tipus, std::uint8_t codi = 0) {
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.TipusPartida = tipus;
    EstatRecerca.TipusCodi = codi;
    IniciaRecerca();
    FPrincipal->UpdateMenuItems();
  }

 private slots:
  void initTestCase() {
    Entorn::Prepara();
    Entorn::RespostaModal([this](QDialog* d) { return Respon(d); });
  }
  void init() {
    NovaRecerca(CodiLliure);
    Sembra(4);
    oligo = QStringLiteral("U");
    aLaTraduccio = [this] { Prem("BtTraduir"); Prem("BtTancar"); };
    alCopolimer = [] {
      for (const char* nom : {"CBA", "CBG", "CBC", "CBU"})
        Fill<QCheckBox>(FCopolim, nom)->setChecked(QByteArray(nom) == "CBU" || QByteArray(nom) == "CBA");
      Fill<QPushButton>(FCopolim, "BtUnAltre")->click();  // recount the ticks
      Fill<QPushButton>(FCopolim, "BtDAcord")->click();
      auto* amunt = Fill<QToolButton>(Fill<QWidget>(FCopolim, "SB1"), "Amunt");
      for (int i = 0; i < 50; ++i) amunt->click();  // 0 % A, 100 % U
      Fill<QPushButton>(FCopolim, "BtPolimeritzar")->click();
      Fill<QPushButton>(FCopolim, "BtTraduir")->click();
    };
    Entorn::DialegsMostrats().clear();
  }

  void PolyUShowsTwelvePheAndIsLogged() {
    aLaTraduccio = [this] {
      QCOMPARE(FTraduccio->windowTitle(), QStringLiteral("Traducció d'un RNA polímer"));
      QCOMPARE(Text("LbRNAPolimer"), QString(41, QLatin1Char('U')) + QStringLiteral("..."));
      for (const char* nom : {"LbNExperiments", "GrPolipeptids", "MConclusions", "LbConclusions", "BtPrimer"})
        QVERIFY2(!Visible(nom), nom);
      Prem("BtTraduir");
      QVERIFY(!Visible("BtTraduir"));
      QCOMPARE(FTraduccio->focusWidget(), W("MConclusions"));  // ready to write them
      QCOMPARE(Text("LbNExperiments"), QStringLiteral("Experiment número 1"));
      QCOMPARE(W<QGroupBox>("GrPolipeptids")->title(), QStringLiteral("Polipèptids produïts"));
      QCOMPARE(LiniesVisibles(), QStringList{QStringLiteral("Phe").repeated(1) +
                                             QStringLiteral(" - Phe").repeated(11) + " ..."});
      Escriu(QStringLiteral("UUU vol dir Phe"));
      Prem("BtTancar");
    };
    QVERIFY(!Fill<QAction>(FPrincipal, "MRevisarExperiments")->isEnabled());
    Comanda("MTraduirRNASintetic");
    QCOMPARE(Entorn::DialegsMostrats(), (QStringList{"FRNASint", "FTraduccio"}));
    const TEstatRecerca& e = EstatRecerca;
    QCOMPARE(e.NombreExperiments, 1);
    QCOMPARE(e.PolimersExperiment[1].Text(), std::string(41, 'U'));
    QCOMPARE(e.ResultatsExperiment[1][1][12], 7);
    QVERIFY(e.ResultatsExperiment[1][2] == TResultat{});
    QCOMPARE(e.ExperimentCopolimer[1], 0);
    QCOMPARE(Conclusions(1), QStringLiteral("UUU vol dir Phe"));
    QCOMPARE(e.Diners, 0);  // free research
    QVERIFY(Fill<QAction>(FPrincipal, "MRevisarExperiments")->isEnabled());
    QVERIFY(Fill<QToolButton>(FPrincipal, "SBExperimentsAntics")->isEnabled());
  }

  void CopolymerShowsItsComposition() {
    aLaTraduccio = [this] {
      QCOMPARE(W<QGroupBox>("GrPolipeptids")->title(), QStringLiteral("Aminoàcids presents en el polipèptid"));
      QCOMPARE(Text("LbRNAPolimer"), QStringLiteral("RNA aleatori amb: 0% A; 100% U; "));
      Prem("BtTraduir");
      QCOMPARE(LiniesVisibles(), QStringList{QStringLiteral("Phe: 100%;  ")});
      Prem("BtTancar");
    };
    Fill<QToolButton>(FPrincipal, "SBRNAAleatori")->click();
    QCOMPARE(EstatRecerca.NombreExperiments, 1);
    QCOMPARE(EstatRecerca.ExperimentCopolimer[1], 1);
    QCOMPARE(EstatRecerca.ResultatsExperiment[1][1][1], 7);
    QCOMPARE(EstatRecerca.ResultatsExperiment[1][1][2], 100);
  }

  void TheGameChargesWhenTheRNAIsMade() {
    NovaRecerca(JocPressupost);
    EstatRecerca.TecniquesDominades[18] = true;
    EstatRecerca.Provetes = 9;
    EstatRecerca.Diners = 100;
    FPrincipal->UpdateMenuItems();
    QVERIFY(!Fill<QToolButton>(FPrincipal, "SBRNAPolimer")->isEnabled());
    EstatRecerca.Provetes = 10;
    FPrincipal->UpdateMenuItems();
    QVERIFY(Fill<QToolButton>(FPrincipal, "SBRNAPolimer")->isEnabled());
    const auto conclusions = EstatRecerca.ConclusionsExperiment;
    aLaTraduccio = [] {};  // closed without translating
    Fill<QToolButton>(FPrincipal, "SBRNAPolimer")->click();
    QCOMPARE(EstatRecerca.Provetes, 0);
    QCOMPARE(EstatRecerca.Diners, 0);
    QCOMPARE(EstatRecerca.NombreExperiments, 0);
    QVERIFY(EstatRecerca.ConclusionsExperiment == conclusions);
    QVERIFY(!Fill<QAction>(FPrincipal, "MTraduirRNASintetic")->isEnabled());
  }

  void ACancelledBuilderCostsNothing() {
    NovaRecerca(JocPressupost);
    EstatRecerca.TecniquesDominades[21] = true;
    FPrincipal->UpdateMenuItems();
    alCopolimer = [] { Fill<QPushButton>(FCopolim, "BtTancar")->click(); };
    const auto provetes = EstatRecerca.Provetes;
    Comanda("MTraduirRNAAleatori");
    QCOMPARE(Entorn::DialegsMostrats(), QStringList{"FCopolim"});
    QCOMPARE(EstatRecerca.Provetes, provetes);
  }

  void ReviewPagesAndKeepsConclusions() {
    for (int i = 0; i < 3; ++i) Comanda("MTraduirRNASintetic");
    aLaTraduccio = [this] {
      QCOMPARE(FTraduccio->windowTitle(), QStringLiteral("Repassar els experiments anteriors"));
      QCOMPARE(Text("LbNExperiments"), QStringLiteral("Experiment número 1 (de 3)"));
      QVERIFY(!Actiu("BtPrimer") && !Actiu("BtAnterior") && Actiu("BtSeguent") && Actiu("BtUltim"));
      QVERIFY(!Visible("BtTraduir"));
      Escriu(QStringLiteral("primer"));
      Prem("BtUltim");
      QCOMPARE(FTraduccio->ExperimentActual(), 3u);
      QVERIFY(!Actiu("BtSeguent") && !Actiu("BtUltim"));
      Escriu(QStringLiteral("tercer"));
      Prem("BtPrimer");
      QCOMPARE(W<QPlainTextEdit>("MConclusions")->toPlainText(), QStringLiteral("primer"));
      Prem("BtSeguent");
      Escriu(QStringLiteral("segon\namb dues línies"));
      Prem("BtTancar");
    };
    Comanda("MRevisarExperiments");
    QCOMPARE(Conclusions(1), QStringLiteral("primer"));
    QCOMPARE(Conclusions(3), QStringLiteral("tercer"));
    QCOMPARE(EstatRecerca.ConclusionsExperiment[2].Text(), std::string("segon\r\namb dues l\xEDnies"));
  }

  void OneExperimentLeavesNowhereToGo() {
    Comanda("MTraduirRNASintetic");
    aLaTraduccio = [this] {
      for (const char* nom : {"BtPrimer", "BtAnterior", "BtSeguent", "BtUltim"}) {
        QVERIFY2(Visible(nom), nom);
        QVERIFY2(!Actiu(nom), nom);
      }
    };
    Comanda("MRevisarExperiments");
  }

  void OnlyTancarAndEscapeStoreTheConclusions() {
    Comanda("MTraduirRNASintetic");
    aLaTraduccio = [this] { Escriu(QStringLiteral("per la creu")); };
    Comanda("MRevisarExperiments");  // closed with the close box
    QCOMPARE(Conclusions(1), QString());
    aLaTraduccio = [this] {
      Escriu(QStringLiteral("amb Esc"));
      QTest::keyClick(FTraduccio, Qt::Key_Escape);
      QVERIFY(!FTraduccio->isVisible());
    };
    Comanda("MRevisarExperiments");
    QCOMPARE(Conclusions(1), QStringLiteral("amb Esc"));
  }

  void ConclusionsHoldAtMost255Bytes() {
    aLaTraduccio = [this] {
      Prem("BtTraduir");
      auto* queden = W<QLabel>("LbQueden");
      QCOMPARE(queden->text(), QStringLiteral("Queden 255 caràcters."));
      Escriu(QString(250, QLatin1Char('a')) + QStringLiteral("\n"));
      QCOMPARE(queden->text(), QStringLiteral("Queden 3 caràcters."));  // the break takes two
      QTest::keyClicks(W("MConclusions"), QStringLiteral("aa"));
      QCOMPARE(queden->text(), QStringLiteral("Queda 1 caràcter."));
      Escriu(QString(200, QLatin1Char('a')) + QStringLiteral("\n") + QString(100, QLatin1Char('b')));
      QCOMPARE(queden->text(), QStringLiteral("Queden 0 caràcters."));
      const QString text = W<QPlainTextEdit>("MConclusions")->toPlainText();
      QCOMPARE(text.size() + 1, 255);  // the line break takes two bytes
      QTest::keyClicks(W("MConclusions"), QStringLiteral("zzz"));
      QCOMPARE(W<QPlainTextEdit>("MConclusions")->toPlainText(), text);
      Prem("BtTancar");
    };
    Comanda("MTraduirRNASintetic");
    QCOMPARE(EstatRecerca.ConclusionsExperiment[1].Longitud, 255);
  }

  // Opened from the builder, the expected frequencies stay open beside the
  // translation, hiding nothing of it, and go when another copolymer is begun.
  void frequenciesStayBesideTheTranslation() {
    const auto copolimer = alCopolimer;
    alCopolimer = [] {
      for (const char* nom : {"CBA", "CBG", "CBC", "CBU"})
        Fill<QCheckBox>(FCopolim, nom)->setChecked(QByteArray(nom) == "CBU" || QByteArray(nom) == "CBA");
      Fill<QPushButton>(FCopolim, "BtUnAltre")->click();
      Fill<QPushButton>(FCopolim, "BtDAcord")->click();
      Fill<QPushButton>(FCopolim, "BtFrequencies")->click();
      QVERIFY(FFreqTriplets->isVisible());
      QVERIFY(!FFreqTriplets->frameGeometry().intersects(FCopolim->frameGeometry()));
      Fill<QPushButton>(FCopolim, "BtPolimeritzar")->click();
      Fill<QPushButton>(FCopolim, "BtTraduir")->click();
    };
    aLaTraduccio = [this] {
      QTRY_VERIFY(FFreqTriplets->isVisible() && FFreqTriplets->parentWidget() == FTraduccio);
      QVERIFY(!FFreqTriplets->frameGeometry().intersects(FTraduccio->frameGeometry()));
      Prem("BtTraduir");
      Prem("BtTancar");
    };
    Comanda("MTraduirRNAAleatori");
    QVERIFY(FFreqTriplets->isVisible());
    alCopolimer = [] {
      QVERIFY(!FFreqTriplets->isVisible());
      Fill<QPushButton>(FCopolim, "BtTancar")->click();
    };
    Comanda("MTraduirRNAAleatori");
    QVERIFY(!FFreqTriplets->isVisible());
    alCopolimer = copolimer;
  }

  void ReviewOfACopolymerAfterASyntheticOne() {
    Comanda("MTraduirRNAAleatori");
    Comanda("MTraduirRNASintetic");
    aLaTraduccio = [this] {
      QCOMPARE(Text("LbRNAPolimer"), QStringLiteral("RNA aleatori amb: 0% A; 100% U; ..."));
      QCOMPARE(W<QGroupBox>("GrPolipeptids")->title(), QStringLiteral("Aminoàcids presents en el polipèptid"));
      QCOMPARE(LiniesVisibles(), QStringList{QStringLiteral("Phe: 100%;  ")});
      Prem("BtSeguent");
      QCOMPARE(W<QGroupBox>("GrPolipeptids")->title(), QStringLiteral("Polipèptids produïts"));
    };
    Comanda("MRevisarExperiments");
  }

  void TheSixtyFirstExperimentIsShownButNotRecorded() {
    EstatRecerca.NombreExperiments = 60;
    const TEstatRecerca abans = EstatRecerca;
    aLaTraduccio = [this] {
      Prem("BtTraduir");
      QCOMPARE(Text("LbNExperiments"), QStringLiteral("Experiment número 61"));
      QCOMPARE(LiniesVisibles().size(), 1);
      Escriu(QStringLiteral("no es pot desar"));
      Prem("BtTancar");
    };
    Comanda("MTraduirRNASintetic");
    TEstatRecerca despres = EstatRecerca;
    QCOMPARE(despres.NombreExperiments, 61);
    despres.NombreExperiments = 60;
    QVERIFY(despres == abans);
  }

  void ReviewStopsAtTheSixtiethAndShowsTheTotal() {
    for (int i = 0; i < 60; ++i) RegistraExperiment(Polimeritza("UC"), ExperimentSintetic);
    EstatRecerca.NombreExperiments = 75;
    FPrincipal->UpdateMenuItems();
    aLaTraduccio = [this] {
      Prem("BtUltim");
      QCOMPARE(Text("LbNExperiments"), QStringLiteral("Experiment número 60 (de 75)"));
      QVERIFY(!Actiu("BtSeguent") && !Actiu("BtUltim"));
      Escriu(QStringLiteral("seixanta"));
      Prem("BtAnterior");
      QCOMPARE(Text("LbNExperiments"), QStringLiteral("Experiment número 59 (de 75)"));
      Prem("BtSeguent");
      Prem("BtTancar");
    };
    Comanda("MRevisarExperiments");
    QCOMPARE(Conclusions(60), QStringLiteral("seixanta"));
  }

  // Whatever bytes a file brings, every experiment can be reviewed and new
  // experiments run.
  void AnyOpenedFileCanBeReviewedAndUsed() {
    Sembra(77);
    for (int prova = 0; prova < 20; ++prova) {
      TImatge imatge;
      for (auto& b : imatge) b = std::uint8_t(Aleatori(256));
      EstatRecerca = DescodificaEstat(imatge);
      EstatRecerca.TipusPartida = CodiLliure;
      EstatRecerca.NombreExperiments = std::uint16_t(1 + Aleatori(200));
      FPrincipal->UpdateMenuItems();
      aLaTraduccio = [this] {
        for (unsigned n = 1; n < 70; ++n) Prem(W<QPushButton>("BtSeguent")->isEnabled() ? "BtSeguent" : "BtPrimer");
        Prem("BtTancar");
      };
      Comanda("MRevisarExperiments");
      aLaTraduccio = [this] { Prem("BtTraduir"); Prem("BtTancar"); };
      Comanda("MTraduirRNASintetic");
      Comanda("MTraduirRNAAleatori");
    }
  }

  void TheTableAndTheHelpAreAtHand() {
    aLaTraduccio = [this] {
      Prem("BtAjuda");
      QCOMPARE(Ajuda::Finestra()->TemaActual(), 264);
      Ajuda::MostraTema(50);
      Ajuda::Finestra()->hide();
      FTraduccio->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(FTraduccio));
      QTest::keyClick(FTraduccio, Qt::Key_F1);
      QCOMPARE(Ajuda::Finestra()->TemaActual(), 264);
      Ajuda::Finestra()->hide();
      Prem("BtTraduir");
      Prem("BtTaula");
      Prem("BtTancar");
    };
    Comanda("MTraduirRNASintetic");
    QVERIFY(Entorn::DialegsMostrats().contains(QStringLiteral("FTaula")));
    aLaTraduccio = [this] {
      Prem("BtAjuda");
      QCOMPARE(Ajuda::Finestra()->TemaActual(), 254);
      Ajuda::Finestra()->hide();
    };
    Comanda("MRevisarExperiments");
    QVERIFY(Entorn::Missatges().isEmpty());  // every topic was there
  }

  void NoReviewWithAnEmptyLog() {
    QMetaObject::invokeMethod(FPrincipal, "MRevisarExperimentsClick");
    QVERIFY(Entorn::DialegsMostrats().isEmpty());
  }
};

QTEST_MAIN(TestTraduir)
#include "tst_traduir.moc"
