// Saving and opening a research from the main window, every way a file can
// be refused or a save can fail, and the question asked before leaving a
// research with unsaved changes.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "Entorn.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Dialegs.h"
#include "platform/FitxerRecerca.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>

#include <csignal>
#endif

using namespace RBGlobal;
using Entorn::Fill;

namespace {
// A message as it reads: paths keep their names whole with no-break spaces
// and word joiners, which a reader does not see.
QString ComEsLlegeix(QString text) { return text.replace(QChar(0xA0), u' ').remove(QChar(0x2060)); }

// The names the open and save dialogs will "choose"; empty is Cancel.
QString NomObrir, NomDesar;

// Opens without keeping the research on screen: a question about saving
// it is answered "No desar" and left out of the messages recorded.
void Obre(const QString& nom) {
  NomObrir = nom;
  Entorn::RespostesMissatges({QMessageBox::Discard});
  Fill<QToolButton>(FPrincipal, "SBObrirRecerca")->click();
  Entorn::RespostesMissatges({});
  Entorn::Missatges().removeIf(
      [](const QString& m) { return m.startsWith(QStringLiteral("La recerca ha canviat")); });
}
void Desa(const QString& nom) {
  NomDesar = nom;
  Fill<QAction>(FPrincipal, "MDesarRecerca")->trigger();
}

QByteArray Contingut(const QString& nom) {
  QFile f(nom);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void Escriu(const QString& nom, const QByteArray& bytes) {
  QFile f(nom);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}
QByteArray Bytes(const TEstatRecerca& e) {
  const TImatge im = CodificaEstat(e);
  return QByteArray(reinterpret_cast<const char*>(im.data()), qsizetype(im.size()));
}

void Refresca() {
  FPrincipal->UpdateMenuItems();
  FPrincipal->ActualitzaInformacio();
}

// A free research used for some weeks: experiments, a published codon, a
// name shortened over a longer one, spare bytes that a file carried.
TEstatRecerca Treballada() {
  EstatRecerca = TEstatRecerca{};
  IniciaRecerca();
  EstatRecerca.TipusPartida = CodiLliure;
  EstatRecerca.TipusCodi = 1;
  IniciaRecerca();
  TEstatRecerca& e = EstatRecerca;
  e.Nom.Posa("Marianne Grunberg");
  e.Nom.Posa("Marianne");
  for (std::size_t x = 1; x <= 3; ++x) {
    e.PolimersExperiment[x].Posa(std::string(41, 'A'));
    e.PolimersExperiment[x].Posa(std::string(x * 5, 'U'));
    e.ResultatsExperiment[x][2][7] = std::uint16_t(x);
    e.ConclusionsExperiment[x].Posa("Cap conclusi\xF3 encara.");
    e.ExperimentCopolimer[x] = x == 2;
  }
  e.NombreExperiments = 3;
  e.CodiPublicat[9] = e.CodiAmagat[9];
  e.Lliure1 = 0x11;
  e.Lliure2 = 0x2233;
  Refresca();
  return e;
}

// A research game in May 1962, as a file would hold it.
QByteArray Joc() {
  TEstatRecerca e = EstatRecerca;
  e.TipusPartida = JocPressupost;
  e.Mes = 5;
  e.Any = 1962;
  e.Diners = 1234567;
  e.Provetes = 7;
  for (std::size_t t = 1; t < 28; ++t) e.NivellTecniques[t] = 1;
  return Bytes(e);
}

bool HiHaDesar() { return Fill<QAction>(FPrincipal, "MDesarRecerca")->isEnabled(); }

}  // namespace

class TestFitxerRecerca : public QObject {
  Q_OBJECT
  QTemporaryDir dir;
  QString Cami(const char* nom) const { return dir.filePath(QString::fromUtf8(nom)); }

