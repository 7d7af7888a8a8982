#include "platform/Dialegs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

#include "platform/Finestra.h"

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

// The buttons use the program's own words, as its dialogs' buttons do,
// rather than Qt's ("Cancel·la", "Desa").
void PosaTextosCatalans(QMessageBox& caixa) {
  const std::pair<QMessageBox::StandardButton, const char*> textos[] = {
      {QMessageBox::Ok, QT_TRANSLATE_NOOP("Dialegs", "D'ac&ord")},
      {QMessageBox::Save, QT_TRANSLATE_NOOP("Dialegs", "&Desar")},
      {QMessageBox::Discard, QT_TRANSLATE_NOOP("Dialegs", "&No desar")},
      {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Dialegs", "&Cancel·lar")},
      {QMessageBox::Yes, QT_TRANSLATE_NOOP("Dialegs", "&Sí")},
      {QMessageBox::No, QT_TRANSLATE_NOOP("Dialegs", "&No")}};
  for (const auto& [boto, text] : textos)
    if (QAbstractButton* b = caixa.button(boto))
      b->setText(QCoreApplication::translate("Dialegs", text));
}
}  // namespace

int Executa(QDialog* dialeg) {
  Finestra::Construeix(dialeg);  // a handler may read it without showing it
  const int resposta = Modal() ? Modal()(dialeg) : dialeg->exec();
  // Qt centres a dialog anew at each opening, allowing for a frame it
  // guesses from the windows then on screen, so under a window manager the
  // place changes from one opening to the next. Where it stood once, it
  // opens again (also where the student moved it).
  if (dialeg->windowHandle() && !dialeg->testAttribute(Qt::WA_Moved)) dialeg->move(dialeg->pos());
  return resposta;
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
namespace {
const char* const ClauCarpeta = "fitxers/carpeta";

// The folder of a chosen file becomes the next dialogs' starting place.
QString Recorda(const QString& nom) {
  if (!nom.isEmpty()) QSettings().setValue(ClauCarpeta, QFileInfo(nom).absolutePath());
  return nom;
}

// "srb" of "Simulacions Ribolia (*.srb)"; empty when the filter has no extension.
QString ExtensioFiltre(const QString& filtre) {
  static const QRegularExpression patro(QStringLiteral("\\*\\.(\\w+)"));
  return patro.match(filtre).captured(1);
}
}  // namespace

QString CarpetaInicial() {
  const QString recordada = QSettings().value(ClauCarpeta).toString();
  if (!recordada.isEmpty() && QDir(recordada).exists()) return recordada;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QDir(documents).exists() ? documents : QDir::homePath();
}

QString AmbExtensio(const QString& nom, const QString& filtre) {
  const QString extensio = QLatin1Char('.') + ExtensioFiltre(filtre);
  if (nom.isEmpty() || extensio.size() == 1 || nom.endsWith(extensio, Qt::CaseInsensitive))
    return nom;
  return nom + extensio;
}

QString TriaFitxerObrir(QWidget* pare, const QString& titol, const QString& filtre) {
  if (Fitxers()) return Recorda(Fitxers()(false, titol));
  return Recorda(QFileDialog::getOpenFileName(pare, titol, CarpetaInicial(), filtre));
}

QStringList TriaFitxersObrir(QWidget* pare, const QString& titol, const QString& filtre) {
  const QStringList noms =
      Fitxers() ? Fitxers()(false, titol).split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                : QFileDialog::getOpenFileNames(pare, titol, CarpetaInicial(), filtre);
  if (!noms.isEmpty()) Recorda(noms.constFirst());
  return noms;
}

// The folder itself is remembered, not the one holding it.
QString TriaCarpeta(QWidget* pare, const QString& titol) {
  const QString carpeta = Fitxers()
                              ? Fitxers()(false, titol)
                              : QFileDialog::getExistingDirectory(pare, titol, CarpetaInicial());
  if (!carpeta.isEmpty()) QSettings().setValue(ClauCarpeta, QFileInfo(carpeta).absoluteFilePath());
  return carpeta;
}

// The dialog would ask about the name as typed ("copia.dat"), not the one
// written ("copia.dat.srb"): the question is asked here, about the file
// that would be replaced, and "No" goes back to the dialog.
QString TriaFitxerDesar(QWidget* pare, const QString& titol, const QString& filtre,
                        const QString& nomInicial) {
  if (Fitxers()) return Recorda(AmbExtensio(Fitxers()(true, titol), filtre));
  QFileDialog dialeg(pare, titol, QDir(CarpetaInicial()).filePath(nomInicial), filtre);
  dialeg.setAcceptMode(QFileDialog::AcceptSave);
  dialeg.setOption(QFileDialog::DontConfirmOverwrite);
  for (;;) {
    if (dialeg.exec() != QDialog::Accepted || dialeg.selectedFiles().isEmpty()) return QString();
    const QString nom = AmbExtensio(dialeg.selectedFiles().constFirst(), filtre);
    if (!QFileInfo::exists(nom) ||
        Missatge(pare,
                 QCoreApplication::translate(
                     "Dialegs", "Ja hi ha un fitxer que es diu «%1».\nVols substituir-lo?")
                     .arg(QFileInfo(nom).fileName()),
                 QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                 QMessageBox::No) == QMessageBox::Yes)
      return Recorda(nom);
    dialeg.selectFile(QFileInfo(nom).fileName());
  }
}

void InstallaManejadorFitxers(ManejadorFitxer manejador) { Fitxers() = std::move(manejador); }

}  // namespace Dialegs
