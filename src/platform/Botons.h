// The program's push buttons, most with a picture ("D'ac&ord",
// "&Cancel·lar", "Aj&uda", "&Imprimir").
#pragma once

#include <QString>

#include "platform/Dibuixos.h"

class QPushButton;
class QWidget;

namespace Botons {

// A push button named `nom` with its caption; Enter stays with the dialog's
// default button whatever has the focus.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text);
// The same with a glyph.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif);

}  // namespace Botons
