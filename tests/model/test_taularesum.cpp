// The summary-table exercise, driven without any window.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include "model/RBGlobal.h"
#include "model/TaulaResum.h"

using namespace TaulaResum;

namespace {

// ---------------------------------------------------------------------------
// Oracles written apart from the program

// The standard code in the usual UCAG order, one letter per amino acid.
int AminoacidEstandard(const std::string& codo) {
  static const std::string Lletres =
      "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
  static const std::string Numeros = "*GAVLIPFWMSTCYNQDEKRH";  // 0 = Fi, 1 = Gly, ...
  int index = 0;
  for (char b : codo) index = 4 * index + static_cast<int>(std::string("UCAG").find(b));
  return static_cast<int>(Numeros.find(Lletres[index]));
}
bool EsStop(const std::string& codo) { return AminoacidEstandard(codo) == 0; }
char Complement(char c) { return std::string("TCGA35")[std::string("AGCT53").find(c)]; }
// Position of base j of slot k, reading from the left or from the right.
int Pos(bool esquerraDreta, int k, int j) { return esquerraDreta ? 3 * k + j - 2 : 3 * k + 2 - j; }

std::string Codo(const TExercici& e, int n) {  // the n-th codon read
  const bool ed = e.LecturaEsquerraDreta();
  std::string c;
  for (int j = 1; j <= 3; ++j) c += e.CadenaRNAm()[Pos(ed, ed ? n : 7 - n, j) - 1];
  return c;
}

std::string Fila(const TExercici& e, std::uint16_t fila, bool resposta = false) {
  std::string s;
  for (std::uint16_t p = 1; p <= NombrePosicions; ++p)
    s += resposta ? e.Resposta(fila, p) : e.Esperat(fila, p);
  return s;
}

// Scripted draws, for exercises whose every draw is known.
struct TGuio {
  std::deque<unsigned> valors;
  TExercici::TSorteig Sorteig() {
    return [this](unsigned n) {
      EXPECT_FALSE(valors.empty()) << "a draw more than scripted";
      const unsigned v = valors.empty() ? 0 : valors.front();
      if (!valors.empty()) valors.pop_front();
      EXPECT_LT(v, n);
      return v;
    };
  }
};

// Every transcribed strand, under either row order and orientation, that
// agrees with what the table gives at the start, found codon by codon.
struct TSolucio {
  int fila;
  std::string transcrita;
  std::size_t maneres;
};
std::vector<TSolucio> Resol(const TExercici& e) {
  std::vector<TSolucio> solucions;
  for (int fila : {0, 1})
    for (bool ed : {true, false}) {           // the messenger's 5' end at the left
      auto transcrita = [&](int f, char c) {  // the transcribed base a given character means
        const char dna = c == 'U' ? 'T' : c;
        return f == fila || f == 3 ? dna : Complement(dna);
      };
      auto encaixa = [&](int p, char b) {
        for (int f = 0; f < 4; ++f)
          if (e.Info(f, p) != ' ' && transcrita(f, e.Info(f, p)) != b) return false;
        return true;
      };
      std::string t = std::string(ed ? "3" : "5") + std::string(18, ' ') + (ed ? "5" : "3");
      std::size_t maneres = encaixa(1, t[0]) && encaixa(20, t[19]);
      for (int i : {0, 7})
        if (e.AminoacidDonat(i) != NoAssignat && e.AminoacidDonat(i) != ((i == 0) == ed ? 22 : 23))
          maneres = 0;
      for (int k = 1; k <= 6; ++k) {
        std::size_t codons = 0;
        for (int i = 0; i < 64; ++i) {
          const std::string codo{"UCAG"[i / 16], "UCAG"[i / 4 % 4], "UCAG"[i % 4]};
          bool ok =
              e.AminoacidDonat(k) == NoAssignat || AminoacidEstandard(codo) == e.AminoacidDonat(k);
          for (int j = 1; j <= 3 && ok; ++j)
            ok = encaixa(Pos(ed, k, j), transcrita(2, codo[j - 1]));
          if (ok && codons++ == 0)
            for (int j = 1; j <= 3; ++j) t[Pos(ed, k, j) - 1] = transcrita(2, codo[j - 1]);
        }
        maneres *= codons;
      }
      if (maneres > 0) solucions.push_back({fila, t, maneres});
    }
  return solucions;
}

// The student who knows the rules: every empty cell, selector and row name.
void OmpleBe(TExercici& e, bool ambTranscrita = true) {
  for (std::uint16_t f = 0; f < NombreFiles; ++f)
    for (std::uint16_t p = 1; p <= NombrePosicions; ++p)
      if (!e.Donada(f, p) && (ambTranscrita || f != e.FilaTranscrita())) {
        e.SeleccionaCela(f, p);
        e.EntraLletra(e.Esperat(f, p));
      }
  for (int r : {0, 1}) e.ComprovaEtiquetaDNA(r, e.FilaTranscrita() == r ? 0 : 1);
  for (int i = 0; i < NombreSelectors; ++i) e.ComprovaSelector(i, e.ItemEsperat(i));
}

// The worked example: '3' at the left of the transcribed strand, UAA drawn.
const std::string Transcrita = "3TACAAACCTTGGGTAATT5";
TExercici Exemple(std::uint16_t mode = 0) {
  RBGlobal::PosaCodiReal();
  TExercici e;
  e.PosaOpcions(true, true, 0, mode, false);
  e.PosaCadenaTranscrita(Transcrita, true);
  return e;
}
std::string Inversa(std::string s) { return {s.rbegin(), s.rend()}; }

}  // namespace

