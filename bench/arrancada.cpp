// Start-up of Ribolia against a bare Qt main window with a menu bar, in one
// run. Each start is a fresh process: it creates its windows, shows the main
// one, waits for its first paint and quits. The parent measures wall time
// and peak memory (ru_maxrss) of every child and prints the medians.
//
//   bench_arrancada [rounds]          (default 20; QT_QPA_PLATFORM defaults to offscreen)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "mainwindow/Rbmain.h"
#include "platform/Idioma.h"

namespace {

// Quits the application at the first paint of the watched window.
class PrimeraPintada : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return false;
  }
};

int Fill(bool ribolia, int argc, char** argv) {
  QApplication app(argc, argv);
  PrimeraPintada vigia;
  QMainWindow* finestra;
  if (ribolia) {
    Idioma::Prepara();
    CreaFinestres();
    finestra = FPrincipal;
  } else {
    finestra = new QMainWindow;
    for (const char* titol : {"&Fitxer", "E&xercicis", "&Bibliografia", "&Experiment", "Aj&uda"})
      finestra->menuBar()->addMenu(QString::fromUtf8(titol))->addAction(QStringLiteral("Ordre"));
  }
  finestra->installEventFilter(&vigia);
  finestra->showMaximized();
  const int r = QApplication::exec();
  delete finestra;
  return r;
}

struct Mesura {
  double ms;
  long kib;
};

Mesura Llanca(const char* programa, const char* mode) {
  const auto inici = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    freopen("/dev/null", "w", stderr);  // Qt's start-up chatter
    execl(programa, programa, mode, static_cast<char*>(nullptr));
    _exit(127);
  }
  int estat = 0;
  rusage us{};
  wait4(pid, &estat, 0, &us);
  const auto fi = std::chrono::steady_clock::now();
  if (!WIFEXITED(estat) || WEXITSTATUS(estat) != 0) {
    std::fprintf(stderr, "el procés %s ha fallat\n", mode);
    std::exit(1);
  }
  return {std::chrono::duration<double, std::milli>(fi - inici).count(), us.ru_maxrss};
}

template <class T>
T Mediana(std::vector<T> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "ribolia") == 0) return Fill(true, argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "nu") == 0) return Fill(false, argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int voltes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  std::vector<double> tR, tN;
  std::vector<long> mR, mN;
  for (int i = 0; i < voltes; ++i) {  // interleaved, so both see the same machine
    const Mesura r = Llanca("/proc/self/exe", "ribolia");
    const Mesura n = Llanca("/proc/self/exe", "nu");
    tR.push_back(r.ms);
    mR.push_back(r.kib);
    tN.push_back(n.ms);
    mN.push_back(n.kib);
  }
  const double tr = Mediana(tR), tn = Mediana(tN);
  const long mr = Mediana(mR), mn = Mediana(mN);
  std::printf("platform %s, %d rounds (medians)\n", std::getenv("QT_QPA_PLATFORM"), voltes);
  std::printf("bare window : %7.1f ms  %7.1f MiB peak\n", tn, mn / 1024.0);
  std::printf("Ribolia     : %7.1f ms  %7.1f MiB peak\n", tr, mr / 1024.0);
  std::printf("ratio %.2f (target <= 1.5), extra memory %.1f MiB (target <= 15)\n", tr / tn,
              (mr - mn) / 1024.0);
  return 0;
}
