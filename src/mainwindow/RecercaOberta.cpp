#include "mainwindow/RecercaOberta.h"

#include <QCoreApplication>

#include "platform/Dialegs.h"
#include "platform/FitxerRecerca.h"

using namespace RBGlobal;

namespace {
const char* const FiltreObrir =
    QT_TRANSLATE_NOOP("TRecercaOberta", "Simulacions Ribolia (*.srb);;Tots els fitxers (*)");
const char* const FiltreDesar = QT_TRANSLATE_NOOP("TRecercaOberta", "Simulacions Ribolia (*.srb)");
}  // namespace

void TRecercaOberta::Nova() { Recorda(QString()); }

void TRecercaOberta::Recorda(const QString& fitxer) {
  fitxer_ = fitxer;
  recordada_ = CodificaEstat(EstatRecerca);
}

bool TRecercaOberta::Canviada() const {
  return EstatRecerca.TipusPartida != FluxInformacio && CodificaEstat(EstatRecerca) != recordada_;
}

bool TRecercaOberta::PotDeixar(const QString& pregunta) {
  if (!Canviada()) return true;
  const auto resposta = Dialegs::Missatge(
      finestra_,
      QCoreApplication::translate("TRecercaOberta",
                                  "La recerca ha canviat des que la vas començar, obrir o desar.") +
          QLatin1Char('\n') + pregunta,
      QMessageBox::Question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
      QMessageBox::Save);
  if (resposta == QMessageBox::Save) return DesaAmbDialeg();
  return resposta == QMessageBox::Discard;
}

// A research that has a file is offered under that file's name.
bool TRecercaOberta::DesaAmbDialeg() {
  const QString nom = Dialegs::TriaFitxerDesar(
      finestra_, QCoreApplication::translate("TRecercaOberta", "Desar recerca"),
      QCoreApplication::translate("TRecercaOberta", FiltreDesar), fitxer_);
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
  return Dialegs::TriaFitxerObrir(finestra_,
                                  QCoreApplication::translate("TRecercaOberta", "Obrir recerca"),
                                  QCoreApplication::translate("TRecercaOberta", FiltreObrir));
}