// ---------------------------------------------------------------------------

TEST(TaulaResum, WorkedExampleFromScriptedDrawsAndItsMirror) {
  RBGlobal::PosaCodiReal();
  for (bool mirall : {false, true}) {
    // Row order, orientation, positions 2..19 (the AUG template overwrites
    // three, the 5' end codon is no stop yet), then UAA.
    const std::string mig = "AAACCTTGGGTA";
    TGuio guio{{1, mirall ? 1u : 0u}};
    for (char b : mirall ? "AAA" + Inversa(mig) + "GGG" : "GGG" + mig + "AAA")
      guio.valors.push_back(static_cast<unsigned>(std::string("AGCT").find(b)));
    guio.valors.push_back(0);
    TExercici e(guio.Sorteig());
    e.GeneraExercici();
    EXPECT_TRUE(guio.valors.empty());
    auto esperat = [&](const std::string& s) { return mirall ? Inversa(s) : s; };
    EXPECT_EQ(e.CadenaTranscrita(), esperat(Transcrita));
    EXPECT_EQ(e.CadenaComplementaria(), esperat("5ATGTTTGGAACCCATTAA3"));
    EXPECT_EQ(e.CadenaRNAm(), esperat("5AUGUUUGGAACCCAUUAA3"));
    EXPECT_EQ(e.CadenaAnticodons(), esperat("3UACAAACCUUGGGUA   5"));
    std::vector<int> selectors{22, 9, 7, 1, 11, 20, 0, 23};  // N Met Phe Gly Thr His Fi C
    if (mirall) std::reverse(selectors.begin(), selectors.end());
    for (int i = 0; i < NombreSelectors; ++i) EXPECT_EQ(e.Aminoacid(i), selectors[i]) << i;
    EXPECT_EQ(Fila(e, 0, true), e.CadenaTranscrita());  // given whole, on top
    EXPECT_EQ(Fila(e, 1, true), std::string(20, ' '));
    EXPECT_EQ(e.Estat(0, 5), EstatCela::Donada);
    EXPECT_EQ(e.Estat(1, 1), EstatCela::Seleccionada);
    EXPECT_TRUE(e.EntradaActiva() && !e.Acabat());
  }
}

