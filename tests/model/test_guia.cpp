// The guidance: the next step as a function of the state, what a technique
// still lacks and what a purchase opens (against the catalogue written out
// apart), and why a month left the technique where it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

#include "Cataleg.h"
#include "model/Guia.h"
#include "model/Labs.h"
#include "model/Registre.h"

using namespace RBGlobal;
using Guia::TPas;
using Guia::TPasSeguent;

namespace {
TEstatRecerca Nova(std::uint16_t tipus, std::uint16_t centre = 2) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = tipus;
  EstatRecerca.Centre = centre;
  Sembra(3);
  IniciaRecerca();
  return EstatRecerca;
}

void Experiment(TEstatRecerca& e, const char* rna, std::uint16_t tipus, const char* conclusions) {
  ++e.NombreExperiments;
  e.PolimersExperiment[e.NombreExperiments].Posa(rna);
  e.ExperimentCopolimer[e.NombreExperiments] = tipus;
  e.ConclusionsExperiment[e.NombreExperiments].Posa(conclusions);
}

void Publica(TEstatRecerca& e, const char* codo) {
  e.CodiPublicat[IndexCodo(codo)] = e.CodiAmagat[IndexCodo(codo)];
}

// A research game with the polymer translation mastered and money to spare.
TEstatRecerca JocAmbPolimers() {
  TEstatRecerca e = Nova(JocPressupost, 0);
  e.Aparells[1] = e.Reactius[1] = true;
  for (unsigned t : {1, 3, 5, 6, 7, 9, 10, 16, 18}) e.TecniquesDominades[t] = true;
  return e;
}
}  // namespace

TEST(Guia, NextStepFollowsTheState) {
  struct Fila {
    const char* cas;
    std::function<TEstatRecerca()> estat;
    TPasSeguent pas;
  };
  const std::vector<Fila> files = {
      {"free, nothing done", [] { return Nova(CodiLliure); }, {TPas::FerRNASintetic}},
      {"results without conclusions",
       [] {
         auto e = Nova(CodiLliure);
         Experiment(e, "UUUUUU", ExperimentSintetic, "Phe?");
         Experiment(e, "CCCCCC", ExperimentSintetic, "");
         return e;
       },
       {TPas::EscriureConclusions, 2}},
      {"codons read, none published",
       [] {
         auto e = Nova(CodiLliure);
         Experiment(e, "UCUCUCU", ExperimentSintetic, "x");
         return e;
       },
       {TPas::Publicar, 2}},
      {"read codons published; copolymers read none",
       [] {
         auto e = Nova(CodiLliure);
         Experiment(e, "UUUUUU", ExperimentSintetic, "x");
         Experiment(e, "U 50% C 50%", ExperimentAleatori, "y");
         Publica(e, "UUU");
         return e;
       },
       {TPas::FerMesExperiments}},
      {"log full",
       [] {
         auto e = Nova(CodiLliure);
         for (int k = 0; k < 60; ++k) Experiment(e, "GGGG", ExperimentSintetic, "x");
         Publica(e, "GGG");
         return e;
       },
       {TPas::RegistrePle}},
      {"whole code published",
       [] {
         auto e = Nova(CodiLliure);
         e.CodiPublicat = e.CodiAmagat;
         return e;
       },
       {TPas::CodiComplet}},
      {"game, nothing bought", [] { return Nova(JocPressupost); }, {TPas::ComprarAparellsBasics}},
      {"game, basics bought",
       [] {
         auto e = Nova(JocPressupost);
         e.Aparells[1] = e.Reactius[1] = true;
         return e;
       },
       {TPas::DesenvoluparTecnica, 1}},
      {"game, technique in development",
       [] {
         auto e = Nova(JocPressupost);
         e.Aparells[1] = e.Reactius[1] = true;
         e.TecnicaEnCurs = 1;
         return e;
       },
       {TPas::PassarTorn, 1}},
      {"game, nothing to develop: the cheapest purchase",
       [] {
         auto e = Nova(JocPressupost);
         e.Aparells[1] = e.Reactius[1] = e.TecniquesDominades[1] = true;
         return e;
       },
       {TPas::Comprar, 5}},
      {"game, polymers open", [] { return JocAmbPolimers(); }, {TPas::FerRNASintetic}},
      {"game, polymers open, no tubes left",
       [] {
         auto e = JocAmbPolimers();
         e.Provetes = 9;
         return e;
       },
       {TPas::EsperarMes}},
      {"game, copolymers just mastered",
       [] {
         auto e = JocAmbPolimers();
         e.TecniquesDominades[19] = e.TecniquesDominades[21] = true;
         Experiment(e, "UUUU", ExperimentSintetic, "x");
         Publica(e, "UUU");
         return e;
       },
       {TPas::ProvarExperiment, ExperimentCopolimers}},
      {"game, copolymers tried, no money",
       [] {
         auto e = JocAmbPolimers();
         e.TecniquesDominades[19] = e.TecniquesDominades[21] = true;
         Experiment(e, "UUUU", ExperimentSintetic, "x");
         Experiment(e, "U 100%", ExperimentAleatori, "y");
         Publica(e, "UUU");
         e.Diners = 50;
         return e;
       },
       {TPas::EsperarMes}},
  };
  for (const Fila& f : files) {
    const TPasSeguent pas = Guia::PasSeguent(f.estat());
    EXPECT_EQ(static_cast<int>(pas.Pas), static_cast<int>(f.pas.Pas)) << f.cas;
    EXPECT_EQ(pas.Numero, f.pas.Numero) << f.cas;
  }
}

