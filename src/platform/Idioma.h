// The program speaks Catalan, and so do Qt's own texts: file dialogs,
// standard buttons, dates and sizes.
#pragma once

#include <QString>
#include <string>

namespace Idioma {

// Before the QApplication exists: the file dialogs write dates in the
// system's locale, which becomes Catalan for them unless it already is.
void PreparaEntorn();

// Sets the program's names, the Catalan locale and Qt's Catalan
// translations. Called once, after the QApplication exists.
void Prepara();

// A text the model gives, in the language chosen.
QString Model(const std::string& text);

}  // namespace Idioma
