#include <gtest/gtest.h>

#include <set>

#include "model/RBGlobal.h"
#include "model/TaulaCodi.h"

using namespace RBGlobal;
using namespace TaulaCodi;

namespace {
TEstatRecerca Recerca(std::uint16_t tipus) {
  TEstatRecerca e;
  e.TipusPartida = tipus;
  e.CodiAmagat = CodiEstandard;
  e.CodiPublicat.fill(NoAssignat);
  return e;
}

// A free research on a random code, the same one for a given seed.
TEstatRecerca RecercaAleatoria(std::uint32_t llavor) {
  EstatRecerca = Recerca(CodiLliure);
  Sembra(llavor);
  PosaCodiAleatori();
  return EstatRecerca;
}
}  // namespace

TEST(CellesTaula, EveryCodonHasOneCellInTheClassicLayout) {
  std::set<unsigned> vistos;
  for (int fila = 0; fila < Files; ++fila)
    for (int columna = 0; columna < Columnes; ++columna) {
      const unsigned i = IndexCella(columna, fila);
      const TCodo codo = TextCodo(i);
      EXPECT_EQ(codo[0], Nucleotids[fila / 4]);  // first letter by block of rows
      EXPECT_EQ(codo[1], Nucleotids[columna]);   // second letter by column
      EXPECT_EQ(codo[2], Nucleotids[fila % 4]);  // third letter within the block
      EXPECT_EQ(FilaCodo(i), fila);
      EXPECT_EQ(ColumnaCodo(i), columna);
      vistos.insert(i);
    }
  EXPECT_EQ(vistos.size(), 64u);
  EXPECT_EQ(TextCodo(IndexCella(0, 11)), "AUG");
  EXPECT_EQ(TextCodo(IndexCella(3, 3)), "UGG");
  EXPECT_EQ(TextCodo(IndexCella(2, 2)), "UAA");
  // No current cell, or one outside the table, stands for the first cell.
  EXPECT_EQ(IndexCella(-1, -1), 0u);
  EXPECT_EQ(IndexCella(4, 16), 0u);
}

TEST(TextCella, TheExercisesShowTheWholeHiddenCode) {
  const TEstatRecerca e = Recerca(FluxInformacio);
  EXPECT_TRUE(TaulaSelectora(e));
  EXPECT_EQ(TextCella(e, IndexCodo("UGG")), "UGG: Trp");
  EXPECT_EQ(TextCella(e, IndexCodo("UAA")), "UAA: Fi");
  EXPECT_EQ(TextCella(e, IndexCodo("AUG")), "AUG: Met");
  EXPECT_EQ(TextCella(e, IndexCodo("UUU")), "UUU: Phe");
}

TEST(TextCella, ResearchShowsOnlyWhatIsPublished) {
  for (std::uint16_t tipus : {CodiLliure, JocPressupost}) {
    TEstatRecerca e = Recerca(tipus);
    EXPECT_FALSE(TaulaSelectora(e));
    for (unsigned i = 0; i < 64; ++i) EXPECT_EQ(TextCella(e, i), TextCodo(i) + ": ");
    e.CodiPublicat[IndexCodo("AUG")] = 9;
    e.CodiPublicat[IndexCodo("UAG")] = 0;
    EXPECT_EQ(TextCella(e, IndexCodo("AUG")), "AUG: Met");
    EXPECT_EQ(TextCella(e, IndexCodo("UAG")), "UAG: Fi");
    EXPECT_EQ(TextCella(e, IndexCodo("AUA")), "AUA: ");
  }
}

