// The laboratory of the research game: the catalogue of items and
// techniques, and the rules of buying, developing techniques, passing the
// months and paying for experiments, as functions on an explicit state.
// No Qt here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/RBGlobal.h"

namespace Labs {

using RBGlobal::Array1;
using RBGlobal::TAturada;
using RBGlobal::TEstatRecerca;
using RBGlobal::TProgres;

// ---------------------------------------------------------------------------
// Items

constexpr unsigned NombreMaterials = 3;
constexpr unsigned NombreAparells = 9;
constexpr unsigned NombreReactius = 7;

extern const Array1<const char*, NombreMaterials> NomsMaterialBiologic;  // UTF-8
extern const Array1<std::uint16_t, NombreMaterials> PreuMaterialBiologic;
extern const Array1<const char*, NombreAparells> NomsAparells;
extern const Array1<std::uint16_t, NombreAparells> PreuAparells;
extern const Array1<const char*, NombreReactius> NomsReactius;
extern const Array1<std::uint16_t, NombreReactius> PreuReactius;

enum class TCategoria { MaterialBiologic, Aparells, Reactius };

// One item of the catalogue: its category and its number 1..N there.
struct TArticle {
  TCategoria Categoria;
  unsigned Numero;
  bool operator==(const TArticle&) const = default;
};
constexpr unsigned NombreArticles = NombreMaterials + NombreAparells + NombreReactius;
// Every item in catalogue order: material, apparatus, reagents.
const std::array<TArticle, NombreArticles>& Articles();

const char* NomArticle(TArticle a);
std::uint16_t PreuArticle(TArticle a);
// The ownership flag of the item in the research state.
bool& Posseit(TEstatRecerca& e, TArticle a);
bool Posseit(const TEstatRecerca& e, TArticle a);
// Names of the owned items of one category, in catalogue order.
std::vector<std::string> Posseits(const TEstatRecerca& e, TCategoria categoria);

// The money lines of the laboratory windows.
std::string TextCaixa(std::int32_t diners);       // "Tenim  ... $."
std::string TextMesada(std::uint16_t ingressos);  // "Cobrem ... $ cada mes."
// "Gener de 1961"; a month outside 1..12 (a hand-made file) has no name.
std::string TextData(const TEstatRecerca& e);

// One opening of the purchase window: a tentative selection that reaches
// the research state only through Confirma. Articles are indexed 0..18 as
// Articles() lists them.
class TCompra {
 public:
  explicit TCompra(const TEstatRecerca& e);

  // Ticks or unticks an item. A change that its box would not allow (an
  // owned item, one dearer than the money left, or no change at all) is
  // ignored and returns false; so what is left never goes below 0 by ticking.
  bool Marca(unsigned article, bool marcat);
  bool Marcat(unsigned article) const { return marcats_.at(article); }
  // The box can be used: not owned, and ticked or affordable.
  bool Habilitat(unsigned article) const;
  std::int32_t Gastem() const { return gastem_; }
  std::int32_t Queden() const { return queden_; }
  std::string TextGastem() const;  // "Gastem ... $."
  std::string TextQueden() const;  // "Queden ... $."

  // Buys every ticked item and pays for them.
  void Confirma(TEstatRecerca& e) const;

