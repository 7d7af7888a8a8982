// What the genetic code table shows and how a codon's meaning is published,
// apart from any drawing. No Qt here.
#pragma once

#include <cstdint>
#include <string>

#include "model/RBGlobal.h"

namespace TaulaCodi {

constexpr int Columnes = 4;  // second letter
constexpr int Files = 16;    // 4 x first letter + third letter

// The codon index of a cell of the table (column = second letter, row =
// 4 x first + third); cells outside the 4 x 16 table read as row or column 0.
unsigned IndexCella(int columna, int fila);
// The cell that shows a codon index: the inverse of IndexCella.
int ColumnaCodo(unsigned index);
int FilaCodo(unsigned index);

// Whether the table is a codon picker showing the whole hidden code (the
// genetic-flow type) rather than the published code of a research.
bool TaulaSelectora(const RBGlobal::TEstatRecerca& estat);

// The text of a codon's cell: "UUU: Phe". The picker shows the hidden code;
// a research shows only what is published, so an unpublished codon reads
// "UUU: ". A value with no amino acid (from a damaged file) shows nothing.
std::string TextCella(const RBGlobal::TEstatRecerca& estat, unsigned index);

// The meaning the publication dialog starts from: what is published for the
// codon, or "don't know" (NoAssignat) when nothing valid is.
std::uint16_t SignificatPublicat(const RBGlobal::TEstatRecerca& estat, unsigned index);

enum class TPublicacio {
  Publicat,  // the true meaning is now in the published code
  Retirat,   // "don't know": the codon has no published meaning
  Refusat    // a wrong meaning: nothing changes, prestige is lost
};

// Whether publishing `significat` for the codon would be accepted: it is the
// hidden meaning, or "don't know".
bool PublicacioAcceptada(const RBGlobal::TEstatRecerca& estat, unsigned index, unsigned significat);
// Publishes `significat` (0..21) for the codon when it is accepted; a refused
// publication leaves the state as it was.
TPublicacio Publica(RBGlobal::TEstatRecerca& estat, unsigned index, unsigned significat);

}  // namespace TaulaCodi
