#include "Recorregut.h"

#include <QAbstractButton>
#include <QDialog>

#include "Entorn.h"
#include "exercises/DNAComplementari.h"
#include "experiments/Copolim.h"
#include "experiments/Polimer.h"
#include "experiments/Traduir.h"
#include "lab/Comprar.h"
#include "lab/Invntari.h"
#include "lab/Novatecn.h"
#include "lab/Tecnica.h"
#include "mainwindow/Rbmain.h"
#include "model/RBGlobal.h"
#include "platform/Ajuda.h"

using namespace RBGlobal;

namespace Recorregut {
namespace {
void Clica(QWidget* finestra, const char* boto) {
  Entorn::Fill<QAbstractButton>(finestra, boto)->click();
}
}  // namespace

QList<QWidget*> Finestres() {
  QList<QWidget*> finestres{FPrincipal, Ajuda::Finestra()};
  for (QDialog* d : FPrincipal->findChildren<QDialog*>())
    if (!finestres.contains(d)) finestres.append(d);
  return finestres;
}

QList<Pas> Passos() {
  QList<Pas> passos;
  for (QWidget* f : Finestres()) passos.append({f, QString()});
  const std::pair<QWidget*, const char*> mes[] = {{FDNAComplementari, "demostracio"},
                                                  {FTraduccio, "resultats"},
                                                  {FTraduccio, "revisio"},
                                                  {FRNASint, "polimer"},
                                                  {FCopolim, "proporcions"},
                                                  {FPrincipal, "joc"},
                                                  {FComprar, "joc"},
                                                  {FInventari, "joc"},
                                                  {FNovaTecnica, "joc"},
                                                  {FTecniques, "joc"}};
  for (const auto& [f, pas] : mes) passos.append({f, QString::fromLatin1(pas)});
  return passos;
}

// "joc" is a research with a budget and a technique in development.
void Mostra(QWidget* finestra, const QString& pas) {
  const bool joc = pas == QLatin1String("joc");
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = joc ? JocPressupost : CodiLliure;
  EstatRecerca.Centre = 3;
  IniciaRecerca();
  if (joc) {
    EstatRecerca.Diners = 1000000;
    EstatRecerca.TecnicaEnCurs = 1;
  }
  FPrincipal->UpdateMenuItems();
  ModeTraduccio = true;
  if (pas == QLatin1String("revisio")) {  // two experiments to look back on
    for (int i = 0; i < 2; ++i) {
      FTraduccio->show();
      Clica(FTraduccio, "BtTraduir");
      FTraduccio->hide();
    }
    ModeTraduccio = false;
  }
  finestra->show();
  if (pas == QLatin1String("demostracio")) Clica(finestra, "BtDemostracio");
  if (pas == QLatin1String("resultats")) Clica(finestra, "BtTraduir");
  if (pas == QLatin1String("polimer")) {
    Clica(finestra, "BtA");
    Clica(finestra, "BtPolimeritzar");
  }
  if (pas == QLatin1String("proporcions")) {
    for (const char* boto : {"CBA", "CBG", "CBU", "BtDAcord"}) Clica(finestra, boto);
  }
}

QString Nom(const QWidget* w) {
  return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                   : w->objectName();
}

}  // namespace Recorregut
