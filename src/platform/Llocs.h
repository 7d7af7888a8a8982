// Where a window opens beside another one on the screen, and where a
// control keeps its place.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QWidget;

// The frame of a window that goes beside `finestra` (a frame too) on
// `pantalla`, at `mida` and never smaller than `minima`: to its right, else
// to its left, else narrower on the wider side; failing all of those,
// wherever it covers least of `intocables` (what must stay in sight, such as
// the window's buttons), then least of the window. Top aligned with the
// window where it can be, always whole on the screen.
QRect LlocAlCostat(const QRect& finestra, const QList<QRect>& intocables, QSize mida, QSize minima,
                   const QRect& pantalla);

// The control keeps its room in the layout while hidden, so that the
// window does not jump as the student's steps show and hide controls.
void GuardaLloc(QWidget* control);
