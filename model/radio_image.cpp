#include "model/radio_image.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "platform/atomic_file.h"

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
  // A directory opens for reading on some systems and then reads as empty;
  // it is not a file that cannot be read as an image, it cannot be opened.
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    result.error = DatLoadError::CannotOpen;
    result.detail = std::strerror(EISDIR);
    return result;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.error = DatLoadError::CannotOpen;
    result.detail = std::strerror(errno);
    return result;
  }
  in.read(reinterpret_cast<char*>(result.image.data()), kImageSize);
  if (static_cast<std::size_t>(in.gcount()) != kImageSize) {
    result.error = DatLoadError::DataFormat;
  }
  return result;
}

bool SaveDatFile(const std::filesystem::path& path, const RadioImage& image, std::string* error) {
  return WriteFileAtomically(path, image, error);
}

bool BlankDocumentFlag() { return g_blankDocument; }
void SetBlankDocumentFlag(bool blank) { g_blankDocument = blank; }

}  // namespace selkan
