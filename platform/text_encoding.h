#pragma once

namespace selkan {

// How the texts of a profile file are encoded: UTF-8, or GB2312/GBK (where a
// lead byte 0x81-0xFE and a trail byte 0x40-0xFE form one character) for
// files written by older tools.
enum class TextEncoding { Utf8, Gbk };

}  // namespace selkan
