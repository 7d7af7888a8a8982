// The summary-table exercise, driven without any window.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <map>
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
  static const std::string Lletres = "FFLLSSSSYY**CC*WLLLLPPPPHHQQRRRRIIIMTTTTNNKKSSRRVVVVAAAADDEEGGGG";
  static const std::string Numeros = "*GAVLIPFWMSTCYNQDEKRH";  // 0 = Fi, 1 = Gly, ...
  int index = 0;
  for (char b : codo) index = 4 * index + static_cast<int>(std::string("UCAG").find(b));
  return static_cast<int>(Numeros.find(Lletres[index]));
}
bool EsStop(const std::string& codo) { return AminoacidEstandard(codo) == 0; }
char ComplementDNA(char b) { return std::string("TCGA")[std::string("AGCT").find(b)]; }

// Scripted draws, for exercises whose every draw is known.
struct TGuio {
  std::deque<unsigned> valors;
  TExercici::TSorteig Sorteig() {
    return [this](unsigned n) {
      if (valors.empty()) ADD_FAILURE() << "a draw more than scripted (0.." << n - 1 << ")";
      const unsigned v = valors.empty() ? 0 : valors.front();
      if (!valors.empty()) valors.pop_front();
      EXPECT_LT(v, n);
      return v;
    };
  }
  void Lletres(const std::string& bases) {
    for (char b : bases) valors.push_back(static_cast<unsigned>(std::string("AGCT").find(b)));
  }
};

std::string Fila(const TExercici& e, std::uint16_t fila, bool resposta = false) {
  std::string s;
  for (std::uint16_t p = 1; p <= NombrePosicions; ++p)
    s += resposta ? e.Resposta(fila, p) : e.Esperat(fila, p);
  return s;
}

std::vector<int> Selectors(const TExercici& e) {
  std::vector<int> v;
  for (int i = 0; i < NombreSelectors; ++i) v.push_back(e.Aminoacid(i));
  return v;
}

// The worked example: '3' at the left of the transcribed strand, UAA drawn.
const std::string Transcrita = "3TACAAACCTTGGGTAATT5";
const std::string Complementaria = "5ATGTTTGGAACCCATTAA3";
const std::string Missatger = "5AUGUUUGGAACCCAUUAA3";
const std::string Anticodons = "3UACAAACCUUGGGUA   5";
const std::vector<int> SelectorsExemple{22, 9, 7, 1, 11, 20, 0, 23};  // N Met Phe Gly Thr His Fi C

std::string Inversa(std::string s) { return {s.rbegin(), s.rend()}; }

// The student who knows the rules: every empty cell, selector and row name.
void OmpleBe(TExercici& e, bool ambTranscrita = true) {
  for (std::uint16_t f = 0; f < NombreFiles; ++f) {
    if (!ambTranscrita && f == e.FilaTranscrita()) continue;
    for (std::uint16_t p = 1; p <= NombrePosicions; ++p) {
      if (e.Donada(f, p)) continue;
      e.SeleccionaCela(f, p);
      e.EntraLletra(e.Esperat(f, p));
    }
  }
  if (e.ModeFragments()) {
    e.ComprovaEtiquetaDNA(0, e.FilaTranscrita() == 0 ? 0 : 1);
    e.ComprovaEtiquetaDNA(1, e.FilaTranscrita() == 1 ? 0 : 1);
  }
  for (int i = 0; i < NombreSelectors; ++i) e.ComprovaSelector(i, e.ItemEsperat(i));
}

TExercici Exemple(std::uint16_t mode = 0) {
  RBGlobal::PosaCodiReal();
  TExercici e;
  e.PosaOpcions(true, true, 0, mode, false);
  e.PosaCadenaTranscrita(Transcrita, true);
  return e;
}

// ---------------------------------------------------------------------------
// An independent solver: every (transcribed row, transcribed strand) that
// agrees with what the table gives at the start.

struct TSolucio {
  int fila;
  std::string transcrita;
  bool operator==(const TSolucio&) const = default;
};

// The transcribed base that a given character of a strand stands for.
char BaseTranscrita(int cadena, char c) {
  switch (cadena) {
    case 0: return c;
    case 1: return ComplementDNA(c);
    case 2: return ComplementDNA(c == 'U' ? 'T' : c);
    default: return c == 'U' ? 'T' : c;
  }
}

