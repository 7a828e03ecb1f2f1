#include "tools/cli/image_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "editor/channel_csv.h"
#include "model/channel_codec.h"
#include "platform/save_target.h"
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

std::string OutputPath(const std::string& named) { return named == "-" ? "/dev/stdout" : named; }

namespace {

// A regular file that would open as a radio configuration and is not a
// channel list (one of 4096 bytes or more would load as one too).
bool HoldsConfiguration(const std::string& path) {
  const DatLoadResult loaded = LoadDatFile(path);
  if (loaded.error != DatLoadError::None) return false;
  return !std::string_view(reinterpret_cast<const char*>(loaded.image.data()), loaded.image.size())
              .starts_with(kChannelCsvHeader);
}

}  // namespace

bool MayReplaceOrReport(std::string_view command, const std::string& path, bool force,
                        std::string_view product, bool keepEveryFile) {
  SaveTarget target;
  // Streams are not looked into: reading one would take bytes meant for
  // someone else. What cannot be resolved is the save's to report.
  if (force || ResolveSaveTarget(path, &target) != 0 ||
      (target.kind != SaveTarget::Kind::kRegular && target.kind != SaveTarget::Kind::kInPlace)) {
    return true;
  }
  if (!product.empty() && HoldsConfiguration(path)) {
    PrintError(command, path + " holds a radio configuration; use --force to replace it with the " +
                            std::string(product));
    return false;
  }
  if (!keepEveryFile) return true;
  PrintError(command, path + " already exists; use --force to replace it");
  return false;
}

}  // namespace selkan::cli
