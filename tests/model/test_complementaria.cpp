// The replication and transcription exercise, driven without any window.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Parella.h"
#include "model/Complementaria.h"
#include "model/RBGlobal.h"

using namespace Complementaria;

namespace {

// Templates whose new strand grows rightwards (first) and leftwards (second).
const std::string Primera = "3CATGGTACCTAGAATT5";
const std::string Segona = "5TTAAGATCCATGGTAC3";

// A letter that does not pair (for interior cells only).
char Errada(char plantilla, bool transcripcio) {
  return plantilla == 'A' ? (transcripcio ? 'T' : 'U') : plantilla;
}

TExercici Nou(const std::string& plantilla, bool transcripcio) {
  TExercici e;
  e.PosaTranscripcio(transcripcio);
  e.PosaPlantilla(plantilla);
  e.IniciaExercici();
  return e;
}

void PosaBe(TExercici& e, int n) {
  for (int i = 0; i < n; ++i) e.Posa(Parella(e.Plantilla(e.Posicio()), e.Transcripcio()));
}

void PosaMalament(TExercici& e) { e.Posa(Errada(e.Plantilla(e.Posicio()), e.Transcripcio())); }

int Demostra(TExercici& e, int limit = 200) {
  e.IniciaDemostracio();
  int tics = 0;
  while (e.FaseActual() == Fase::Demostrant && tics < limit) {
    e.Timer1Timer();
    ++tics;
  }
  return tics;
}

int CellesErronies(const TExercici& e) {
  int n = 0;
  for (std::uint16_t i = 1; i <= NombreCelles; ++i) n += e.Erronia(i);
  return n;
}

struct Cas {
  const char* nom;
  std::string plantilla;
  bool transcripcio;
};
void PrintTo(const Cas& cas, std::ostream* os) { *os << cas.nom; }
class PerOrientacio : public ::testing::TestWithParam<Cas> {};
const Cas Casos[] = {{"ReplicacioPrimera", Primera, false},
                     {"ReplicacioSegona", Segona, false},
                     {"TranscripcioPrimera", Primera, true},
                     {"TranscripcioSegona", Segona, true}};
INSTANTIATE_TEST_SUITE_P(Complementaria, PerOrientacio, ::testing::ValuesIn(Casos),
                         [](const auto& info) { return std::string(info.param.nom); });

std::uint16_t Inici(const TExercici& e) { return e.PrimeraOrientacio() ? 1 : NombreCelles; }
std::uint16_t Segent(const TExercici& e) { return e.PrimeraOrientacio() ? 2 : NombreCelles - 1; }

}  // namespace

TEST(GeneraCadena, AlwaysOneEndOfEachAndSixteenLetters) {
  RBGlobal::Sembra(7);
  TExercici e;
  int segones = 0;
  std::string vistes;
  for (int n = 0; n < 2000; ++n) {
    e.GeneraCadena();
    const std::string& c = e.CadenaLlegida();
    ASSERT_EQ(c.size(), 18u);
    ASSERT_TRUE((c.front() == '3' && c.back() == '5') || (c.front() == '5' && c.back() == '3'))
        << c;
    for (std::size_t i = 1; i < 17; ++i) {
      ASSERT_NE(std::string("AGCT").find(c[i]), std::string::npos) << c;
      if (vistes.find(c[i]) == std::string::npos) vistes += c[i];
    }
    segones += c.front() == '5';
  }
  EXPECT_EQ(vistes.size(), 4u);
  EXPECT_GT(segones, 850);  // both orientations, about half each
  EXPECT_LT(segones, 1150);
}

TEST(GeneraCadena, RejectsMalformedTemplates) {
  TExercici e;
  EXPECT_THROW(e.PosaPlantilla("3CATG5"), std::invalid_argument);
  EXPECT_THROW(e.PosaPlantilla("3CATGGTACCTAGAATT3"), std::invalid_argument);
  EXPECT_THROW(e.PosaPlantilla("3CAUGGTACCTAGAATT5"), std::invalid_argument);
  EXPECT_NO_THROW(e.PosaPlantilla(Segona));
}

TEST_P(PerOrientacio, StartsEmptyOnTheStartingCellWithOnlyEndMarks) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  e.Posa('5');  // something to be cleared by the restart
  e.IniciaExercici();
  EXPECT_EQ(e.Posicio(), Inici(e));
  EXPECT_EQ(e.NovaCadena(), std::string(18, ' '));
  EXPECT_EQ(e.ErrorsComesos(), 0);
  EXPECT_EQ(e.ErrorsPendents(), 0);
  EXPECT_EQ(e.Disponibles(), (TDisponibles{false, true, false, true}));
  EXPECT_TRUE(e.CellaVisible(Inici(e)));
  EXPECT_FALSE(e.CellaVisible(Segent(e)));
}

