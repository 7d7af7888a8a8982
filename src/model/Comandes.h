// The main window's commands, and the rules that show and enable them as a
// function of the research state. No Qt here.
#pragma once

#include <array>

#include "model/RBGlobal.h"

namespace Comandes {

// Every menu, item and separator of the menu bar, in menu order.
enum TComanda : unsigned {
  Fitxer,
  NovaRecerca,
  ObrirRecerca,
  DesarRecerca,
  InformeRecerca,
  CompararRecerques,
  N2,
  OfertesLaborals,
  N3,
  PassarTorn,
  N1,
  Retirarse,
  Exercicis,
  ExercicisDNAComplementari,
  ExercicisRNAComplementari,
  ExercicisTraduccio,
  ExercicisOpcionsTraduccio,
  N8,
  ExercicisTaulaResum,
  ExercicisOpcionsTaulaResum,
  Bibliografia,
  BibliografiaAntecedents,
  Novetats,
  Taula,
  N7,
  Publicar,
  N6,
  Curriculum,
  Laboratori,
  Inventari,
  Comprar,
  N5,
  TecniquesPublicades,
  TecniquesDesenvolupades,
  DesenvoluparTecnica,
  Experiment,
  TraduirRNASintetic,
  TraduirRNAAleatori,
  Acoblar,
  TraduirRNAViric,
  N4,
  RevisarExperiments,
  MenuAjuda,
  AjudaDescripcioGeneral,
  AjudaUtilitzacioDelPrograma,
  AjudaTemesDAjuda,
  N11,
  Sobre,
  N12,
  MenuIdioma,
  IdiomaCatala,
  IdiomaEspanyol,
  IdiomaAngles,
  NombreComandes
};

struct TPermis {
  bool Visible = true;
  bool Activa = true;
  bool operator==(const TPermis&) const = default;
};
using TPermisos = std::array<TPermis, NombreComandes>;

// What the state allows of each command. An item of a disabled menu is
// disabled too; a tool button follows the command it runs.
TPermisos Permisos(const RBGlobal::TEstatRecerca& e);

}  // namespace Comandes
