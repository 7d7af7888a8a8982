// The laboratory's rules: catalogue, purchases, techniques, months and the
// price of an experiment, checked against the catalogue written out apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "Cataleg.h"
#include "model/Labs.h"

using namespace Labs;
using RBGlobal::TEstatRecerca;

namespace {
// A fresh research game of a tier, nothing owned or mastered.
TEstatRecerca Joc(std::uint16_t centre = 3) {
  RBGlobal::EstatRecerca = TEstatRecerca{};
  RBGlobal::EstatRecerca.TipusPartida = RBGlobal::JocPressupost;
  RBGlobal::EstatRecerca.Centre = centre;
  RBGlobal::IniciaRecerca();
  return RBGlobal::EstatRecerca;
}

unsigned IndexArticle(TCategoria categoria, unsigned numero) {
  const auto& a = Articles();
  return static_cast<unsigned>(std::find(a.begin(), a.end(), TArticle{categoria, numero}) -
                               a.begin());
}

std::vector<std::uint16_t> RunPrerequisits(unsigned t) {
  return {Labs::Prerequisits.begin() + IniciPrerequisits[t],
          Labs::Prerequisits.begin() + IniciPrerequisits[t + 1]};
}
}  // namespace

TEST(Cataleg, ItemsHaveTheirNamesAndPricesInCatalogueOrder) {
  ASSERT_EQ(Articles().size(), Cataleg::Articles.size());
  for (unsigned i = 0; i < Articles().size(); ++i) {
    const auto& esperat = Cataleg::Articles[i];
    const TArticle a = Articles()[i];
    EXPECT_EQ(static_cast<int>(a.Categoria), esperat.Categoria) << i;
    EXPECT_EQ(a.Numero, static_cast<unsigned>(esperat.Numero)) << i;
    EXPECT_STREQ(NomArticle(a), esperat.Nom);
    EXPECT_EQ(PreuArticle(a), esperat.Preu) << esperat.Nom;
  }
}

TEST(Cataleg, TechniquesMatchTheirRowsAndPrerequisiteRuns) {
  EXPECT_EQ(IniciPrerequisits[1], 0);
  EXPECT_EQ(IniciPrerequisits[28], NombrePrerequisits);
  for (unsigned t = 1; t <= NombreTecniques; ++t) {
    const auto& fila = Cataleg::Tecnica(static_cast<int>(t));
    EXPECT_STREQ(NomsTecniques[t], fila.Nom);
    for (unsigned nivell = 1; nivell <= 2; ++nivell) {
      EXPECT_EQ(ProvetesTecnica[t][nivell], fila.Provetes[nivell - 1]) << t;
      EXPECT_EQ(CostProveta[t][nivell], fila.Cost[nivell - 1]) << t;
    }
    EXPECT_EQ(MaterialTecnica[t], fila.Material) << t;
    EXPECT_EQ(AparellTecnica[t], fila.Aparell) << t;
    EXPECT_EQ(ReactiuTecnica[t], fila.Reactiu) << t;
    EXPECT_EQ(ExperimentTecnica[t], fila.Experiment) << t;
    // Techniques with no prerequisite hold one entry 0, "nothing required".
    const std::vector<int> esperats =
        fila.Prerequisits.empty() ? std::vector<int>{0} : fila.Prerequisits;
    const auto run = RunPrerequisits(t);
    EXPECT_EQ(std::vector<int>(run.begin(), run.end()), esperats) << t;
  }
  EXPECT_STREQ(NomsExperiments[1], "Traducció de polímers d'un nucleòtid");
  EXPECT_STREQ(NomsExperiments[7], "Traducció d'un RNA víric seqüenciat");
}

TEST(Cataleg, ChildrenOfEveryTechnique) {
  for (int k = 1; k <= 27; ++k) {
    std::vector<std::uint16_t> esperats;
    for (int t = 1; t <= 27; ++t) {
      const auto& p = Cataleg::Tecnica(t).Prerequisits;
      if (std::find(p.begin(), p.end(), k) != p.end())
        esperats.push_back(static_cast<std::uint16_t>(t));
    }
    EXPECT_EQ(FillsTecnica(static_cast<unsigned>(k)), esperats) << k;
    EXPECT_LE(esperats.size(), 6u);
  }
  EXPECT_EQ(FillsTecnica(6), (std::vector<std::uint16_t>{8, 9, 10, 11, 12, 13}));
  EXPECT_EQ(FillsTecnica(25), std::vector<std::uint16_t>{27});
  EXPECT_TRUE(FillsTecnica(0).empty());
}

