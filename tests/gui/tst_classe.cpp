// A class's researches side by side: the table, its sorting and CSV, the
// files left untouched, the shell command, and the report on paper.
#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "helpers/Entorn.h"
#include "mainwindow/Classe.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Dialegs.h"
#include "platform/FitxerRecerca.h"
#include "platform/Impressio.h"
#include "platform/Informe.h"
#include "platform/TaulaClasse.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {

TEstatRecerca Recerca(std::uint16_t tipus, const char* nom) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  Sembra(3);
  IniciaRecerca();
  EstatRecerca.Mes = 1;  // as the program starts, whatever the kind
  EstatRecerca.Any = 1961;
  EstatRecerca.Nom.Posa(nom);
  return EstatRecerca;
}

void Desa(const QString& cami, const TEstatRecerca& e) {
  EstatRecerca = e;
  QVERIFY2(DesaRecerca(cami).isEmpty(), qPrintable(cami));
}

void Escriu(const QString& cami, const QByteArray& bytes) {
  QFile f(cami);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// The research with `n` experiments, each with two lines of conclusions
// whose ends a split row would part.
TEstatRecerca AmbExperiments(unsigned n) {
  TEstatRecerca e = Recerca(CodiLliure, "Rosalind");
  for (unsigned x = 1; x <= n; ++x) {
    e.PolimersExperiment[x].Posa(std::string(41, "UCAG"[x % 4]));
    e.ResultatsExperiment[x][1][1] = 4;
    e.ResultatsExperiment[x][1][2] = 4;
    e.ConclusionsExperiment[x].Posa("inici" + std::to_string(x) + "x\r\ntanca" + std::to_string(x) +
                                    "x");
  }
  e.NombreExperiments = static_cast<std::uint16_t>(n);
  return e;
}

// The text of each page of a PDF, as pdftotext reads it back.
QStringList PaginesPdf(const QString& cami) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), cami, QStringLiteral("-")});
  if (!p.waitForFinished(20000) || p.exitCode() != 0) return {};
  QStringList pagines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
  if (!pagines.isEmpty() && pagines.last().trimmed().isEmpty()) pagines.removeLast();
  return pagines;
}

