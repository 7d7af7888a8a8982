// A class's saved researches side by side: each file read (only read) and
// summarised once, and the words, sort keys and CSV of the table built from
// those summaries. The class window and `ribolia --classe` share it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QTextStream;

#include "model/RBGlobal.h"
#include "model/ResumRecerca.h"

namespace TaulaClasse {

enum Columna {
  ColFitxer,
  ColNom,
  ColNivell,
  ColRecerca,
  ColCodi,
  ColData,
  ColExperiments,
  ColAmbConclusions,
  ColCodons,
  ColDiners,
  ColProvetes,
  ColTecniques,
  NombreColumnes
};

// One file of the class: its research and summary, or why it was not read.
struct TRecercaClasse {
  QString Cami;   // absolute and clean, so that one file is one entry
  QString Motiu;  // empty when the research was read
  RBGlobal::TEstatRecerca Estat;
  RBGlobal::TResumRecerca Resum;

  bool Llegida() const { return Motiu.isEmpty(); }
  QString Fitxer() const;  // the file's name without its folder
};

// Reads one file without writing, locking or touching it.
TRecercaClasse Llegeix(const QString& cami);
// The `.srb` files of a folder in file-name order; false, with nothing,
// when the folder cannot be read.
bool FitxersCarpeta(const QString& carpeta, QStringList& fitxers);

QStringList Capcaleres();
// A cell as the window shows it ("4.321 $.", "Maig de 1962").
QString Text(const TRecercaClasse& r, int columna);
// A cell as the CSV holds it: numbers as plain digits.
QString TextCsv(const TRecercaClasse& r, int columna);
// What the column sorts by: a number for numeric columns, else the text.
QVariant Clau(const TRecercaClasse& r, int columna);
// Why a file was not read, in a student's words, for the table.
QString MotiuPerAlumne(const TRecercaClasse& r);

// A CSV field, quoted when it holds ';', a quote or a line break.
QString CampCsv(const QString& camp);
// The header and one line per read research, in the given order.
QString Csv(const QList<const TRecercaClasse*>& recerques);

// `ribolia --classe FOLDER`: the CSV of the folder's researches, in
// file-name order, on `sortida`; each file not read named on `errors`, one
// line each, with the reason. 0 when the folder could be read, 2 otherwise.
int OrdreClasse(const QString& carpeta, QTextStream& sortida, QTextStream& errors);

}  // namespace TaulaClasse
