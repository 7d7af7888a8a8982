// Modal windows and message boxes go through here, so that a test can answer
// them instead of a student and read what would have been shown.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QWidget;

namespace Dialegs {

// Shows a dialog modally and returns its result (QDialog::Accepted or
// Rejected). With a test handler installed, the handler answers instead.
int Executa(QDialog* dialeg);
using ManejadorModal = std::function<int(QDialog*)>;
void InstallaManejadorModal(ManejadorModal manejador);  // {} restores exec()

// A message box titled "Ribolia". Returns the button chosen.
QMessageBox::StandardButton Missatge(
    QWidget* pare, const QString& text, QMessageBox::Icon icona = QMessageBox::Information,
    QMessageBox::StandardButtons botons = QMessageBox::Ok,
    QMessageBox::StandardButton perDefecte = QMessageBox::NoButton);
using ManejadorMissatge =
    std::function<QMessageBox::StandardButton(const QString& text, QMessageBox::StandardButtons)>;
void InstallaManejadorMissatges(ManejadorMissatge manejador);  // {} restores the box

// The standard open and save file dialogs; an empty name means cancelled.
// `filtre` is in Qt's form ("Simulacions Ribolia (*.srb);;Tots els fitxers (*)").
// Both start in the folder used last (remembered across runs), and the
// documents folder the first time. A name to save that does not end in
// the extension of the filter's first pattern takes it, so that the file
// shows up again under that filter; replacing a file is asked first.
QString TriaFitxerObrir(QWidget* pare, const QString& titol, const QString& filtre);
QString TriaFitxerDesar(QWidget* pare, const QString& titol, const QString& filtre,
                        const QString& nomInicial = QString());
// Several files to open (a test handler answers them one a line), and a
// folder; both start in the folder used last and remember the one chosen.
QStringList TriaFitxersObrir(QWidget* pare, const QString& titol, const QString& filtre);
QString TriaCarpeta(QWidget* pare, const QString& titol);
using ManejadorFitxer = std::function<QString(bool desar, const QString& titol)>;
void InstallaManejadorFitxers(ManejadorFitxer manejador);  // {} restores the dialogs

// The folder the next file dialog starts in.
QString CarpetaInicial();
// `nom` with ".ext" added unless it already ends in ".ext", in any case;
// `filtre`'s first pattern ("*.ext") gives ext. Unchanged when the filter
// has none.
QString AmbExtensio(const QString& nom, const QString& filtre);

}  // namespace Dialegs