TEST_P(PerOrientacio, WrongStartMarkIsCountedAndKeepsTheCursor) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  EXPECT_FALSE(e.Posa('3'));
  EXPECT_EQ(e.Posicio(), Inici(e));
  EXPECT_EQ(e.ErrorsComesos(), 1);
  EXPECT_EQ(e.ErrorsPendents(), 1);
  EXPECT_TRUE(e.Erronia(Inici(e)));
  EXPECT_TRUE(e.Posa('5'));
  EXPECT_EQ(e.Posicio(), Segent(e));
  EXPECT_EQ(e.ErrorsComesos(), 1);
  EXPECT_EQ(e.ErrorsPendents(), 0);
  EXPECT_EQ(e.Disponibles(), (TDisponibles{true, false, false, true}));
}

TEST_P(PerOrientacio, WrongNucleotideStaysAndTheCursorMovesOn) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  PosaBe(e, 2);
  const std::uint16_t on = e.Posicio();
  PosaMalament(e);
  EXPECT_EQ(e.Posicio(), on + (e.PrimeraOrientacio() ? 1 : -1));
  EXPECT_EQ(e.ErrorsComesos(), 1);
  EXPECT_EQ(e.ErrorsPendents(), 1);
  EXPECT_TRUE(e.Erronia(on));
  PosaBe(e, 1);
  EXPECT_EQ(e.ErrorsPendents(), 1);
  if (e.Transcripcio()) {
    EXPECT_FALSE(e.Hidrolitza());
    EXPECT_FALSE(e.Disponibles().Hidrolitzar);
  } else {
    ASSERT_TRUE(e.Hidrolitza());  // the right one after it
    ASSERT_TRUE(e.Hidrolitza());  // the wrong one
    EXPECT_EQ(e.Posicio(), on);
    EXPECT_EQ(e.Nova(on), ' ');
    EXPECT_EQ(e.ErrorsPendents(), 0);
    EXPECT_EQ(e.ErrorsComesos(), 1);
  }
}

TEST(Hidrolisi, NeverRemovesTheStartingMark) {
  for (const std::string& plantilla : {Primera, Segona}) {
    TExercici e = Nou(plantilla, false);
    EXPECT_FALSE(e.Hidrolitza());  // on the starting cell
    PosaBe(e, 1);
    EXPECT_EQ(e.Posicio(), Segent(e));
    EXPECT_FALSE(e.Disponibles().Hidrolitzar);
    EXPECT_FALSE(e.Hidrolitza());
    PosaBe(e, 3);
    EXPECT_TRUE(e.Disponibles().Hidrolitzar);
    int trets = 0;
    while (e.Hidrolitza()) ++trets;
    EXPECT_EQ(trets, 3);  // one press, one nucleotide
    EXPECT_EQ(e.Posicio(), Segent(e));
    EXPECT_EQ(e.Nova(Inici(e)), '5');
    EXPECT_EQ(e.Disponibles(), (TDisponibles{true, false, false, true}));
  }
}

TEST_P(PerOrientacio, WrongFinalMarkCanBeOverwrittenOrHydrolysed) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  PosaBe(e, 17);
  const std::uint16_t ultima = e.PrimeraOrientacio() ? NombreCelles : 1;
  ASSERT_EQ(e.Posicio(), ultima);
  EXPECT_EQ(e.Disponibles().Extrems, true);
  EXPECT_FALSE(e.Posa('5'));
  EXPECT_EQ(e.Posicio(), ultima);
  EXPECT_EQ(e.FaseActual(), Fase::Construint);
  if (!e.Transcripcio()) {
    ASSERT_TRUE(e.Hidrolitza());  // takes the mark and the nucleotide before it
    EXPECT_EQ(e.Nova(ultima), ' ');
    EXPECT_EQ(e.ErrorsPendents(), 0);
    PosaBe(e, 1);
  }
  EXPECT_TRUE(e.Posa('3'));
  EXPECT_TRUE(e.CadenaAcabada());
  EXPECT_EQ(e.FaseActual(), Fase::Acabat);
  EXPECT_EQ(e.Disponibles(), TDisponibles{});
}

// ---------------------------------------------------------------------------
// Evaluation, row by row

