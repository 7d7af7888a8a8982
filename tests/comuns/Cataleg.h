// The laboratory's catalogue written out again, row by row as a teacher
// would read it, apart from the program: the tests' oracle.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace Cataleg {

struct TArticleProva {
  int Categoria;  // 0 material, 1 apparatus, 2 reagent
  int Numero;
  const char* Nom;
  int Preu;
};

inline const std::array<TArticleProva, 19> Articles{{
    {0, 1, "Escherichia coli", 100},
    {0, 2, "Azotobacter vinelandii", 150},
    {0, 3, "Virus bacteriòfags", 200},
    {1, 1, "Aparells bàsics", 700},
    {1, 2, "Autoclau", 1000},
    {1, 3, "Columnes de cromatografia", 100},
    {1, 4, "Recipients d'electroforesi", 100},
    {1, 5, "Homogenitzador", 50},
    {1, 6, "Estufa de cultius", 500},
    {1, 7, "Espectròmetre de llum ultraviolada", 1000},
    {1, 8, "Comptador de radiactivitat", 2000},
    {1, 9, "Ultracentrífuga", 5000},
    {2, 1, "Reactius bàsics", 500},
    {2, 2, "Nucleòtids", 200},
    {2, 3, "Nucleòtids radiactius", 1000},
    {2, 4, "ATP", 150},
    {2, 5, "Aminoàcids radiactius", 1000},
    {2, 6, "Brou nutritiu", 100},
    {2, 7, "Enzims proteolítics", 200},
}};

struct TTecnicaProva {
  const char* Nom;
  int Provetes[2];
  int Cost[2];
  int Material, Aparell, Reactiu;
  std::vector<int> Prerequisits;  // empty: none
  int Experiment;
};

// Row t - 1 is technique t.
inline const std::array<TTecnicaProva, 27> Tecniques{{
    {"Tècniques bàsiques", {10, 10}, {10, 10}, 0, 1, 1, {}, 0},
    {"Esterilització", {10, 10}, {10, 10}, 0, 2, 0, {}, 0},
    {"Cromatografia", {10, 10}, {10, 10}, 0, 3, 0, {1}, 0},
    {"Electroforesi", {10, 10}, {10, 10}, 0, 4, 0, {1}, 0},
    {"Homogenització de cèl.lules", {10, 10}, {5, 5}, 0, 5, 0, {1}, 0},
    {"Cultiu de bacteris", {20, 20}, {10, 10}, 1, 6, 6, {1, 2}, 0},
    {"Seqüenciació de polipèptids", {50, 50}, {10, 10}, 0, 0, 7, {3}, 0},
    {"Aïllament d'enzims de restricció", {2000, 50}, {10, 10}, 0, 0, 0, {3, 4, 5, 6}, 0},
    {"Sistema traductor sense cèl.lules", {200, 50}, {10, 10}, 0, 9, 4, {5, 6}, 0},
    {"Aïllament de polinucleòtid fosforilasa", {200, 15}, {10, 10}, 2, 0, 0, {3, 5, 6}, 0},
    {"Cultiu de virus", {50, 50}, {10, 10}, 3, 0, 0, {6}, 0},
    {"Aïllament d'RNAt", {200, 50}, {10, 10}, 0, 9, 0, {5, 6}, 0},
    {"Aïllament de ribosomes", {100, 25}, {10, 10}, 0, 9, 0, {5, 6}, 0},
    {"Seqüenciació d'RNA", {10000, 200}, {10, 5}, 0, 8, 3, {8}, 0},
    {"Aillament d'un RNA víric", {200, 50}, {10, 10}, 0, 0, 0, {3, 4, 11}, 0},
    {"Polimerització de nucleòtids", {20, 5}, {10, 10}, 0, 0, 2, {10}, 0},
    {"Traducció d'un RNA víric", {200, 50}, {5, 4}, 0, 0, 5, {9, 14, 15}, 7},
    {"Traducció d'un RNA polímer", {20, 10}, {10, 10}, 0, 8, 5, {7, 9, 16}, 1},
    {"Copolímers a l'atzar", {50, 10}, {10, 10}, 0, 0, 0, {16}, 0},
    {"Formació de dinucleòtids", {200, 50}, {10, 10}, 0, 7, 0, {4, 16}, 0},
    {"Traducció de copolímers", {20, 10}, {10, 10}, 0, 0, 0, {18, 19}, 2},
    {"Traducció de polímers de dinucleòtids", {20, 10}, {10, 10}, 0, 0, 0, {18, 20}, 3},
    {"Formació de trinucleòtids", {200, 50}, {10, 10}, 0, 0, 0, {20}, 0},
    {"Traduccio de polímers de trinucleòtids", {20, 10}, {10, 10}, 0, 0, 0, {22, 23}, 4},
    {"Formació de tetranucleòtids", {200, 50}, {10, 10}, 0, 0, 0, {23}, 0},
    {"Acoblament de trinucleòtids amb RNAt", {200, 50}, {10, 10}, 0, 8, 5, {12, 13, 23}, 6},
    {"Traducció de polímers de tetranucleòtids", {20, 10}, {10, 10}, 0, 0, 0, {24, 25}, 5},
}};

inline const TTecnicaProva& Tecnica(int t) { return Tecniques[t - 1]; }

}  // namespace Cataleg
