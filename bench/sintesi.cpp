// One tick of the ribosome animation as the student sees it: the move, the
// scene composed again on its 521 x 201 canvas and the window repainted.
// It must stay well under the timer's 120 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "exercises/SintProt.h"
#include "mainwindow/Rbmain.h"
#include "model/SintesiProteines.h"

namespace {

QString Text(const QString& nom) { return FSintProt->findChild<QLabel*>(nom)->text(); }

// Restarts and types the start codon's anticodon, which sends the first
// tRNA on its 30-step way to the P site.
void ComencaMoviment() {
  FSintProt->findChild<QPushButton*>(QStringLiteral("BtRepetir"))->click();
  for (int i = 13; i <= 15; ++i) {
    const QChar base = Text(QStringLiteral("STRNAm%1").arg(i))[0];
    const char* boto = base == 'A'   ? "BUracil"
                       : base == 'U' ? "BAdenina"
                       : base == 'G' ? "BCitosina"
                                     : "BGuanina";
    FSintProt->findChild<QPushButton*>(QLatin1String(boto))->click();
  }
}

void BM_TicAnimacio(benchmark::State& state) {
  FSintProt->PosaOpcions(SintesiProteines::OpcionsDelsItems(0, 1));
  FSintProt->show();
  QApplication::processEvents();
  auto* timer = FSintProt->findChild<QTimer*>(QStringLiteral("Timer1"));
  const QRect escena(100, 24, 521, 201);
  for (auto _ : state) {
    if (!timer->isActive()) {
      state.PauseTiming();
      ComencaMoviment();
      state.ResumeTiming();
    }
    QMetaObject::invokeMethod(FSintProt, "Timer1Timer");
    FSintProt->repaint(escena);
  }
  FSintProt->hide();
}
BENCHMARK(BM_TicAnimacio)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  CreaFinestres();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  delete FPrincipal;
  return 0;
}
