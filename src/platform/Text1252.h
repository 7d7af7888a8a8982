// Texts in the research record are Windows-1252 bytes; the windows speak
// QString. This is the one place where the two meet.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QString DeText1252(std::string_view bytes);
// Characters with no Windows-1252 byte become '?'.
std::string AText1252(const QString& text);
