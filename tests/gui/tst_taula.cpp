// The code table and the publication dialog, driven as a student would:
// opened from the main window, cells clicked, meanings chosen.
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "experiments/Asscodo.h"
#include "experiments/Taula.h"
#include "helpers/Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"
#include "platform/Dialegs.h"
#include "platform/GraellaText.h"

using namespace RBGlobal;
using Entorn::Fill;

namespace {
using Accio = std::function<void(QDialog*)>;

// Each dialog shown modally is shown (so it activates) and handed to the
// action given for its name; it returns what the dialog closed with.
void Respon(QMap<QString, Accio> accions) {
  Entorn::RespostaModal([accions](QDialog* d) {
    d->setResult(QDialog::Rejected);
    d->show();
    if (accions.contains(d->objectName())) accions[d->objectName()](d);
    const int resultat = d->result();
    d->hide();
    return resultat;
  });
}

QTableWidget* Taula() { return Fill<QTableWidget>(FTaula, "SGTaula"); }
QString Cella(int fila, int columna) { return Taula()->item(fila, columna)->text(); }

void Clica(QTableWidget* graella, int fila, int columna) {
  const QRect r = graella->visualItemRect(graella->item(fila, columna));
  QTest::mouseClick(graella->viewport(), Qt::LeftButton, {}, r.center());
}
void Clica(TGraellaText* graella, int fila, int columna) {
  QTest::mouseClick(graella, Qt::LeftButton, {}, graella->RectCella(fila, columna).center());
}

// Opens the table from the main window and runs `accio` on it.
void ObreTaula(const Accio& accio, QMap<QString, Accio> altres = {}) {
  altres.insert(QStringLiteral("FTaula"), accio);
  Respon(altres);
  Fill<QAction>(FPrincipal, "MTaula")->trigger();
}

// In the publication dialog: choose amino acid `n` and press the button.
Accio Tria(int n, const char* boto = "BtDAcord") {
  return [n, boto](QDialog* d) {
    Fill<QRadioButton>(d, QStringLiteral("RGAminoacids%1").arg(n).toLatin1().constData())->click();
    Fill<QPushButton>(d, boto)->click();
  };
}

void NovaRecerca(std::uint16_t tipus) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  IniciaRecerca();
}

const QString Prestigi = QStringLiteral(
    "Una terrible pèrdua de prestigi!\n\nAltres investigadors han replicat el nostre experiment "
    "i han comprovat que ens hem equivocat.");
}  // namespace

