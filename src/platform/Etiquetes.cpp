#include "platform/Etiquetes.h"

#include <QLabel>

QLabel* PrimeraEtiquetaBuida(const std::array<QLabel*, 9>& etiquetes) {
  for (QLabel* etiqueta : etiquetes)
    if (etiqueta->text().isEmpty()) return etiqueta;
  return etiquetes.back();
}
