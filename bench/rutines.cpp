// The routines behind the clicks of the main window and the research model.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "exercises/TaulaResum.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "model/TaulaResum.h"

using namespace RBGlobal;

static void BM_IniciaRecerca(benchmark::State& state) {
  EstatRecerca.TipusPartida = CodiLliure;
  EstatRecerca.TipusCodi = 1;
  for (auto _ : state) IniciaRecerca();
}
BENCHMARK(BM_IniciaRecerca);

static void BM_CodificaEstat(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(CodificaEstat(EstatRecerca));
}
BENCHMARK(BM_CodificaEstat);

static void BM_DescodificaEstat(benchmark::State& state) {
  const TImatge imatge = CodificaEstat(EstatRecerca);
  for (auto _ : state) benchmark::DoNotOptimize(DescodificaEstat(imatge));
}
BENCHMARK(BM_DescodificaEstat);

static void BM_FormataNombre(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FormataNombre(1234567, 7));
}
BENCHMARK(BM_FormataNombre);

static void BM_UpdateMenuItems(benchmark::State& state) {
  for (auto _ : state) {
    FPrincipal->UpdateMenuItems();
    FPrincipal->ActualitzaInformacio();
  }
}
BENCHMARK(BM_UpdateMenuItems);

// The hardest draw: fragments with every amino acid given.
static void BM_GeneraTaulaResum(benchmark::State& state) {
  TaulaResum::TExercici exercici;
  exercici.PosaOpcions(true, true, 3, 1, false);
  for (auto _ : state) exercici.GeneraExercici();
}
BENCHMARK(BM_GeneraTaulaResum);

// "Un altre" in the window: a new table and its 80 cells and 10 selectors shown.
static void BM_TaulaResumUnAltre(benchmark::State& state) {
  for (auto _ : state) QMetaObject::invokeMethod(FTaulaResum, "BtUnAltreClick");
}
BENCHMARK(BM_TaulaResumUnAltre);

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  CreaFinestres();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  delete FPrincipal;
  return 0;
}