struct Fila {
  bool transcripcio;
  int marquesErronies;  // wrong start marks: committed, leave nothing behind
  int cellesErronies;   // wrong nucleotides left in the strand
  bool demostracio;     // finished by the demonstration
  const char* text;
};
void PrintTo(const Fila& f, std::ostream* os) { *os << f.text; }
class Avaluacio : public ::testing::TestWithParam<Fila> {};

TEST_P(Avaluacio, GivesTheSentenceOfTheFirstMatchingRow) {
  const Fila& f = GetParam();
  for (const std::string& plantilla : {Primera, Segona}) {
    TExercici e = Nou(plantilla, f.transcripcio);
    for (int i = 0; i < f.marquesErronies; ++i) e.Posa('3');
    PosaBe(e, 1);
    for (int i = 0; i < f.cellesErronies; ++i) {
      PosaMalament(e);
      PosaBe(e, 1);
    }
    if (f.demostracio)
      Demostra(e);
    else
      PosaBe(e, 18 - 1 - 2 * f.cellesErronies);
    ASSERT_EQ(e.FaseActual(), Fase::Acabat) << plantilla;
    EXPECT_EQ(e.ErrorsPendents(), f.cellesErronies);
    EXPECT_EQ(e.ErrorsComesos(), f.marquesErronies + f.cellesErronies);
    EXPECT_EQ(e.Missatge(), f.text) << plantilla;
  }
}

const char* const UnRNA = "El teu RNA segurament no funcionarà bé.";
const char* const UnDNA = "Si no és ben reparat, això produirà una mutació.";
const char* const Cels = "Així ho fan normalment les teves cèl·lules!";

INSTANTIATE_TEST_SUITE_P(
    Complementaria, Avaluacio,
    ::testing::Values(
        Fila{true, 0, 1, false, UnRNA}, Fila{true, 5, 1, false, UnRNA},
        Fila{false, 0, 1, false, UnDNA}, Fila{false, 6, 1, false, UnDNA},
        Fila{true, 0, 2, false, "El teu RNA és inservible! Repassa la transcripció!"},
        Fila{true, 0, 3, true, "El teu RNA és inservible! Repassa la transcripció!"},
        Fila{false, 0, 3, false,
             "La cèl·lula que rebi aquest DNA ho té clar! Repassa la replicació!"},
        Fila{true, 1, 1, true, UnRNA}, Fila{false, 0, 0, true, Cels}, Fila{true, 0, 0, true, Cels},
        Fila{false, 2, 0, true,
             "Així ho fan normalment les teves cèl·lules! (els errors són teus)"},
        Fila{false, 0, 0, false, "Has aconseguit fer un bon DNA, domines la replicació."},
        Fila{true, 0, 0, false, "Has aconseguit fer un bon RNA, domines la transcripció."},
        Fila{false, 1, 0, false, "Has aconseguit fer un bon DNA, però has de concentrar-te més."},
        Fila{true, 3, 0, false, "Has aconseguit fer un bon RNA, però has de concentrar-te més."},
        Fila{false, 3, 0, false, "Has aconseguit fer un bon DNA, però has de concentrar-te més."},
        Fila{false, 4, 0, false,
             "Has aconseguit fer un bon DNA, però amb una actuació lamentable!"},
        Fila{true, 9, 0, false,
             "Has aconseguit fer un bon RNA, però amb una actuació lamentable!"}));

// ---------------------------------------------------------------------------
// Demonstration

TEST_P(PerOrientacio, DemonstrationFromACleanStartExplainsThenPlacesEveryCell) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  e.IniciaDemostracio();
  EXPECT_EQ(e.Missatge(),
            e.Transcripcio()
                ? "La RNA polimerasa va afegint ribonucleòtids en sentit 5'->3'."
                : "La DNA polimerasa va afegint desoxiribonucleòtids en sentit 5'->3'.");
  EXPECT_EQ(e.Disponibles(), TDisponibles{});
  EXPECT_FALSE(e.Posa('5'));  // input is off during a demonstration
  for (int cella = 0; cella < 18; ++cella) {
    const std::uint16_t on = e.Posicio();
    ASSERT_EQ(e.Timer1Timer(), Pas::Explicacio);
    EXPECT_EQ(e.Nova(on), ' ');
    EXPECT_EQ(e.BaseSeguent(), Parella(e.Plantilla(on), e.Transcripcio()));
    if (cella == 0) {
      EXPECT_EQ(e.Missatge(), "Comença la nova cadena per l'extrem 5'.");
    } else if (cella == 17) {
      EXPECT_EQ(e.Missatge(), "I acaba deixant lliure l'extrem 3'.");
    }
    ASSERT_EQ(e.Timer1Timer(), Pas::Colocacio);
    EXPECT_EQ(e.Nova(on), Parella(e.Plantilla(on), e.Transcripcio()));
  }
  EXPECT_EQ(e.FaseActual(), Fase::Acabat);
  EXPECT_EQ(e.Missatge(), Cels);
  EXPECT_EQ(e.Timer1Timer(), Pas::Cap);
}