// ---------------------------------------------------------------------------

namespace {
// The oracle: the techniques t rests on that are not mastered, walking down
// only through techniques not mastered, and the items they lack.
void Cal(const TEstatRecerca& e, int t, std::set<int>& tecniques) {
  if (e.TecniquesDominades[t] || !tecniques.insert(t).second) return;
  for (int p : Cataleg::Tecnica(t).Prerequisits) Cal(e, p, tecniques);
}

bool Te(const TEstatRecerca& e, int categoria, int numero) {
  if (categoria == 0) return e.MaterialBiologic[numero];
  return categoria == 1 ? e.Aparells[numero] : e.Reactius[numero];
}

// The catalogue rows (index into Cataleg::Articles) that the techniques need
// and the lab does not own.
std::vector<int> Falten(const TEstatRecerca& e, const std::set<int>& tecniques, int& preu) {
  std::vector<int> files;
  preu = 0;
  for (int i = 0; i < 19; ++i) {
    const auto& a = Cataleg::Articles[i];
    if (Te(e, a.Categoria, a.Numero)) continue;
    for (int t : tecniques) {
      const auto& f = Cataleg::Tecnica(t);
      const int propi[3] = {f.Material, f.Aparell, f.Reactiu};
      if (propi[a.Categoria] == a.Numero) {
        files.push_back(i);
        preu += a.Preu;
        break;
      }
    }
  }
  return files;
}

std::vector<int> Files(const std::vector<Labs::TArticle>& articles) {
  std::vector<int> files;
  for (const auto& a : articles)
    files.push_back(static_cast<int>(
        std::find(Labs::Articles().begin(), Labs::Articles().end(), a) - Labs::Articles().begin()));
  return files;
}

TEstatRecerca Atzar(std::mt19937& atzar) {
  TEstatRecerca e = Nova(JocPressupost, static_cast<std::uint16_t>(atzar() % 5));
  for (const auto& a : Labs::Articles()) Labs::Posseit(e, a) = atzar() % 3 == 0;
  // Mastered techniques closed downwards, as a game reaches them.
  for (int t = 1; t <= 27; ++t) {
    bool pot = atzar() % 2 == 0;
    for (int p : Cataleg::Tecnica(t).Prerequisits) pot = pot && e.TecniquesDominades[p];
    e.TecniquesDominades[t] = pot;
  }
  return e;
}
}  // namespace

