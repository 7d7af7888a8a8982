// The pictures of the protein synthesis scene, drawn in code at the sizes
// the scene is laid out for: the two ribosomal subunits, a tRNA, the release
// factor and the two markers at the ends of an anticodon.
#pragma once

#include <QPixmap>

namespace DibuixosRibosoma {

constexpr QSize MidaRNAt(69, 84), MidaFactor(73, 57), MidaMarcador(12, 11);

QPixmap SubunitatGran();       // 250 x 200; its lower edge meets the mRNA
QPixmap SubunitatPetita();     // 184 x 93
QPixmap RNAt();                // 69 x 84; the anticodon at the bottom
QPixmap FactorAlliberament();  // 73 x 57
// 12 x 11: the 3' end (left) or the 5' end (right) of an anticodon.
QPixmap Marcador(bool extrem3);
// Where a marker stands in the tRNA picture: inside it, beside the ends of
// the anticodon loop, so that two tRNAs side by side never run them together.
QPoint LlocMarcador(bool extrem3);
// The disc naming the P or the A site, in the large subunit's picture.
QRect LletraLloc(char lloc);
// The large subunit's name, drawn by the scene where nothing passes over it.
QPixmap NomSubunitatGran();

}  // namespace DibuixosRibosoma
