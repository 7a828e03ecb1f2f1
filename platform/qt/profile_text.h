#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "platform/text_encoding.h"

namespace selkan {

// Texts from Selkan.ini are raw bytes in the encoding the profile store
// judged for the whole file: UTF-8, or GB2312/GBK for files written by older
// tools, read as GB18030 (a superset of GBK) when this Qt can decode it,
// else as Latin-1 so that no byte is lost. Each text is decoded by the
// file's encoding, never guessed on its own: many GB2312 texts are also
// valid UTF-8.
QString ProfileText(std::string_view bytes, TextEncoding encoding);

// A text of the program's UTF-8 sources (the built-in English/Chinese pairs).
inline QString Utf8Text(const char* text) { return QString::fromUtf8(text); }

}  // namespace selkan
