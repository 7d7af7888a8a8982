// The program's push buttons, most with a picture ("D'ac&ord",
// "&Cancel·lar", "Aj&uda", "&Imprimir").
#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "platform/Dibuixos.h"

class QHBoxLayout;
class QKeyEvent;
class QPushButton;
class QWidget;

namespace Botons {

// A push button named `nom` with its caption; Enter stays with the dialog's
// default button whatever has the focus.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text);
// The same with a glyph.
QPushButton* Crea(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif);

// A row of dialog buttons at the right of the room, in this order.
QHBoxLayout* Fila(std::initializer_list<QPushButton*> botons);

// Keys and the buttons they stand for.
using TTecles = std::vector<std::pair<int, QPushButton*>>;
// A bare key (Shift or Caps Lock allowed, no Ctrl, Alt or Meta) that stands
// for one of `tecles`' enabled buttons clicks it; true when one was clicked.
bool PremPerTecla(const QKeyEvent* e, const TTecles& tecles);

// The exercises' base buttons, from one table of names, captions and
// screen-reader names: "BAdenina" "&Adenina" for 'A', ... "B5" "&5'" for
// '5', "BEspai" "& " for ' '. Each is created for its letter, in the order
// given, and a click calls `prem` with the letter. Returns the key of each.
struct TBotoBase {
  char Lletra;
  QPushButton*& Boto;
};
TTecles CreaBases(QWidget* pare, std::initializer_list<TBotoBase> bases,
                  const std::function<void(char)>& prem);

// A row of buttons already placed side by side with equal widths keeps its
// place and span, but a button whose caption needs more than an even share
// gets what it needs and the others share the rest evenly. A row where every
// caption fits is left as it is.
void AjustaFila(const QList<QPushButton*>& fila);

}  // namespace Botons
