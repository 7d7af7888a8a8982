// The program's pictures, drawn in code: tool-button and button glyphs, the
// test tube of the information panel and the program icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace Dibuixos {

enum class Glif {
  NovaRecerca, Obrir, Desar, TaulaCodi, RNAPolimer, RNAAleatori, Experiments,
  Replicacio, Transcripcio, Traduccio, TaulaResum, PassarTorn, Sortir,
  DAcord, Cancellar, Ajuda, Imprimir, Tancar, Play, Pausa, Atura, Repetir, UnAltre, Opcions
};

// A 20 x 20 glyph for buttons.
QIcon Icona(Glif glif);
// A glyph drawn at `mida` x `mida`, sharp at any size.
QPixmap Dibuix(Glif glif, int mida);
// The 16 x 16 test tube of the information panel.
QPixmap Proveta();
// The program's icon (a ribosome on a strand), at the given size.
QPixmap IconaPrograma(int mida = 32);
// The program's icon at every size a desktop may ask for, each drawn only
// when it is first asked for.
QIcon IconaProgramaMides();

}  // namespace Dibuixos
