// The program's push buttons, most with a picture ("D'ac&ord",
// "&Cancel·lar", "Aj&uda", "&Imprimir").
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

#include "platform/Dibuixos.h"

class QKeyEvent;
class QPushButton;
class QWidget;

namespace Botons {

// A push button named `nom` with its caption; Enter stays with the dialog's
// default button whatever has the focus.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text);
// The same with a glyph.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif);

// A bare key (Shift or Caps Lock allowed, no Ctrl, Alt or Meta) that stands
// for one of `tecles`' enabled buttons clicks it; true when one was clicked.
bool PremPerTecla(const QKeyEvent* e, std::initializer_list<std::pair<int, QPushButton*>> tecles);

}  // namespace Botons
