// The report of a research for the teacher: who did it, in what kind of
// simulation, every experiment of the log with its results and the
// student's conclusions, and the code table as published so far. It shows
// only published meanings, whatever the hidden code.
#pragma once

#include <QString>

#include "model/RBGlobal.h"

class QWidget;

namespace Informe {

// The report as rich text (HTML) for a QTextDocument.
QString Html(const RBGlobal::TEstatRecerca& e);
// "Codons publicats: 2 de 64. Experiments fets: 5."
QString Resum(const RBGlobal::TEstatRecerca& e);

// "Informe de la recerca de NOM", the PDF's title.
QString Titol(const RBGlobal::TEstatRecerca& e);
// The name offered for the PDF: beside the research's file under its name,
// or, for a research with no file, "Informe de NOM.pdf", so that the
// reports of a class do not overwrite one another.
QString NomPdf(const RBGlobal::TEstatRecerca& e, const QString& fitxer);
// Prints the report, or writes it as a PDF where there is no printer.
void Imprimeix(QWidget* pare, const RBGlobal::TEstatRecerca& e, const QString& fitxer);

}  // namespace Informe
