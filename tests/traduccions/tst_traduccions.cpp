// The translation files are complete, and each translation keeps what the
// program fills in or acts on: the %1 and %n placeholders, the line breaks
// and the mnemonic marks (&) of its source.
#include <QRegularExpression>
#include <QTest>

#include "FitxerTs.h"

namespace {
// The placeholders, sorted, so that a translation may reorder them.
QStringList Marcadors(const QString& text) {
  static const QRegularExpression marcador(QStringLiteral("%(\\d+|n)"));
  QStringList trobats;
  for (const auto& m : marcador.globalMatch(text)) trobats << m.captured();
  trobats.sort();
  return trobats;
}

// What differs between a source and one translation of it; empty when none.
QString Diferencia(const QString& font, const QString& traduccio) {
  if (traduccio.isEmpty()) return QStringLiteral("buida");
  if (Marcadors(font) != Marcadors(traduccio))
    return QStringLiteral("marcadors %1, i l'original %2")
        .arg(Marcadors(traduccio).join(u' '), Marcadors(font).join(u' '));
  if (font.count(u'\n') != traduccio.count(u'\n')) return QStringLiteral("salts de línia");
  if (font.count(u'&') != traduccio.count(u'&')) return QStringLiteral("nombre de &");
  return QString();
}
}  // namespace

class TestTraduccions : public QObject {
  Q_OBJECT
 private slots:
  void eachMessageIsTranslatedKeepingWhatTheProgramNeeds_data() {
    QTest::addColumn<QString>("cami");
    for (const char* idioma : {"es", "en"})
      QTest::addRow("%s", idioma)
          << QStringLiteral(RIBOLIA_DIR_TRADUCCIONS "/ribolia_%1.ts").arg(QLatin1String(idioma));
  }
  void eachMessageIsTranslatedKeepingWhatTheProgramNeeds() {
    QFETCH(QString, cami);
    QString error;
    const QList<TMissatgeTs> missatges = LlegeixTs(cami, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!missatges.isEmpty());
    QStringList faltes;
    for (const TMissatgeTs& m : missatges) {
      if (m.Tipus == QLatin1String("vanished") || m.Tipus == QLatin1String("obsolete")) continue;
      QString falta =
          m.Tipus == QLatin1String("unfinished") ? QStringLiteral("per acabar") : QString();
      for (const QString& t : m.Traduccions)
        if (falta.isEmpty()) falta = Diferencia(m.Font, t);
      if (!falta.isEmpty()) faltes << QStringLiteral("%1 «%2»: %3").arg(m.Context, m.Font, falta);
    }
    QVERIFY2(faltes.isEmpty(),
             qPrintable(
                 QStringLiteral("%1 de %2 missatges:\n").arg(faltes.size()).arg(missatges.size()) +
                 faltes.join(u'\n')));
  }

  // The check itself: each fault it must catch, and what it must let pass.
  void theCheckCatchesEachFault_data() {
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("traduccio");
    QTest::addColumn<bool>("correcta");
    QTest::addRow("reordered") << "%1 de %2"
                               << "%2 of %1" << true;
    QTest::addRow("second placeholder lost") << "%1 de %2"
                                             << "%1 of" << false;
    QTest::addRow("plural placeholder kept") << "%n mesos"
                                             << "%n months" << true;
    QTest::addRow("plural placeholder lost") << "%n mesos"
                                             << "months" << false;
    QTest::addRow("line break lost") << "Un.\nDos."
                                     << "One. Two." << false;
    QTest::addRow("mnemonic lost") << "&Fitxer"
                                   << "File" << false;
    QTest::addRow("mnemonic moved") << "&Fitxer"
                                    << "F&ile" << true;
    QTest::addRow("empty") << "Sí"
                           << "" << false;
  }
  void theCheckCatchesEachFault() {
    QFETCH(QString, font);
    QFETCH(QString, traduccio);
    QFETCH(bool, correcta);
    QCOMPARE(Diferencia(font, traduccio).isEmpty(), correcta);
  }
};

QTEST_GUILESS_MAIN(TestTraduccions)
#include "tst_traduccions.moc"