TEST(Demostracio, NamesBothNucleotidesOfEachStep) {
  TExercici e = Nou(Primera, true);  // 3 C A T G ...
  e.IniciaDemostracio();
  std::vector<std::string> textos;
  for (int i = 0; i < 10; ++i) {
    e.Timer1Timer();
    if (e.TocaExplicar()) continue;  // just explained
    textos.push_back(e.Missatge());
  }
  EXPECT_EQ(textos, (std::vector<std::string>{
                        "Comença la nova cadena per l'extrem 5'.",
                        "Davant Citosina hi posa Guanina.", "Davant Adenina hi posa Uracil.",
                        "Davant Timina hi posa Adenina.", "Davant Guanina hi posa Citosina."}));
  EXPECT_EQ(e.Missatge(), "");  // a placing step clears the text
}

TEST_P(PerOrientacio, DemonstrationHydrolysesBackThenRebuildsInReplication) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  PosaBe(e, 3);
  const std::uint16_t errada = e.Posicio();
  PosaMalament(e);
  PosaBe(e, 2);
  const std::uint16_t on = e.Posicio();
  e.IniciaDemostracio();
  int tics = 0;
  if (!e.Transcripcio()) {
    // One nucleotide a tick, back to and including the wrong one.
    for (int n = 0; n < 3; ++n, ++tics) {
      ASSERT_EQ(e.Timer1Timer(), Pas::Hidrolisi);
      EXPECT_EQ(e.Missatge(), "La DNA polimerasa hidrolitza els nucleòtids erronis.");
      EXPECT_EQ(e.Disponibles(), TDisponibles{});
    }
    EXPECT_EQ(e.Posicio(), errada);
    EXPECT_EQ(e.ErrorsPendents(), 0);
  }
  const int celles = e.PrimeraOrientacio() ? 19 - e.Posicio() : e.Posicio();
  while (e.FaseActual() == Fase::Demostrant) {
    const Pas pas = e.Timer1Timer();
    ASSERT_NE(pas, Pas::Hidrolisi);
    ++tics;
  }
  EXPECT_EQ(tics, (e.Transcripcio() ? 0 : 3) + 2 * celles);
  EXPECT_EQ(e.ErrorsComesos(), 1);
  if (e.Transcripcio()) {
    EXPECT_EQ(celles, e.PrimeraOrientacio() ? 19 - on : on);
    EXPECT_EQ(e.ErrorsPendents(), 1);  // transcription goes on past it
    EXPECT_EQ(e.Missatge(), UnRNA);
  } else {
    EXPECT_EQ(e.ErrorsPendents(), 0);
    EXPECT_EQ(e.Missatge(), "Així ho fan normalment les teves cèl·lules! (els errors són teus)");
  }
}

// A wrong end mark on the starting cell cannot be hydrolysed: the
// demonstration puts the right mark there and goes on.
TEST_P(PerOrientacio, DemonstrationReplacesAWrongStartMark) {
  TExercici e = Nou(GetParam().plantilla, GetParam().transcripcio);
  e.Posa('3');
  ASSERT_EQ(e.ErrorsPendents(), 1);
  e.IniciaDemostracio();
  EXPECT_EQ(e.Timer1Timer(), Pas::Explicacio);
  EXPECT_EQ(e.Missatge(), "Comença la nova cadena per l'extrem 5'.");
  EXPECT_EQ(e.Timer1Timer(), Pas::Colocacio);
  EXPECT_EQ(e.Nova(Inici(e)), '5');
  EXPECT_EQ(e.ErrorsPendents(), 0);  // counted again at once
  EXPECT_FALSE(e.Erronia(Inici(e)));
  EXPECT_EQ(e.Posicio(), Segent(e));
  EXPECT_EQ(Demostra(e) + 2, 36);  // the rest, two ticks a cell
  EXPECT_EQ(e.Missatge(), "Així ho fan normalment les teves cèl·lules! (els errors són teus)");
}