// A damaged or foreign file may hold any 16-bit value in either code.
TEST(TextCella, ValuesWithNoAminoAcidShowOnlyTheLetters) {
  TEstatRecerca e = Recerca(FluxInformacio);
  e.CodiAmagat[0] = 21;
  e.CodiAmagat[1] = 65535;
  EXPECT_EQ(TextCella(e, 0), "UUU: ");
  EXPECT_EQ(TextCella(e, 1), "UUC: ");
  e.TipusPartida = CodiLliure;
  e.CodiPublicat[0] = 22;
  e.CodiPublicat[1] = 65535;
  EXPECT_EQ(TextCella(e, 0), "UUU: ");
  EXPECT_EQ(TextCella(e, 1), "UUC: ");
  EXPECT_EQ(SignificatPublicat(e, 0), NoAssignat);
  EXPECT_EQ(SignificatPublicat(e, 1), NoAssignat);
  e.CodiPublicat[2] = 20;
  EXPECT_EQ(SignificatPublicat(e, 2), 20);
}

// Every meaning for every codon of several random codes: only the hidden one
// and "don't know" are accepted, and a refusal changes nothing.
TEST(Publica, OnlyTheHiddenMeaningOfARandomCodeIsAccepted) {
  for (std::uint32_t llavor : {1u, 7u, 2026u}) {
    const TEstatRecerca codi = RecercaAleatoria(llavor);
    for (unsigned i = 0; i < 64; ++i)
      for (unsigned s = 0; s <= NoAssignat; ++s) {
        TEstatRecerca e = codi;
        e.CodiPublicat[i] = 5;  // an earlier publication, right or wrong
        const TPublicacio r = Publica(e, i, s);
        if (s == codi.CodiAmagat[i]) {
          EXPECT_EQ(r, TPublicacio::Publicat);
          EXPECT_EQ(e.CodiPublicat[i], s);
        } else if (s == NoAssignat) {
          EXPECT_EQ(r, TPublicacio::Retirat);
          EXPECT_EQ(e.CodiPublicat[i], NoAssignat);
        } else {
          EXPECT_EQ(r, TPublicacio::Refusat);
          EXPECT_FALSE(PublicacioAcceptada(e, i, s));
          TEstatRecerca esperat = codi;
          esperat.CodiPublicat[i] = 5;
          EXPECT_EQ(e, esperat);
        }
      }
  }
}

TEST(Publica, TheStandardMeaningIsRefusedWhereTheRandomCodeDiffers) {
  const TEstatRecerca codi = RecercaAleatoria(42);
  unsigned diferents = 0;
  for (unsigned i = 0; i < 64; ++i) {
    if (codi.CodiAmagat[i] == CodiEstandard[i]) continue;
    ++diferents;
    TEstatRecerca e = codi;
    EXPECT_EQ(Publica(e, i, CodiEstandard[i]), TPublicacio::Refusat);
    EXPECT_EQ(e.CodiPublicat[i], NoAssignat);
  }
  EXPECT_GT(diferents, 0u);
}

TEST(Publica, DontKnowWithdrawsAnEarlierPublication) {
  TEstatRecerca e = Recerca(CodiLliure);
  const unsigned aug = IndexCodo("AUG");
  EXPECT_EQ(Publica(e, aug, 9), TPublicacio::Publicat);
  EXPECT_EQ(TextCella(e, aug), "AUG: Met");
  EXPECT_EQ(Publica(e, aug, NoAssignat), TPublicacio::Retirat);
  EXPECT_EQ(TextCella(e, aug), "AUG: ");
  for (unsigned i = 0; i < 64; ++i) EXPECT_EQ(e.CodiPublicat[i], NoAssignat);
}

TEST(Publica, NothingOutsideTheDialogsChoicesIsWritten) {
  TEstatRecerca e = Recerca(CodiLliure);
  e.CodiAmagat[0] = 22;  // damaged hidden code: no choice can match it
  for (unsigned s = 0; s < NoAssignat; ++s) EXPECT_EQ(Publica(e, 0, s), TPublicacio::Refusat);
  EXPECT_EQ(Publica(e, 0, 22), TPublicacio::Refusat);
  EXPECT_EQ(Publica(e, 0, NoAssignat), TPublicacio::Retirat);
  EXPECT_EQ(e.CodiPublicat[0], NoAssignat);
}
