// Where a window opens beside another one on the screen.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// The frame of a window that goes beside `finestra` (a frame too) on
// `pantalla`, at `mida` and never smaller than `minima`: to its right, else
// to its left, else narrower on the wider side; failing all of those,
// wherever it covers least of `intocables` (what must stay in sight, such as
// the window's buttons), then least of the window. Top aligned with the
// window where it can be, always whole on the screen.
QRect LlocAlCostat(const QRect& finestra, const QList<QRect>& intocables, QSize mida, QSize minima,
                   const QRect& pantalla);