TEST(Cataleg, MoneyLinesAndDate) {
  TEstatRecerca e = Joc(3);
  EXPECT_EQ(TextCaixa(e.Diners), "Tenim         3.000 $.");
  EXPECT_EQ(TextMesada(e.Ingressos), "Cobrem          300 $ cada mes.");
  EXPECT_EQ(TextData(e), "Gener de 1961");
  e.Mes = 13;
  EXPECT_EQ(TextData(e), " de 1961");
}

// ---------------------------------------------------------------------------

TEST(Compra, TheLastDollarsBuyOneItemAndUntickingGivesThemBack) {
  TEstatRecerca e = Joc();
  e.Diners = 700;
  TCompra compra(e);
  const unsigned basics = IndexArticle(TCategoria::Aparells, 1);
  EXPECT_TRUE(compra.Marca(basics, true));
  EXPECT_EQ(compra.Gastem(), 700);
  EXPECT_EQ(compra.Queden(), 0);
  EXPECT_EQ(compra.TextQueden(), "Queden            0 $.");
  for (unsigned i = 0; i < NombreArticles; ++i) EXPECT_EQ(compra.Habilitat(i), i == basics) << i;
  EXPECT_FALSE(compra.Marca(IndexArticle(TCategoria::Aparells, 5), true));  // 50 $: disabled
  EXPECT_TRUE(compra.Marca(basics, false));
  EXPECT_EQ(compra.Queden(), 700);
  for (unsigned i = 0; i < NombreArticles; ++i)
    EXPECT_EQ(compra.Habilitat(i), Cataleg::Articles[i].Preu <= 700) << i;
}

TEST(Compra, OwnedItemsAreTickedDisabledAndNeverChargedAgain) {
  TEstatRecerca e = Joc();
  e.Aparells[9] = true;
  TCompra compra(e);
  const unsigned ultra = IndexArticle(TCategoria::Aparells, 9);
  EXPECT_TRUE(compra.Marcat(ultra));
  EXPECT_FALSE(compra.Habilitat(ultra));
  EXPECT_FALSE(compra.Marca(ultra, false));
  EXPECT_TRUE(compra.Marca(IndexArticle(TCategoria::Reactius, 4), true));  // ATP
  compra.Confirma(e);
  EXPECT_EQ(e.Diners, 3000 - 150);
  EXPECT_TRUE(e.Reactius[4]);
  EXPECT_TRUE(e.Aparells[9]);
}

// Whatever the student ticks, the money left never goes below 0, spent and
// left add up to the money, and confirming buys exactly the ticked items.
TEST(Compra, RandomTicksKeepTheAccounts) {
  std::mt19937 atzar(11);
  for (int ronda = 0; ronda < 300; ++ronda) {
    TEstatRecerca e = Joc(static_cast<std::uint16_t>(ronda % 5));
    e.Diners = static_cast<std::int32_t>(atzar() % 14000);
    for (unsigned i = 0; i < NombreArticles; ++i) Posseit(e, Articles()[i]) = atzar() % 4 == 0;
    const TEstatRecerca abans = e;
    TCompra compra(e);
    for (int clic = 0; clic < 40; ++clic) {
      compra.Marca(atzar() % NombreArticles, atzar() % 3 != 0);
      ASSERT_GE(compra.Queden(), 0);
      ASSERT_EQ(compra.Gastem() + compra.Queden(), abans.Diners);
    }
    int preus = 0;
    for (unsigned i = 0; i < NombreArticles; ++i)
      if (compra.Marcat(i) && !Posseit(abans, Articles()[i])) preus += Cataleg::Articles[i].Preu;
    compra.Confirma(e);
    EXPECT_EQ(e.Diners, abans.Diners - preus);
    for (unsigned i = 0; i < NombreArticles; ++i)
      EXPECT_EQ(Posseit(e, Articles()[i]), Posseit(abans, Articles()[i]) || compra.Marcat(i));
  }
}

// ---------------------------------------------------------------------------

// Every technique is offered exactly when the catalogue says it may be
// developed, for random laboratories.
TEST(Tecniques, AvailabilityFollowsItemsAndPrerequisites) {
  std::mt19937 atzar(7);
  for (int ronda = 0; ronda < 500; ++ronda) {
    TEstatRecerca e = Joc();
    for (unsigned i = 0; i < NombreArticles; ++i) Posseit(e, Articles()[i]) = atzar() % 3 != 0;
    for (unsigned t = 1; t <= NombreTecniques; ++t) e.TecniquesDominades[t] = atzar() % 2;
    std::vector<std::uint16_t> esperades;
    for (int t = 1; t <= 27; ++t) {
      const auto& fila = Cataleg::Tecnica(t);
      bool pot = !e.TecniquesDominades[t] && e.MaterialBiologic[fila.Material] &&
                 e.Aparells[fila.Aparell] && e.Reactius[fila.Reactiu];
      for (int p : fila.Prerequisits) pot = pot && e.TecniquesDominades[p];
      if (pot) esperades.push_back(static_cast<std::uint16_t>(t));
    }
    ASSERT_EQ(LlistaTecniquesPossibles(e), esperades);
  }
}

