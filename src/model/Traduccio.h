// The simulated cell-free system: a synthetic RNA polymer read with the
// hidden code from each of its first four bases. No Qt here.
#pragma once

#include <string>

#include "model/RBGlobal.h"

namespace RBGlobal {

// 12 amino-acid numbers; the first 0 ends the chain, a chain whose first
// word is 0 is empty, a chain of 12 non-zero words was cut by the length.
using TPolipeptid = TResultat;
using TPolipeptids = TResultatsExperiment;

constexpr std::size_t LlargadaPolimer = 41;  // bases of a polymerised RNA
constexpr std::size_t DarreraBaseLlegida = 39;

// The result area: filled by a translation, or by a copolymer's composition.
extern TPolipeptids Polipeptids;

// Reads the polymer from bases 1..4 with the hidden code and leaves the
// distinct chains of two or more residues in Polipeptids, first slots first,
// each reading in a slot drawn at random.
void TradueixPolimer(const TPolimer& polimer);
// Sets the 12 words to 0.
void BuidaPolipeptid(TPolipeptid& cadena);
// Whether the two chains agree in all 12 words.
bool PolipeptidsIguals(const TPolipeptid& a, const TPolipeptid& b);
// "Met - Phe - Leu"; a chain that fills the 12 words ends in " ...".
std::string TextPolipeptid(const TPolipeptid& cadena);
// Empties single residues, removes repeated chains and moves the rest to
// the first slots, keeping their order.
void DepuraPolipeptids(TPolipeptids& polipeptids);

// The oligonucleotide repeated head to tail into a polymer of 41 bases;
// empty for an empty oligonucleotide.
TPolimer Polimeritza(std::string_view oligonucleotid);

// The oligonucleotide under construction and the polymer made from it,
// handed from the polymer builder to the translation window.
extern std::string Oligonucleotid;
extern TPolimer RNAPolimer;

// The abbreviation of an amino-acid number, "?" for a number with no
// meaning (a damaged file may hold one).
std::string AbreviaturaResultat(unsigned numero);

}  // namespace RBGlobal
