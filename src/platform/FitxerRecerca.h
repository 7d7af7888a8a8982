// The saved research file on disk: the only place where the research state
// meets the file system.
#pragma once

#include <QString>

#include "model/RBGlobal.h"

// Writes EstatRecerca to the file. The bytes go to a temporary file that
// replaces the old one only once it is complete, so a failed save leaves
// any old file whole. Returns an empty text, or the Catalan message that
// names the file and says why it could not be saved.
QString DesaRecerca(const QString& nom);

// Replaces EstatRecerca with the research in the file, which is only read.
// A file that cannot be read, is too short or holds a research this program
// could never have saved is refused and EstatRecerca stays as it was.
// Returns an empty text, or the Catalan message naming the file and why.
QString ObreRecerca(const QString& nom);

// Reads the research in the file into `estat` without touching the file or
// EstatRecerca. Returns an empty text, or why it cannot be read, in Catalan
// (without the file's name and without a final stop); `refusat`, when
// given, tells a file that was read but holds no research it would take.
QString LlegeixFitxerRecerca(const QString& nom, RBGlobal::TEstatRecerca& estat,
                             bool* refusat = nullptr);
