// The report of a research for the teacher: who did it, in what kind of
// simulation, every experiment of the log with its results and the
// student's conclusions, and the code table as published so far. It shows
// only published meanings, whatever the hidden code.
#pragma once

#include <QString>

#include "model/RBGlobal.h"

namespace Informe {

// The report as rich text (HTML) for a QTextDocument.
QString Html(const RBGlobal::TEstatRecerca& e);
// "Codons publicats: 2 de 64. Experiments fets: 5."
QString Resum(const RBGlobal::TEstatRecerca& e);

}  // namespace Informe
