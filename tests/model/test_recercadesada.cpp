// Reading a saved research: what is accepted, what is refused and why, and
// the seed files of the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "model/Ofertes.h"
#include "model/RBGlobal.h"
#include "model/RecercaDesada.h"

using namespace RBGlobal;

namespace {

TEstatRecerca Nova(std::uint16_t tipus, std::uint8_t codi, std::uint16_t centre,
                   std::uint16_t oferta = 0) {
  EstatRecerca = TEstatRecerca{};
  IniciaRecerca();  // as the program starts
  EstatRecerca.TipusPartida = tipus;
  EstatRecerca.TipusCodi = codi;
  EstatRecerca.Centre = centre;
  EstatRecerca.Oferta = oferta;
  IniciaRecerca();
  return EstatRecerca;
}

// A research as full as the program can make it: texts at their capacity,
// bytes left past shorter texts, a published codon, spare bytes set.
TEstatRecerca Plena() {
  TEstatRecerca e = Nova(CodiLliure, 0, 0);  // the real code: no chance in the cases below
  e.Nom.Posa(std::string(20, '\xE8'));
  e.Nom.Posa("Rosalind");
  for (std::size_t x = 1; x <= 60; ++x) {
    e.PolimersExperiment[x].Posa(std::string(41, "UCAG"[x % 4]));
    e.PolimersExperiment[x].Posa(std::string(x % 42, 'U'));
    e.ConclusionsExperiment[x].Posa(std::string(255, 'c'));
    e.ExperimentCopolimer[x] = x % 2;
  }
  e.NombreExperiments = 75;
  e.CodiPublicat[0] = e.CodiAmagat[0];
  e.Lliure1 = 0x5A;
  e.Lliure2 = 0xA55A;
  e.Reserva = -3;
  return e;
}

std::vector<std::uint8_t> Bytes(const TEstatRecerca& e) {
  const TImatge im = CodificaEstat(e);
  return {im.begin(), im.end()};
}

void PosaU16(std::vector<std::uint8_t>& b, std::size_t p, std::uint16_t v) {
  b[p] = static_cast<std::uint8_t>(v);
  b[p + 1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

TEST(RecercaDesada, EveryResearchTheProgramStartsIsAccepted) {
  for (std::uint16_t tipus : {FluxInformacio, CodiLliure, JocPressupost})
    for (std::uint8_t codi : {0, 1})
      for (std::uint16_t centre = 0; centre < 5; ++centre) {
        const TEstatRecerca e = Nova(tipus, codi, centre, 5);
        EXPECT_EQ(MotiuRebuig(e), "") << tipus << " " << int(codi) << " " << centre;
      }
  EXPECT_EQ(MotiuRebuig(Plena()), "");
}

TEST(RecercaDesada, AFileReadsBackFieldForFieldAndSavesByteForByte) {
  const TEstatRecerca e = Plena();
  const std::vector<std::uint8_t> bytes = Bytes(e);
  const TLecturaRecerca lectura = LlegeixRecerca(bytes);
  ASSERT_TRUE(lectura.Acceptada()) << lectura.Motiu;
  EXPECT_EQ(lectura.Estat, e);
  EXPECT_EQ(Bytes(lectura.Estat), bytes);
}

TEST(RecercaDesada, ShortFilesAreRefusedAndLongOnesReadTheirFirstRecord) {
  std::vector<std::uint8_t> bytes = Bytes(Plena());
  for (std::size_t mida : {std::size_t{0}, std::size_t{1}, MidaImatge - 1}) {
    const std::vector<std::uint8_t> curt(bytes.begin(), bytes.begin() + mida);
    const TLecturaRecerca lectura = LlegeixRecerca(curt);
    EXPECT_FALSE(lectura.Acceptada());
    EXPECT_NE(lectura.Motiu.find("massa curt: té " + std::to_string(mida) + " bytes"),
              std::string::npos)
        << lectura.Motiu;
  }
  bytes.insert(bytes.end(), 5000, 0xFF);  // garbage that would be refused
  const TLecturaRecerca llarg = LlegeixRecerca(bytes);
  ASSERT_TRUE(llarg.Acceptada()) << llarg.Motiu;
  EXPECT_EQ(llarg.Estat, Plena());
}

// A file with one value changed at `posicio` (u16 unless `byte`), and what
// the refusal must name.
struct CasRebuig {
  const char* nom;
  std::size_t posicio;
  std::uint16_t valor;
  bool byte;
  const char* motiu;
};

class Rebuig : public testing::TestWithParam<CasRebuig> {};

TEST_P(Rebuig, ValuesTheProgramNeverWritesAreRefusedWithTheirReason) {
  const CasRebuig& c = GetParam();
  std::vector<std::uint8_t> bytes = Bytes(Plena());
  if (c.byte)
    bytes[c.posicio] = static_cast<std::uint8_t>(c.valor);
  else
    PosaU16(bytes, c.posicio, c.valor);
  const TLecturaRecerca lectura = LlegeixRecerca(bytes);
  EXPECT_FALSE(lectura.Acceptada());
  EXPECT_NE(lectura.Motiu.find(c.motiu), std::string::npos) << lectura.Motiu;
}

INSTANTIATE_TEST_SUITE_P(
    Camps, Rebuig,
    testing::Values(
        CasRebuig{"Mes0", 0, 0, false, "El mes val 0"},
        CasRebuig{"Mes13", 0, 13, false, "El mes val 13, i ha de ser entre 1 i 12"},
        CasRebuig{"CodiAmagat", 4 + 2 * 63, 21, false, "codó GGG val 21"},
        CasRebuig{"CodiPublicat", 132 + 2 * 5, 22, false, "publicat del codó UCC val 22"},
        CasRebuig{"PublicatFals", 132 + 2 * 1, 0, false, "no és el del codi amagat"},
        CasRebuig{"Oligo0", 260, 0, false, "oligonucleòtids val 0"},
        CasRebuig{"Oligo5", 260, 5, false, "oligonucleòtids val 5"},
        CasRebuig{"Polimer", 262 + 42 * 59, 42, true, "experiment 60 diu que té 42"},
        CasRebuig{"Copolimer", 23902 + 2 * 9, 2, false, "tipus de l'experiment 10 val 2"},
        CasRebuig{"TipusCodi", 24024, 2, true, "tipus de codi val 2"},
        CasRebuig{"Tipus", 24026, 3, false, "tipus de simulació val 3"},
        CasRebuig{"Nom", 24028, 21, true, "nom diu que té 21"},
        CasRebuig{"Nivell", 24050, 3, false, "nivell educatiu val 3"},
        CasRebuig{"Centre", 24052, 5, false, "centre de recerca val 5"},
        CasRebuig{"Oferta", 24054, 6, false, "oferta del centre val 6"},
        CasRebuig{"NivellTecnica1", 24120 + 2, 0, false, "tècnica 1 val 0"},
        CasRebuig{"NivellTecnica27", 24120 + 54, 3, false, "tècnica 27 val 3"},
        CasRebuig{"EnCurs", 24176, 28, false, "tècnica en curs val 28"},
        CasRebuig{"Acabada", 24178, 0xFFFF, false, "tècnica acabada val 65535"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(RecercaDesada, TheEdgesOfEachRangeAreAccepted) {
  const std::vector<std::uint8_t> bona = Bytes(Plena());
  const std::vector<std::pair<std::size_t, std::uint16_t>> canvis{
      {0, 1},       {0, 12},     {4, 20},     {132, 21},      {260, 1},       {260, 4},
      {24026, 0},   {24026, 2},  {24052, 4},  {24054, 5},     {24050, 2},     {24120, 0},
      {24120, 999}, {24176, 27}, {24178, 27}, {24022, 65535}, {24060, 0x8000}};
  for (auto [posicio, valor] : canvis) {
    std::vector<std::uint8_t> bytes = bona;
    PosaU16(bytes, posicio, valor);
    if (posicio == 4) PosaU16(bytes, 132, NoAssignat);  // keep nothing published there
    const TLecturaRecerca lectura = LlegeixRecerca(bytes);
    EXPECT_TRUE(lectura.Acceptada()) << posicio << " = " << valor << ": " << lectura.Motiu;
  }
}

TEST(Ofertes, EachRowIsACentreOfItsTierAndEveryVariantTurnsUp) {
  Sembra(7);
  std::set<std::uint16_t> vistes;
  for (int i = 0; i < 200; ++i) {
    const auto files = SorteigOfertes();
    for (std::uint16_t fila = 0; fila < files.size(); ++fila) {
      EXPECT_EQ(files[fila].Centre, fila);
      ASSERT_LT(files[fila].Oferta, 6);
    }
    vistes.insert(files[0].Oferta);
  }
  EXPECT_EQ(vistes.size(), 6u);
}

// Every seed of the fuzzer is a research the program wrote, so every one
// must open, and must save again byte for byte.
TEST(CorpusFuzz, EverySeedFileOpensAndSavesBackUnchanged) {
  const auto carpeta = std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus";
  ASSERT_TRUE(std::filesystem::is_directory(carpeta)) << carpeta;
  std::set<std::uint16_t> tipus;
  for (const auto& entrada : std::filesystem::directory_iterator(carpeta)) {
    std::ifstream f(entrada.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(f), {}};
    const TLecturaRecerca lectura = LlegeixRecerca(bytes);
    ASSERT_TRUE(lectura.Acceptada()) << entrada.path() << ": " << lectura.Motiu;
    EXPECT_EQ(Bytes(lectura.Estat), std::vector(bytes.begin(), bytes.begin() + MidaImatge))
        << entrada.path();
    tipus.insert(lectura.Estat.TipusPartida);
  }
  EXPECT_EQ(tipus, (std::set<std::uint16_t>{0, 1, 2}));
}
