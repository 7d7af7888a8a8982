// The pictures of the protein synthesis scene, drawn in code at the sizes
// the scene is laid out for: the two ribosomal subunits, a tRNA, the release
// factor and the two markers at the ends of an anticodon.
#pragma once

#include <QPixmap>

namespace DibuixosRibosoma {

QPixmap SubunitatGran();       // 250 x 200; its lower edge meets the mRNA
QPixmap SubunitatPetita();     // 184 x 93
QPixmap RNAt();                // 69 x 84; the anticodon at the bottom
QPixmap FactorAlliberament();  // 73 x 57
// 12 x 11: the 3' end (left) or the 5' end (right) of an anticodon.
QPixmap Marcador(bool extrem3);

}  // namespace DibuixosRibosoma