// Thousands of drawn exercises under every combination of the options.
TEST(TaulaResum, DrawnExercisesKeepEveryRuleOfTheirOptions) {
  RBGlobal::PosaCodiReal();
  RBGlobal::Sembra(2026);
  for (int opcio = 0; opcio < 64; ++opcio) {
    const bool aug = opcio & 1, stopFinal = opcio & 2, interiors = opcio & 4;
    const std::uint16_t mode = (opcio >> 3) & 1,
                        aminoacids = static_cast<std::uint16_t>(opcio >> 4);
    TExercici e;
    e.PosaOpcions(aug, stopFinal, aminoacids, mode, interiors);
    for (int n = 0; n < 60; ++n) {
      e.GeneraExercici();
      SCOPED_TRACE(e.CadenaTranscrita() + " opcions " + std::to_string(opcio));
      const bool ed = e.LecturaEsquerraDreta();
      for (std::uint16_t p = 1; p <= 20; ++p) {
        const char t = e.CadenaTranscrita()[p - 1];
        ASSERT_EQ(e.CadenaComplementaria()[p - 1], Complement(t));
        ASSERT_EQ(e.CadenaRNAm()[p - 1], Complement(t) == 'T' ? 'U' : Complement(t));
      }
      int primerStop = 0, stops = 0;
      for (int n = 6; n >= 1; --n)
        if (EsStop(Codo(e, n))) {
          ++stops;
          primerStop = n;
        }
      EXPECT_TRUE(!aug || Codo(e, 1) == "AUG");
      EXPECT_TRUE(interiors || primerStop == 0 || primerStop == 6);
      EXPECT_TRUE(!stopFinal || EsStop(Codo(e, 6)));
      EXPECT_TRUE(!stopFinal || interiors || stops == 1);
      // Anticodons blank from the first stop on; slots expected up to it.
      EXPECT_EQ(e.Aminoacid(0), ed ? ExtremN : ExtremC);
      EXPECT_EQ(e.Aminoacid(7), ed ? ExtremC : ExtremN);
      for (int n = 1; n <= 6; ++n) {
        const bool talla = primerStop != 0 && n >= primerStop;
        for (int j = 1; j <= 3; ++j)
          EXPECT_EQ(e.CadenaAnticodons()[Pos(ed, ed ? n : 7 - n, j) - 1] == ' ', talla);
        const bool despres = primerStop != 0 && n > primerStop;
        EXPECT_EQ(e.Aminoacid(ed ? n : 7 - n),
                  despres ? NoAssignat : AminoacidEstandard(Codo(e, n)));
      }
      // What is given.
      if (mode == 0) {
        EXPECT_EQ(Fila(e, e.FilaTranscrita(), true), e.CadenaTranscrita());
        for (int i = 0; i < 8; ++i) EXPECT_FALSE(e.SelectorDonat(i));
        continue;
      }
      int extrems = e.SelectorDonat(0) + e.SelectorDonat(7), slots = 0;
      for (std::uint16_t f = 0; f < 4; ++f)
        extrems += (e.Info(f, 1) != ' ') + (e.Info(f, 20) != ' ');
      EXPECT_EQ(extrems, 1);
      std::size_t menys = 99, donat = 0;
      for (int k = 1; k <= 6; ++k) {
        slots += e.SelectorDonat(k);
        EXPECT_TRUE(aminoacids != 3 || e.SelectorDonat(k) == (e.Aminoacid(k) != NoAssignat));
        if (e.Aminoacid(k) == NoAssignat) continue;
        menys = std::min(menys, RBGlobal::CodonsEstandard(e.Aminoacid(k)).size());
        if (e.SelectorDonat(k)) donat = RBGlobal::CodonsEstandard(e.Aminoacid(k)).size();
      }
      static const int MaximDonats[] = {0, 1, 1, 6};
      EXPECT_LE(slots, MaximDonats[aminoacids]);
      EXPECT_TRUE(aminoacids != 1 || donat == menys);  // the easiest
      const std::vector<TSolucio> solucions = Resol(e);
      ASSERT_EQ(solucions.size(), 1u);
      EXPECT_EQ(solucions[0].maneres, 1u);
      EXPECT_EQ(solucions[0].fila, e.FilaTranscrita());
      EXPECT_EQ(solucions[0].transcrita, e.CadenaTranscrita());
    }
  }
}

TEST(TaulaResum, EntriesAreCountedAsWrittenOverEachOther) {
  TExercici e = Exemple();
  auto errors = [&] { return std::pair{e.ErrorsComesos(), e.ErrorsPendents()}; };
  auto escriu = [&](std::uint16_t f, std::uint16_t p, char c) {
    e.SeleccionaCela(f, p);
    e.EntraLletra(c);
  };
  escriu(1, 1, '3');  // wrong
  EXPECT_EQ(errors(), std::pair(1u, 1));
  EXPECT_TRUE(e.Erronia(1, 1));
  escriu(1, 1, 'T');  // wrong by wrong
  EXPECT_EQ(errors(), std::pair(2u, 1));
  escriu(1, 1, '5');  // wrong by right
  EXPECT_EQ(errors(), std::pair(2u, 0));
  escriu(1, 2, ' ');   // a blank erases and is never an error
  escriu(1, 2, 'U');   // U in a DNA row
  escriu(2, 2, 'T');   // T in an RNA row
  escriu(3, 17, 'A');  // a base where the anticodon is blank
  EXPECT_EQ(errors(), std::pair(5u, 3));
  escriu(3, 17, ' ');
  EXPECT_EQ(errors(), std::pair(5u, 2));
  // Selectors count like cells; the blank item is never an error.
  e.ComprovaSelector(1, 7);  // Phe where Met is expected
  e.ComprovaSelector(1, 8);
  EXPECT_EQ(errors(), std::pair(7u, 3));
  e.ComprovaSelector(1, BlancAminoacid);
  EXPECT_FALSE(e.SelectorErroni(1));
  e.ComprovaSelector(0, 1);     // "C" on the N side
  e.ComprovaEtiquetaDNA(0, 1);  // no row names with the whole strand given
  EXPECT_EQ(errors(), std::pair(8u, 3));
  TExercici f = Exemple(1);
  f.ComprovaEtiquetaDNA(0, 1);  // row 0 is the transcribed strand
  f.ComprovaEtiquetaDNA(1, 1);
  EXPECT_TRUE(f.EtiquetaErronia(0) && !f.EtiquetaErronia(1));
  f.ComprovaEtiquetaDNA(0, BlancEtiqueta);
  EXPECT_EQ(std::pair(f.ErrorsComesos(), f.ErrorsPendents()), std::pair(1u, 0));
}