TEST(Tecniques, ProgressSpendsTubesWhileTheMoneyLasts) {
  TEstatRecerca e = Joc();
  TriaTecnica(e, 3);
  e.Diners = 25;
  e.Provetes = 20;
  EXPECT_EQ(Progressa(e).Acabada, 0);
  EXPECT_EQ(e.Diners, 5);
  EXPECT_EQ(e.Provetes, 18);
  EXPECT_EQ(e.UnitatsTecnica, 2);
  e.Diners = 1000;  // the money comes back: it goes on from where it stood
  EXPECT_EQ(Progressa(e).Acabada, 3);
  EXPECT_EQ(e.Diners, 1000 - 80);
  EXPECT_EQ(e.Provetes, 10);
  EXPECT_TRUE(e.TecniquesDominades[3]);
  EXPECT_EQ(e.TecnicaEnCurs, 0);
  EXPECT_EQ(e.UnitatsTecnica, 0);
  EXPECT_EQ(e.TecnicaAcabada, 3);
}

TEST(Tecniques, CompletionSetsTheLongestOligo) {
  struct Cas {
    std::uint16_t tecnica;
    std::uint16_t maxBases;
  };
  for (const Cas c : {Cas{18, 1}, Cas{21, 3}, Cas{22, 2}, Cas{24, 3}, Cas{27, 4}, Cas{26, 3}}) {
    TEstatRecerca e = Joc(0);
    e.MaxBasesOligo = 3;
    e.Provetes = 200;
    TriaTecnica(e, c.tecnica);
    EXPECT_EQ(Progressa(e).Acabada, c.tecnica);
    EXPECT_EQ(e.MaxBasesOligo, c.maxBases) << c.tecnica;
  }
}

TEST(Tecniques, NoProgressWithoutTubesOrOnANumberFromAFile) {
  TEstatRecerca e = Joc();
  TriaTecnica(e, 1);
  e.UnitatsTecnica = 10;
  e.Provetes = 0;
  EXPECT_EQ(Progressa(e).Acabada, 0);  // no tubes: not even completed
  EXPECT_FALSE(e.TecniquesDominades[1]);
  e.Provetes = 5;
  e.NivellTecniques[1] = 7;  // read as level 1
  EXPECT_EQ(Progressa(e).Acabada, 1);
  e.TecnicaEnCurs = 99;
  const TEstatRecerca abans = e;
  EXPECT_EQ(Progressa(e).Acabada, 0);
  EXPECT_EQ(e, abans);
}

TEST(Tecniques, ChoosingRestartsAndCancellingLosesTheMonthsTubes) {
  TEstatRecerca e = Joc();
  TriaTecnica(e, 9);
  e.UnitatsTecnica = 50;
  TriaTecnica(e, 9);
  EXPECT_EQ(e.UnitatsTecnica, 0);
  e.UnitatsTecnica = 50;
  const std::int32_t diners = e.Diners;
  EXPECT_TRUE(CancellaTecnica(e));
  EXPECT_EQ(e.TecnicaEnCurs, 0);
  EXPECT_EQ(e.UnitatsTecnica, 0);
  EXPECT_EQ(e.Provetes, 0);
  EXPECT_EQ(e.Diners, diners);
  EXPECT_FALSE(CancellaTecnica(e));
}

TEST(Tecniques, MonthEstimates) {
  EXPECT_EQ(MesosPerTecnica(10, 20, 20), 0u);
  EXPECT_EQ(MesosPerTecnica(10, 10, 20), 0u);  // chosen now, finished now
  EXPECT_EQ(MesosPerTecnica(200, 0, 20), 11u);
  EXPECT_EQ(MesosPerTecnica(50, 15, 20), 3u);
  EXPECT_EQ(MesosPerTecnica(20, -5, 8), 4u);
  EXPECT_EQ(MesosPerTecnica(200, 0, 0), std::nullopt);
  EXPECT_EQ(MesosPerTecnica(10, 20, 0), 0u);
  EXPECT_EQ(MesosRestants(200, 0, 20), 11u);
  EXPECT_EQ(MesosRestants(200, 190, 20), 1u);
  EXPECT_EQ(MesosRestants(10, 50, 8), 1u);  // more done than needed
  EXPECT_EQ(MesosRestants(10, 0, 0), std::nullopt);
  const std::pair<unsigned, const char*> textos[] = {{0, "Acabarem d'aquí 0 mesos."},
                                                     {1, "Acabarem d'aquí 1 mes."},
                                                     {2, "Acabarem d'aquí 2 mesos."},
                                                     {11, "Acabarem d'aquí 11 mesos."},
                                                     {21, "Acabarem d'aquí 21 mesos."}};
  for (const auto& [mesos, text] : textos) EXPECT_EQ(TextMesos(mesos), text) << mesos;
  EXPECT_EQ(TextMesos(std::nullopt), "Sense provetes cada mes no l'acabarem mai.");
}

