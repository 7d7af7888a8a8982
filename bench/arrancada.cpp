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
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && moment == 0) {
      moment = Ara();
      if (surt) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return false;
  }
  bool surt;
  long long moment = 0;
};

QMainWindow* Nua() {
  auto* finestra = new QMainWindow;
  for (const char* titol : {"&Fitxer", "Exe&rcicis", "&Bibliografia", "&Laboratori",
                            "&Experiment", "Aj&uda"}) {
    QMenu* menu = finestra->menuBar()->addMenu(QString::fromUtf8(titol));
    for (int i = 0; i < 8; ++i) menu->addAction(QStringLiteral("Ordre %1...").arg(i));
  }
  QToolBar* eines = finestra->addToolBar(QStringLiteral("Eines"));
  for (int i = 0; i < 14; ++i) eines->addAction(QStringLiteral("B%1").arg(i));
  return finestra;
}

int Fill(bool ribolia, int argc, char** argv) {
  QApplication app(argc, argv);
  PrimeraPintada vigia(true);
  QMainWindow* finestra;
  if (ribolia) {
    Idioma::Prepara();
    CreaFinestres();
    finestra = FPrincipal;
  } else {
    finestra = Nua();
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
  double pitjor = 0;
  for (QDialog* d : FPrincipal->findChildren<QDialog*>()) {
    const double primera = Obre(d), segona = Obre(d);
    pitjor = std::max(pitjor, primera);
    std::printf("  %-26s first %6.1f ms   again %6.1f ms\n", qPrintable(d->objectName()), primera,
                segona);
  }
  std::printf("  slowest first opening %.1f ms (target < 30)\n", pitjor);
  delete FPrincipal;
  return 0;
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

template <class T>
T Mediana(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void Compara(const char* plataforma, int voltes) {
  setenv("QT_QPA_PLATFORM", plataforma, 1);
  std::vector<double> tR, tN;
  std::vector<long> mR, mN;
  for (int i = 0; i < voltes; ++i) {  // alternating, so both see the same machine
    const Mesura n = Llanca("/proc/self/exe", "nu");
    const Mesura r = Llanca("/proc/self/exe", "ribolia");
    tR.push_back(r.ms);
    mR.push_back(r.kib);
    tN.push_back(n.ms);
    mN.push_back(n.kib);
  }
  const double tr = Mediana(tR), tn = Mediana(tN);
  const long mr = Mediana(mR), mn = Mediana(mN);
  std::printf("platform %s, %d alternating runs, start to first paint of the main window "
              "(medians)\n",
              plataforma, voltes);
  std::printf("  bare window : %7.1f ms  %7.1f MiB peak\n", tn, mn / 1024.0);
  std::printf("  Ribolia     : %7.1f ms  %7.1f MiB peak\n", tr, mr / 1024.0);
  std::printf("  ratio %.2f (target <= 1.15), extra memory %.1f MiB (target <= 6)\n", tr / tn,
              (mr - mn) / 1024.0);
  std::fflush(stdout);
  // The openings print straight to this output.
  if (fork() == 0) {
    freopen("/dev/null", "w", stderr);
    execl("/proc/self/exe", "/proc/self/exe", "obertures", static_cast<char*>(nullptr));
    _exit(127);
  }
  int estat = 0;
  wait(&estat);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "ribolia") == 0) return Fill(true, argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "nu") == 0) return Fill(false, argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "obertures") == 0) return Obertures(argc, argv);
  const int voltes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  Compara("offscreen", voltes);
  if (std::getenv("DISPLAY")) Compara("xcb", voltes);
  return 0;
}
