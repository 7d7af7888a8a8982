// The visual states that recur across windows, written once.
#pragma once

class QWidget;
class QProgressBar;

namespace Estils {

enum class Cella {
  Normal,       // window background
  Seleccionada, // yellow: the cell to be filled next
  Erronia,      // red type on the window background: a wrong entry
  Donada        // button face: given, not to be filled
};

// Paints the background and the type of a label or cell for its state.
void PosaCella(QWidget* cella, Cella estat);
// Only the type: red for a wrong entry, the window's text colour otherwise.
void PosaTextErroni(QWidget* cella, bool erroni);
// A horizontal gauge with its percentage written inside ("37%").
void PreparaIndicador(QProgressBar* indicador);

}  // namespace Estils
