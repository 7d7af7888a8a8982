// Small builders shared by the experiment windows' controls.
#pragma once

class QWidget;

namespace ControlsExperiment {

// The control keeps its room in the layout while hidden, so that the
// window does not jump as the student's steps show and hide controls.
void GuardaLloc(QWidget* control);

}  // namespace ControlsExperiment
