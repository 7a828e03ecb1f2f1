#pragma once

#include <algorithm>
#include <random>

#include "model/channel_codec.h"
#include "model/radio_image.h"

namespace selkan::test {

// Images the link tests write into radios and compare.
inline RadioImage RandomImage(unsigned seed) {
  std::mt19937 random(seed);
  RadioImage image;
  for (auto& byte : image) byte = static_cast<std::uint8_t>(random());
  return image;
}

// A full channel at n: 145.125 / 145.125, 67.0 / D023I, High, Scan on, Wide, spare bits set.
inline void PutFullChannel(RadioImage& image, int n) {
  static const std::uint8_t kRecord[] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x51, 0x14,
                                         0x70, 0x06, 0x23, 0xC0, 0xFA, 0x12, 0x34, 0x56};
  std::copy_n(kRecord, std::size(kRecord), image.begin() + offset::Channel(n));
}

// Blank but for channel 3, whose Rx frequency is in block 6.
inline RadioImage WithChannel3() {
  RadioImage image = BlankImage();
  EncodeChannel({"438.50000", "439.50000", "88.5", "88.5", "High", "On", "Wide"}, image, 3);
  return image;
}

// The same over the 4080 bytes a write sends.
inline bool SameBelowWriteLimit(const RadioImage& a, const RadioImage& b) {
  return std::equal(a.begin(), a.begin() + offset::kWriteLimit, b.begin());
}
inline bool WrittenWithChannel3(const RadioImage& radio) {
  return SameBelowWriteLimit(radio, WithChannel3());
}

}  // namespace selkan::test
