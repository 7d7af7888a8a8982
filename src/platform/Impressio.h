// Printing a window: its image, scaled to the page, on the default printer.
// Where the machine has no printer the image can be saved as a PDF.
#pragma once

#include <QString>

class QWidget;

namespace Impressio {

// Prints the window as the "&Imprimir" buttons do; tells the student what
// happened when it could not print or wrote a PDF instead.
void ImprimeixFinestra(QWidget* finestra);
// Writes the window's image, scaled to an A4 page, into a PDF file.
bool DesaPdf(QWidget* finestra, const QString& cami);

}  // namespace Impressio
