// Small builders shared by the experiment windows' controls.
#pragma once

#include <QString>

#include "platform/Dibuixos.h"

class QPushButton;
class QWidget;

namespace ControlsExperiment {

// A push button named `nom`; Enter stays with the dialog's default button.
QPushButton* Boto(QWidget* pare, const char* nom, const QString& text);
// The same with a glyph ("D'ac&ord", "&Cancel·lar", "Aj&uda", ...).
QPushButton* Boto(QWidget* pare, const char* nom, const QString& text, Dibuixos::Glif glif);
// The control keeps its room in the layout while hidden, so that the
// window does not jump as the student's steps show and hide controls.
void GuardaLloc(QWidget* control);

}  // namespace ControlsExperiment
