#include "mainwindow/RecercaOberta.h"

#include "platform/Dialegs.h"
#include "platform/FitxerRecerca.h"

using namespace RBGlobal;

namespace {
const char* const FiltreObrir = "Simulacions Ribolia (*.srb);;Tots els fitxers (*)";
const char* const FiltreDesar = "Simulacions Ribolia (*.srb)";
}  // namespace

void TRecercaOberta::Nova() { Recorda(QString()); }

void TRecercaOberta::Recorda(const QString& fitxer) {
  fitxer_ = fitxer;
  recordada_ = CodificaEstat(EstatRecerca);
}

bool TRecercaOberta::Canviada() const {
  return EstatRecerca.TipusPartida != FluxInformacio && CodificaEstat(EstatRecerca) != recordada_;
}

bool TRecercaOberta::PotDeixar(const QString& abansDe) {
  if (!Canviada()) return true;
  const auto resposta = Dialegs::Missatge(
      finestra_,
      QStringLiteral("La recerca ha canviat des que la vas començar, obrir o desar.\n"
                     "Vols desar-la abans %1?")
          .arg(abansDe),
      QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
      QMessageBox::Save);
  if (resposta == QMessageBox::Save) return DesaAmbDialeg();
  return resposta == QMessageBox::Discard;
}

// A research that has a file is offered under that file's name.
bool TRecercaOberta::DesaAmbDialeg() {
  const QString nom = Dialegs::TriaFitxerDesar(finestra_, QStringLiteral("Desar recerca"),
                                               QString::fromUtf8(FiltreDesar), fitxer_);
  if (nom.isEmpty()) return false;
  const QString error = DesaRecerca(nom);
  if (!error.isEmpty()) {
    Dialegs::Missatge(finestra_, error, QMessageBox::Warning);
    return false;
  }
  Recorda(nom);
  return true;
}

bool TRecercaOberta::Obre(const QString& nom) {
  const QString error = ObreRecerca(nom);
  if (!error.isEmpty()) {
    Dialegs::Missatge(finestra_, error, QMessageBox::Warning);
    return false;
  }
  Recorda(nom);
  return true;
}

QString TRecercaOberta::TriaPerObrir() const {
  return Dialegs::TriaFitxerObrir(finestra_, QStringLiteral("Obrir recerca"),
                                  QString::fromUtf8(FiltreObrir));
}
