#include "Entorn.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
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

void Prepara(const std::function<void()>& abansDeLesFinestres) {
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
  if (abansDeLesFinestres) abansDeLesFinestres();
  if (!FPrincipal) CreaFinestres();
}

std::function<int(QDialog*)> Fes(std::function<void(QDialog*)> accions) {
  return [accions](QDialog* d) {
    d->setResult(QDialog::Rejected);
    d->show();
    accions(d);
    if (d->isVisible()) d->reject();
    return d->result();
  };
}

bool Alt(QDialog* d, Qt::Key tecla, int ms) {
  bool clicat = false;
  QList<QMetaObject::Connection> connexions;
  for (QPushButton* b : d->findChildren<QPushButton*>())
    connexions << QObject::connect(b, &QPushButton::clicked, [&] { clicat = true; });
  QTest::keyClick(d, tecla, Qt::AltModifier);
  const bool fet = QTest::qWaitFor([&] { return clicat; }, ms);
  for (const auto& c : connexions) QObject::disconnect(c);
  return fet;
}

}  // namespace Entorn