 private:
  std::array<bool, NombreArticles> posseits_{};
  std::array<bool, NombreArticles> marcats_{};
  std::int32_t gastem_ = 0;
  std::int32_t queden_ = 0;
};

// ---------------------------------------------------------------------------
// Techniques and experiments

constexpr unsigned NombreTecniques = 27;
constexpr unsigned NombreExperiments = 7;
constexpr unsigned NombrePrerequisits = 49;

extern const Array1<const char*, NombreTecniques> NomsTecniques;  // UTF-8
// Tubes needed and dollars per tube, by technique and level 1..2.
extern const Array1<Array1<std::uint16_t, 2>, NombreTecniques> ProvetesTecnica;
extern const Array1<Array1<std::uint16_t, 2>, NombreTecniques> CostProveta;
// The item each technique needs, 0 for none.
extern const Array1<std::uint16_t, NombreTecniques> MaterialTecnica;
extern const Array1<std::uint16_t, NombreTecniques> AparellTecnica;
extern const Array1<std::uint16_t, NombreTecniques> ReactiuTecnica;
// Technique t's prerequisites are Prerequisits[IniciPrerequisits[t]] up to
// (not including) Prerequisits[IniciPrerequisits[t + 1]]; entry 0 means none.
extern const Array1<std::uint16_t, NombreTecniques + 1> IniciPrerequisits;
extern const std::array<std::uint16_t, NombrePrerequisits> Prerequisits;
// The kind of experiment that a technique opens, 0 for none.
extern const Array1<std::uint16_t, NombreTecniques> ExperimentTecnica;
extern const Array1<const char*, NombreExperiments> NomsExperiments;  // UTF-8

// Whether a number names a technique (1..27).
bool EsTecnica(unsigned t);
// The techniques that have k among their prerequisites, ascending.
std::vector<std::uint16_t> FillsTecnica(unsigned k);

// The level whose column of the tables applies to t: 2 when the state says
// 2, otherwise 1 (a saved file may hold anything).
unsigned NivellTecnica(const TEstatRecerca& e, unsigned t);
std::uint16_t ProvetesNecessaries(const TEstatRecerca& e, unsigned t);
std::uint16_t CostPerProveta(const TEstatRecerca& e, unsigned t);
// Dollars for all of t's tubes.
std::int32_t CostTecnica(const TEstatRecerca& e, unsigned t);

// Every prerequisite of t is mastered.
bool PrerequisitsDominats(const TEstatRecerca& e, unsigned t);
// The techniques that could be developed now, ascending: not mastered,
// prerequisites mastered, items owned. The one in development stays in.
std::vector<std::uint16_t> LlistaTecniquesPossibles(const TEstatRecerca& e);

// Spends this month's tubes and the money they cost on the technique in
// development and completes it when all its tubes are done; the technique
// completed is also left in TecnicaAcabada.
TProgres Progressa(TEstatRecerca& e);
// A step as the development window and the month run it: Progressa, whose
// completion is handed back to be announced, so TecnicaAcabada is 0 again.
TProgres Desenvolupa(TEstatRecerca& e);
// Starts developing t from no tubes, abandoning any other (no progress yet).
void TriaTecnica(TEstatRecerca& e, std::uint16_t t);
// Abandons the technique in development and the rest of this month's tubes;
// the money spent is gone. False when nothing was in development.
bool CancellaTecnica(TEstatRecerca& e);

// Months until a technique of `provetes` tubes is done, with `restants` left
// this month and `mensuals` every month, as the development window estimates
// it; none when it can never be done (no monthly tubes).
std::optional<unsigned> MesosPerTecnica(std::uint16_t provetes, std::int32_t restants,
                                        std::uint16_t mensuals);
// Months left for the technique in development, `fetes` of its tubes done,
// as the techniques window estimates it (this month's tubes not counted).
std::optional<unsigned> MesosRestants(std::uint16_t provetes, std::uint16_t fetes,
                                      std::uint16_t mensuals);
// "Acabarem d'aquí N mesos." ("1 mes." for one), or why it will not be done.
std::string TextMesos(std::optional<unsigned> mesos);

// What the laboratory still lacks to develop t: the items not owned that t
// and the techniques it rests on need (catalogue order, each once), and the
// techniques still to master before it (ascending, which is an order they
// can be developed in). Both empty when t could be developed now.
struct TMancances {
  std::vector<TArticle> Articles;
  std::vector<std::uint16_t> Tecniques;
  std::int32_t Preu = 0;  // dollars for all of Articles
};
TMancances Mancances(const TEstatRecerca& e, unsigned t);

// A purchase that would open a technique whose prerequisites are mastered.
struct TCompraQueObre {
  std::uint16_t Tecnica;
  std::vector<TArticle> Articles;
  std::int32_t Preu;
};
// Every technique not mastered whose prerequisites are mastered but whose
// items are not all owned, with what to buy for it: cheapest first, then in
// technique order.
std::vector<TCompraQueObre> CompresQueObren(const TEstatRecerca& e);

// ---------------------------------------------------------------------------
// Months and experiments

// The new month: calendar, income and the month's tubes (what was left is
// not carried over).
void PassaMes(TEstatRecerca& e);

// What a month's turn did to the technique in development.
struct TTorn {
  TProgres Tancament;  // the closing month's tubes
  TProgres Obertura;   // the new month's tubes, spent at once
};
// A turn: the closing month's tubes go to the technique in development,
// then the new month (PassaMes), whose tubes it uses at once.
TTorn PassaTorn(TEstatRecerca& e);

// Why a month's turn left the technique in development where it was.
struct TEncallament {
  std::uint16_t Tecnica;
  TAturada Motiu;       // SenseDiners or SenseProvetes
  std::int32_t Preu;    // dollars per tube of the technique
  std::int32_t Diners;  // dollars there are now
};
// Whether the turn spent no tube at all on the technique in development,
// and why; none when nothing was in development or it advanced.
std::optional<TEncallament> Encallament(const TEstatRecerca& e, const TTorn& torn);

enum class TCobrament {
  Gratuit,     // free research: nothing is charged
  Cobrat,      // the tubes and money are taken
  Insuficient  // the research game cannot pay for it: nothing taken
};
// Takes the cost of an experiment of kind `tipus` (1..7) in the research
// game; never leaves tubes or money below 0.
TCobrament CobraExperiment(TEstatRecerca& e, unsigned tipus);

}  // namespace Labs
