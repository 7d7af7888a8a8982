// Writes the fuzzer's seed files into the folder given: researches of the
// three types as the program leaves them, some of them well used.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "model/RBGlobal.h"

using namespace RBGlobal;

namespace {

void Desa(const std::filesystem::path& cami, std::size_t sobrants = 0) {
  const TImatge imatge = CodificaEstat(EstatRecerca);
  std::ofstream f(cami, std::ios::binary);
  f.write(reinterpret_cast<const char*>(imatge.data()),
          static_cast<std::streamsize>(imatge.size()));
  f << std::string(sobrants, 'x');
}

void Nova(std::uint16_t tipus, std::uint8_t codi, std::uint16_t centre, std::uint16_t oferta) {
  EstatRecerca.TipusPartida = tipus;
  EstatRecerca.TipusCodi = codi;
  EstatRecerca.Centre = centre;
  EstatRecerca.Oferta = oferta;
  IniciaRecerca();
}

// Three experiments, their conclusions and one published codon.
void FesExperiments() {
  TEstatRecerca& e = EstatRecerca;
  e.Nom.Posa("Marta Ferr\xE0");
  const char* polimers[] = {"UUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUUU", "ACACACACACACACACACACA",
                            "U 3/4, G 1/4"};
  for (std::size_t x = 1; x <= 3; ++x) {
    e.PolimersExperiment[x].Posa(polimers[x - 1]);
    e.ResultatsExperiment[x][1][1] = static_cast<std::uint16_t>(x);
    e.ConclusionsExperiment[x].Posa("El poli-U d\xF3na poli-Phe: UUU \xE9s Phe.");
    e.ExperimentCopolimer[x] = x == 3 ? 1 : 0;
  }
  e.NombreExperiments = 3;
  e.CodiPublicat[0] = e.CodiAmagat[0];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "us: genera_corpus CARPETA\n";
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::filesystem::create_directories(dir);
  IniciaRecerca();  // as the program starts: exercises, real code
  Desa(dir / "flux.srb");
  Nova(CodiLliure, 0, 0, 0);
  Desa(dir / "lliure_real_nova.srb");
  FesExperiments();
  Desa(dir / "lliure_real_experiments.srb");
  Nova(CodiLliure, 1, 0, 0);
  FesExperiments();
  Desa(dir / "lliure_aleatori.srb");
  Nova(JocPressupost, 0, 3, 2);
  EstatRecerca.Mes = 5;
  EstatRecerca.Any = 1962;
  EstatRecerca.Aparells[2] = true;
  EstatRecerca.TecnicaEnCurs = 18;
  EstatRecerca.UnitatsTecnica = 4;
  EstatRecerca.Provetes = 3;
  EstatRecerca.Diners = -250;
  Desa(dir / "joc.srb");
  Desa(dir / "joc_amb_bytes_sobrants.srb", 100);
  return 0;
}
