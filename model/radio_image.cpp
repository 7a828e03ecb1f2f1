#include "model/radio_image.h"

#include <cstring>

#include "platform/input_file.h"

namespace selkan {

namespace {
bool g_blankDocument = false;
}

RadioImage BlankImage() {
  RadioImage image;
  image.fill(0xFF);
  const std::uint8_t options[] = {0x5F, 0xB8, 0x04, 0x05, 0x04, 0x02, 0x00, 0x00, 0x01};
  std::memcpy(image.data() + offset::kOptionFlags1, options, sizeof options);
  return image;
}

DatLoadResult LoadDatFile(const std::filesystem::path& path) {
  DatLoadResult result;
  FileStamp before = StampOfFile(path, {});
  std::string content;
  if (!ReadInputFile(path.string(), &content, &result.detail)) {
    // A disk error is the system's to report, not a bad image.
    result.error = DatLoadError::CannotOpen;
    return result;
  }
  if (content.size() < kImageSize) {
    result.error = DatLoadError::DataFormat;
    return result;
  }
  std::memcpy(result.image.data(), content.data(), kImageSize);
  // Stamped as the file stood before it was read: a change while reading
  // then shows as a change later, never the other way round.
  result.stamp = std::move(before);
  if (result.stamp.known) result.stamp.head.assign(result.image.begin(), result.image.end());
  return result;
}

bool SaveDatFile(const std::filesystem::path& path, const RadioImage& image, FileError* error) {
  FileError ignored;
  return WriteFileAtomically(path, image, error ? error : &ignored);
}

bool BlankDocumentFlag() { return g_blankDocument; }
void SetBlankDocumentFlag(bool blank) { g_blankDocument = blank; }

}  // namespace selkan
