#include "model/TaulaCodi.h"

namespace TaulaCodi {

using namespace RBGlobal;

unsigned IndexCella(int columna, int fila) {
  if (columna < 0 || columna >= Columnes) columna = 0;
  if (fila < 0 || fila >= Files) fila = 0;
  return 16u * static_cast<unsigned>(fila / 4) + 4u * static_cast<unsigned>(columna) +
         static_cast<unsigned>(fila % 4);
}

int ColumnaCodo(unsigned index) { return static_cast<int>((index % 64) / 4 % 4); }

int FilaCodo(unsigned index) {
  index %= 64;
  return static_cast<int>(4 * (index / 16) + index % 4);
}

bool TaulaSelectora(const TEstatRecerca& estat) { return estat.TipusPartida == FluxInformacio; }

std::string TextCella(const TEstatRecerca& estat, unsigned index) {
  index %= 64;
  std::string text = TextCodo(index) + ": ";
  if (TaulaSelectora(estat)) return text + AbreviaturaAminoacid(estat.CodiAmagat[index]);
  const std::uint16_t publicat = estat.CodiPublicat[index];
  if (publicat != NoAssignat) text += AbreviaturaAminoacid(publicat);
  return text;
}

std::uint16_t SignificatPublicat(const TEstatRecerca& estat, unsigned index) {
  const std::uint16_t publicat = estat.CodiPublicat[index % 64];
  return publicat <= NoAssignat ? publicat : NoAssignat;
}

bool PublicacioAcceptada(const TEstatRecerca& estat, unsigned index, unsigned significat) {
  return significat == NoAssignat || significat == estat.CodiAmagat[index % 64];
}

TPublicacio Publica(TEstatRecerca& estat, unsigned index, unsigned significat) {
  index %= 64;
  // Only meanings the dialog can offer are ever written into the record.
  if (significat > NoAssignat || !PublicacioAcceptada(estat, index, significat))
    return TPublicacio::Refusat;
  estat.CodiPublicat[index] = static_cast<std::uint16_t>(significat);
  return significat == NoAssignat ? TPublicacio::Retirat : TPublicacio::Publicat;
}

}  // namespace TaulaCodi