void ResolHipotesi(const TExercici& e, int fila, bool cincEsquerra, std::vector<TSolucio>& out) {
  auto cadena = [&](int f) { return f == fila ? 0 : f < 2 ? 1 : f; };
  // Ends: the transcribed strand and the anticodons alike, the others opposite.
  const char esquerraT = cincEsquerra ? '5' : '3', dretaT = cincEsquerra ? '3' : '5';
  for (int f = 0; f < 4; ++f) {
    const bool igual = cadena(f) == 0 || cadena(f) == 3;
    const char esq = e.Info(f, 1), dre = e.Info(f, 20);
    if (esq != ' ' && esq != (igual ? esquerraT : dretaT)) return;
    if (dre != ' ' && dre != (igual ? dretaT : esquerraT)) return;
  }
  const bool lecturaED = !cincEsquerra;  // the messenger's 5' end at the left
  if (e.AminoacidDonat(0) != NoAssignat && e.AminoacidDonat(0) != (lecturaED ? 22 : 23)) return;
  if (e.AminoacidDonat(7) != NoAssignat && e.AminoacidDonat(7) != (lecturaED ? 23 : 22)) return;
  // The transcribed bases each position allows.
  std::vector<std::string> permeses(21, "AGCT");
  for (int p = 2; p <= 19; ++p)
    for (int f = 0; f < 4; ++f)
      if (const char c = e.Info(f, p); c != ' ') {
        const char b = BaseTranscrita(cadena(f), c);
        permeses[p] = permeses[p].find(b) == std::string::npos ? "" : std::string(1, b);
      }
  auto posicio = [&](int k, int j) { return lecturaED ? 3 * k + j - 2 : 3 * k + 2 - j; };
  // Candidate codons per slot, in reading order.
  std::vector<std::vector<std::string>> candidats(7);
  for (int n = 1; n <= 6; ++n) {
    const int k = lecturaED ? n : 7 - n;
    for (char a : std::string("UCAG"))
      for (char b : std::string("UCAG"))
        for (char c : std::string("UCAG")) {
          const std::string codo{a, b, c};
          bool ok = true;
          for (int j = 1; j <= 3; ++j)
            ok = ok && permeses[posicio(k, j)].find(BaseTranscrita(2, codo[j - 1])) !=
                           std::string::npos;
          const int donat = e.AminoacidDonat(k);
          if (ok && donat != NoAssignat && AminoacidEstandard(codo) != donat) ok = false;
          if (ok) candidats[n].push_back(codo);
        }
  }
  std::vector<std::size_t> tria(7, 0);
  for (int comptador = 0; comptador < 100000; ++comptador) {
    for (int n = 1; n <= 6; ++n)
      if (candidats[n].empty()) return;
    // Check one combination: nothing given at or past the first stop's reach.
    int primerStop = 7;
    for (int n = 1; n <= 6 && primerStop == 7; ++n)
      if (EsStop(candidats[n][tria[n]])) primerStop = n;
    bool ok = true;
    for (int n = 1; n <= 6; ++n) {
      const int k = lecturaED ? n : 7 - n;
      if (n > primerStop && e.AminoacidDonat(k) != NoAssignat) ok = false;
      for (int j = 1; j <= 3; ++j)
        if (n >= primerStop && e.Info(3, posicio(k, j)) != ' ') ok = false;
    }
    if (ok) {
      std::string t(20, ' ');
      t.front() = esquerraT;
      t.back() = dretaT;
      for (int n = 1; n <= 6; ++n)
        for (int j = 1; j <= 3; ++j) {
          const int k = lecturaED ? n : 7 - n;
          t[posicio(k, j) - 1] = BaseTranscrita(2, candidats[n][tria[n]][j - 1]);
        }
      out.push_back({fila, t});
    }
    int n = 1;
    while (n <= 6 && ++tria[n] == candidats[n].size()) tria[n++] = 0;
    if (n > 6) return;
  }
  ADD_FAILURE() << "too many tables agree with what is given";
}

std::vector<TSolucio> Resol(const TExercici& e) {
  std::vector<TSolucio> solucions;
  for (int fila : {0, 1})
    for (bool cincEsquerra : {true, false}) ResolHipotesi(e, fila, cincEsquerra, solucions);
  return solucions;
}

std::string Codo(const TExercici& e, int n) {
  const bool ed = e.LecturaEsquerraDreta();
  const int k = ed ? n : 7 - n;
  std::string c;
  for (int j = 1; j <= 3; ++j) c += e.CadenaRNAm()[(ed ? 3 * k + j - 2 : 3 * k + 2 - j) - 1];
  return c;
}

}  // namespace

