// The laboratory's pictures: a test tube at any size for the tube counts
// and a flask for the notice of a new technique.
#pragma once

#include <QPixmap>

namespace Dibuixos {

// An upright test tube `alt` pixels tall, filled to `ple` (0..1) with blue.
QPixmap ProvetaAlta(int alt, double ple = 0.5);
// A conical flask with bubbles, `mida` pixels square.
QPixmap Matras(int mida);

}  // namespace Dibuixos
