// What every window test needs: the program's windows created once, no
// modal loop and no message box waiting for a person, and a record of what
// would have been shown.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Finestra.h"

namespace Entorn {

// Test mode for QStandardPaths, CreaFinestres(), and handlers that answer
// modal dialogs (Rejected) and message boxes (Ok) instead of a person.
// `abansDeLesFinestres` runs once the program's language is set and before
// the windows exist: a test that needs another language installs it there.
void Prepara(const std::function<void()>& abansDeLesFinestres = {});

// Messages "shown" since the last call to Prepara or NetejaMissatges.
QStringList& Missatges();
void NetejaMissatges();
// Between tests: no messages or dialogs recorded, no answers waiting.
void Reinicia();
// The next message boxes are answered with these buttons, in order.
void RespostesMissatges(QList<QMessageBox::StandardButton> respostes);
// Dialogs shown modally are handed to this function instead of exec().
void RespostaModal(std::function<int(QDialog*)> resposta);
// Names of the dialogs shown modally, in order.
QStringList& DialegsMostrats();

// An answer to a modal dialog that shows it as exec() would, does what the
// student does, rejects it if still open, and returns how it closed.
std::function<int(QDialog*)> Fes(std::function<void(QDialog*)> accions);

// Alt+tecla on the dialog: a mnemonic clicks its button after a short
// animation, so this waits up to `ms` for a click; false when none came.
bool Alt(QDialog* d, Qt::Key tecla, int ms = 2000);

// A named child, or a failed test. A window built at its first showing is
// built first, so that its controls can be found before it opens.
template <class T>
T* Fill(QObject* pare, const char* nom) {
  Finestra::Construeix(pare);
  T* fill = pare->findChild<T*>(QString::fromLatin1(nom));
  if (!fill) qFatal("No trobo el control %s", nom);
  return fill;
}

}  // namespace Entorn