// ---------------------------------------------------------------------------

TEST(TaulaResum, CodonsPerAminoacidFollowTheStandardCode) {
  std::vector<std::string> vistos;
  for (int a = 0; a <= 20; ++a)
    for (std::string_view c : CodonsPerAminoacid[a]) {
      EXPECT_EQ(AminoacidEstandard(std::string(c)), a) << c;
      vistos.emplace_back(c);
    }
  std::sort(vistos.begin(), vistos.end());
  EXPECT_EQ(std::unique(vistos.begin(), vistos.end()) - vistos.begin(), 64);
}

TEST(TaulaResum, WorkedExampleFromScriptedDrawsAndItsMirror) {
  RBGlobal::PosaCodiReal();
  for (bool mirall : {false, true}) {
    TGuio guio;
    guio.valors = {1, mirall ? 1u : 0u};  // transcribed strand on top; its left end
    // Positions 2..19; the codon at the 5' end is not a stop yet, and the
    // AUG template overwrites three positions.
    const std::string mig = "AAACCTTGGGTA";
    guio.Lletres(mirall ? "AAA" + Inversa(mig) + "GGG" : "GGG" + mig + "AAA");
    guio.valors.push_back(0);  // UAA
    TExercici e(guio.Sorteig());
    e.GeneraExercici();
    EXPECT_TRUE(guio.valors.empty());
    auto esperat = [&](const std::string& s) { return mirall ? Inversa(s) : s; };
    EXPECT_EQ(e.CadenaTranscrita(), esperat(Transcrita));
    EXPECT_EQ(e.CadenaComplementaria(), esperat(Complementaria));
    EXPECT_EQ(e.CadenaRNAm(), esperat(Missatger));
    EXPECT_EQ(e.CadenaAnticodons(), esperat(Anticodons));
    std::vector<int> selectors = SelectorsExemple;
    if (mirall) std::reverse(selectors.begin(), selectors.end());
    EXPECT_EQ(Selectors(e), selectors);
    // Row 0 is given whole; the first empty cell is selected.
    EXPECT_EQ(e.FilaTranscrita(), 0);
    EXPECT_EQ(Fila(e, 0, true), e.CadenaTranscrita());
    EXPECT_EQ(Fila(e, 1, true), std::string(20, ' '));
    EXPECT_EQ(e.Estat(0, 5), EstatCela::Donada);
    EXPECT_EQ(e.Estat(1, 1), EstatCela::Seleccionada);
    EXPECT_TRUE(e.EntradaActiva());
    EXPECT_FALSE(e.Acabat());
  }
}

