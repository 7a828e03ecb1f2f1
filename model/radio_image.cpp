#include "model/radio_image.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
  const auto fail = [&](const char* step, int code) {
    result.error = DatLoadError::CannotOpen;
    result.detail = {
        code, std::string("cannot ") + step + " " + path.string() + ": " + std::strerror(code)};
    return result;
  };
  // A directory opens for reading and then reads as empty; it is not a
  // short image but no file at all.
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return fail("open", EISDIR);
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return fail("open", errno);
  std::size_t got = 0;
  while (got < kImageSize) {
    const ssize_t n = ::read(fd, result.image.data() + got, kImageSize - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      // A disk error is the system's to report, not a bad image.
      const int code = errno;
      ::close(fd);
      return fail("read", code);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  result.stamp = StampOfOpenFile(fd, std::span<const std::uint8_t>(result.image.data(), got));
  ::close(fd);
  if (got != kImageSize) result.error = DatLoadError::DataFormat;
  return result;
}

bool SaveDatFile(const std::filesystem::path& path, const RadioImage& image, FileError* error) {
  FileError ignored;
  return WriteFileAtomically(path, image, error ? error : &ignored);
}

bool BlankDocumentFlag() { return g_blankDocument; }
void SetBlankDocumentFlag(bool blank) { g_blankDocument = blank; }

}  // namespace selkan
