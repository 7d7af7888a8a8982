// The program speaks Catalan, and so do Qt's own texts: file dialogs,
// standard buttons, dates and sizes.
#pragma once

namespace Idioma {

// Sets the program's names, the Catalan locale and Qt's Catalan
// translations. Called once, after the QApplication exists.
void Prepara();

}  // namespace Idioma
