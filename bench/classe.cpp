// A class of 40 saved researches: read, summarised and shown in the class
// window's table, as "Afegir una carpeta..." does.
#include "mainwindow/Classe.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include "model/RBGlobal.h"
#include "platform/FitxerRecerca.h"
#include "platform/TaulaClasse.h"

using namespace RBGlobal;

namespace {

// Forty researches of every kind, each with a full log.
QStringList Classe(const QTemporaryDir& dir) {
  QStringList fitxers;
  for (int alumne = 0; alumne < 40; ++alumne) {
    EstatRecerca = TEstatRecerca{};
    EstatRecerca.TipusPartida = static_cast<std::uint16_t>(alumne % 3);
    IniciaRecerca();
    EstatRecerca.Mes = 1;
    EstatRecerca.Any = 1961;
    EstatRecerca.Nom.Posa("Alumne " + std::to_string(alumne));
    EstatRecerca.NombreExperiments = 60;
    for (unsigned x = 1; x <= 60; ++x) EstatRecerca.ConclusionsExperiment[x].Posa("Poli-Phe");
    fitxers << dir.filePath(QStringLiteral("alumne%1.srb").arg(alumne, 2, 10, QLatin1Char('0')));
    DesaRecerca(fitxers.last());
  }
  return fitxers;
}

}  // namespace

static void BM_ClasseDe40(benchmark::State& state) {
  QTemporaryDir dir;
  const QStringList fitxers = Classe(dir);
  for (auto _ : state) {
    TFClasse finestra;
    finestra.AfegeixFitxers(fitxers);
    finestra.show();
    QApplication::processEvents();  // the first paint
    benchmark::DoNotOptimize(
        finestra.findChild<QTableWidget*>(QStringLiteral("SGClasse"))->rowCount());
  }
}
BENCHMARK(BM_ClasseDe40)->Unit(benchmark::kMillisecond);

static void BM_OrdreClasse(benchmark::State& state) {
  QTemporaryDir dir;
  Classe(dir);
  for (auto _ : state) {
    QString csv, errors;
    QTextStream sortida(&csv), avisos(&errors);
    benchmark::DoNotOptimize(TaulaClasse::OrdreClasse(dir.path(), sortida, avisos));
  }
}
BENCHMARK(BM_OrdreClasse)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