// Random clicks, letters and choices: the pending errors are always the
// wrong entries on the table, the errors made never go down, and the
// exercise is complete exactly when the whole table is right.
TEST(TaulaResum, CountersFollowTheTableWhateverTheStudentDoes) {
  RBGlobal::PosaCodiReal();
  RBGlobal::Sembra(11);
  std::mt19937 atzar(5);
  auto tria = [&](int n) { return static_cast<int>(atzar() % static_cast<unsigned>(n)); };
  for (int partida = 0; partida < 400; ++partida) {
    TExercici e;
    e.PosaOpcions(true, true, static_cast<std::uint16_t>(tria(4)), partida % 2, false);
    e.GeneraExercici();
    std::uint32_t abans = 0;
    for (int pas = 0; pas < 300 && !e.Acabat(); ++pas) {
      const int accio = tria(10), i = tria(8);
      if (accio < 3)
        e.SeleccionaCela(static_cast<std::uint16_t>(tria(4)),
                         static_cast<std::uint16_t>(1 + tria(20)));
      else if (accio < 7)
        e.EntraLletra(tria(3) ? e.Esperat(e.FilaActual(), e.ColumnaActual()) : "AGCTU53 "[tria(8)]);
      else if (accio < 9)
        e.ComprovaSelector(i, tria(2) ? e.ItemEsperat(i) : tria(i == 0 || i == 7 ? 3 : 22));
      else
        e.ComprovaEtiquetaDNA(tria(2), tria(3));
      int pendents = 0;
      bool tot = true;
      for (std::uint16_t f = 0; f < 4; ++f)
        for (std::uint16_t p = 1; p <= 20; ++p) {
          pendents += e.Erronia(f, p);
          tot = tot && e.Resposta(f, p) == e.Esperat(f, p);
        }
      for (int s = 0; s < 8; ++s) {
        const int blanc = s == 0 || s == 7 ? BlancExtrem : BlancAminoacid;
        pendents += e.Selector(s) != e.ItemEsperat(s) && e.Selector(s) != blanc;
        tot = tot && e.Selector(s) == e.ItemEsperat(s);
      }
      for (int r = 0; r < 2; ++r) {
        const int esperat = r == e.FilaTranscrita() ? 0 : 1;
        pendents += e.Etiqueta(r) != esperat && e.Etiqueta(r) != BlancEtiqueta;
        tot = tot && (!e.ModeFragments() || e.Etiqueta(r) == esperat);
      }
      ASSERT_EQ(e.ErrorsPendents(), pendents);
      ASSERT_GE(e.ErrorsComesos(), abans);
      ASSERT_EQ(e.Acabat(), tot);
      abans = e.ErrorsComesos();
    }
  }
}

TEST(TaulaResum, GradeByErrorsMade) {
  const std::pair<int, const char*> bandes[] = {{0, "Molt bé!!"},
                                                {1, "Ho has fet bastant bé."},
                                                {3, "Ho has fet bastant bé."},
                                                {4, "Has d'estudiar i practicar més."},
                                                {6, "Has d'estudiar i practicar més."},
                                                {7, "Una actuació lamentable!"}};
  for (const auto& [errors, text] : bandes) {
    TExercici e = Exemple();
    for (int n = 0; n < errors; ++n)
      e.ComprovaSelector(1 + n % 6, e.ItemEsperat(1 + n % 6) == 2 ? 3 : 2);
    OmpleBe(e);
    EXPECT_TRUE(e.Acabat());
    EXPECT_EQ(e.ErrorsComesos(), static_cast<std::uint32_t>(errors));
    EXPECT_EQ(Avaluacio(e.ErrorsComesos()), text);
  }
}

