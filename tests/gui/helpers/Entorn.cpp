#include "Entorn.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "mainwindow/Rbmain.h"
#include "platform/Dialegs.h"
#include "platform/Idioma.h"

namespace Entorn {
namespace {
QList<QMessageBox::StandardButton>& Respostes() {
  static QList<QMessageBox::StandardButton> respostes;
  return respostes;
}
std::function<int(QDialog*)>& Modal() {
  static std::function<int(QDialog*)> modal;
  return modal;
}
}  // namespace

QStringList& Missatges() {
  static QStringList missatges;
  return missatges;
}

QStringList& DialegsMostrats() {
  static QStringList dialegs;
  return dialegs;
}

void NetejaMissatges() { Missatges().clear(); }

void Reinicia() {
  Missatges().clear();
  DialegsMostrats().clear();
  Respostes().clear();
  Modal() = {};
}

void RespostesMissatges(QList<QMessageBox::StandardButton> respostes) {
  Respostes() = std::move(respostes);
}

void RespostaModal(std::function<int(QDialog*)> resposta) { Modal() = std::move(resposta); }

void Prepara() {
  QStandardPaths::setTestModeEnabled(true);
  Idioma::Prepara();
  // Settings of their own, so test programs running at once never share them.
  QCoreApplication::setOrganizationName(QStringLiteral("Ribolia-proves"));
  QCoreApplication::setApplicationName(
      QFileInfo(QCoreApplication::applicationFilePath()).baseName());
  Missatges().clear();
  DialegsMostrats().clear();
  Dialegs::InstallaManejadorMissatges([](const QString& text, QMessageBox::StandardButtons botons) {
    Missatges().append(text);
    if (!Respostes().isEmpty()) return Respostes().takeFirst();
    return botons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::NoButton;
  });
  Dialegs::InstallaManejadorModal([](QDialog* dialeg) {
    DialegsMostrats().append(dialeg->objectName());
    return Modal() ? Modal()(dialeg) : int(QDialog::Rejected);
  });
  if (!FPrincipal) CreaFinestres();
}

}  // namespace Entorn
