#include "model/Copolimer.h"

#include <cmath>

namespace RBGlobal {

std::string DescripcioCopolimer;
TCodonsCopolimer CodonsCopolimer;

namespace {

// The other two proportions of k, in the order 0, 1, 2.
std::array<std::size_t, 2> Altres(std::size_t k) {
  if (k == 0) return {1, 2};
  if (k == 1) return {0, 2};
  return {0, 1};
}

std::string Part(std::uint16_t percentatge, char lletra) {
  return std::to_string(percentatge) + "% " + lletra + "; ";
}

std::string Talla(std::string text) {
  if (text.size() > LlargadaDescripcio) text.resize(LlargadaDescripcio);
  return text;
}

}  // namespace

unsigned TProporcions::NombreLliures() const {
  return unsigned(Lliures[0]) + unsigned(Lliures[1]) + unsigned(Lliures[2]);
}

void TProporcions::Baixa(std::size_t k) {
  if (k > 2 || P[k] == 0 || !Lliures[k] || NombreLliures() < 2) return;
  const auto [a, b] = Altres(k);
  --P[k];
  ++P[Lliures[a] ? a : b];
}

void TProporcions::Puja(std::size_t k) {
  if (k > 2 || P[k] >= 100 || !Lliures[k] || NombreLliures() < 2) return;
  for (std::size_t o : Altres(k))
    if (Lliures[o] && P[o] > 0) {
      --P[o];
      ++P[k];
      return;
    }
}

std::string DescriuCopolimer(const std::array<char, 3>& lletres,
                             const std::array<std::uint16_t, 3>& p) {
  std::string text = Talla("RNA aleatori amb: " + Part(p[0], lletres[0]) + Part(p[1], lletres[1]));
  if (p[2] > 0) text = Talla(text + Part(p[2], lletres[2]));
  return text;
}

TCodonsCopolimer GeneraCopolimer(const std::array<char, 3>& lletres,
                                 const std::array<std::uint16_t, 3>& p) {
  TCodonsCopolimer codons;
  for (TCodo& codo : codons) {
    codo.clear();
    for (int lletra = 0; lletra < 3; ++lletra) {
      const unsigned r = Aleatori(100) + 1;
      codo += r <= p[0] ? lletres[0] : r <= unsigned(p[0] + p[1]) ? lletres[1] : lletres[2];
    }
  }
  return codons;
}

double ArrodoneixParell(double x) {
  const double avall = std::floor(x);
  const double resta = x - avall;
  if (resta > 0.5) return avall + 1;
  if (resta < 0.5) return avall;
  return std::fmod(avall, 2.0) == 0 ? avall : avall + 1;
}

void CalculaComposicio(const TCodonsCopolimer& codons) {
  std::array<unsigned, 21> compte{};
  for (const TCodo& codo : codons) {
    const std::uint16_t a = AminoacidCodo(codo);
    if (a < compte.size()) ++compte[a];  // a damaged code may hold other numbers
  }
  unsigned total = 0;
  for (std::size_t a = 1; a <= 20; ++a) total += compte[a];
  for (auto& cadena : Polipeptids) BuidaPolipeptid(cadena);
  if (total == 0) return;

  std::array<std::uint16_t, 21> percentatge{};
  for (std::size_t a = 1; a <= 20; ++a)
    percentatge[a] = static_cast<std::uint16_t>(ArrodoneixParell(compte[a] * 100.0 / total));
  std::array<bool, 21> fet{};
  for (std::size_t parella = 0;; ++parella) {
    std::size_t millor = 0;
    for (std::size_t a = 1; a <= 20; ++a)
      if (!fet[a] && percentatge[a] > 0 && (millor == 0 || percentatge[a] > percentatge[millor]))
        millor = a;
    if (millor == 0) return;
    fet[millor] = true;
    TPolipeptid& slot = Polipeptids[parella / 5 + 1];
    slot[2 * (parella % 5) + 1] = static_cast<std::uint16_t>(millor);
    slot[2 * (parella % 5) + 2] = percentatge[millor];
  }
}

}  // namespace RBGlobal
