// The language: which one a start picks, the menu that chooses it, and the
// words the windows compose from the model's numbers.
#include <QAction>
#include <QMenu>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include "Entorn.h"
#include "FitxerTs.h"
#include "mainwindow/Rbmain.h"
#include "model/Labs.h"
#include "model/RBGlobal.h"
#include "model/RecercaDesada.h"
#include "platform/Idioma.h"
#include "platform/TextosJoc.h"

using Entorn::Fill;

class TestIdioma : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    // The machine's language never reaches the tests.
    qputenv("LANGUAGE", "en");
    Entorn::Prepara();
  }
  void init() { Entorn::NetejaMissatges(); }

  void testsRunInCatalan() { QCOMPARE(Idioma::Actual(), QStringLiteral("ca")); }

  void theChoiceThenTheSystemThenCatalan_data() {
    QTest::addColumn<QString>("desat");
    QTest::addColumn<QStringList>("sistema");
    QTest::addColumn<QString>("idioma");
    QTest::addRow("nothing") << "" << QStringList{} << "ca";
    QTest::addRow("Spanish system") << "" << QStringList{"es_ES.UTF-8"} << "es";
    QTest::addRow("English system") << "" << QStringList{"en_GB.UTF-8"} << "en";
    QTest::addRow("Catalan system") << "" << QStringList{"ca_ES@valencia"} << "ca";
    QTest::addRow("French system") << "" << QStringList{"fr_FR.UTF-8"} << "ca";
    QTest::addRow("C locale") << "" << QStringList{"C"} << "ca";
    QTest::addRow("first spoken of a list") << "" << QStringList{"fr", "de", "en", "es"} << "en";
    QTest::addRow("Catalan before Spanish") << "" << QStringList{"ca", "es"} << "ca";
    QTest::addRow("choice beats system") << "ca" << QStringList{"es_ES"} << "ca";
    QTest::addRow("unknown choice ignored") << "fr" << QStringList{"en_US"} << "en";
  }
  void theChoiceThenTheSystemThenCatalan() {
    QFETCH(QString, desat);
    QFETCH(QStringList, sistema);
    QFETCH(QString, idioma);
    QCOMPARE(Idioma::Tria(desat, sistema), idioma);
  }

  // LANGUAGE's list first, then the first of LC_ALL, LC_MESSAGES, LANG.
  void theSystemsLanguagesComeFromTheEnvironment() {
    const QByteArray abans[] = {qgetenv("LANGUAGE"), qgetenv("LC_ALL"), qgetenv("LC_MESSAGES"),
                                qgetenv("LANG")};
    qputenv("LANGUAGE", "fr:es");
    qunsetenv("LC_ALL");
    qputenv("LC_MESSAGES", "en_US.UTF-8");
    qputenv("LANG", "ca_ES.UTF-8");
    QCOMPARE(Idioma::IdiomesSistema(), QStringList({"fr", "es", "en_US.UTF-8"}));
    qunsetenv("LANGUAGE");
    qunsetenv("LC_MESSAGES");
    QCOMPARE(Idioma::Tria(QString(), Idioma::IdiomesSistema()), QStringLiteral("ca"));
    int i = 0;
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) qputenv(v, abans[i++]);
  }

  // The submenu closes Aj&uda; a choice is remembered and told in both
  // languages, except a choice of the language already in use.
  void theMenuRemembersTheChoiceForTheNextStart() {
    const QList<QAction*> ajuda = Fill<QMenu>(FPrincipal, "MAjuda")->actions();
    QCOMPARE(ajuda.last()->objectName(), QStringLiteral("MIdioma"));
    QStringList items;
    for (QAction* a : Fill<QMenu>(FPrincipal, "MIdioma")->actions()) items << a->text();
    QCOMPARE(items, QStringList({"Català", "Español", "English"}));
    QVERIFY(Fill<QAction>(FPrincipal, "MIdiomaCatala")->isChecked());

    Fill<QAction>(FPrincipal, "MIdiomaAngles")->trigger();
    QCOMPARE(Idioma::Desat(), QStringLiteral("en"));
    QVERIFY(Fill<QAction>(FPrincipal, "MIdiomaAngles")->isChecked());
    QVERIFY(!Fill<QAction>(FPrincipal, "MIdiomaCatala")->isChecked());
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY(Entorn::Missatges().first().endsWith(
        QStringLiteral("L'idioma canviarà el proper cop que obris el programa.")));

    Entorn::NetejaMissatges();
    Fill<QAction>(FPrincipal, "MIdiomaCatala")->trigger();
    QCOMPARE(Idioma::Desat(), QStringLiteral("ca"));
    QVERIFY(Entorn::Missatges().isEmpty());
  }

  // In Catalan each composed text reads exactly as the model writes it.
  void composedTextsReadAsTheModelsInCatalan() {
    for (std::int32_t diners : {0, 7, 999, 1000, 123456, -3000, 2147483647}) {
      QCOMPARE(TextosJoc::Caixa(diners), QString::fromStdString(Labs::TextCaixa(diners)));
      RBGlobal::TEstatRecerca e;
      e.Diners = diners;
      QCOMPARE(TextosJoc::Queden(diners), QString::fromStdString(Labs::TCompra(e).TextQueden()));
    }
    for (std::uint16_t ingressos : {0, 300, 10000, 65535})
      QCOMPARE(TextosJoc::Mesada(ingressos), QString::fromStdString(Labs::TextMesada(ingressos)));
    for (std::optional<unsigned> mesos : {std::optional<unsigned>(), std::optional(0u),
                                          std::optional(1u), std::optional(2u), std::optional(11u)})
      QCOMPARE(TextosJoc::Mesos(mesos), QString::fromStdString(Labs::TextMesos(mesos)));
    RBGlobal::TEstatRecerca e;
    for (std::uint16_t mes = 0; mes <= 13; ++mes)
      for (std::uint16_t any : {1961, 1970}) {
        e.Mes = mes;
        e.Any = any;
        QCOMPARE(TextosJoc::Data(e), QString::fromStdString(Labs::TextData(e)));
      }
  }

  // In Spanish and English the same texts come out in those words, from the
  // built translations: the singular month, the date, money, a refusal.
  void composedTextsInEachLanguage_data() {
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QString>("mes");
    QTest::addColumn<QString>("mesos");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("caixa");
    QTest::addColumn<QString>("motiu");
    QTest::addRow("es") << "es" << "Terminaremos dentro de 1 mes."
                        << "Terminaremos dentro de 11 meses." << "Mayo de 1962"
                        << "Tenemos         1.000 $." << "El mes vale 13, y debe estar entre 1 y 12";
    QTest::addRow("en") << "en" << "We'll finish in 1 month." << "We'll finish in 11 months."
                        << "May 1962" << "Funds         1.000 $."
                        << "The month is 13, and it must be between 1 and 12";
  }
  void composedTextsInEachLanguage() {
    QFETCH(QString, idioma);
    QFETCH(QString, mes);
    QFETCH(QString, mesos);
    QFETCH(QString, data);
    QFETCH(QString, caixa);
    QFETCH(QString, motiu);
    QTranslator traduccio;
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../src");
    QVERIFY2(traduccio.load(QStringLiteral("ribolia_") + idioma, dir), qPrintable(dir));
    QCoreApplication::installTranslator(&traduccio);
    RBGlobal::TEstatRecerca e;
    e.Mes = 5;
    e.Any = 1962;
    QCOMPARE(TextosJoc::Mesos(1u), mes);
    QCOMPARE(TextosJoc::Mesos(11u), mesos);
    QCOMPARE(TextosJoc::Data(e), data);
    QCOMPARE(TextosJoc::Caixa(1000), caixa);
    e.Mes = 13;
    QCOMPARE(Idioma::Model(RBGlobal::MotiuRebuigDetallat(e).Plantilla).arg(13), motiu);
    QCoreApplication::removeTranslator(&traduccio);
  }

  // Every catalogue name the windows pass through Idioma::Model is in the
  // translation files, so none is left untranslated when the model grows.
  void everyCatalogueNameIsOfferedForTranslation() {
    QSet<QString> model;
    for (const TMissatgeTs& m : LlegeixTs(QStringLiteral(RIBOLIA_DIR_TRADUCCIONS "/ribolia_es.ts")))
      if (m.Context == QLatin1String("Model")) model.insert(m.Font);
    QStringList noms;
    const auto afegeix = [&noms](const auto& taula) {
      for (const char* nom : taula) noms << QString::fromUtf8(nom);
    };
    afegeix(RBGlobal::NomsMesos);
    afegeix(RBGlobal::NomsAminoacids);
    afegeix(Labs::NomsMaterialBiologic);
    afegeix(Labs::NomsAparells);
    afegeix(Labs::NomsReactius);
    afegeix(Labs::NomsTecniques);
    afegeix(Labs::NomsExperiments);
    for (const RBGlobal::TCentre& centre : RBGlobal::OfertesCentres) afegeix(centre.Noms);
    QStringList absents;
    for (const QString& nom : noms)
      if (!model.contains(nom)) absents << nom;
    QVERIFY2(absents.isEmpty(), qPrintable(absents.join(QStringLiteral(", "))));
  }
};

QTEST_MAIN(TestIdioma)
#include "tst_idioma.moc"
