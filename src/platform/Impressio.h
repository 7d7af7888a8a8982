// Printing a window: its image, scaled to the page, on the default printer.
// Where the machine has no printer the image can be saved as a PDF.
#pragma once

#include <QString>

class QTextDocument;
class QWidget;

namespace Impressio {

// Prints the window as the "&Imprimir" buttons do, under one heading line
// with its caption, the student's name when there is one, and the date; tells the student what
// happened when it could not print or wrote a PDF instead.
void ImprimeixFinestra(QWidget* finestra);
// The name offered for a window's PDF: its caption as it reads, apostrophes
// and accents kept, with only what a file name cannot hold or should not
// (a slash, control characters, a leading dot) taken out.
QString NomPdf(const QString& titol);
// Writes the window's image, scaled to an A4 page, into a PDF file.
bool DesaPdf(QWidget* finestra, const QString& cami);

// A document of its own pages (a report), printed the same way: on the
// default printer, or where there is none into a PDF whose name the
// student chooses, `nomPdf` being offered.
void ImprimeixDocument(QWidget* pare, QTextDocument& document, const QString& nomPdf);
// Writes the document on A4 pages with their numbers; false when the file
// cannot be written. A table row never straddles two pages, and a table's
// header rows head it on every page; the document's title is the PDF's.
bool DesaDocumentPdf(QTextDocument& document, const QString& cami);
// How many A4 pages the document takes, laid out as it is printed.
int Pagines(QTextDocument& document);

}  // namespace Impressio