TEST(Demostracio, PlacingOverAWrongFinalMarkRecountsInTranscription) {
  TExercici e = Nou(Segona, true);
  PosaBe(e, 17);
  e.Posa('5');
  ASSERT_EQ(e.ErrorsPendents(), 1);
  e.IniciaDemostracio();
  EXPECT_EQ(e.Timer1Timer(), Pas::Explicacio);
  EXPECT_EQ(e.Missatge(), "I acaba deixant lliure l'extrem 3'.");
  EXPECT_EQ(e.Timer1Timer(), Pas::Colocacio);
  EXPECT_EQ(e.ErrorsPendents(), 0);
  EXPECT_EQ(e.FaseActual(), Fase::Acabat);
  EXPECT_EQ(e.Missatge(), "Així ho fan normalment les teves cèl·lules! (els errors són teus)");
}

TEST(Demostracio, StoppingHandsBackTheStrandAndRemembersTheDemonstration) {
  TExercici e = Nou(Primera, false);
  e.IniciaDemostracio();
  for (int i = 0; i < 7; ++i) e.Timer1Timer();  // 3 cells placed, 4th explained
  e.AturaDemostracio();
  EXPECT_EQ(e.FaseActual(), Fase::Construint);
  EXPECT_EQ(e.Missatge(), "");
  EXPECT_EQ(e.Posicio(), 4);
  EXPECT_TRUE(e.EnDemostracio());
  EXPECT_EQ(e.Disponibles(), (TDisponibles{true, false, true, true}));
  e.IniciaDemostracio();  // started again, it explains before placing
  EXPECT_EQ(e.Timer1Timer(), Pas::Explicacio);
  e.AturaDemostracio();
  PosaBe(e, 15);
  EXPECT_EQ(e.Missatge(), Cels);
  e.IniciaExercici();
  EXPECT_FALSE(e.EnDemostracio());
  PosaBe(e, 18);
  EXPECT_EQ(e.Missatge(), "Has aconseguit fer un bon DNA, domines la replicació.");
}

// From any state a student can leave the strand in, the demonstration must
// finish it, with counts that always describe the strand as it stands.
TEST(Demostracio, CompletesTheStrandFromAnyReachableState) {
  RBGlobal::Sembra(20261208);
  const char lletres[] = "AGCTU";
  for (int prova = 0; prova < 4000; ++prova) {
    TExercici e;
    e.PosaTranscripcio(RBGlobal::Aleatori(2) == 1);
    e.GeneraCadena();
    e.IniciaExercici();
    const unsigned accions = RBGlobal::Aleatori(45);
    for (unsigned a = 0; a < accions && e.FaseActual() == Fase::Construint; ++a) {
      const TDisponibles d = e.Disponibles();
      const unsigned tria = RBGlobal::Aleatori(10);
      if (tria == 0 && d.Hidrolitzar)
        e.Hidrolitza();
      else if (tria == 1) {  // a short demonstration, stopped by the student
        e.IniciaDemostracio();
        for (unsigned t = RBGlobal::Aleatori(6); t > 0; --t) e.Timer1Timer();
        e.AturaDemostracio();
      } else if (d.Bases)
        e.Posa(tria < 7 ? Parella(e.Plantilla(e.Posicio()), e.Transcripcio())
                        : lletres[RBGlobal::Aleatori(5)]);
      else
        e.Posa(RBGlobal::Aleatori(3) == 0 ? '3' : '5');
    }
    if (e.FaseActual() == Fase::Acabat) continue;
    ASSERT_EQ(e.FaseActual(), Fase::Construint);
    const std::string abans = e.NovaCadena();
    const std::uint16_t desDe = e.Posicio();
    e.IniciaDemostracio();
    int tics = 0;
    while (e.FaseActual() == Fase::Demostrant) {
      e.Timer1Timer();
      ASSERT_EQ(e.ErrorsPendents(), CellesErronies(e)) << abans;
      ASSERT_LT(++tics, 2 * 18 + 18) << "no progress from " << e.CadenaLlegida() << " / " << abans;
    }
    EXPECT_EQ(e.FaseActual(), Fase::Acabat);
    EXPECT_TRUE(e.CadenaAcabada());
    if (!e.Transcripcio()) {
      EXPECT_EQ(e.ErrorsPendents(), 0) << abans;
    } else {
      // What the demonstration placed is right; earlier mistakes remain.
      const int pas = e.PrimeraOrientacio() ? 1 : -1;
      for (int c = desDe; c >= 1 && c <= 18; c += pas) EXPECT_FALSE(e.Erronia(c)) << abans;
    }
  }
}