// Thousands of drawn exercises under every combination of the options.
TEST(TaulaResum, DrawnExercisesKeepEveryRuleOfTheirOptions) {
  RBGlobal::PosaCodiReal();
  RBGlobal::Sembra(2026);
  for (int opcio = 0; opcio < 64; ++opcio) {
    const bool aug = opcio & 1, stopFinal = opcio & 2, interiors = opcio & 4;
    const std::uint16_t mode = (opcio >> 3) & 1, aminoacids = static_cast<std::uint16_t>(opcio >> 4);
    TExercici e;
    e.PosaOpcions(aug, stopFinal, aminoacids, mode, interiors);
    for (int n = 0; n < 60; ++n) {
      e.GeneraExercici();
      SCOPED_TRACE(e.CadenaTranscrita() + " opcions " + std::to_string(opcio));
      // The other rows pair with the transcribed strand.
      for (std::uint16_t p = 2; p <= 19; ++p) {
        const char t = e.CadenaTranscrita()[p - 1];
        ASSERT_EQ(e.CadenaComplementaria()[p - 1], ComplementDNA(t));
        ASSERT_EQ(BaseTranscrita(2, e.CadenaRNAm()[p - 1]), t);
      }
      int primerStop = 0, stops = 0;
      for (int k = 1; k <= 6; ++k)
        if (EsStop(Codo(e, k))) {
          ++stops;
          if (primerStop == 0) primerStop = k;
        }
      EXPECT_TRUE(!aug || Codo(e, 1) == "AUG");
      EXPECT_TRUE(interiors || primerStop == 0 || primerStop == 6);
      EXPECT_TRUE(!stopFinal || EsStop(Codo(e, 6)));
      EXPECT_TRUE(!stopFinal || interiors || stops == 1);
      // Anticodons blank from the first stop on, the ends kept; slots
      // expected up to the stop, blank after it.
      const bool ed = e.LecturaEsquerraDreta();
      EXPECT_EQ(e.Aminoacid(0), ed ? 22 : 23);
      EXPECT_EQ(e.Aminoacid(7), ed ? 23 : 22);
      for (int n = 1; n <= 6; ++n) {
        const int k = ed ? n : 7 - n;
        const bool talla = primerStop != 0 && n >= primerStop;
        for (int j = 1; j <= 3; ++j) {
          const int p = ed ? 3 * k + j - 2 : 3 * k + 2 - j;
          EXPECT_EQ(e.CadenaAnticodons()[p - 1] == ' ', talla);
        }
        const int esperat =
            primerStop != 0 && n > primerStop ? NoAssignat : AminoacidEstandard(Codo(e, n));
        EXPECT_EQ(e.Aminoacid(k), esperat);
      }
      EXPECT_EQ(e.CadenaAnticodons().front(), e.CadenaTranscrita().front());
      // What is given.
      int donats = 0, slotsDonats = 0;
      for (int k = 1; k <= 6; ++k) slotsDonats += e.SelectorDonat(k);
      if (mode == 0) {
        EXPECT_EQ(Fila(e, e.FilaTranscrita(), true), e.CadenaTranscrita());
        for (int i = 0; i < 8; ++i) EXPECT_FALSE(e.SelectorDonat(i));
        EXPECT_EQ(e.Estat(1 - e.FilaTranscrita(), 10), EstatCela::Editable);
        continue;
      }
      for (std::uint16_t f = 0; f < 4; ++f)
        donats += (e.Info(f, 1) != ' ') + (e.Info(f, 20) != ' ');
      EXPECT_EQ(donats + e.SelectorDonat(0) + e.SelectorDonat(7), 1);
      const int maxim[] = {0, 1, 1, 6};
      EXPECT_LE(slotsDonats, maxim[aminoacids]);
      EXPECT_TRUE(aminoacids != 1 || slotsDonats == 1);
      for (int k = 1; k <= 6 && aminoacids == 3; ++k)
        EXPECT_EQ(e.SelectorDonat(k), e.Aminoacid(k) != NoAssignat);
      if (aminoacids == 1) {
        std::size_t menys = 99, donat = 0;
        for (int k = 1; k <= 6; ++k) {
          if (e.Aminoacid(k) == NoAssignat) continue;
          menys = std::min(menys, CodonsPerAminoacid[e.Aminoacid(k)].size());
          if (e.SelectorDonat(k)) donat = CodonsPerAminoacid[e.Aminoacid(k)].size();
        }
        EXPECT_EQ(donat, menys);
      }
      const std::vector<TSolucio> solucions = Resol(e);
      ASSERT_EQ(solucions.size(), 1u);
      EXPECT_EQ(solucions[0], (TSolucio{e.FilaTranscrita(), e.CadenaTranscrita()}));
    }
  }
}

