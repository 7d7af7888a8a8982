#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "model/RBGlobal.h"

using namespace RBGlobal;

namespace {
std::uint32_t Llegeix(const TImatge& im, std::size_t p, std::size_t n) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < n; ++i) v |= std::uint32_t(im[p + i]) << (8 * i);
  return v;
}
}  // namespace

TEST(Imatge, FieldsSitAtTheOffsetsOfTheSavedFile) {
  const std::map<std::string, std::pair<std::size_t, std::size_t>> disseny{
      {"Mes", {0, 2}},
      {"Any", {2, 2}},
      {"CodiAmagat", {4, 128}},
      {"CodiPublicat", {132, 128}},
      {"MaxBasesOligo", {260, 2}},
      {"PolimersExperiment", {262, 2520}},
      {"ResultatsExperiment", {2782, 5760}},
      {"ConclusionsExperiment", {8542, 15360}},
      {"ExperimentCopolimer", {23902, 120}},
      {"NombreExperiments", {24022, 2}},
      {"TipusCodi", {24024, 1}},
      {"Lliure1", {24025, 1}},
      {"TipusPartida", {24026, 2}},
      {"Nom", {24028, 21}},
      {"Genere", {24049, 1}},
      {"NivellEducatiu", {24050, 2}},
      {"Centre", {24052, 2}},
      {"Oferta", {24054, 2}},
      {"Ingressos", {24056, 2}},
      {"Lliure2", {24058, 2}},
      {"Diners", {24060, 4}},
      {"MaterialBiologic", {24064, 4}},
      {"Aparells", {24068, 10}},
      {"Reactius", {24078, 8}},
      {"ProvetesMes", {24086, 2}},
      {"Provetes", {24088, 4}},
      {"TecniquesDominades", {24092, 28}},
      {"NivellTecniques", {24120, 56}},
      {"TecnicaEnCurs", {24176, 2}},
      {"TecnicaAcabada", {24178, 2}},
      {"Reserva", {24180, 2}},
      {"UnitatsTecnica", {24182, 2}}};
  std::size_t seguent = 0;
  for (const TCampImatge& camp : CampsImatge()) {
    ASSERT_TRUE(disseny.count(camp.Nom)) << camp.Nom;
    EXPECT_EQ(camp.Posicio, disseny.at(camp.Nom).first) << camp.Nom;
    EXPECT_EQ(camp.Mida, disseny.at(camp.Nom).second) << camp.Nom;
    EXPECT_EQ(camp.Posicio, seguent) << camp.Nom << " leaves a gap";
    seguent = camp.Posicio + camp.Mida;
  }
  EXPECT_EQ(seguent, MidaImatge);
  EXPECT_EQ(CampsImatge().size(), disseny.size());
}

TEST(Imatge, ScalarsAreWrittenLittleEndianWhereTheFileSays) {
  TEstatRecerca e;
  e.Mes = 0x0C01;
  e.Any = 1961;
  e.MaxBasesOligo = 4;
  e.NombreExperiments = 0x1234;
  e.TipusCodi = 1;
  e.Lliure1 = 0xAB;
  e.TipusPartida = 2;
  e.Genere = true;
  e.NivellEducatiu = 2;
  e.Centre = 3;
  e.Oferta = 5;
  e.Ingressos = 10000;
  e.Lliure2 = 0xBEEF;
  e.Diners = -2;
  e.ProvetesMes = 20;
  e.Provetes = 0x01020304;
  e.TecnicaEnCurs = 27;
  e.TecnicaAcabada = 26;
  e.Reserva = -1;
  e.UnitatsTecnica = 300;
  const TImatge im = CodificaEstat(e);
  EXPECT_EQ(Llegeix(im, 0, 2), 0x0C01u);
  EXPECT_EQ(im[0], 0x01);
  EXPECT_EQ(Llegeix(im, 2, 2), 1961u);
  EXPECT_EQ(Llegeix(im, 260, 2), 4u);
  EXPECT_EQ(Llegeix(im, 24022, 2), 0x1234u);
  EXPECT_EQ(im[24024], 1);
  EXPECT_EQ(im[24025], 0xAB);
  EXPECT_EQ(Llegeix(im, 24026, 2), 2u);
  EXPECT_EQ(im[24049], 1);
  EXPECT_EQ(Llegeix(im, 24050, 2), 2u);
  EXPECT_EQ(Llegeix(im, 24052, 2), 3u);
  EXPECT_EQ(Llegeix(im, 24054, 2), 5u);
  EXPECT_EQ(Llegeix(im, 24056, 2), 10000u);
  EXPECT_EQ(Llegeix(im, 24058, 2), 0xBEEFu);
  EXPECT_EQ(Llegeix(im, 24060, 4), 0xFFFFFFFEu);
  EXPECT_EQ(Llegeix(im, 24086, 2), 20u);
  EXPECT_EQ(Llegeix(im, 24088, 4), 0x01020304u);
  EXPECT_EQ(Llegeix(im, 24176, 2), 27u);
  EXPECT_EQ(Llegeix(im, 24178, 2), 26u);
  EXPECT_EQ(Llegeix(im, 24180, 2), 0xFFFFu);
  EXPECT_EQ(Llegeix(im, 24182, 2), 300u);
}