// Completion, then a retry of the same table.
TEST(TaulaResum, CompletionNeedsTheTranscribedRowAndLocksUntilARetry) {
  RBGlobal::PosaCodiReal();
  RBGlobal::Sembra(3);
  TExercici e;
  e.PosaOpcions(true, true, 3, 1, false);
  do e.GeneraExercici();
  while (Fila(e, e.FilaTranscrita(), true).find(' ') == std::string::npos);
  std::vector<std::string> abans;
  for (std::uint16_t f = 0; f < 4; ++f) abans.push_back(Fila(e, f, true) + Fila(e, f));
  const int selector = e.Selector(3);
  OmpleBe(e, false);
  EXPECT_FALSE(e.Acabat());  // the transcribed strand's row still has empty cells
  OmpleBe(e);
  EXPECT_TRUE(e.Acabat());
  EXPECT_FALSE(e.EntradaActiva());
  EXPECT_NE(e.Estat(e.FilaActual(), e.ColumnaActual()), EstatCela::Seleccionada);
  e.SeleccionaCela(2, 5);
  e.EntraLletra('A');
  e.ComprovaSelector(1, 0);
  EXPECT_TRUE(e.Acabat());
  EXPECT_EQ(e.ErrorsComesos(), 0u);
  e.Tornemhi();
  EXPECT_TRUE(!e.Acabat() && e.EntradaActiva());
  for (std::uint16_t f = 0; f < 4; ++f) EXPECT_EQ(Fila(e, f, true) + Fila(e, f), abans[f]);
  EXPECT_EQ(e.Selector(3), selector);
  EXPECT_EQ(e.Etiqueta(0), BlancEtiqueta);
  EXPECT_EQ(Fila(e, e.FilaActual(), true).find(' ') + 1, e.ColumnaActual());
}

TEST(TaulaResum, SelectionFollowsClicksArrowsAndEntries) {
  TExercici e = Exemple();
  e.SeleccionaCela(0, 5);  // given: the selection stays, input back on
  EXPECT_EQ(e.Estat(1, 1), EstatCela::Seleccionada);
  e.DesseleccionaCela();  // a selector took the focus
  EXPECT_EQ(e.Estat(1, 1), EstatCela::Editable);
  e.EntraLletra('5');
  EXPECT_EQ(e.Resposta(1, 1), ' ');
  e.SeleccionaCela(0, 5);  // input into the old cell, which stays unmarked
  EXPECT_EQ(e.Estat(1, 1), EstatCela::Editable);
  e.EntraLletra('5');
  EXPECT_EQ(e.Resposta(1, 1), '5');
  EXPECT_EQ(e.Estat(1, 2), EstatCela::Seleccionada);
  e.MouSeleccio(-1, 0);  // row 0 is given: nothing above
  e.MouSeleccio(1, 1);
  EXPECT_EQ(e.Estat(2, 3), EstatCela::Seleccionada);
  // The last cell: nothing further, and the rows above are not searched.
  e.SeleccionaCela(3, 20);
  e.EntraLletra('5');
  EXPECT_EQ(e.FilaActual() * 100 + e.ColumnaActual(), 320);
  e.SeleccionaCela(2, 20);
  e.EntraLletra('3');
  EXPECT_EQ(e.FilaActual() * 100 + e.ColumnaActual(), 301);
  // Arrows pass over given cells.
  TExercici g = Exemple(1);
  const std::uint16_t fila = g.FilaActual(), inici = g.ColumnaActual();
  g.MouSeleccio(0, 1);
  for (std::uint16_t p = inici + 1; p < g.ColumnaActual(); ++p) EXPECT_TRUE(g.Donada(fila, p));
  EXPECT_EQ(g.Estat(fila, g.ColumnaActual()), EstatCela::Seleccionada);
}

TEST(TaulaResum, OptionsAreKeptAndBounded) {
  TExercici e;
  EXPECT_EQ(e.LlegeixOpcions(), (TOpcions{true, true, 0, 0, false}));
  e.PosaOpcions(false, false, 9, 4, true);
  EXPECT_EQ(e.LlegeixOpcions(), (TOpcions{false, false, 3, 1, true}));
  EXPECT_THROW(e.PosaCadenaTranscrita("3TAC5", true), std::invalid_argument);
}