TEST(TaulaResum, EntriesAreCountedAsWrittenOverEachOther) {
  TExercici e = Exemple();
  auto errors = [&] { return std::pair{e.ErrorsComesos(), e.ErrorsPendents()}; };
  ASSERT_EQ(e.Estat(1, 1), EstatCela::Seleccionada);
  e.EntraLletra('3');  // wrong
  EXPECT_EQ(errors(), std::pair(1u, 1));
  EXPECT_TRUE(e.Erronia(1, 1));
  EXPECT_EQ(e.ColumnaActual(), 2);  // on to the next empty cell
  e.SeleccionaCela(1, 1);
  e.EntraLletra('T');  // wrong by wrong
  EXPECT_EQ(errors(), std::pair(2u, 1));
  e.SeleccionaCela(1, 1);
  e.EntraLletra('5');  // wrong by right
  EXPECT_EQ(errors(), std::pair(2u, 0));
  e.SeleccionaCela(1, 2);
  e.EntraLletra(' ');  // a blank where a base is expected erases, never an error
  EXPECT_EQ(errors(), std::pair(2u, 0));
  EXPECT_EQ(e.Resposta(1, 2), ' ');
  e.SeleccionaCela(1, 2);
  e.EntraLletra('U');  // U in a DNA row
  e.SeleccionaCela(2, 2);
  e.EntraLletra('T');  // T in an RNA row
  e.SeleccionaCela(3, 17);
  e.EntraLletra('A');  // a base where the anticodon is blank
  EXPECT_EQ(errors(), std::pair(5u, 3));
  e.SeleccionaCela(3, 17);
  e.EntraLletra(' ');
  EXPECT_EQ(errors(), std::pair(5u, 2));
  // Selectors count like cells; the blank item is never an error.
  e.ComprovaSelector(1, 7);  // Phe where Met is expected
  e.ComprovaSelector(1, 8);
  EXPECT_EQ(errors(), std::pair(7u, 3));
  EXPECT_TRUE(e.SelectorErroni(1));
  e.ComprovaSelector(1, BlancAminoacid);
  EXPECT_FALSE(e.SelectorErroni(1));
  e.ComprovaSelector(0, 1);  // "C" on the N side
  e.ComprovaSelector(7, 1);  // right
  EXPECT_EQ(errors(), std::pair(8u, 3));
  e.ComprovaEtiquetaDNA(0, 1);  // no row names with the whole strand given
  EXPECT_EQ(errors(), std::pair(8u, 3));

  TExercici f = Exemple(1);
  f.ComprovaEtiquetaDNA(0, 1);  // row 0 is the transcribed strand
  f.ComprovaEtiquetaDNA(1, 1);
  EXPECT_TRUE(f.EtiquetaErronia(0));
  EXPECT_FALSE(f.EtiquetaErronia(1));
  f.ComprovaEtiquetaDNA(0, BlancEtiqueta);
  EXPECT_EQ(f.ErrorsComesos(), 1u);
  EXPECT_EQ(f.ErrorsPendents(), 0);
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
      const int accio = tria(10);
      if (accio < 3) {
        e.SeleccionaCela(static_cast<std::uint16_t>(tria(4)), static_cast<std::uint16_t>(1 + tria(20)));
      } else if (accio < 7) {
        const bool be = tria(3) > 0 && e.ColumnaActual() != 0;
        e.EntraLletra(be ? e.Esperat(e.FilaActual(), e.ColumnaActual()) : "AGCTU53 "[tria(8)]);
      } else if (accio < 9) {
        const int i = tria(8), blanc = i == 0 || i == 7 ? BlancExtrem : BlancAminoacid;
        e.ComprovaSelector(i, tria(2) ? e.ItemEsperat(i) : tria(blanc + 1));
      } else {
        e.ComprovaEtiquetaDNA(tria(2), tria(3));
      }
      int pendents = 0;
      bool tot = true;
      for (std::uint16_t f = 0; f < 4; ++f)
        for (std::uint16_t p = 1; p <= 20; ++p) {
          pendents += e.Erronia(f, p);
          tot = tot && e.Resposta(f, p) == e.Esperat(f, p);
        }
      for (int i = 0; i < 8; ++i) {
        const int blanc = i == 0 || i == 7 ? BlancExtrem : BlancAminoacid;
        pendents += e.Selector(i) != e.ItemEsperat(i) && e.Selector(i) != blanc;
        tot = tot && e.Selector(i) == e.ItemEsperat(i);
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
  const std::pair<int, const char*> bandes[] = {
      {0, "Molt bé!!"},
      {1, "Ho has fet bastant bé."},
      {3, "Ho has fet bastant bé."},
      {4, "Has d'estudiar i practicar més."},
      {6, "Has d'estudiar i practicar més."},
      {7, "Una actuació lamentable!"},
      {40, "Una actuació lamentable!"}};
  for (const auto& [errors, text] : bandes) {
    TExercici e = Exemple();
    for (int n = 0; n < errors; ++n) e.ComprovaSelector(1 + n % 6, e.ItemEsperat(1 + n % 6) == 2 ? 3 : 2);
    OmpleBe(e);
    EXPECT_TRUE(e.Acabat());
    EXPECT_EQ(e.ErrorsComesos(), static_cast<std::uint32_t>(errors));
    EXPECT_EQ(Avaluacio(e.ErrorsComesos()), text);
  }
}

TEST(TaulaResum, CompletionLocksInputAndNeedsTheTranscribedRowToo) {
  RBGlobal::PosaCodiReal();
  RBGlobal::Sembra(3);
  TExercici e;
  e.PosaOpcions(true, true, 0, 1, false);
  do e.GeneraExercici();
  while (Fila(e, e.FilaTranscrita(), true).find(' ') == std::string::npos);
  OmpleBe(e, false);
  EXPECT_FALSE(e.Acabat());  // the transcribed strand's row still has empty cells
  OmpleBe(e);
  EXPECT_TRUE(e.Acabat());
  EXPECT_FALSE(e.EntradaActiva());
  EXPECT_EQ(e.Estat(e.FilaActual(), e.ColumnaActual()) == EstatCela::Seleccionada, false);
  const std::uint32_t errors = e.ErrorsComesos();
  e.SeleccionaCela(2, 5);
  e.EntraLletra('A');
  e.ComprovaSelector(1, 0);
  EXPECT_TRUE(e.Acabat());
  EXPECT_EQ(e.ErrorsComesos(), errors);
}

TEST(TaulaResum, SelectionFollowsClicksAndEntries) {
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
  e.SeleccionaCela(1, 2);  // the selected cell: nothing moves
  EXPECT_EQ(e.Estat(1, 2), EstatCela::Seleccionada);
  // The last cell: nothing further, and the rows above are not searched.
  e.SeleccionaCela(3, 20);
  e.EntraLletra('5');
  EXPECT_EQ(e.FilaActual(), 3);
  EXPECT_EQ(e.ColumnaActual(), 20);
  e.SeleccionaCela(2, 20);
  e.EntraLletra('3');
  EXPECT_EQ(e.FilaActual(), 3);
  EXPECT_EQ(e.ColumnaActual(), 1);
}

TEST(TaulaResum, ArrowsSkipGivenCellsAndStopAtTheEdges) {
  TExercici e = Exemple(1);  // given: an end, the anchor and one base per position
  e.DesseleccionaCela();
  const std::uint16_t fila = e.FilaActual(), inici = e.ColumnaActual();
  e.MouSeleccio(0, 1);
  EXPECT_TRUE(e.EntradaActiva());
  EXPECT_EQ(e.FilaActual(), fila);
  EXPECT_GT(e.ColumnaActual(), inici);
  for (std::uint16_t p = inici + 1; p < e.ColumnaActual(); ++p) EXPECT_TRUE(e.Donada(fila, p));
  EXPECT_EQ(e.Estat(fila, e.ColumnaActual()), EstatCela::Seleccionada);
  for (int n = 0; n < 30; ++n) e.MouSeleccio(1, 0);
  EXPECT_FALSE(e.Donada(e.FilaActual(), e.ColumnaActual()));
  for (std::uint16_t f = e.FilaActual() + 1; f < NombreFiles; ++f)
    EXPECT_TRUE(e.Donada(f, e.ColumnaActual()));
}

TEST(TaulaResum, RetryKeepsTheExerciseAndClearsTheAnswers) {
  RBGlobal::PosaCodiReal();
  RBGlobal::Sembra(8);
  TExercici e;
  e.PosaOpcions(true, true, 3, 1, false);
  e.GeneraExercici();
  std::vector<std::string> info, cadenes;
  for (std::uint16_t f = 0; f < 4; ++f) {
    info.push_back(Fila(e, f, true));
    cadenes.push_back(Fila(e, f));
  }
  const std::vector<int> selectors{e.Selector(0), e.Selector(3), e.Selector(7)};
  OmpleBe(e);
  ASSERT_TRUE(e.Acabat());
  e.Tornemhi();
  EXPECT_FALSE(e.Acabat());
  EXPECT_TRUE(e.EntradaActiva());
  EXPECT_EQ(e.ErrorsComesos(), 0u);
  EXPECT_EQ(e.ErrorsPendents(), 0);
  for (std::uint16_t f = 0; f < 4; ++f) {
    EXPECT_EQ(Fila(e, f, true), info[f]);
    EXPECT_EQ(Fila(e, f), cadenes[f]);
  }
  EXPECT_EQ((std::vector<int>{e.Selector(0), e.Selector(3), e.Selector(7)}), selectors);
  EXPECT_EQ(e.Etiqueta(0), BlancEtiqueta);
  EXPECT_EQ(e.Estat(e.FilaActual(), e.ColumnaActual()), EstatCela::Seleccionada);
  EXPECT_EQ(Fila(e, e.FilaActual(), true).find(' ') + 1, e.ColumnaActual());
}

TEST(TaulaResum, OptionsAreKeptAndBounded) {
  TExercici e;
  EXPECT_EQ(e.LlegeixOpcions(), (TOpcions{true, true, 0, 0, false}));
  e.PosaOpcions(false, false, 9, 4, true);
  EXPECT_EQ(e.LlegeixOpcions(), (TOpcions{false, false, 3, 1, true}));
  EXPECT_THROW(e.PosaCadenaTranscrita("3TAC5", true), std::invalid_argument);
  EXPECT_EQ(TextCela('5'), "5'");
  EXPECT_EQ(TextCela(' '), "");
}
