#include "platform/Text1252.h"

#include <array>

namespace {
// 0x80..0x9F differ from Latin-1; 0 marks the five unused bytes, which are
// read as the C1 control of the same value.
constexpr std::array<char16_t, 32> Alts{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Unicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0 && Alts[byte - 0x80] != 0) return Alts[byte - 0x80];
  return byte;
}

char Byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < Alts.size(); ++i)
    if (Alts[i] == c) return static_cast<char>(0x80 + i);
  if (c >= 0x80 && c < 0xA0 && Alts[c - 0x80] == 0) return static_cast<char>(c);
  return '?';
}
}  // namespace

QString DeText1252(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char b : bytes) text.append(QChar(Unicode(static_cast<unsigned char>(b))));
  return text;
}

std::string AText1252(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) bytes += Byte(c.unicode());
  return bytes;
}
