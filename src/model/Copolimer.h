// Random copolymers: the proportions the student sets, the codons drawn
// from them, their description and the amino-acid composition they give.
// No Qt here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Traduccio.h"

namespace RBGlobal {

constexpr std::size_t CodonsPerCopolimer = 255;
constexpr std::size_t LlargadaDescripcio = 41;
using TCodonsCopolimer = std::array<TCodo, CodonsPerCopolimer>;

// The percentages of the (two or three) chosen nucleotides and which of
// them the student has left free. Every change keeps their sum at 100.
struct TProporcions {
  std::array<std::uint16_t, 3> P{};
  std::array<bool, 3> Lliures{true, true, true};

  unsigned NombreLliures() const;
  // The down and up arrows of proportion k: a point moves between k and the
  // first free other proportion, in the order 0, 1, 2. Nothing moves unless
  // k is free and at least two proportions are.
  void Baixa(std::size_t k);
  void Puja(std::size_t k);
};

// "RNA aleatori amb: 34% A; 33% G; 33% C; " — a third proportion of 0 is
// left out; cut to 41 characters.
std::string DescriuCopolimer(const std::array<char, 3>& lletres,
                             const std::array<std::uint16_t, 3>& p);

// 255 codons whose letters are drawn independently: L0 with P0 %, L1 with
// P1 %, L2 with P2 %.
TCodonsCopolimer GeneraCopolimer(const std::array<char, 3>& lletres,
                                 const std::array<std::uint16_t, 3>& p);

// x rounded to the nearest integer, halves to the even neighbour.
double ArrodoneixParell(double x);

// The composition of the polypeptide a copolymer gives with the hidden
// code, into Polipeptids: pairs (amino acid, rounded percentage) by
// decreasing percentage, ties by increasing number, five pairs a slot in
// words 1-2 .. 9-10. End codons are not counted; with no amino acid at all
// the composition is empty.
void CalculaComposicio(const TCodonsCopolimer& codons);

// The copolymer handed from its builder to the translation window.
extern std::string DescripcioCopolimer;
extern TCodonsCopolimer CodonsCopolimer;

}  // namespace RBGlobal
