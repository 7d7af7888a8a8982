// Every word the exercise and experiment windows show goes through the
// translation system: with a translator that marks whatever it is asked,
// each text of these windows, at each step, carries the mark.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include "exercises/DNAComplementari.h"
#include "exercises/OpcSinPr.h"
#include "exercises/OpcTauRs.h"
#include "exercises/SintProt.h"
#include "exercises/TaulaResum.h"
#include "experiments/Asscodo.h"
#include "experiments/Copolim.h"
#include "experiments/Freqcopo.h"
#include "experiments/InfoRB.h"
#include "experiments/Polimer.h"
#include "experiments/Taula.h"
#include "experiments/Traduir.h"
#include "helpers/Entorn.h"
#include "model/RBGlobal.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {

// Every text it is asked for comes back between marks.
class TMarcador : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* text, const char*, int) const override {
    return QStringLiteral("[[%1]]").arg(QString::fromUtf8(text));
  }
};

// Words, not letters or codons: a run of two letters with a small one.
bool TeParaules(const QString& text) {
  static const QRegularExpression paraula(QStringLiteral("\\p{L}*\\p{Ll}\\p{L}*"));
  auto it = paraula.globalMatch(text);
  while (it.hasNext())
    if (it.next().capturedLength() >= 2) return true;
  return false;
}

// The placing buttons are built, and their texts marked, by the platform layer.
bool DelaPlataforma(const QWidget* w) {
  static const QStringList noms{QStringLiteral("BAdenina"),  QStringLiteral("BGuanina"),
                                QStringLiteral("BCitosina"), QStringLiteral("BTimina"),
                                QStringLiteral("BUracil"),   QStringLiteral("BEspai"),
                                QStringLiteral("B5"),        QStringLiteral("B3")};
  return noms.contains(w->objectName());
}

QStringList Textos(QWidget* w) {
  QStringList textos{w->toolTip(), w->accessibleName(), w->accessibleDescription()};
  if (w->isWindow()) textos << w->windowTitle();
  if (const auto* boto = qobject_cast<QAbstractButton*>(w)) textos << boto->text();
  if (const auto* etiqueta = qobject_cast<QLabel*>(w)) textos << etiqueta->text();
  if (const auto* grup = qobject_cast<QGroupBox*>(w)) textos << grup->title();
  if (const auto* llista = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < llista->count(); ++i) textos << llista->itemText(i);
  if (const auto* arbre = qobject_cast<QTreeWidget*>(w)) {
    for (int c = 0; c < arbre->columnCount(); ++c) textos << arbre->headerItem()->text(c);
    for (int i = 0; i < arbre->topLevelItemCount(); ++i)
      for (int c = 0; c < arbre->columnCount(); ++c) textos << arbre->topLevelItem(i)->text(c);
  }
  return textos;
}

void Clica(QWidget* finestra, const char* boto) { Fill<QAbstractButton>(finestra, boto)->click(); }

}  // namespace

class TestTextosMarcats : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QCoreApplication::installTranslator(new TMarcador);
    Entorn::Prepara();
  }

  void everyTextIsMarked_data() {
    QTest::addColumn<QWidget*>("finestra");
    QTest::addColumn<QString>("pas");
    const std::pair<QWidget*, const char*> passos[] = {{FDNAComplementari, ""},
                                                       {FDNAComplementari, "demostracio"},
                                                       {FDNAComplementari, "transcripcio"},
                                                       {FSintProt, ""},
                                                       {FOpcionsSintesiProteines, ""},
                                                       {FTaulaResum, ""},
                                                       {FOpcionsTaulaResum, ""},
                                                       {FAssCodo, ""},
                                                       {FCopolim, ""},
                                                       {FCopolim, "proporcions"},
                                                       {FFreqTriplets, "proporcions"},
                                                       {FInfoDesxiframent, ""},
                                                       {FRNASint, ""},
                                                       {FRNASint, "polimer"},
                                                       {FTaula, ""},
                                                       {FTraduccio, "resultats"},
                                                       {FTraduccio, "revisio"}};
    for (const auto& [f, pas] : passos)
      QTest::addRow("%s %s", qPrintable(f->objectName()), pas) << f << QString::fromLatin1(pas);
  }

  void everyTextIsMarked() {
    QFETCH(QWidget*, finestra);
    QFETCH(QString, pas);
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.TipusPartida = CodiLliure;
    IniciaRecerca();
    FDNAComplementari->Transcripcio = pas == QLatin1String("transcripcio");
    ModeTraduccio = true;
    if (pas == QLatin1String("revisio")) {  // a polymer and a copolymer to look back on
      for (int tipus : {int(ExperimentSintetic), int(ExperimentCopolimers)}) {
        TipusExperiment = std::uint16_t(tipus);
        DescripcioCopolimer = "RNA aleatori amb: 50% A; 50% U; ";
        RNAPolimer = "AUAUAUAUAUAUAUAUAUAUAUAUAUAUAUAUAUAUAUAUA";
        FTraduccio->show();
        Clica(FTraduccio, "BtTraduir");
        FTraduccio->hide();
      }
      ModeTraduccio = false;
    }
    QWidget* oberta = finestra == FFreqTriplets ? FCopolim : finestra;
    oberta->show();
    if (pas == QLatin1String("demostracio")) {
      Clica(finestra, "BtDemostracio");
      FDNAComplementari->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    }
    if (pas == QLatin1String("resultats")) Clica(finestra, "BtTraduir");
    if (pas == QLatin1String("polimer")) {
      Clica(finestra, "BtA");
      Clica(finestra, "BtPolimeritzar");
    }
    if (pas == QLatin1String("proporcions")) {
      for (const char* boto : {"CBA", "CBU", "BtDAcord", "BtFrequencies", "BtPolimeritzar"})
        Clica(FCopolim, boto);
    }
    QStringList sense;
    QList<QWidget*> controls = finestra->findChildren<QWidget*>();
    controls << finestra;
    for (QWidget* w : controls) {
      if (w->window() != finestra || w->objectName().startsWith(QLatin1String("qt_")) ||
          DelaPlataforma(w))
        continue;
      for (const QString& text : Textos(w))
        if (TeParaules(text) && !text.contains(QLatin1String("[[")))
          sense << QStringLiteral("%1: \"%2\"").arg(w->objectName(), text);
    }
    oberta->hide();
    finestra->hide();
    QVERIFY2(sense.isEmpty(), qPrintable(sense.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TestTextosMarcats)
#include "tst_textosmarcats.moc"
