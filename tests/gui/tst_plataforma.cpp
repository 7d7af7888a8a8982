// The platform layer: help file and viewer, Windows-1252 texts, printing.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Entorn.h"
#include "platform/Ajuda.h"
#include "platform/Llocs.h"
#include "platform/Dialegs.h"
#include "platform/GraellaText.h"
#include "platform/Impressio.h"
#include "platform/Text1252.h"

class TestPlataforma : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() { Entorn::NetejaMissatges(); }

  void helpFileIsSplitIntoTopics() {
    const TFitxerAjuda f = TFitxerAjuda::Analitza(QStringLiteral(
        "% Índex de prova\r\n@ 50 Primer\r\nText **u**.\r\n@  7  Segon tema \nDos\n\nlínies\n"));
    QCOMPARE(f.Titol, QStringLiteral("Índex de prova"));
    QCOMPARE(f.Ordre, QList<int>({50, 7}));
    QCOMPARE(f.Temes[50].Titol, QStringLiteral("Primer"));
    QCOMPARE(f.Temes[50].Text, QStringLiteral("Text **u**.\n"));
    QCOMPARE(f.Temes[7].Titol, QStringLiteral("Segon tema"));
    QCOMPARE(f.Temes[7].Text, QStringLiteral("Dos\n\nlínies\n"));
    QVERIFY(f.Contingut().contains(QStringLiteral("[Segon tema](tema:7)")));
  }

  // Every topic the program asks for is in the help file, and every link
  // inside it leads to a topic that exists.
  void theProgramsHelpFileIsComplete() {
    QFile fitxer(Ajuda::CamiFitxer());
    QVERIFY2(fitxer.open(QIODevice::ReadOnly), qPrintable(Ajuda::CamiFitxer()));
    const TFitxerAjuda f = TFitxerAjuda::Analitza(QString::fromUtf8(fitxer.readAll()));
    for (int context : {15, 23, 27, 50, 70, 120, 130, 140, 150, 222, 227, 252, 254, 257, 264, 267,
                        270, 300, 301, 302, 303, 304, 350, 351, 380})
      QVERIFY2(f.Temes.contains(context), qPrintable(QString::number(context)));
    static const QRegularExpression enllac(QStringLiteral("\\(tema:(\\d+)\\)"));
    for (int context : f.Ordre) {
      QVERIFY(!f.Temes[context].Text.trimmed().isEmpty());
      for (const auto& m : enllac.globalMatch(f.Temes[context].Text))
        QVERIFY2(f.Temes.contains(m.captured(1).toInt()),
                 qPrintable(QStringLiteral("%1 -> %2").arg(context).arg(m.captured(1))));
    }
  }

  // The Spanish and English help hold the same topics, in the same order,
  // with the same links in each, as the Catalan.
  void theHelpInEachLanguageHasTheSameTopicsAndLinks() {
    static const QRegularExpression enllac(QStringLiteral("\\(tema:(\\d+)\\)"));
    auto esquelet = [](const QString& nom) {
      QFile fitxer(QFileInfo(Ajuda::CamiFitxer()).dir().filePath(nom));
      if (!fitxer.open(QIODevice::ReadOnly)) return QStringList{QStringLiteral("absent: ") + nom};
      const TFitxerAjuda f = TFitxerAjuda::Analitza(QString::fromUtf8(fitxer.readAll()));
      QStringList temes;
      for (int context : f.Ordre) {
        QString tema = QString::number(context) + QLatin1Char(':');
        for (const auto& m : enllac.globalMatch(f.Temes[context].Text)) tema += m.captured(1) + ' ';
        temes << tema;
      }
      return temes;
    };
    const QStringList catala = esquelet(QStringLiteral("Ribolia.hlp"));
    QVERIFY(catala.size() > 20);
    QCOMPARE(esquelet(QStringLiteral("Ribolia.es.hlp")), catala);
    QCOMPARE(esquelet(QStringLiteral("Ribolia.en.hlp")), catala);
  }

  void viewerFollowsLinksAndGoesBack() {
    TFAjuda* ajuda = Ajuda::Finestra();
    QVERIFY(ajuda->MostraTema(50));
    auto* text = Entorn::Fill<QTextBrowser>(ajuda, "TBAjuda");
    QVERIFY(text->toPlainText().contains(QStringLiteral("Descripció general")));
    QMetaObject::invokeMethod(text, "anchorClicked", Q_ARG(QUrl, QUrl(QStringLiteral("tema:70"))));
    QCOMPARE(ajuda->TemaActual(), 70);
    Entorn::Fill<QPushButton>(ajuda, "BtEnrere")->click();
    QCOMPARE(ajuda->TemaActual(), 50);
    Entorn::Fill<QPushButton>(ajuda, "BtIndex")->click();
    QCOMPARE(ajuda->TemaActual(), 0);
    QVERIFY(text->toPlainText().contains(QStringLiteral("Utilització del programa")));
    ajuda->close();
  }

  // F1 or a help button starts a new visit: "Enrere" cannot lead back to
  // the pages of an earlier one.
  void aNewVisitStartsAFreshHistory() {
    Ajuda::MostraTema(50);
    TFAjuda* ajuda = Ajuda::Finestra();
    auto* enrere = Entorn::Fill<QPushButton>(ajuda, "BtEnrere");
    QVERIFY(!enrere->isEnabled());
    QVERIFY(ajuda->MostraTema(70));  // a link followed inside the visit
    QVERIFY(enrere->isEnabled());
    Ajuda::MostraTema(120);
    QCOMPARE(ajuda->TemaActual(), 120);
    QVERIFY(!enrere->isEnabled());
    ajuda->close();
  }

  // Help at 620 x 520, no smaller than 300 x 300, on a 1280 x 1024 screen.
  void helpOpensBesideTheWindowItExplains_data() {
    QTest::addColumn<QRect>("finestra");
    QTest::addColumn<QRect>("botons");
    QTest::addColumn<QRect>("lloc");
    const QRect cap;
    QTest::newRow("room on the right") << QRect(100, 50, 500, 400) << cap << QRect(600, 50, 620, 520);
    QTest::newRow("room on the left only") << QRect(700, 80, 500, 400) << cap << QRect(80, 80, 620, 520);
    QTest::newRow("centred: narrower on the right")
        << QRect(340, 100, 600, 500) << QRect(600, 560, 300, 30) << QRect(940, 100, 340, 520);
    QTest::newRow("narrower on the left") << QRect(600, 100, 600, 400) << cap << QRect(0, 100, 600, 520);
    QTest::newRow("kept on the screen vertically")
        << QRect(0, 700, 500, 200) << cap << QRect(500, 504, 620, 520);
    QTest::newRow("too wide: below it, smallest")
        << QRect(100, 100, 1080, 600) << QRect(800, 650, 260, 40) << QRect(980, 700, 300, 300);
    QTest::newRow("whole screen: off its buttons, smallest")
        << QRect(0, 0, 1280, 1024) << QRect(1000, 980, 260, 30) << QRect(980, 0, 300, 300);
    QTest::newRow("whole screen, buttons at the top")
        << QRect(0, 0, 1280, 1024) << QRect(0, 0, 1280, 40) << QRect(980, 40, 300, 300);
  }
  void helpOpensBesideTheWindowItExplains() {
    QFETCH(QRect, finestra);
    QFETCH(QRect, botons);
    QFETCH(QRect, lloc);
    const QList<QRect> intocables = botons.isNull() ? QList<QRect>{} : QList<QRect>{botons};
    QCOMPARE(LlocAlCostat(finestra, intocables, QSize(620, 520), QSize(300, 300),
                          QRect(0, 0, 1280, 1024)),
             lloc);
  }

  void aNameToSaveTakesTheFiltersExtension_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<QString>("desat");
    const QString srb = QStringLiteral("Simulacions Ribolia (*.srb)");
    QTest::newRow("none") << "/a/recerca1" << srb << "/a/recerca1.srb";
    QTest::newRow("its own") << "/a/recerca1.srb" << srb << "/a/recerca1.srb";
    QTest::newRow("its own, any case") << "/a/Recerca1.SRB" << srb << "/a/Recerca1.SRB";
    QTest::newRow("another") << "/a/copia.dat" << srb << "/a/copia.dat.srb";
    QTest::newRow("dot in the name") << "/a/practica 1.2" << srb << "/a/practica 1.2.srb";
    QTest::newRow("not at the end") << "/a/r.srb.bak" << srb << "/a/r.srb.bak.srb";
    QTest::newRow("no dot before it") << "/a/recercasrb" << srb << "/a/recercasrb.srb";
    QTest::newRow("dot in the folder") << "/a.b/recerca1" << srb << "/a.b/recerca1.srb";
    QTest::newRow("folder named like it") << "/a.srb/r" << srb << "/a.srb/r.srb";
    QTest::newRow("pdf") << "finestra" << "Documents PDF (*.pdf)" << "finestra.pdf";
    QTest::newRow("filter without one") << "x" << "Tots (*)" << "x";
    QTest::newRow("cancelled") << "" << srb << "";
  }
  void aNameToSaveTakesTheFiltersExtension() {
    QFETCH(QString, nom);
    QFETCH(QString, filtre);
    QFETCH(QString, desat);
    QCOMPARE(Dialegs::AmbExtensio(nom, filtre), desat);
  }

  void aWindowsPdfIsOfferedUnderItsCaption_data() {
    QTest::addColumn<QString>("titol");
    QTest::addColumn<QString>("nom");
    QTest::newRow("apostrophe, accents") << "Traducció d'un RNA polímer"
                                         << "Traducció d'un RNA polímer.pdf";
    QTest::newRow("signs kept") << "Codó: «UUU»? 50% * (1)"
                                << "Codó: «UUU»? 50% * (1).pdf";
    QTest::newRow("slash") << "RNA/DNA"
                           << "RNA-DNA.pdf";
    QTest::newRow("controls") << QString("a\nb\tc") + QChar(0) + "d"
                              << "abcd.pdf";
    QTest::newRow("leading dots") << " ../secret"
                                  << "-secret.pdf";
    QTest::newRow("nothing left") << " .. "
                                  << "Ribolia.pdf";
    QTest::newRow("too long") << QString(300, QChar(u'à')) << QString(125, QChar(u'à')) + ".pdf";
  }
  void aWindowsPdfIsOfferedUnderItsCaption() {
    QFETCH(QString, titol);
    QFETCH(QString, nom);
    QCOMPARE(Impressio::NomPdf(titol), nom);
  }

  // The folder of the last file chosen, across runs; documents at first.
  void fileDialogsStartWhereTheStudentLastWas() {
    QSettings().clear();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(Dialegs::CarpetaInicial(), QDir(documents).exists() ? documents : QDir::homePath());
    QTemporaryDir carpeta;
    const QString nom = carpeta.filePath(QStringLiteral("recerca"));
    Dialegs::InstallaManejadorFitxers([nom](bool, const QString&) { return nom; });
    QCOMPARE(Dialegs::TriaFitxerDesar(nullptr, "Desar", "Simulacions Ribolia (*.srb)"),
             nom + QStringLiteral(".srb"));
    Dialegs::InstallaManejadorFitxers({});
    QCOMPARE(Dialegs::CarpetaInicial(), QFileInfo(carpeta.path()).absoluteFilePath());
    QSettings().sync();
    QCOMPARE(QSettings(QSettings().fileName(), QSettings::NativeFormat).allKeys().size(), 1);
  }

  // Qt's own texts and formats are Catalan too.
  void qtSpeaksCatalan() {
    QCOMPARE(QLocale().toString(QDate(2026, 12, 8), QStringLiteral("d MMM yyyy")),
             QStringLiteral("8 de des. 2026"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "&Save"), QStringLiteral("De&sa"));
  }

  void aMissingTopicIsReported() {
    QVERIFY(!Ajuda::Finestra()->MostraTema(9999));
    QCOMPARE(Entorn::Missatges(),
             QStringList{QStringLiteral("El fitxer d'ajuda no té cap tema amb el número 9999.")});
  }

  void aMissingHelpFileIsReported() {
    QTemporaryDir buit;
    TFAjuda ajuda(nullptr, buit.filePath(QStringLiteral("Ribolia.hlp")));
    QVERIFY(!ajuda.MostraTema(50));
    QVERIFY(!ajuda.MostraContingut());
    QCOMPARE(Entorn::Missatges().size(), 2);
    QVERIFY(Entorn::Missatges().first().contains(QStringLiteral("Ribolia.hlp")));
  }

  void textGridReportsTheCellClickedAndIgnoresOutsideCells() {
    TGraellaText graella(4, 2, 30, 20);
    QCOMPARE(graella.size(), QSize(120, 40));
    graella.PosaText(1, 3, QStringLiteral("G"));
    graella.PosaText(2, 0, QStringLiteral("fora"));  // no such row: ignored
    QCOMPARE(graella.Text(1, 3), QStringLiteral("G"));
    QCOMPARE(graella.Text(2, 0), QString());
    QCOMPARE(graella.Text(-1, 0), QString());
    QSignalSpy clics(&graella, &TGraellaText::cellClicked);
    QTest::mouseClick(&graella, Qt::LeftButton, {}, QPoint(95, 25));
    QTest::mouseClick(&graella, Qt::RightButton, {}, QPoint(5, 5));
    QCOMPARE(clics.size(), 1);
    QCOMPARE(clics.first(), QVariantList({1, 3}));
  }

  void windows1252RoundTrip() {
    const QString text = QStringLiteral("Cèl·lula «àéíòóúïüç» – 1€ “Zuk”");
    const std::string bytes = AText1252(text);
    QCOMPARE(bytes.size(), std::size_t(text.size()));
    QCOMPARE(static_cast<unsigned char>(bytes[1]), 0xE8u);   // è
    QCOMPARE(static_cast<unsigned char>(bytes[3]), 0xB7u);   // ·
    QCOMPARE(static_cast<unsigned char>(bytes[21]), 0x96u);  // –
    QCOMPARE(DeText1252(bytes), text);
    QCOMPARE(AText1252(QStringLiteral("日本")), std::string("??"));
    // Every byte reads as some character and writes back as itself.
    std::string tots;
    for (int b = 0; b < 256; ++b) tots += static_cast<char>(b);
    QCOMPARE(AText1252(DeText1252(tots)), tots);
  }

  void printingWritesTheWindowsImageAsPdf() {
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Prova"));
    auto* capa = new QVBoxLayout(&finestra);
    capa->addWidget(new QLabel(QStringLiteral("Cadena de DNA original")));
    finestra.resize(400, 200);
    QTemporaryDir dir;
    const QString cami = dir.filePath(QStringLiteral("finestra.pdf"));
    QVERIFY(Impressio::DesaPdf(&finestra, cami));
    QFile pdf(cami);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray dades = pdf.readAll();
    QVERIFY(dades.startsWith("%PDF"));
    QVERIFY(dades.contains("/Image"));
    QVERIFY(!Impressio::DesaPdf(&finestra, dir.filePath(QStringLiteral("no/hi/es.pdf"))));
  }
};

QTEST_MAIN(TestPlataforma)
#include "tst_plataforma.moc"
