// The guidance wired into the windows: the start panel of each kind, its
// step button, the tutor, the stalled-month notice, the code table's hints
// and the help topics written from the catalogue.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "experiments/Taula.h"
#include "experiments/Traduir.h"
#include "helpers/Entorn.h"
#include "lab/Novatecn.h"
#include "mainwindow/PanellInici.h"
#include "mainwindow/Rbmain.h"
#include "mainwindow/Triaofer.h"
#include "model/Labs.h"
#include "platform/Ajuda.h"
#include "platform/Text1252.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {
constexpr int AjudaTecniques = 305;
constexpr int AjudaCentres = 306;

QWidget* Panell() { return Fill<QWidget>(FPrincipal, "PanellInici"); }
QString Text(const char* nom) { return Fill<QLabel>(Panell(), nom)->text(); }

void Posa(const TEstatRecerca& e) {
  EstatRecerca = e;
  FPrincipal->UpdateMenuItems();
  FPrincipal->ActualitzaInformacio();
}

TEstatRecerca Nova(std::uint16_t tipus) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  EstatRecerca.Centre = 2;
  IniciaRecerca();
  EstatRecerca.Nom.Posa(AText1252(QStringLiteral("Marta Puig")));
  EstatRecerca.NivellEducatiu = 1;
  return EstatRecerca;
}

// The line of the laboratory's help topic for technique t, from the catalogue.
QString LiniaAjuda(unsigned t) {
  const auto noms = [](const std::vector<std::uint16_t>& ts, const char* cap) {
    QStringList l;
    for (auto u : ts) l << QString::fromUtf8(Labs::NomsTecniques[u]);
    return l.isEmpty() ? QString::fromUtf8(cap) : l.join(QStringLiteral(", "));
  };
  QStringList articles;
  if (Labs::MaterialTecnica[t])
    articles << QString::fromUtf8(Labs::NomsMaterialBiologic[Labs::MaterialTecnica[t]]);
  if (Labs::AparellTecnica[t])
    articles << QString::fromUtf8(Labs::NomsAparells[Labs::AparellTecnica[t]]);
  if (Labs::ReactiuTecnica[t])
    articles << QString::fromUtf8(Labs::NomsReactius[Labs::ReactiuTecnica[t]]);
  std::vector<std::uint16_t> previes;
  for (unsigned i = Labs::IniciPrerequisits[t]; i < Labs::IniciPrerequisits[t + 1]; ++i)
    if (Labs::Prerequisits[i]) previes.push_back(Labs::Prerequisits[i]);
  QString linia =
      QStringLiteral("- **%1.** Necessita: %2; abans cal dominar: %3. Permet desenvolupar: %4.")
          .arg(QString::fromUtf8(Labs::NomsTecniques[t]),
               articles.isEmpty() ? QStringLiteral("cap aparell ni reactiu")
                                  : articles.join(QStringLiteral(", ")),
               noms(previes, "cap altra tècnica"),
               noms(Labs::FillsTecnica(t), "cap altra tècnica"));
  if (Labs::ExperimentTecnica[t])
    linia += QStringLiteral(" Obre els experiments de *%1*.")
                 .arg(QString::fromUtf8(Labs::NomsExperiments[Labs::ExperimentTecnica[t]]));
  return linia;
}

TFitxerAjuda FitxerAjuda() {
  QFile f(Ajuda::CamiFitxer());
  if (!f.open(QIODevice::ReadOnly)) qFatal("No trobo el fitxer d'ajuda");
  return TFitxerAjuda::Analitza(QString::fromUtf8(f.readAll()));
}
}  // namespace