// ---------------------------------------------------------------------------

TEST(Mes, DecemberGivesJanuaryAndEveryMonthPaysAndGrantsTubes) {
  TEstatRecerca e = Joc(4);
  e.Provetes = 3;
  PassaMes(e);
  EXPECT_EQ(e.Mes, 2);
  EXPECT_EQ(e.Diners, 1100);
  EXPECT_EQ(e.Provetes, 8);
  for (int i = 0; i < 11; ++i) PassaMes(e);
  EXPECT_EQ(e.Mes, 1);
  EXPECT_EQ(e.Any, 1962);
  EXPECT_EQ(e.Diners, 1000 + 12 * 100);
  e.Mes = 12;
  PassaMes(e);
  EXPECT_EQ(e.Mes, 1);
  EXPECT_EQ(e.Any, 1963);
  e.Diners = std::numeric_limits<std::int32_t>::max() - 10;
  PassaMes(e);
  EXPECT_EQ(e.Diners, std::numeric_limits<std::int32_t>::max());
}

// A turn: the closing month's tubes, the new month, its tubes at once; what
// each step did comes back, and TecnicaAcabada is 0 between commands.
TEST(Mes, ATurnReportsBothStepsAndWhyATechniqueStopped) {
  struct Cas {
    const char* nom;
    std::uint16_t tecnica;  // 0: none in development
    std::int32_t provetes, diners;
    std::uint16_t fetes;
    TProgres tancament, obertura;
  };
  using enum TAturada;
  // Tier 3: 10 tubes a month, 300 $ of income. Techniques 1 and 3: 10 tubes
  // at 10 $ each, and neither opens an experiment.
  const Cas casos[] = {
      {"nothing in development", 0, 4, 500, 0, {0, 0, 0, 0, SenseTecnica}, {0, 0, 0, 0, SenseTecnica}},
      {"finished by the closing month", 1, 10, 500, 0, {1, 0, 1, 10, Cap}, {0, 0, 0, 0, SenseTecnica}},
      {"finished by the new month", 1, 4, 500, 0, {0, 0, 1, 4, SenseProvetes}, {1, 0, 1, 6, Cap}},
      {"no tubes left this month", 1, 0, 500, 0, {0, 0, 1, 0, SenseProvetes}, {1, 0, 1, 10, Cap}},
      {"money runs short, then the income pays", 3, 10, 20, 0, {0, 0, 3, 2, SenseDiners},
       {3, 0, 3, 8, Cap}},
      {"no money even after the income", 3, 10, -400, 0, {0, 0, 3, 0, SenseDiners},
       {0, 0, 3, 0, SenseDiners}},
  };
  for (const Cas& c : casos) {
    TEstatRecerca e = Joc(3);
    if (c.tecnica) TriaTecnica(e, c.tecnica);
    e.Provetes = c.provetes;
    e.Diners = c.diners;
    e.UnitatsTecnica = c.fetes;
    const TTorn torn = PassaTorn(e);
    EXPECT_EQ(torn.Tancament, c.tancament) << c.nom;
    EXPECT_EQ(torn.Obertura, c.obertura) << c.nom;
    EXPECT_EQ(e.TecnicaAcabada, 0) << c.nom;
    EXPECT_EQ(e.Mes, 2) << c.nom;
  }
  // A technique that opens an experiment says which.
  TEstatRecerca e = Joc(0);
  e.Provetes = 1000;
  TriaTecnica(e, 18);
  EXPECT_EQ(PassaTorn(e).Tancament.Experiment, RBGlobal::ExperimentPolimer);
}

TEST(Experiment, TheGameChargesOnlyWhatIsThere) {
  TEstatRecerca e = Joc();
  e.Provetes = 10;
  e.Diners = 100;
  EXPECT_EQ(CobraExperiment(e, RBGlobal::ExperimentPolimer), TCobrament::Cobrat);
  EXPECT_EQ(e.Provetes, 0);
  EXPECT_EQ(e.Diners, 0);
  EXPECT_EQ(CobraExperiment(e, RBGlobal::ExperimentCopolimers), TCobrament::Insuficient);
  EXPECT_EQ(e.Provetes, 0);
  EXPECT_EQ(e.Diners, 0);
  e.TipusPartida = RBGlobal::CodiLliure;
  EXPECT_EQ(CobraExperiment(e, RBGlobal::ExperimentPolimer), TCobrament::Gratuit);
  EXPECT_EQ(e.Diners, 0);
}
