// Start-up of Ribolia against a bare Qt main window with the same menus and
// tool bar, in one run. Each start is a fresh process: it creates its
// windows, shows the main one and quits at its first paint, which on an X
// server comes only once the window is mapped and exposed. The child writes
// the moment of that paint on its standard output; the parent takes the time
// from the fork to it, and the peak memory (ru_maxrss) of the whole child,
// in alternating runs, and prints the medians. Then one more child opens
// every window twice, in the order they were created, and times each opening
// from show() to its first paint.
//
//   bench_arrancada [rounds]   (default 20; offscreen, and on $DISPLAY when set)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "mainwindow/Rbmain.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"

namespace {

using Rellotge = std::chrono::steady_clock;  // CLOCK_MONOTONIC, the same in every process

long long Ara() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(Rellotge::now().time_since_epoch())
      .count();
}

// Notes the first paint of the watched window and, when asked, quits then.
class PrimeraPintada : public QObject {
 public:
  explicit PrimeraPintada(bool surt) : surt(surt) {}
  bool eventFilter(QObject* objecte, QEvent* e) override {
    const QWindow* finestra = static_cast<QWidget*>(objecte)->windowHandle();
    if (e->type() == QEvent::Paint && moment == 0 && finestra && finestra->isExposed()) {
      moment = Ara();
      if (surt) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return false;
  }
  bool surt;
  long long moment = 0;
};

QMainWindow* Nua(bool eines) {
  auto* finestra = new QMainWindow;
  for (const char* titol : {"&Fitxer", "Exe&rcicis", "&Bibliografia", "&Laboratori",
                            "&Experiment", "Aj&uda"}) {
    QMenu* menu = finestra->menuBar()->addMenu(QString::fromUtf8(titol));
    for (int i = 0; i < 8; ++i) menu->addAction(QStringLiteral("Ordre %1...").arg(i));
  }
  QToolBar* barra = eines ? finestra->addToolBar(QStringLiteral("Eines")) : nullptr;
  if (barra)
    for (int i = 0; i < 14; ++i) barra->addAction(QStringLiteral("B%1").arg(i));
  return finestra;
}

enum class TFill { Ribolia, Nua, NomesMenus };

int Fill(TFill quin, int argc, char** argv) {
  QApplication app(argc, argv);
  PrimeraPintada vigia(true);
  QMainWindow* finestra;
  if (quin == TFill::Ribolia) {
    Idioma::Prepara();
    CreaFinestres();
    finestra = FPrincipal;
  } else {
    finestra = Nua(quin == TFill::Nua);
  }
  finestra->installEventFilter(&vigia);
  finestra->showMaximized();
  const int r = QApplication::exec();
  std::printf("%lld\n", vigia.moment);
  std::fflush(stdout);
  delete finestra;
  return r;
}

// Milliseconds from show() to the window's first paint.
double Obre(QDialog* d) {
  PrimeraPintada vigia(false);
  d->installEventFilter(&vigia);
  const long long inici = Ara();
  d->show();
  while (vigia.moment == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  d->removeEventFilter(&vigia);
  d->hide();
  QCoreApplication::processEvents();
  return (vigia.moment - inici) / 1e6;
}

int Obertures(int argc, char** argv) {
  QApplication app(argc, argv);
  Idioma::Prepara();
  // Nothing waits for a person: message boxes say OK, nested dialogs cancel.
  Dialegs::InstallaManejadorMissatges(
      [](const QString&, QMessageBox::StandardButtons) { return QMessageBox::Ok; });
  Dialegs::InstallaManejadorModal([](QDialog*) { return int(QDialog::Rejected); });
  CreaFinestres();
  FPrincipal->showMaximized();
  QCoreApplication::processEvents();
  for (QDialog* d : FPrincipal->findChildren<QDialog*>()) {
    const double primera = Obre(d), segona = Obre(d);
    std::printf("%s %f %f\n", qPrintable(d->objectName()), primera, segona);
  }
  std::fflush(stdout);
  delete FPrincipal;
  return 0;
}

template <class T>
T Mediana(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Each window's first and second opening, medians over fresh processes.
void Obertures(const char* plataforma) {
  constexpr int Processos = 7;
  std::vector<std::string> noms;
  std::vector<std::vector<double>> primeres, segones;
  for (int i = 0; i < Processos; ++i) {
    std::string ordre = "QT_QPA_PLATFORM=";
    ordre += plataforma;
    ordre +=
        " '" + std::filesystem::read_symlink("/proc/self/exe").string() + "' obertures 2>/dev/null";
    FILE* sortida = popen(ordre.c_str(), "r");
    char nom[64];
    double primera, segona;
    for (std::size_t k = 0; std::fscanf(sortida, "%63s %lf %lf", nom, &primera, &segona) == 3;
         ++k) {
      if (k == noms.size()) {
        noms.emplace_back(nom);
        primeres.emplace_back();
        segones.emplace_back();
      }
      primeres[k].push_back(primera);
      segones[k].push_back(segona);
    }
    pclose(sortida);
  }
  std::printf("  opening each window, medians of %d processes:\n", Processos);
  double pitjor = 0;
  for (std::size_t k = 0; k < noms.size(); ++k) {
    const double primera = Mediana(primeres[k]);
    pitjor = std::max(pitjor, primera);
    std::printf("    %-26s first %6.1f ms   again %6.1f ms\n", noms[k].c_str(), primera,
                Mediana(segones[k]));
  }
  std::printf("  slowest first opening %.1f ms (target < 30)\n", pitjor);
}

struct Mesura {
  double ms;
  long kib;
};

Mesura Llanca(const char* programa, const char* mode) {
  int tub[2];
  if (pipe(tub) != 0) std::exit(1);
  const long long inici = Ara();
  const pid_t pid = fork();
  if (pid == 0) {
    freopen("/dev/null", "w", stderr);  // Qt's start-up chatter
    dup2(tub[1], STDOUT_FILENO);
    close(tub[0]);
    execl(programa, programa, mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(tub[1]);
  std::string sortida;
  char bloc[64];
  for (ssize_t n; (n = read(tub[0], bloc, sizeof bloc)) > 0;) sortida.append(bloc, n);
  close(tub[0]);
  int estat = 0;
  rusage us{};
  wait4(pid, &estat, 0, &us);
  const long long pintada = std::atoll(sortida.c_str());
  if (!WIFEXITED(estat) || WEXITSTATUS(estat) != 0 || pintada == 0) {
    std::fprintf(stderr, "el procés %s ha fallat\n", mode);
    std::exit(1);
  }
  return {(pintada - inici) / 1e6, us.ru_maxrss};
}

void Compara(const char* plataforma, int voltes) {
  setenv("QT_QPA_PLATFORM", plataforma, 1);
  std::vector<double> tR, tN, tM;
  std::vector<long> mR, mN, mM;
  for (int i = 0; i < voltes; ++i) {  // alternating, so all see the same machine
    const Mesura n = Llanca("/proc/self/exe", "nu");
    const Mesura r = Llanca("/proc/self/exe", "ribolia");
    const Mesura m = Llanca("/proc/self/exe", "menus");
    tR.push_back(r.ms);
    mR.push_back(r.kib);
    tN.push_back(n.ms);
    mN.push_back(n.kib);
    tM.push_back(m.ms);
    mM.push_back(m.kib);
  }
  const double tr = Mediana(tR), tn = Mediana(tN), tm = Mediana(tM);
  const long mr = Mediana(mR), mn = Mediana(mN), mm = Mediana(mM);
  std::printf("platform %s, %d alternating runs, start to first paint of the main window "
              "(medians)\n",
              plataforma, voltes);
  std::printf("  bare window : %7.1f ms  %7.1f MiB peak\n", tn, mn / 1024.0);
  std::printf("  Ribolia     : %7.1f ms  %7.1f MiB peak\n", tr, mr / 1024.0);
  std::printf("  ratio %.2f (target <= 1.15), extra memory %.1f MiB (target <= 6)\n", tr / tn,
              (mr - mn) / 1024.0);
  std::printf("  menus alone : %7.1f ms  %7.1f MiB peak, ratio %.2f\n", tm, mm / 1024.0, tr / tm);
  Obertures(plataforma);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "ribolia") == 0) return Fill(TFill::Ribolia, argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "nu") == 0) return Fill(TFill::Nua, argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "menus") == 0) return Fill(TFill::NomesMenus, argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "obertures") == 0) return Obertures(argc, argv);
  const int voltes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  Compara("offscreen", voltes);
  if (std::getenv("DISPLAY")) Compara("xcb", voltes);
  return 0;
}
