#include "platform/Dialegs.h"

#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <utility>

namespace Dialegs {
namespace {
ManejadorModal& Modal() {
  static ManejadorModal manejador;
  return manejador;
}
ManejadorMissatge& Missatges() {
  static ManejadorMissatge manejador;
  return manejador;
}
ManejadorFitxer& Fitxers() {
  static ManejadorFitxer manejador;
  return manejador;
}

// The buttons speak Catalan even where Qt's own translation is missing.
void PosaTextosCatalans(QMessageBox& caixa) {
  const std::pair<QMessageBox::StandardButton, const char*> textos[] = {
      {QMessageBox::Ok, "D'acord"},        {QMessageBox::Save, "&Desa"},
      {QMessageBox::Discard, "&No desis"}, {QMessageBox::Cancel, "&Cancel·la"},
      {QMessageBox::Yes, "&Sí"},           {QMessageBox::No, "&No"}};
  for (const auto& [boto, text] : textos)
    if (QAbstractButton* b = caixa.button(boto)) b->setText(QString::fromUtf8(text));
}
}  // namespace

int Executa(QDialog* dialeg) {
  if (Modal()) return Modal()(dialeg);
  return dialeg->exec();
}

void InstallaManejadorModal(ManejadorModal manejador) { Modal() = std::move(manejador); }

QMessageBox::StandardButton Missatge(QWidget* pare, const QString& text, QMessageBox::Icon icona,
                                     QMessageBox::StandardButtons botons,
                                     QMessageBox::StandardButton perDefecte) {
  if (Missatges()) return Missatges()(text, botons);
  QMessageBox caixa(icona, QStringLiteral("Ribolia"), text, botons, pare);
  PosaTextosCatalans(caixa);
  if (perDefecte != QMessageBox::NoButton) caixa.setDefaultButton(perDefecte);
  return static_cast<QMessageBox::StandardButton>(caixa.exec());
}

void InstallaManejadorMissatges(ManejadorMissatge manejador) {
  Missatges() = std::move(manejador);
}

}  // namespace Dialegs

namespace Dialegs {

QString TriaFitxerObrir(QWidget* pare, const QString& titol, const QString& filtre) {
  if (Fitxers()) return Fitxers()(false, titol);
  return QFileDialog::getOpenFileName(pare, titol, QString(), filtre);
}

QString TriaFitxerDesar(QWidget* pare, const QString& titol, const QString& filtre,
                        const QString& nomInicial) {
  if (Fitxers()) return Fitxers()(true, titol);
  return QFileDialog::getSaveFileName(pare, titol, nomInicial, filtre);
}

void InstallaManejadorFitxers(ManejadorFitxer manejador) { Fitxers() = std::move(manejador); }

}  // namespace Dialegs
