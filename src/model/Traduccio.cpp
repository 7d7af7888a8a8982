#include "model/Traduccio.h"

namespace RBGlobal {

TPolipeptids Polipeptids;
std::string Oligonucleotid;
TPolimer RNAPolimer;

namespace {

// One reading frame, from base `inici` (1-based): codons until an end
// value, the 39th base or the 12th residue. A polymer shorter than 41
// letters simply ends the reading where a whole codon no longer fits.
TPolipeptid LlegeixDesDe(const TPolimer& polimer, std::size_t inici) {
  TPolipeptid cadena;
  std::size_t p = inici;
  for (std::size_t i = 1; i <= TPolipeptid::size(); ++i, p += 3) {
    if (p > DarreraBaseLlegida || p + 2 > polimer.size()) break;
    const std::uint16_t a = AminoacidCodo(std::string_view(polimer).substr(p - 1, 3));
    cadena[i] = a;
    if (a == 0) break;
  }
  return cadena;
}

// A slot not yet taken, drawn uniformly.
std::size_t SlotLliure(const std::array<bool, 5>& ocupat) {
  std::size_t k;
  do k = Aleatori(4) + 1;
  while (ocupat[k]);
  return k;
}

bool Buit(const TPolipeptid& cadena) { return cadena[1] == 0; }

void TancaForat(TPolipeptids& pp, std::size_t forat) {
  for (std::size_t k = forat; k < 4; ++k) pp[k] = pp[k + 1];
  BuidaPolipeptid(pp[4]);
}

}  // namespace

void BuidaPolipeptid(TPolipeptid& cadena) {
  for (auto& paraula : cadena) paraula = 0;
}

bool PolipeptidsIguals(const TPolipeptid& a, const TPolipeptid& b) {
  for (std::size_t i = 1; i <= TPolipeptid::size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

void DepuraPolipeptids(TPolipeptids& pp) {
  for (auto& cadena : pp)
    if (cadena[2] == 0) cadena[1] = 0;
  for (std::size_t k = 2; k <= 4; ++k)
    for (std::size_t j = 1; j < k; ++j)
      if (PolipeptidsIguals(pp[k], pp[j])) {
        BuidaPolipeptid(pp[k]);
        break;
      }
  // Slot 3 first, then 2, then 1: each step pulls the later slots forward.
  for (std::size_t forat : {3, 2, 1})
    if (Buit(pp[forat])) TancaForat(pp, forat);
}

void TradueixPolimer(const TPolimer& polimer) {
  const TPolimer copia = polimer.substr(0, LlargadaPolimer);
  for (auto& cadena : Polipeptids) BuidaPolipeptid(cadena);
  std::array<bool, 5> ocupat{};
  for (std::size_t s = 1; s <= 4; ++s) {
    const TPolipeptid cadena = LlegeixDesDe(copia, s);
    const std::size_t k = SlotLliure(ocupat);
    Polipeptids[k] = cadena;
    ocupat[k] = true;
  }
  DepuraPolipeptids(Polipeptids);
}

std::string AbreviaturaResultat(unsigned numero) {
  const std::string abreviatura = AbreviaturaAminoacid(numero);
  return abreviatura.empty() ? "?" : abreviatura;
}

std::string TextPolipeptid(const TPolipeptid& cadena) {
  std::string text = AbreviaturaResultat(cadena[1]);
  std::size_t i = 2;
  for (; i <= TPolipeptid::size() && cadena[i] != 0; ++i) text += " - " + AbreviaturaResultat(cadena[i]);
  if (i > TPolipeptid::size()) text += " ...";
  return text;
}

TPolimer Polimeritza(std::string_view oligonucleotid) {
  TPolimer polimer;
  if (oligonucleotid.empty()) return polimer;
  while (polimer.size() < LlargadaPolimer) polimer += oligonucleotid;
  polimer.resize(LlargadaPolimer);
  return polimer;
}

}  // namespace RBGlobal
