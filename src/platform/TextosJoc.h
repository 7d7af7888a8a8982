// The words of the research game that the model composes with its numbers
// (money lines, the date, the months a technique will take), composed here
// in the language in use; in Catalan each reads as the model's own text.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "model/RBGlobal.h"

namespace TextosJoc {

// "Gener de 1961"; a month outside 1..12 (a hand-made file) has no name.
QString Data(unsigned mes, const QString& any);
QString Data(const RBGlobal::TEstatRecerca& e);
// "ESO", "Batxillerat", "Universitari"; "" for a level a file could hold.
QString Nivell(unsigned nivell);
QString Caixa(std::int32_t diners);       // "Tenim  ... $."
QString Mesada(std::uint16_t ingressos);  // "Cobrem ... $ cada mes."
QString Gastem(std::int32_t diners);      // "Gastem ... $."
QString Queden(std::int32_t diners);      // "Queden ... $."
// "Acabarem d'aquí N mesos." ("1 mes." for one), or why it will not be done.
QString Mesos(std::optional<unsigned> mesos);

}  // namespace TextosJoc
