#include "experiments/ControlsExperiment.h"

#include <QSizePolicy>
#include <QWidget>

namespace ControlsExperiment {

void GuardaLloc(QWidget* control) {
  QSizePolicy politica = control->sizePolicy();
  politica.setRetainSizeWhenHidden(true);
  control->setSizePolicy(politica);
}

}  // namespace ControlsExperiment