class TestGuia : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() {
    Entorn::Reinicia();
    Entorn::DialegsMostrats().clear();
  }
  void cleanup() { Ajuda::Finestra()->hide(); }

  void ExerciseButtonsRunTheirCommands_data() {
    QTest::addColumn<QString>("boto");
    QTest::addColumn<QString>("dialeg");
    QTest::addRow("replicació") << "BtReplicacio"
                                << "FDNAComplementari";
    QTest::addRow("transcripció") << "BtTranscripcio"
                                  << "FDNAComplementari";
    QTest::addRow("traducció") << "BtTraduccio"
                               << "FSintProt";
    QTest::addRow("taula resum") << "BtTaulaResum"
                                 << "FTaulaResum";
  }
  void ExerciseButtonsRunTheirCommands() {
    QFETCH(QString, boto);
    QFETCH(QString, dialeg);
    Posa(Nova(FluxInformacio));
    auto* b = Fill<QToolButton>(Panell(), boto.toLatin1().constData());
    QVERIFY(b->isVisibleTo(FPrincipal));
    QVERIFY(b->focusPolicy() & Qt::TabFocus);
    QVERIFY(!Fill<QWidget>(Panell(), "PgRecerca")->isVisibleTo(FPrincipal));
    b->click();
    QCOMPARE(Entorn::DialegsMostrats(), QStringList{dialeg});
  }

  void FreeResearchShowsWhoseAndHowFar() {
    TEstatRecerca e = Nova(CodiLliure);
    e.TipusCodi = 1;
    e.NombreExperiments = 1;
    e.PolimersExperiment[1].Posa("UUUUUU");
    e.CodiPublicat[0] = e.CodiAmagat[0];
    Posa(e);
    QVERIFY(Fill<QWidget>(Panell(), "PgRecerca")->isVisibleTo(FPrincipal));
    QCOMPARE(Text("LbTitol"), QStringLiteral("Recerca de Marta Puig (Batxillerat)"));
    QCOMPARE(Text("LbCodi"), QStringLiteral("Codi aleatori"));
    QCOMPARE(Text("LbFitxer"), QStringLiteral("Encara no s'ha desat."));
    QCOMPARE(Text("LbExperiments"), QStringLiteral("1 de 60"));
    QCOMPARE(Text("LbCodons"), QStringLiteral("1 de 64"));
    QCOMPARE(Text("LbDarrer"), QStringLiteral("1: UUUUUU"));
    QVERIFY(!Fill<QLabel>(Panell(), "LbCentre")->isVisibleTo(FPrincipal));
    // The step: conclusions are missing, and its button reviews the log
    // from the experiment that lacks them; the menu's review starts at 1.
    e.NombreExperiments = 2;
    e.PolimersExperiment[2].Posa("AAAAAA");
    e.ConclusionsExperiment[1].Posa("Poli-Phe");
    Posa(e);
    QCOMPARE(Text("LbPas"), TPanellInici::TextPas({Guia::TPas::EscriureConclusions, 2}));
    unsigned obert = 0;
    Entorn::RespostaModal(
        Entorn::Fes([&obert](QDialog*) { obert = FTraduccio->ExperimentActual(); }));
    Fill<QPushButton>(Panell(), "BtPas")->click();
    QCOMPARE(obert, 2u);
    Fill<QAction>(FPrincipal, "MRevisarExperiments")->trigger();
    QCOMPARE(obert, 1u);
  }

  void BudgetGameShowsTheLaboratory() {
    TEstatRecerca e = Nova(JocPressupost);
    e.Aparells[1] = e.Reactius[1] = true;
    Labs::TriaTecnica(e, 1);
    e.UnitatsTecnica = 4;
    Posa(e);
    QCOMPARE(Text("LbCentre"), QString::fromUtf8(OfertesCentres[2].Noms[e.Oferta]));
    QCOMPARE(Text("LbMes"), QStringLiteral("Gener de 1961"));
    QCOMPARE(Text("LbTecnica"), QStringLiteral("Tècniques bàsiques: 4 de 10 provetes"));
    QCOMPARE(Fill<QProgressBar>(Panell(), "PbTecnica")->value(), 4);
    auto* pas = Fill<QPushButton>(Panell(), "BtPas");
    QCOMPARE(pas->text(), QStringLiteral("Passar torn"));
    // The fresh game's step is to buy, and the button opens the shop.
    Posa(Nova(JocPressupost));
    QCOMPARE(Text("LbPas"), TPanellInici::TextPas({Guia::TPas::ComprarAparellsBasics}));
    pas->click();
    QCOMPARE(Entorn::DialegsMostrats(), QStringList{"FComprar"});
  }

  // The tutor, with nothing to develop, lists the purchases cheapest first.
  void TutorSaysWhatToBuyFirst() {
    Posa(Nova(JocPressupost));
    QString explicacio;
    Entorn::RespostaModal([&](QDialog* d) {
      if (d->objectName() == QLatin1String("FNovaTecnica"))
        Fill<QPushButton>(d, "BtTutor")->click();
      else
        explicacio = Fill<QTextBrowser>(d, "TBExplicacio")->toPlainText();
      return int(QDialog::Rejected);
    });
    Fill<QAction>(FPrincipal, "MDesenvoluparTecnica")->trigger();
    QCOMPARE(Entorn::DialegsMostrats(), (QStringList{"FNovaTecnica", "FTutor"}));
    const auto autoclau = explicacio.indexOf(QStringLiteral("Autoclau"));
    const auto basics = explicacio.indexOf(QStringLiteral("Aparells bàsics"));
    QVERIFY2(autoclau >= 0 && basics > autoclau, qPrintable(explicacio));
    QVERIFY(explicacio.contains(QStringLiteral("obre Tècniques bàsiques")));
  }

  void StalledMonthIsToldOnce() {
    TEstatRecerca e = Nova(JocPressupost);
    e.Aparells[1] = e.Reactius[1] = true;
    Labs::TriaTecnica(e, 1);
    e.Diners = 0;
    e.Ingressos = 5;
    Posa(e);
    Fill<QAction>(FPrincipal, "MPassarTorn")->trigger();
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY2(Entorn::Missatges().front().contains(QStringLiteral("Falten 5 $")),
             qPrintable(Entorn::Missatges().front()));
    Entorn::NetejaMissatges();
    EstatRecerca.Ingressos = 1000;
    Fill<QAction>(FPrincipal, "MPassarTorn")->trigger();
    QVERIFY(Entorn::Missatges().isEmpty());
  }

  void CodeTableSaysWhatAClickDoes() {
    for (std::uint16_t tipus : {FluxInformacio, CodiLliure}) {
      Posa(Nova(tipus));
      FTaula->OmpleTaula();
      const bool recerca = tipus == CodiLliure;
      QCOMPARE(!Fill<QLabel>(FTaula, "LbEstat")->isHidden(), recerca);
      const QString tip = Fill<QTableWidget>(FTaula, "SGTaula")->item(0, 0)->toolTip();
      QCOMPARE(tip.contains(QStringLiteral("UUU")), recerca);
    }
  }

  void OffersHelpIsAboutChoosingACentre() {
    Fill<QPushButton>(FTriaOfertes, "BtAjuda")->click();
    QCOMPARE(Ajuda::Finestra()->TemaActual(), AjudaCentres);
    // The table's rows, richest first, say what the offers give.
    QStringList files, esperades;
    for (const QString& l : FitxerAjuda().Temes.value(AjudaCentres).Text.split(QLatin1Char('\n')))
      if (l.startsWith(QStringLiteral("| ")) && l.contains(QStringLiteral(" $")))
        files << l.section(QStringLiteral(" | "), 1);
    for (const TCentre& c : OfertesCentres)
      esperades << QStringLiteral("%1 $ | %2 $ | %3 |")
                       .arg(QString::fromStdString(FormataNombre(c.Pressupost, 0)),
                            QString::fromStdString(FormataNombre(c.Ingressos, 0)))
                       .arg(c.ProvetesMes);
    QCOMPARE(files, esperades);
  }

  void LaboratoryHelpMatchesTheCatalogue() {
    const QString text = FitxerAjuda().Temes.value(AjudaTecniques).Text;
    QStringList linies;
    for (const QString& l : text.split(QLatin1Char('\n')))
      if (l.startsWith(QStringLiteral("- **"))) linies << l;
    QStringList esperades;
    for (unsigned t = 1; t <= Labs::NombreTecniques; ++t) esperades << LiniaAjuda(t);
    if (linies != esperades) qWarning().noquote() << esperades.join(QLatin1Char('\n'));
    QCOMPARE(linies, esperades);
  }
};

QTEST_MAIN(TestGuia)
#include "tst_guia.moc"
