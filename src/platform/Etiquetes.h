// Rows of labels that show a list packed from the top.
#pragma once

#include <array>

class QLabel;

// The first of nine labels whose text is empty, or the ninth when none is
// (whatever its text). Callers with fewer labels repeat their last one.
QLabel* PrimeraEtiquetaBuida(const std::array<QLabel*, 9>& etiquetes);