TEST(Tutor, WhatATechniqueLacksMatchesTheCatalogue) {
  std::mt19937 atzar(5);
  for (int ronda = 0; ronda < 300; ++ronda) {
    const TEstatRecerca e = Atzar(atzar);
    const auto possibles = Labs::LlistaTecniquesPossibles(e);
    for (int t = 1; t <= 27; ++t) {
      const Labs::TMancances m = Labs::Mancances(e, t);
      std::set<int> cal;
      Cal(e, t, cal);
      int preu = 0;
      EXPECT_EQ(Files(m.Articles), Falten(e, cal, preu)) << t;
      EXPECT_EQ(m.Preu, preu) << t;
      cal.erase(t);
      EXPECT_EQ(std::vector<int>(m.Tecniques.begin(), m.Tecniques.end()),
                std::vector<int>(cal.begin(), cal.end()))
          << t;
      // Nothing lacking is exactly what the development list offers.
      const bool ofert = std::count(possibles.begin(), possibles.end(), t) > 0;
      EXPECT_EQ(!e.TecniquesDominades[t] && m.Articles.empty() && m.Tecniques.empty(), ofert) << t;
    }
  }
}

TEST(Tutor, PurchasesThatOpenTechniquesCheapestFirst) {
  std::mt19937 atzar(8);
  for (int ronda = 0; ronda < 300; ++ronda) {
    const TEstatRecerca e = Atzar(atzar);
    std::vector<std::pair<int, int>> esperades;  // price, technique
    for (int t = 1; t <= 27; ++t) {
      bool previes = !e.TecniquesDominades[t];
      for (int p : Cataleg::Tecnica(t).Prerequisits) previes = previes && e.TecniquesDominades[p];
      int preu = 0;
      if (previes && !Falten(e, {t}, preu).empty()) esperades.push_back({preu, t});
    }
    std::sort(esperades.begin(), esperades.end());
    const auto compres = Labs::CompresQueObren(e);
    ASSERT_EQ(compres.size(), esperades.size());
    for (std::size_t i = 0; i < compres.size(); ++i) {
      EXPECT_EQ(compres[i].Tecnica, esperades[i].second);
      EXPECT_EQ(compres[i].Preu, esperades[i].first);
      int preu = 0;
      EXPECT_EQ(Files(compres[i].Articles), Falten(e, {esperades[i].second}, preu));
    }
  }
  // A fresh game: the autoclave (1.000 $) before the basic apparatus and
  // reagents (700 + 500 $); nothing else opens without a technique.
  const auto compres = Labs::CompresQueObren(Nova(JocPressupost));
  ASSERT_EQ(compres.size(), 2u);
  EXPECT_EQ(compres[0].Tecnica, 2);
  EXPECT_EQ(compres[1].Tecnica, 1);
  EXPECT_EQ(compres[1].Preu, 1200);
}

// ---------------------------------------------------------------------------

TEST(Torn, AStalledMonthSaysWhatIsMissing) {
  struct Fila {
    const char* cas;
    std::uint16_t tecnica;
    std::int32_t diners, provetesMes;
    bool encallada;
    Labs::TAturada motiu;
  };
  const Fila files[] = {
      {"nothing in development", 0, 0, 10, false, Labs::TAturada::Cap},
      {"money and tubes", 3, 5000, 10, false, Labs::TAturada::Cap},
      {"no money for a tube", 3, 5, 10, true, Labs::TAturada::SenseDiners},
      {"money for one tube only", 3, 10, 10, false, Labs::TAturada::Cap},
      {"no tubes any month", 3, 5000, 0, true, Labs::TAturada::SenseProvetes},
  };
  for (const Fila& f : files) {
    TEstatRecerca e = Nova(JocPressupost);
    e.TecnicaEnCurs = f.tecnica;
    e.Diners = f.diners;
    e.Ingressos = 0;
    e.ProvetesMes = f.provetesMes;
    e.Provetes = 0;
    const Labs::TTorn torn = Labs::PassaTorn(e);
    const auto encallament = Labs::Encallament(e, torn);
    ASSERT_EQ(encallament.has_value(), f.encallada) << f.cas;
    if (!encallament) continue;
    EXPECT_EQ(encallament->Tecnica, f.tecnica) << f.cas;
    EXPECT_EQ(encallament->Motiu, f.motiu) << f.cas;
    EXPECT_EQ(encallament->Preu, 10) << f.cas;
    EXPECT_EQ(encallament->Diners, e.Diners) << f.cas;
  }
}