 private slots:
  void initTestCase() {
    Entorn::Prepara();
    QVERIFY(dir.isValid());
    Dialegs::InstallaManejadorFitxers(
        [](bool desar, const QString&) { return desar ? NomDesar : NomObrir; });
  }
  void init() {
    Entorn::NetejaMissatges();
    NomObrir.clear();
    NomDesar.clear();
  }

  void aSavedResearchComesBackWholeAndSavesTheSameBytes() {
    const TEstatRecerca desada = Treballada();
    Fill<QToolButton>(FPrincipal, "SBDesarRecerca")->click();  // cancelled: nothing written
    Desa(Cami("anada.srb"));
    QVERIFY2(Entorn::Missatges().isEmpty(), qPrintable(Entorn::Missatges().join('\n')));
    const QByteArray bytes = Contingut(Cami("anada.srb"));
    QCOMPARE(bytes.size(), 24184);
    QCOMPARE(bytes.mid(24026, 2), QByteArray("\x01\x00", 2));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"anada.srb"});  // no temporary
    EstatRecerca = TEstatRecerca{};
    IniciaRecerca();
    Refresca();
    QVERIFY(!HiHaDesar());
    Obre(QString());  // cancelled
    QVERIFY(!HiHaDesar());
    Obre(Cami("anada.srb"));
    QVERIFY2(Entorn::Missatges().isEmpty(), qPrintable(Entorn::Missatges().join('\n')));
    QVERIFY(EstatRecerca == desada);
    QVERIFY(HiHaDesar());
    QVERIFY(Fill<QAction>(FPrincipal, "MRevisarExperiments")->isEnabled());
    Desa(Cami("tornada.srb"));
    QCOMPARE(Contingut(Cami("tornada.srb")), Contingut(Cami("anada.srb")));
  }

  void aGameFileOpensTheGame() {
    Treballada();
    Escriu(Cami("joc.srb"), Joc());
    Obre(Cami("joc.srb"));
    QCOMPARE(EstatRecerca.TipusPartida, JocPressupost);
    auto* panell = Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral");
    QVERIFY(!panell->isHidden());
    QCOMPARE(panell->title(), QStringLiteral("Maig de 1962"));
    QCOMPARE(Fill<QLabel>(FPrincipal, "LbDiners")->text(), QStringLiteral("1.234.567 $."));
    QVERIFY(Fill<QAction>(FPrincipal, "MPassarTorn")->isVisible());
  }

  void aLongerFileOpensFromItsFirstRecord() {
    const TEstatRecerca desada = Treballada();
    Escriu(Cami("llarg.srb"), Bytes(desada) + QByteArray(3000, '\xFF'));
    EstatRecerca = TEstatRecerca{};
    Obre(Cami("llarg.srb"));
    QVERIFY(Entorn::Missatges().isEmpty());
    QVERIFY(EstatRecerca == desada);
  }

  void aReadOnlyFileOpensAndStaysAsItWas() {
    const TEstatRecerca desada = Treballada();
    const QString nom = Cami("nomeslectura.srb");
    Escriu(nom, Bytes(desada));
    QVERIFY(QFile::setPermissions(nom, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EstatRecerca = TEstatRecerca{};
    Obre(nom);
    QVERIFY(Entorn::Missatges().isEmpty());
    QVERIFY(EstatRecerca == desada);
    QCOMPARE(Contingut(nom), Bytes(desada));
  }

  // Each refusal names the file and its reason; the research in memory and
  // the menus stay exactly as they were. Every reason a value gives is in
  // the model's tests; one stands for them here.
  void refusedFilesLeaveTheResearchAlone_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("motiu");
    QByteArray bona = Bytes(Treballada());
    auto canvia = [&](int posicio, char valor) {
      QByteArray b = bona;
      b[posicio] = valor;
      return b;
    };
    QTest::newRow("missing") << "cap.srb" << QByteArray() << "El fitxer no existeix";
    QTest::newRow("folder") << "carpeta.srb" << QByteArray() << "és el d'una carpeta";
    QTest::newRow("empty") << "buit.srb" << QByteArray("") << "té 0 bytes";
    QTest::newRow("short") << "curt.srb" << bona.left(24183) << "té 24183 bytes";
    QTest::newRow("month") << "mes.srb" << canvia(0, 13) << "El mes val 13";
    QTest::newRow("spaces, hyphen")
        << "practica 1-2 de la Núria.srb" << canvia(0, 13) << "El mes val 13";
  }
  void refusedFilesLeaveTheResearchAlone() {
    QFETCH(QString, nom);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, motiu);
    const QString cami = dir.filePath(nom);
    if (nom == "carpeta.srb")
      QVERIFY(QDir(dir.path()).mkpath(nom));
    else if (nom != "cap.srb")
      Escriu(cami, bytes);
    const TEstatRecerca abans = Treballada();
    Obre(cami);
    QCOMPARE(Entorn::Missatges().size(), 1);
    const QString missatge = Entorn::Missatges().first();
    // The path reads as typed, yet no line may break inside one of its names.
    const QString cita = missatge.section(u'«', 1).section(u'»', 0, 0);
    QVERIFY2(!cita.contains(u' ') && !cita.contains(QRegularExpression("-(?!\u2060)")),
             qPrintable(cita));
    QCOMPARE(ComEsLlegeix(cita), QDir::toNativeSeparators(cami));
    QVERIFY2(missatge.contains(motiu), qPrintable(missatge));
    // A file that was read: first what it means to the student, then why.
    if (!bytes.isNull())
      QVERIFY2(missatge.startsWith("Aquest fitxer no és una recerca de Ribolia, o bé està malmès:"),
               qPrintable(missatge));
    QVERIFY(missatge.endsWith(QStringLiteral("La recerca que tenies no ha canviat.")));
    QVERIFY(EstatRecerca == abans);
    QVERIFY(HiHaDesar());
  }

  void saveFailuresSayWhyAndWriteNothing_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("motiu");
    QTest::newRow("no such folder") << "noexisteix/r.srb"
                                    << "no existeix";
    QTest::newRow("folder is a file") << "fitxer/r.srb"
                                      << "no és una carpeta";
    QTest::newRow("name of a folder") << "subcarpeta.srb"
                                      << "és el d'una carpeta";
  }
  void saveFailuresSayWhyAndWriteNothing() {
    QFETCH(QString, nom);
    QFETCH(QString, motiu);
    Escriu(dir.filePath("fitxer"), "no soc una carpeta");
    QDir(dir.path()).mkpath("subcarpeta.srb");
    Treballada();
    Desa(dir.filePath(nom));
    QCOMPARE(Entorn::Missatges().size(), 1);
    const QString missatge = Entorn::Missatges().first();
    QVERIFY2(ComEsLlegeix(missatge).contains(QDir::toNativeSeparators(dir.filePath(nom))),
             qPrintable(missatge));
    QVERIFY2(missatge.contains(motiu), qPrintable(missatge));
    QCOMPARE(Contingut(dir.filePath("fitxer")), QByteArray("no soc una carpeta"));
    QVERIFY(QFileInfo(dir.filePath("subcarpeta.srb")).isDir());
  }

  void savingIntoAReadOnlyFolderFails() {
    const QString carpeta = dir.filePath("protegida");
    QVERIFY(QDir(dir.path()).mkpath("protegida"));
    QVERIFY(QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::ExeOwner));
    QFile prova(carpeta + "/prova");
    if (prova.open(QIODevice::WriteOnly)) {
      prova.remove();
      QSKIP("running as root: a read-only folder takes writes all the same");
    }
    Treballada();
    Desa(carpeta + "/r.srb");
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY2(Entorn::Missatges().first().contains("No es pot escriure a la carpeta"),
             qPrintable(Entorn::Missatges().first()));
    QVERIFY(QDir(carpeta).isEmpty());
  }

  // The disk "fills up" half way through: the old file must stay whole.
  void aFailedSaveKeepsTheOldFile() {
#ifdef Q_OS_LINUX
    const QString nom = Cami("antiga.srb");
    const QByteArray antiga = Bytes(Treballada());
    Escriu(nom, antiga);
    EstatRecerca.Nom.Posa("Una altra");
    rlimit abans{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &abans), 0);
    rlimit limit = abans;
    limit.rlim_cur = 4096;
    const auto senyal = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    Desa(nom);
    setrlimit(RLIMIT_FSIZE, &abans);
    std::signal(SIGXFSZ, senyal);
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY(Entorn::Missatges().first().contains(QStringLiteral("no s'ha tocat")));
    QCOMPARE(Contingut(nom), antiga);
    QVERIFY(!QDir(dir.path()).entryList(QDir::Files).join(' ').contains("antiga.srb."));