class TestTaula : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { Entorn::Prepara(); }
  void init() {
    Entorn::Reinicia();
    NovaRecerca(FluxInformacio);
  }

  // Must run first: nothing has been clicked in the table yet.
  void LaFilaDeLaSegonaLletraActuaSobreLaCellaSeleccionada() {
    CodoTriat = "GGG";
    ObreTaula([](QDialog* d) { Clica(Fill<TGraellaText>(d, "SGSegonaLletra"), 0, 2); });
    QVERIFY(CodoTriatOk);
    QCOMPARE(CodoTriat, TCodo("UUU"));
    ObreTaula([](QDialog* d) {
      Taula()->setCurrentCell(11, 0);
      Clica(Fill<TGraellaText>(d, "SGSegonaLletra"), 0, 3);
    });
    QCOMPARE(CodoTriat, TCodo("AUG"));
  }

  void LesFinestresEsCreenUnCopIAmbElsSeusTextos() {
    QVERIFY(FTaula && FAssCodo);
    QCOMPARE(FTaula->parent(), FPrincipal);
    QCOMPARE(FAssCodo->parent(), FPrincipal);
    QCOMPARE(FTaula->windowTitle(), QStringLiteral("Taula del codi genètic"));
    QCOMPARE(FAssCodo->windowTitle(), QStringLiteral("Assignació d'un codó"));
    QCOMPARE(Fill<QLabel>(FTaula, "Label1")->text(), QStringLiteral("5'"));
    QCOMPARE(Fill<QLabel>(FTaula, "Label2")->text(), QStringLiteral("3'"));
    QCOMPARE(Fill<QPushButton>(FTaula, "BtImprimir")->text(), QStringLiteral("&Imprimir"));
    QCOMPARE(Fill<QPushButton>(FTaula, "BtAjuda")->text(), QStringLiteral("Aj&uda"));
    QCOMPARE(Fill<QPushButton>(FTaula, "BtTancar")->text(), QStringLiteral("&Tancar"));
    QCOMPARE(Fill<QPushButton>(FAssCodo, "BtDAcord")->text(), QStringLiteral("D'ac&ord"));
    QCOMPARE(Fill<QPushButton>(FAssCodo, "BtCancellar")->text(), QStringLiteral("&Cancel·lar"));
    QCOMPARE(Fill<QPushButton>(FAssCodo, "BtAjuda")->text(), QStringLiteral("Aj&uda"));
    QCOMPARE(Taula()->rowCount(), 16);
    QCOMPARE(Taula()->columnCount(), 4);
    QCOMPARE(Taula()->columnWidth(0), 90);
    QCOMPARE(Taula()->rowHeight(0), 20);
  }

  void LesCapcaleresDiuenQuinaLletraEsCadaCosa() {
    auto* segona = Fill<TGraellaText>(FTaula, "SGSegonaLletra");
    auto* primera = Fill<TGraellaText>(FTaula, "SGPrimeraLletra");
    const QString lletres = QStringLiteral("UCAG");
    for (int k = 0; k < 4; ++k) {
      QCOMPARE(segona->Text(0, k), QStringLiteral("_ %1 _").arg(lletres[k]));
      QCOMPARE(primera->Text(k, 0), QStringLiteral("%1 _ _").arg(lletres[k]));
      const QByteArray nom = "SGTerceraLletra" + QByteArray::number(k + 1);
      auto* tercera = Fill<TGraellaText>(FTaula, nom.constData());
      QVERIFY(!tercera->Linies());
      for (int l = 0; l < 4; ++l)
        QCOMPARE(tercera->Text(l, 0), QStringLiteral("%1 _ %2").arg(lletres[k], lletres[l]));
    }
  }

  void LesOpcionsSonElsAminoacidsINoHoSe() {
    QCOMPARE(Fill<QRadioButton>(FAssCodo, "RGAminoacids0")->text(), QStringLiteral("Aturada (Fi)"));
    QCOMPARE(Fill<QRadioButton>(FAssCodo, "RGAminoacids1")->text(),
             QStringLiteral("Glicina (Gly)"));
    QCOMPARE(Fill<QRadioButton>(FAssCodo, "RGAminoacids20")->text(),
             QStringLiteral("Histidina (His)"));
    QCOMPARE(Fill<QRadioButton>(FAssCodo, "RGAminoacids21")->text(), QStringLiteral("No ho sé"));
    QCOMPARE(FAssCodo->findChildren<QRadioButton*>().size(), 22);
  }

  void ElsExercicisVeuenTotElCodiReal() {
    QStringList vist;
    ObreTaula([&](QDialog*) { vist << Cella(3, 3) << Cella(2, 2) << Cella(11, 0); });
    QCOMPARE(vist, (QStringList{"UGG: Trp", "UAA: Fi", "AUG: Met"}));
    QCOMPARE(FTaula->ContextAjuda(), 257);
  }

  void ClicarUnaCellaTriaElCodoITancaLaTaula() {
    ObreTaula([](QDialog*) { Clica(Taula(), 3, 3); });
    QVERIFY(CodoTriatOk);
    QCOMPARE(CodoTriat, TCodo("UGG"));
    QVERIFY(!FTaula->isVisible());
    QCOMPARE(Entorn::DialegsMostrats(), QStringList{"FTaula"});  // no publication dialog
    ObreTaula([](QDialog*) {
      Taula()->setFocus();
      QTest::keyClick(Taula(), Qt::Key_Down);
      QTest::keyClick(Taula(), Qt::Key_Return);  // the keyboard picks as a click does
    });
    QVERIFY(CodoTriatOk);
    QCOMPARE(QString::fromStdString(CodoTriat), QStringLiteral("CGU"));  // the cell under UGG
  }

  // Whatever an earlier opening picked, any other way of closing picks nothing.
  void TancarSenseClicarNoTriaCapCodo_data() {
    QTest::addColumn<int>("manera");
    QTest::newRow("Tancar") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("caixa de tancar") << 2;
  }
  void TancarSenseClicarNoTriaCapCodo() {
    QFETCH(int, manera);
    ObreTaula([](QDialog*) { Clica(Taula(), 0, 1); });
    QVERIFY(CodoTriatOk);
    ObreTaula([manera](QDialog* d) {
      if (manera == 0) Fill<QPushButton>(d, "BtTancar")->click();
      if (manera == 1) QTest::keyClick(Taula(), Qt::Key_Escape);
      if (manera == 2) d->close();
    });
    QVERIFY(!CodoTriatOk);
    QVERIFY(!FTaula->isVisible());
    QCOMPARE(CodoTriat, TCodo("UCU"));  // kept until the next click
  }

  void ElsTresComandamentsObrenLaTaula() {
    Respon({});
    Fill<QAction>(FPrincipal, "MTaula")->trigger();
    Fill<QAction>(FPrincipal, "MPublicar")->trigger();
    Fill<QToolButton>(FPrincipal, "SBTaulaCodi")->click();
    QCOMPARE(Entorn::DialegsMostrats(), (QStringList{"FTaula", "FTaula", "FTaula"}));
  }

  void UnaRecercaNovaNoTeResPublicat() {
    NovaRecerca(CodiLliure);
    QStringList vist;
    ObreTaula([&](QDialog*) {
      for (int f = 0; f < 16; ++f)
        for (int c = 0; c < 4; ++c) vist << Cella(f, c);
    });
    for (const QString& text : vist)
      QVERIFY2(text.size() == 5 && text.endsWith(": "), qPrintable(text));
    QCOMPARE(FTaula->ContextAjuda(), 252);
  }

  // Publishing AUG shows at once; "No ho sé" withdraws it again.
  void PublicarIRetirarUnCodo() {
    NovaRecerca(CodiLliure);
    EstatRecerca.CodiAmagat = CodiEstandard;
    QStringList vist;
    QString titol;
    int seleccio = -1;
    auto mira = [&](QDialog* d) {
      titol = Fill<QGroupBox>(d, "RGAminoacids")->title();
      seleccio = FAssCodo->ItemIndex();
    };
    int triat = 9;
    ObreTaula(
        [&](QDialog*) {
          vist << Cella(11, 0);
          Clica(Taula(), 11, 0);
          vist << Cella(11, 0);
          triat = NoAssignat;
          Clica(Taula(), 11, 0);
          vist << Cella(11, 0);
        },
        {{"FAssCodo", [&](QDialog* d) {
            mira(d);
            Tria(triat)(d);
          }}});
    QCOMPARE(vist, (QStringList{"AUG: ", "AUG: Met", "AUG: "}));
    QCOMPARE(titol, QStringLiteral("Aminoàcid corresponent al codó AUG"));
    QCOMPARE(seleccio, 9);  // the second opening starts from what was published
    QCOMPARE(EstatRecerca.CodiPublicat[IndexCodo("AUG")], NoAssignat);
    QVERIFY(Entorn::Missatges().isEmpty());
    QVERIFY(!CodoTriatOk);  // publishing is not picking
  }

  // With a random code the true meaning is the random one, not the standard.
  void UnSignificatEquivocatEsRefusa() {
    NovaRecerca(CodiLliure);
    Sembra(1961);
    PosaCodiAleatori();
    unsigned i = 0;
    while (EstatRecerca.CodiAmagat[i] == CodiEstandard[i]) ++i;
    const int fila = 4 * (i / 16) + i % 4, columna = (i / 4) % 4;
    const TEstatRecerca abans = EstatRecerca;
    QStringList vist;
    int triat = CodiEstandard[i];
    ObreTaula(
        [&](QDialog*) {
          Clica(Taula(), fila, columna);
          vist << Cella(fila, columna);
          triat = EstatRecerca.CodiAmagat[i];
          Clica(Taula(), fila, columna);
          vist << Cella(fila, columna);
        },
        {{"FAssCodo", [&](QDialog* d) { Tria(triat)(d); }}});
    QCOMPARE(Entorn::Missatges(), QStringList{Prestigi});
    const QString codo = QString::fromStdString(TextCodo(i)) + QStringLiteral(": ");
    QCOMPARE(vist, (QStringList{codo, codo + QString::fromStdString(
                                                 AbreviaturaAminoacid(abans.CodiAmagat[i]))}));
    TEstatRecerca esperat = abans;
    esperat.CodiPublicat[i] = abans.CodiAmagat[i];
    QVERIFY(EstatRecerca == esperat);  // the refusal changed nothing at all
  }

  void CancellarNoCanviaRes() {
    NovaRecerca(JocPressupost);
    const TEstatRecerca abans = EstatRecerca;
    ObreTaula([](QDialog*) { Clica(Taula(), 0, 0); },
              {{"FAssCodo", Tria(EstatRecerca.CodiAmagat[0], "BtCancellar")}});
    QVERIFY(EstatRecerca == abans);
    QCOMPARE(Entorn::DialegsMostrats(), (QStringList{"FTaula", "FAssCodo"}));
  }

  // An opened file may hold any value in either code.
  void ValorsEstranysDUnFitxerNoFallen() {
    NovaRecerca(CodiLliure);
    EstatRecerca.CodiAmagat[0] = 65535;
    EstatRecerca.CodiPublicat[0] = 300;
    EstatRecerca.CodiPublicat[1] = 22;
    QStringList vist;
    int seleccio = -1;
    ObreTaula(
        [&](QDialog*) {
          vist << Cella(0, 0) << Cella(1, 0);
          Clica(Taula(), 0, 0);
        },
        {{"FAssCodo", [&](QDialog* d) {
            seleccio = FAssCodo->ItemIndex();
            Tria(1)(d);
          }}});
    QCOMPARE(vist, (QStringList{"UUU: ", "UUC: "}));
    QCOMPARE(seleccio, int(NoAssignat));
    QCOMPARE(Entorn::Missatges(), QStringList{Prestigi});
    QCOMPARE(EstatRecerca.CodiPublicat[0], 300);

    EstatRecerca.TipusPartida = FluxInformacio;
    ObreTaula([&](QDialog*) { vist << Cella(0, 0); });
    QCOMPARE(vist.last(), QStringLiteral("UUU: "));
  }

  void LAjudaDepenDelTipus() {
    ObreTaula([](QDialog* d) { Fill<QPushButton>(d, "BtAjuda")->click(); });
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 257);
    NovaRecerca(CodiLliure);
    ObreTaula(
        [](QDialog* d) {
          Fill<QPushButton>(d, "BtAjuda")->click();
          Clica(Taula(), 0, 0);
        },
        {{"FAssCodo", [](QDialog* d) {
            QCOMPARE(Ajuda::Finestra()->TemaActual(), 252);
            Fill<QPushButton>(d, "BtAjuda")->click();
          }}});
    QCOMPARE(Ajuda::Finestra()->TemaActual(), 15);
    QVERIFY2(Entorn::Missatges().isEmpty(), qPrintable(Entorn::Missatges().join('\n')));
    Ajuda::Finestra()->hide();
  }

  void ImprimirDesaLaTaulaComAPdf() {
    if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("aquesta màquina té impressora");
    QTemporaryDir dir;
    const QString cami = dir.filePath(QStringLiteral("taula.pdf"));
    Dialegs::InstallaManejadorFitxers(
        [&](bool desar, const QString&) { return desar ? cami : QString(); });
    ObreTaula([](QDialog* d) { Fill<QPushButton>(d, "BtImprimir")->click(); });
    Dialegs::InstallaManejadorFitxers({});
    QFile pdf(cami);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY(Entorn::Missatges().first().contains(QStringLiteral("taula.pdf")));
  }
};

QTEST_MAIN(TestTaula)
#include "tst_taula.moc"
