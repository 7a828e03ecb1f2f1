#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace selkan {

// Texts from Selkan.ini are raw bytes: UTF-8, or GB2312/GBK when the file was
// written by older tools. Valid UTF-8 is taken as such; anything else is read
// as GB18030 (a superset of GBK) when this Qt can decode it, else as Latin-1
// so that no byte is lost.
QString ProfileText(std::string_view bytes);

// A text of the program's UTF-8 sources (the built-in English/Chinese pairs).
inline QString Utf8Text(const char* text) { return QString::fromUtf8(text); }

}  // namespace selkan