#else
    QSKIP("needs a limit on the size of written files");
#endif
  }

  // "ribolia FILE.srb": no question before leaving the research just
  // started; a good file is remembered as opened, a bad one only refused.
  void aFileNamedAtStartOpensAsFromTheMenu() {
    EstatRecerca = TEstatRecerca{};
    IniciaRecerca();
    Refresca();
    const TEstatRecerca nova = EstatRecerca;
    FPrincipal->ObreFitxer(Cami("no-hi-es.srb"));
    QCOMPARE(Entorn::Missatges().size(), 1);
    QVERIFY(Entorn::Missatges().first().contains(QStringLiteral("El fitxer no existeix")));
    QVERIFY(EstatRecerca == nova);
    Entorn::NetejaMissatges();
    Escriu(Cami("inici.srb"), Joc());
    FPrincipal->ObreFitxer(Cami("inici.srb"));
    QCOMPARE(Bytes(EstatRecerca), Joc());
    QCOMPARE(Fill<QGroupBox>(FPrincipal, "GrInformacioGeneral")->title(),
             QStringLiteral("Maig de 1962"));
    FPrincipal->show();
    QVERIFY(FPrincipal->close());
    QVERIFY2(Entorn::Missatges().isEmpty(), qPrintable(Entorn::Missatges().join('\n')));
  }

  void quittingTheExercisesAsksNothing() {
    EstatRecerca = TEstatRecerca{};
    IniciaRecerca();
    EstatRecerca.Nom.Posa("Canviat");
    FPrincipal->show();
    QVERIFY(FPrincipal->close());
    QVERIFY(Entorn::Missatges().isEmpty());
  }

  void quittingAnUnchangedResearchAsksNothing() {
    Treballada();
    Desa(Cami("sortida.srb"));
    FPrincipal->show();
    QVERIFY(FPrincipal->close());
    Obre(Cami("sortida.srb"));
    FPrincipal->show();
    QVERIFY(FPrincipal->close());
    QVERIFY(Entorn::Missatges().isEmpty());
  }

  // Quitting, starting a new research and opening another all ask first;
  // Cancel, or a save cancelled or failed, leaves everything as it was.
  void leavingAChangedResearchAsksToSaveIt_data() {
    QTest::addColumn<QString>("comanda");
    QTest::addColumn<int>("resposta");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("segueix");
    QTest::addColumn<bool>("desat");
    for (const char* comanda : {"sortir", "nova", "obrir"}) {
      auto fila = [&](const char* cas, QMessageBox::StandardButton resposta, const char* nom,
                      bool segueix, bool desat) {
        QTest::addRow("%s, %s", comanda, cas)
            << QString::fromLatin1(comanda) << int(resposta) << QString::fromLatin1(nom)
            << segueix << desat;
      };
      fila("cancel", QMessageBox::Cancel, "pregunta.srb", false, false);
      fila("don't save", QMessageBox::Discard, "pregunta.srb", true, false);
      fila("save, no name", QMessageBox::Save, "", false, false);
      fila("save", QMessageBox::Save, "pregunta.srb", true, true);
      fila("save fails", QMessageBox::Save, "noexisteix/p.srb", false, false);
    }
  }
  void leavingAChangedResearchAsksToSaveIt() {
    QFETCH(QString, comanda);
    QFETCH(int, resposta);
    QFETCH(QString, nom);
    QFETCH(bool, segueix);
    QFETCH(bool, desat);
    QFile::remove(Cami("pregunta.srb"));
    Treballada();
    Desa(Cami("abans.srb"));
    EstatRecerca.PolimersExperiment[4].Posa("UUUU");
    EstatRecerca.NombreExperiments = 4;
    const QByteArray canviada = Bytes(EstatRecerca);
    NomDesar = nom.isEmpty() ? QString() : dir.filePath(nom);
    NomObrir = Cami("abans.srb");
    Entorn::DialegsMostrats().clear();
    Entorn::RespostesMissatges({QMessageBox::StandardButton(resposta)});
    FPrincipal->show();
    QString pregunta;
    if (comanda == "sortir") {
      pregunta = QStringLiteral("Vols desar-la abans de sortir?");
      QCOMPARE(FPrincipal->close(), segueix);
      QCOMPARE(FPrincipal->isVisible(), !segueix);
    } else if (comanda == "nova") {
      pregunta = QStringLiteral("Vols desar-la abans de començar-ne una de nova?");
      Fill<QToolButton>(FPrincipal, "SBNovaRecerca")->click();
      QCOMPARE(Entorn::DialegsMostrats().contains(QStringLiteral("FEleccio")), segueix);
      QCOMPARE(Bytes(EstatRecerca), canviada);  // the chain was cancelled
    } else {
      pregunta = QStringLiteral("Vols desar-la abans d'obrir-ne una altra?");
      Fill<QAction>(FPrincipal, "MObrirRecerca")->trigger();
      QCOMPARE(Bytes(EstatRecerca), segueix ? Contingut(Cami("abans.srb")) : canviada);
    }
    QCOMPARE(Entorn::Missatges().size(), nom.startsWith("noexisteix") ? 2 : 1);  // and why it failed
    QVERIFY2(Entorn::Missatges().first().contains(pregunta), qPrintable(Entorn::Missatges().first()));
    QCOMPARE(QFile::exists(Cami("pregunta.srb")), desat);
    if (desat) QCOMPARE(Contingut(Cami("pregunta.srb")), canviada);
    if (comanda != "sortir") return;
    FPrincipal->show();
    Entorn::NetejaMissatges();
    Entorn::RespostesMissatges({QMessageBox::Discard});
    QVERIFY(FPrincipal->close());
    QCOMPARE(Entorn::Missatges().size(), desat ? 0 : 1);  // saved: nothing more to ask
  }

  // Any other ending would hide the file from the Open dialog's filter.
  void aNameNotEndingInSrbIsSavedAsSrb() {
    Treballada();
    for (const char* nom : {"recerca1", "recerca1.dat", "practica 1.2"}) {
      Desa(Cami(nom));
      QVERIFY2(QFile::exists(Cami(nom) + ".srb"), nom);
      QVERIFY2(!QFile::exists(Cami(nom)), nom);
    }
  }

  // The real box, not the test's answer: its buttons speak Catalan.
  void theQuestionsButtonsAreInCatalan() {
    Dialegs::InstallaManejadorMissatges({});
    QStringList textos;
    QTimer::singleShot(0, [&textos] {
      auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!caixa) return;
      for (QAbstractButton* b : caixa->buttons()) textos << b->text();
      caixa->button(QMessageBox::Cancel)->click();
    });
    const auto resposta = Dialegs::Missatge(
        nullptr, "?", QMessageBox::Question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    Entorn::Prepara();
    QCOMPARE(resposta, QMessageBox::Cancel);
    textos.sort();
    QCOMPARE(textos, QStringList({"&Cancel·lar", "&Desar", "&No desar"}));
  }
};

QTEST_MAIN(TestFitxerRecerca)
#include "tst_fitxerrecerca.moc"
