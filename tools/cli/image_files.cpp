#include "tools/cli/image_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "model/channel_codec.h"
#include "tools/cli/args.h"

namespace selkan::cli {

RadioImage NewImage(std::uint8_t radioType, std::uint8_t bandIndex) {
  RadioImage image = BlankImage();
  image[offset::kRadioType] = radioType;
  image[offset::kBandIndex] = bandIndex;
  EncodeChannels(DecodeChannels(image, Language::English), image);
  return image;
}

std::optional<RadioImage> LoadImageOrReport(std::string_view command,
                                            const std::filesystem::path& path) {
  DatLoadResult loaded = LoadDatFile(path);
  switch (loaded.error) {
    case DatLoadError::None:
      return loaded.image;
    case DatLoadError::CannotOpen:
      PrintError(command, loaded.detail.text);
      return std::nullopt;
    case DatLoadError::DataFormat:
      PrintError(command, path.string() + ": Data Format Error");
      return std::nullopt;
  }
  return std::nullopt;
}

bool SaveImageOrReport(std::string_view command, const std::filesystem::path& path,
                       const RadioImage& image) {
  FileError error;
  if (SaveDatFile(path, image, &error)) return true;
  PrintError(command, error.text);
  return false;
}

bool WriteStdoutOrReport(std::string_view command, std::string_view text) {
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0) {
    return true;
  }
  const int code = errno;
  std::clearerr(stdout);
  PrintError(command, std::string("cannot write to standard output") +
                          (code != 0 ? std::string(": ") + std::strerror(code) : std::string()));
  return false;
}

bool MayReplaceOrReport(std::string_view command, const std::filesystem::path& path, bool force) {
  if (force || !PathIsTaken(path)) return true;
  PrintError(command, path.string() + " already exists; use --force to replace it");
  return false;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    *error = "is a directory";
    return std::nullopt;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = std::strerror(errno);
    return std::nullopt;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    *error = "read error";
    return std::nullopt;
  }
  return text;
}

bool PathIsTaken(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::symlink_status(path, ec);
  return std::filesystem::exists(status);
}

}  // namespace selkan::cli
