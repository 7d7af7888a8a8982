// The buttons with a picture that close or serve the program's dialogs
// ("D'ac&ord", "&Cancel·lar", "Aj&uda", "&Imprimir").
#pragma once

#include <QString>

#include "platform/Dibuixos.h"

class QPushButton;
class QWidget;

namespace Botons {

// A push button named `nom`, with its caption and glyph.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif);

}  // namespace Botons