QString InfoPdf(const QString& cami) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {cami});
  p.waitForFinished(20000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestClasse : public QObject {
  Q_OBJECT
  QTemporaryDir dir;
  QString carpeta;
  QMap<QString, QPair<QDateTime, QByteArray>> abans;  // each file as written

 private slots:
  // A class: three researches, one file too short, one refused.
  void initTestCase() {
    Entorn::Prepara();
    carpeta = dir.filePath(QStringLiteral("classe"));
    QVERIFY(QDir().mkpath(carpeta));
    TEstatRecerca joc = Recerca(JocPressupost, "\xC8ric");  // Èric
    joc.Diners = 900;
    joc.Provetes = 37;
    joc.Mes = 5;
    joc.Any = 1962;
    Desa(carpeta + QStringLiteral("/b.srb"), joc);
    joc.Nom.Posa("Zoe; \"la\" \r\nZ");
    joc.Diners = 10000;
    Desa(carpeta + QStringLiteral("/c.srb"), joc);
    Desa(carpeta + QStringLiteral("/a.srb"), AmbExperiments(3));
    Escriu(carpeta + QStringLiteral("/d.srb"), QByteArray(100, 'x'));
    TEstatRecerca dolent = Recerca(CodiLliure, "X");
    dolent.Mes = 13;
    Escriu(carpeta + QStringLiteral("/e.srb"), [&] {
      const TImatge imatge = CodificaEstat(dolent);
      return QByteArray(reinterpret_cast<const char*>(imatge.data()), qsizetype(imatge.size()));
    }());
    Escriu(carpeta + QStringLiteral("/notes.txt"), "no");
    for (const QFileInfo& f : QDir(carpeta).entryInfoList(QDir::Files)) {
      QFile fitxer(f.filePath());
      QVERIFY(fitxer.open(QIODevice::ReadOnly));
      abans[f.filePath()] = {f.lastModified(), fitxer.readAll()};
    }
    // Older than now, so that a touch would show.
    QTest::qWait(20);
  }
  void init() { Entorn::Reinicia(); }

  void theCommandShowsTheWindowAfterTheReportItem() {
    auto* informe = Fill<QAction>(FPrincipal, "MInformeRecerca");
    auto* comparar = Fill<QAction>(FPrincipal, "MCompararRecerques");
    const QList<QAction*> items = Fill<QMenu>(FPrincipal, "MFitxer")->actions();
    QCOMPARE(items.indexOf(comparar), items.indexOf(informe) + 1);
    QCOMPARE(comparar->text(), QStringLiteral("&Comparar recerques..."));
    QVERIFY(comparar->isEnabled());
    QVERIFY(!comparar->statusTip().isEmpty());
    comparar->trigger();
    QCOMPARE(Entorn::DialegsMostrats(), QStringList{QStringLiteral("FClasse")});
    QCOMPARE(FClasse->windowTitle(), QStringLiteral("Recerques de la classe"));
  }

  // Every readable file summarised, the others named with their reason;
  // a file added twice once; nothing written, locked or touched.
  void aFolderLoadsWholeAndUntouched() {
    auto* taula = Fill<QTableWidget>(FClasse, "SGClasse");
    QStringList fitxers;
    QVERIFY(TaulaClasse::FitxersCarpeta(carpeta, fitxers));
    QCOMPARE(fitxers.size(), 5);
    FClasse->AfegeixFitxers(fitxers);
    FClasse->AfegeixFitxers({carpeta + QStringLiteral("/./a.srb")});
    QCOMPARE(taula->rowCount(), 5);
    QStringList capcaleres;
    for (int c = 0; c < taula->columnCount(); ++c)
      capcaleres << taula->horizontalHeaderItem(c)->text();
    QCOMPARE(capcaleres, TaulaClasse::Capcaleres());
    int motius = 0;
    for (int f = 0; f < taula->rowCount(); ++f)
      motius += taula->item(f, TaulaClasse::ColNom)
                    ->text()
                    .startsWith(QStringLiteral("No s'ha pogut llegir"));
    QCOMPARE(motius, 2);
    for (auto it = abans.cbegin(); it != abans.cend(); ++it) {
      QFile fitxer(it.key());
      QVERIFY(fitxer.open(QIODevice::ReadOnly));
      QCOMPARE(QFileInfo(it.key()).lastModified(), it.value().first);
      QCOMPARE(fitxer.readAll(), it.value().second);
    }
  }

  // Money as numbers (900 before 10000), names in Catalan order (È before Z),
  // and the CSV in the order shown, quoted where it must be.
  void sortsAndExportsAsShown() {
    auto* taula = Fill<QTableWidget>(FClasse, "SGClasse");
    const auto columna = [taula](int c) {
      QStringList fitxers;
      for (int f = 0; f < taula->rowCount(); ++f) fitxers << taula->item(f, c)->text();
      return fitxers;
    };
    taula->horizontalHeader()->setSortIndicator(TaulaClasse::ColDiners, Qt::DescendingOrder);
    QCOMPARE(columna(TaulaClasse::ColFitxer).mid(0, 2), (QStringList{"c.srb", "b.srb"}));
    QCOMPARE(columna(TaulaClasse::ColDiners).first(), QStringLiteral("10.000 $."));
    taula->horizontalHeader()->setSortIndicator(TaulaClasse::ColNom, Qt::AscendingOrder);
    const QStringList noms = columna(TaulaClasse::ColNom);
    QVERIFY(noms.indexOf(QStringLiteral("Èric")) < noms.indexOf(QStringLiteral("Rosalind")));

    taula->horizontalHeader()->setSortIndicator(TaulaClasse::ColDiners, Qt::AscendingOrder);
    const QString cami = dir.filePath(QStringLiteral("classe.csv"));
    Dialegs::InstallaManejadorFitxers([&cami](bool, const QString&) { return cami; });
    Fill<QPushButton>(FClasse, "BtExportarCsv")->click();
    Dialegs::InstallaManejadorFitxers({});
    QFile fitxer(cami);
    QVERIFY(fitxer.open(QIODevice::ReadOnly));
    const QStringList linies = QString::fromUtf8(fitxer.readAll()).split(QLatin1Char('\n'));
    QCOMPARE(linies.at(0), TaulaClasse::Capcaleres().join(QLatin1Char(';')));
    // Researches without money after those with it, in either order.
    QCOMPARE(linies.at(1),
             QStringLiteral("b.srb;Èric;ESO;Joc amb pressupost;Real;Maig de 1962;0;0;0;900;37;0"));
    QVERIFY(linies.at(2).startsWith(QStringLiteral("c.srb;\"Zoe; \"\"la\"\" \r")));
    QVERIFY(linies.at(3).startsWith(QStringLiteral("Z\";")));  // the name's line break, quoted
    QVERIFY(linies.at(3).contains(QStringLiteral(";10000;")));
    QCOMPARE(linies.at(4), QStringLiteral("a.srb;Rosalind;ESO;Codi genètic;Real;;3;3;0;;;"));
    QCOMPARE(linies.size(), 6);  // unreadable files are not data; a final newline
  }

  void csvQuotesOnlyWhereItMust_data() {
    QTest::addColumn<QString>("camp");
    QTest::addColumn<QString>("csv");
    QTest::newRow("plain") << "Anna Pi"
                           << "Anna Pi";
    QTest::newRow("comma") << "Pi, Anna"
                           << "Pi, Anna";
    QTest::newRow("semicolon") << "a;b"
                               << "\"a;b\"";
    QTest::newRow("quote") << "en \"Pi\""
                           << "\"en \"\"Pi\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("carriage return") << "a\rb"
                                     << "\"a\rb\"";
    QTest::newRow("empty") << ""
                           << "";
  }
  void csvQuotesOnlyWhereItMust() {
    QFETCH(QString, camp);
    QFETCH(QString, csv);
    QCOMPARE(TaulaClasse::CampCsv(camp), csv);
  }

  // The same rows from a shell, in file-name order, with no display at all.
  void theShellWritesTheTableAndSaysWhatItCouldNotRead() {
    QProcess p;
    QProcessEnvironment entorn = QProcessEnvironment::systemEnvironment();
    entorn.remove(QStringLiteral("DISPLAY"));
    entorn.remove(QStringLiteral("WAYLAND_DISPLAY"));
    entorn.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(entorn);
    p.start(QStringLiteral(RIBOLIA_EXE), {QStringLiteral("--classe"), carpeta});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QList<TaulaClasse::TRecercaClasse> recerques;
    for (const char* nom : {"a", "b", "c", "d", "e"})
      recerques << TaulaClasse::Llegeix(carpeta + QLatin1Char('/') + QLatin1String(nom) + ".srb");
    QList<const TaulaClasse::TRecercaClasse*> ordre;
    for (const auto& r : recerques) ordre << &r;
    QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()), TaulaClasse::Csv(ordre));
    const QStringList errors =
        QString::fromUtf8(p.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(errors.size() == 2, qPrintable(errors.join(QLatin1Char('\n'))));
    QVERIFY(errors.at(0).startsWith(QStringLiteral("d.srb: El fitxer és massa curt")));
    QVERIFY(errors.at(1).startsWith(QStringLiteral("e.srb: El mes val 13")));

    p.start(QStringLiteral(RIBOLIA_EXE),
            {QStringLiteral("--classe"), dir.filePath(QStringLiteral("cap"))});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardOutput().isEmpty());
    p.start(QStringLiteral(RIBOLIA_EXE), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().contains("--classe <CARPETA>"));
  }

  // One experiment: one page. Sixty: rows whole, header on every page, the
  // legend never alone, and the PDF titled and signed.
  void theReportIsLaidOutForPaper_data() {
    QTest::addColumn<unsigned>("experiments");
    QTest::newRow("one experiment") << 1u;
    QTest::newRow("sixty experiments") << 60u;
  }
  void theReportIsLaidOutForPaper() {
    QFETCH(unsigned, experiments);
    const TEstatRecerca e = AmbExperiments(experiments);
    QTextDocument document;
    document.setHtml(Informe::Html(e));
    document.setMetaInformation(QTextDocument::DocumentTitle, Informe::Titol(e));
    const QString cami = dir.filePath(QStringLiteral("informe%1.pdf").arg(experiments));
    QVERIFY(Impressio::DesaDocumentPdf(document, cami));
    const QStringList pagines = PaginesPdf(cami);
    if (pagines.isEmpty()) QSKIP("pdftotext is not installed");
    const QString info = InfoPdf(cami);
    QVERIFY2(info.contains(QStringLiteral("Informe de la recerca de Rosalind")), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Ribolia"))),
             qPrintable(info));
    if (experiments == 1) QCOMPARE(pagines.size(), 1);
    for (unsigned x = 1; x <= experiments; ++x) {
      int inici = -1, final = -1;
      for (int p = 0; p < pagines.size(); ++p) {
        if (pagines[p].contains(QStringLiteral("inici%1x").arg(x))) inici = p;
        if (pagines[p].contains(QStringLiteral("tanca%1x").arg(x))) final = p;
      }
      QVERIFY2(inici >= 0 && inici == final, qPrintable(QStringLiteral("experiment %1").arg(x)));
      QVERIFY2(pagines[inici].contains(QStringLiteral("Conclusions")),
               qPrintable(QStringLiteral("no header on page %1").arg(inici + 1)));
    }
    for (const QString& pagina : pagines) {
      QString resta = pagina;
      resta.remove(QStringLiteral("? : significat encara no publicat."));
      resta.remove(QRegularExpression(QStringLiteral("\\d+ / \\d+")));
      QVERIFY2(!resta.trimmed().isEmpty(), "a page holds only the legend");
    }
  }

  void theReportIsNamedAfterItsFileOrItsStudent() {
    const TEstatRecerca e = Recerca(CodiLliure, "Rosalind");
    QCOMPARE(Informe::NomPdf(e, QString()), QStringLiteral("Informe de Rosalind.pdf"));
    QCOMPARE(Informe::NomPdf(e, QStringLiteral("/classe/pere.srb")),
             QStringLiteral("/classe/pere.pdf"));
  }

  void aPrintedWindowSaysWhoseAndWhen() {
    Recerca(CodiLliure, "Rosalind");
    const QString cami = dir.filePath(QStringLiteral("finestra.pdf"));
    QVERIFY(Impressio::DesaPdf(FClasse, cami));
    const QStringList pagines = PaginesPdf(cami);
    if (pagines.isEmpty()) QSKIP("pdftotext is not installed");
    QVERIFY2(pagines.first().contains(QRegularExpression(QStringLiteral(
                 "Recerques de la classe — Rosalind — \\d+/\\d\\d/\\d{4} \\d\\d:\\d\\d"))),
             qPrintable(pagines.first()));
  }
};

QTEST_MAIN(TestClasse)
#include "tst_classe.moc"
