// The visual states that recur across windows, written once.
#pragma once

#include <QColor>

class QWidget;
class QProgressBar;

namespace Estils {

// A wrong entry is not a state: any cell shows it in red type.
enum class Cella {
  Normal,       // the white of an entry field: to be filled
  Seleccionada, // yellow: the cell to be filled next
  Donada        // button face: given, not to be filled
};

// Paints the background of a label or cell for its state; `fons`, when
// valid, stands for the background of every state but the selected one.
void PosaCella(QWidget* cella, Cella estat, const QColor& fons = QColor());
// Red text for a wrong entry, the usual colour otherwise.
void PosaTextErroni(QWidget* control, bool erroni);
// A drop-down selector: white while it takes input, button face when its
// value is given; red text when the value chosen is wrong.
void PosaSelector(QWidget* selector, bool donat, bool erroni);
// A horizontal gauge with its percentage written inside ("37%").
void PreparaIndicador(QProgressBar* indicador);

}  // namespace Estils
