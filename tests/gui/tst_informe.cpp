// The research report a teacher reads: what it holds, what it never shows,
// and the PDF it becomes.
#include <QAction>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "helpers/Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Dialegs.h"
#include "platform/Impressio.h"
#include "platform/Informe.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {
QString Text(const TEstatRecerca& e) {
  QTextDocument document;
  document.setHtml(Informe::Html(e));
  return document.toPlainText();
}

TEstatRecerca Recerca(std::uint16_t tipus) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  EstatRecerca.TipusCodi = 1;
  EstatRecerca.Centre = 2;
  EstatRecerca.Oferta = 3;
  Sembra(5);
  IniciaRecerca();
  EstatRecerca.Nom.Posa("Marianne");
  return EstatRecerca;
}

// A research whose log is full: 60 experiments recorded, one more made.
TEstatRecerca LlibretaPlena() {
  TEstatRecerca e = Recerca(CodiLliure);
  for (std::size_t n = 1; n <= 60; ++n) {
    e.PolimersExperiment[n].Posa(n % 2 ? std::string(41, 'U') : "RNA aleatori amb: 50% A; 50% U; ");
    e.ExperimentCopolimer[n] = n % 2 ? 0 : 1;
    e.ResultatsExperiment[n][1][1] = 4;
    e.ResultatsExperiment[n][1][2] = n % 2 ? 4 : 100;
    e.ConclusionsExperiment[n].Posa("Conclusi\xF3 " + std::to_string(n) + " <b> & x");
  }
  e.NombreExperiments = 61;
  return e;
}
}  // namespace

class TestInforme : public QObject {
  Q_OBJECT
  QTemporaryDir dir;

 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() { Entorn::Reinicia(); }

  void aFullLogIsReportedWholeAndEscaped() {
    const TEstatRecerca e = LlibretaPlena();
    const QString text = Text(e);
    for (int n = 1; n <= 60; ++n)
      QVERIFY2(text.contains(QStringLiteral("Conclusió %1 <b> & x").arg(n)), qPrintable(QString::number(n)));
    QVERIFY(text.contains(QStringLiteral("Els experiments a partir del 61 no queden registrats.")));
    QVERIFY(text.contains(QStringLiteral("RNA aleatori amb: 50% A; 50% U;")));
    QVERIFY(text.contains(QString::fromStdString(AbreviaturaAminoacid(4)) + QStringLiteral(": 100%;")));
    QVERIFY(text.contains(QStringLiteral("Codons publicats: 0 de 64. Experiments fets: 61.")));
    QVERIFY(text.contains(QStringLiteral("Marianne")));
    QVERIFY(!Informe::Html(e).contains(QStringLiteral("<b> & x")));  // escaped, never markup
  }

  // Only published meanings, with a random code or the real one.
  void noMeaningIsShownBeforeItIsPublished_data() {
    QTest::addColumn<int>("codi");
    QTest::newRow("random code") << 1;
    QTest::newRow("real code") << 0;
  }
  void noMeaningIsShownBeforeItIsPublished() {
    QFETCH(int, codi);
    TEstatRecerca e = Recerca(CodiLliure);
    e.TipusCodi = std::uint8_t(codi);
    const unsigned publicats[] = {IndexCodo("UUU"), IndexCodo("GCA")};
    for (unsigned i : publicats) e.CodiPublicat[i] = e.CodiAmagat[i];
    const QString text = Text(e);
    QVERIFY(text.contains(QStringLiteral("Codons publicats: 2 de 64.")));
    for (unsigned a = 0; a <= 20; ++a) {
      const bool publicat = a == e.CodiAmagat[publicats[0]] || a == e.CodiAmagat[publicats[1]];
      const QRegularExpression paraula(
          QStringLiteral("\\b%1\\b").arg(QString::fromStdString(AbreviaturaAminoacid(a))));
      QVERIFY2(text.contains(paraula) == publicat, AbreviaturaAminoacid(a).c_str());
    }
    QCOMPARE(text.count(QLatin1Char('?')), 62 + 1);  // and the legend's
  }

  void theGameReportsMonthMoneyAndCentre() {
    TEstatRecerca e = Recerca(JocPressupost);
    e.Mes = 5;
    e.Any = 1962;
    e.Diners = 1234567;
    const QString text = Text(e);
    QVERIFY(text.contains(QStringLiteral("Maig de 1962")));
    QVERIFY(text.contains(QStringLiteral("1.234.567 $")));
    QVERIFY(text.contains(QString::fromUtf8(OfertesCentres[2].Noms[3])));
    QVERIFY(!Text(Recerca(CodiLliure)).contains(QStringLiteral("Diners")));
  }

  void theReportBecomesAPdfOfNumberedPages() {
    QTextDocument document;
    document.setHtml(Informe::Html(LlibretaPlena()));
    const QString cami = dir.filePath(QStringLiteral("informe.pdf"));
    QVERIFY(Impressio::DesaDocumentPdf(document, cami));
    QFile pdf(cami);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") + bytes.count("/Type /Page/") > 3);
  }

  // From the main window: offered in research only, and a PDF that cannot
  // be written is reported in Catalan.
  void theCommandWritesThePdfOrSaysWhyNot() {
    Recerca(FluxInformacio);
    FPrincipal->UpdateMenuItems();
    auto* item = Fill<QAction>(FPrincipal, "MInformeRecerca");
    QVERIFY(!item->isEnabled());
    Recerca(CodiLliure);
    FPrincipal->UpdateMenuItems();
    QVERIFY(item->isEnabled());
    QString nom = dir.filePath(QStringLiteral("noexisteix/informe.pdf"));
    Dialegs::InstallaManejadorFitxers([&nom](bool, const QString&) { return nom; });
    item->trigger();
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY(Entorn::Missatges().first().startsWith(QStringLiteral("No s'ha pogut desar el PDF")));
    Entorn::NetejaMissatges();
    nom = dir.filePath(QStringLiteral("informe"));
    item->trigger();
    Dialegs::InstallaManejadorFitxers({});
    QVERIFY(QFile::exists(nom + QStringLiteral(".pdf")));
    QVERIFY(Entorn::Missatges().first().contains(nom + QStringLiteral(".pdf")));
  }
};

QTEST_MAIN(TestInforme)
#include "tst_informe.moc"
