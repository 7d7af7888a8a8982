// Small builders shared by the experiment windows' controls.
#pragma once

#include <QString>

class QDialog;
class QGridLayout;
class QPushButton;
class QWidget;

namespace ControlsExperiment {

// Two controls that are never shown together share one place, keeping the
// room of the larger, each at the top of it.
QGridLayout* MateixLloc(QWidget* un, QWidget* altre);

// The window keeps the size its layout asks for with everything shown, at
// least `amplada` wide, at every opening and whatever its steps hide. The
// size is worked out when the window is first shown, not at start-up.
void FixaMida(QDialog* finestra, int amplada);

// Shows or hides "&Un altre". While it shows, Alt+U is its key alone:
// "Aj&uda" gives up its mnemonic and stays on F1 and on a click.
void MostraUnAltre(QPushButton* unAltre, QPushButton* ajuda, bool visible);

// A synthetic RNA as the windows show it: a copolymer's description, as the
// model writes it and the record keeps it, in the language shown; a
// sequence as it is.
QString TextPolimer(const QString& polimer);

}  // namespace ControlsExperiment