TEST(Imatge, ArraysPlaceEachEntryAtItsOffset) {
  TEstatRecerca e;
  for (unsigned i = 0; i < 64; ++i) {
    e.CodiAmagat[i] = static_cast<std::uint16_t>(i % 21);
    e.CodiPublicat[i] = static_cast<std::uint16_t>(21 - i % 22);
  }
  for (std::size_t x = 1; x <= 60; ++x) {
    e.PolimersExperiment[x].Posa(std::string(x % 42, 'U'));
    e.ConclusionsExperiment[x].Posa(std::string(x * 4, 'c'));
    e.ExperimentCopolimer[x] = x % 2;
    for (std::size_t s = 1; s <= 4; ++s)
      for (std::size_t w = 1; w <= 12; ++w)
        e.ResultatsExperiment[x][s][w] = static_cast<std::uint16_t>(x * 1000 + s * 100 + w);
  }
  e.MaterialBiologic = {true, false, true, true};
  e.Aparells[9] = true;
  e.Reactius[7] = true;
  e.TecniquesDominades[27] = true;
  e.NivellTecniques[27] = 2;
  e.Nom.Posa("Rosalind");
  const TImatge im = CodificaEstat(e);
  for (unsigned i = 0; i < 64; ++i) {
    EXPECT_EQ(Llegeix(im, 4 + 2 * i, 2), i % 21);
    EXPECT_EQ(Llegeix(im, 132 + 2 * i, 2), 21 - i % 22);
  }
  for (std::size_t x = 1; x <= 60; ++x) {
    EXPECT_EQ(im[262 + 42 * (x - 1)], x % 42);
    EXPECT_EQ(im[8542 + 256 * (x - 1)], std::min<std::size_t>(x * 4, 255));
    EXPECT_EQ(Llegeix(im, 23902 + 2 * (x - 1), 2), x % 2);
    for (std::size_t s = 1; s <= 4; ++s)
      for (std::size_t w = 1; w <= 12; ++w)
        ASSERT_EQ(Llegeix(im, 2782 + 96 * (x - 1) + 24 * (s - 1) + 2 * (w - 1), 2),
                  x * 1000 + s * 100 + w);
  }
  EXPECT_EQ(im[24064], 1);
  EXPECT_EQ(im[24065], 0);
  EXPECT_EQ(im[24077], 1);
  EXPECT_EQ(im[24085], 1);
  EXPECT_EQ(im[24119], 1);
  EXPECT_EQ(Llegeix(im, 24120 + 2 * 27, 2), 2u);
  EXPECT_EQ(im[24028], 8);
  EXPECT_EQ(std::memcmp(&im[24029], "Rosalind", 8), 0);
}

TEST(Imatge, AnyWellFormedImageComesBackByteForByte) {
  Sembra(2024);
  for (int volta = 0; volta < 50; ++volta) {
    TImatge im;
    for (auto& b : im) b = static_cast<std::uint8_t>(Aleatori(256));
    // bools are one byte holding 0 or 1
    im[24049] &= 1;
    for (std::size_t p = 24064; p < 24086; ++p) im[p] &= 1;
    for (std::size_t p = 24092; p < 24120; ++p) im[p] &= 1;
    const TEstatRecerca e = DescodificaEstat(im);
    EXPECT_EQ(CodificaEstat(e), im);
    EXPECT_EQ(DescodificaEstat(CodificaEstat(e)), e);
  }
}

TEST(Imatge, AResearchSurvivesTheRoundTrip) {
  EstatRecerca = TEstatRecerca{};
  EstatRecerca.TipusPartida = CodiLliure;
  EstatRecerca.TipusCodi = 1;
  IniciaRecerca();
  EstatRecerca.NombreExperiments = 1;
  EstatRecerca.PolimersExperiment[1].Posa("UUUUUUUUU");
  EstatRecerca.ConclusionsExperiment[1].Posa("UUU codifica Phe");
  const TImatge im = CodificaEstat(EstatRecerca);
  EXPECT_EQ(Llegeix(im, 24026, 2), 1u);
  EXPECT_EQ(DescodificaEstat(im), EstatRecerca);
}
