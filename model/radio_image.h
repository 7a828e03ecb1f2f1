#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/atomic_file.h"
#include "platform/file_stamp.h"

namespace selkan {

// The radio keeps its whole configuration in 4096 bytes; byte n of the image
// is radio address n. A *.dat file is exactly these bytes, no header.
inline constexpr std::size_t kImageSize = 4096;
using RadioImage = std::array<std::uint8_t, kImageSize>;

// Offsets of the image fields. Regions not named here carry no known meaning
// and are kept as they are.
namespace offset {
inline constexpr std::size_t kChannelRecordSize = 16;
inline constexpr int kChannelCount = 199;  // channels 1..199; slot 0 is never touched
constexpr std::size_t Channel(int n) { return kChannelRecordSize * static_cast<std::size_t>(n); }

inline constexpr std::size_t kAniCode = 0xE50;  // 3 digits, one per byte, 0xFF = none
inline constexpr std::size_t kAniCodeLength = 3;
inline constexpr std::size_t kRadioType = 0xFD0;
inline constexpr std::size_t kBandIndex = 0xFD1;
inline constexpr std::size_t kOptionFlags1 = 0xFE0;  // bit0 saver, bit1 beep, bit2 busy, bit3 key
inline constexpr std::size_t kOptionFlags2 = 0xFE1;  // bit3 ANI, bit4 Vox, bit5 LED
inline constexpr std::size_t kSquelchLevel = 0xFE2;
inline constexpr std::size_t kVoxGainLevel = 0xFE3;
inline constexpr std::size_t kStep = 0xFE4;
inline constexpr std::size_t kTimeOutTimer = 0xFE5;
inline constexpr std::size_t kUnedited0xFE6 = 0xFE6;
inline constexpr std::size_t kPriorityChannel = 0xFE7;
inline constexpr std::size_t kVoxDelayTime = 0xFE8;
// Addresses from here on are read from the radio but never written to it.
inline constexpr std::size_t kWriteLimit = 0xFF0;
}  // namespace offset

// Bytes of a channel record, relative to its start.
namespace record {
inline constexpr std::size_t kRxFrequency = 0;  // 4 bytes packed BCD, 10 Hz units, LSB first
inline constexpr std::size_t kTxFrequency = 4;
inline constexpr std::size_t kDecodeTone = 8;  // low byte, then high byte
inline constexpr std::size_t kEncodeTone = 10;
inline constexpr std::size_t kFlags = 12;  // bits 1-2 power, bit 3 scan, bit 4 wide
}  // namespace record

// The image New makes: 0xFF everywhere except the option bytes
// 5F B8 04 05 04 02 00 00 01 at 0xFE0..0xFE8.
RadioImage BlankImage();

// CannotOpen covers every system error, while opening or while reading, and
// a file too large to be read at all (see ReadInputFile); DataFormat is a
// file that ends before 4096 bytes.
enum class DatLoadError { None, CannotOpen, DataFormat };

struct DatLoadResult {
  RadioImage image{};
  DatLoadError error = DatLoadError::None;
  FileError detail;  // the system's reason when the file cannot be opened or read
  FileStamp stamp;   // the file as it was read
};

// Reads the first 4096 bytes of a *.dat file. A shorter file is a
// DataFormat error ("Data Format Error"); further bytes are ignored.
DatLoadResult LoadDatFile(const std::filesystem::path& path);

// Writes exactly 4096 bytes, atomically (see WriteFileAtomically). On
// failure the old file stays as it was.
bool SaveDatFile(const std::filesystem::path& path, const RadioImage& image,
                 FileError* error = nullptr);

// The process-wide blank-document flag: set by New, cleared by a successful
// Open and by a completed read from the radio. It tells the product step
// whether to take radio type and band from the registry or to store them.
bool BlankDocumentFlag();
void SetBlankDocumentFlag(bool blank);

}  // namespace selkan
