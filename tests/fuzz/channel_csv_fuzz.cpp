// A channel list of any content, imported as selkan-cli import does: a list
// that imports goes into an image, exports, and imports again to the same
// channels and the same image.
#include "editor/channel_csv.h"
#include "editor/channel_list_import.h"
#include "model/channel_codec.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// Every frequency a record holds, as import takes without --band.
constexpr selkan::BandLimits kRecordLimits{1000000, 99999999};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selkan;
  using namespace selkan::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ChannelCsvImport first = ImportChannelCsv(text, kRecordLimits);
  if (!first.errors.empty()) {
    for (const CsvError& error : first.errors) {
      Check(error.line >= 1 && !EnglishText(error.reason).empty(),
            "an error has a line and a reason");
    }
    return 0;
  }
  RadioImage image = BlankImage();
  EncodeChannels(first.table, image);
  for (const Language language : {Language::English, Language::Chinese}) {
    const std::string exported = ChannelsToCsv(DecodeChannels(image, language));
    const ChannelCsvImport again = ImportChannelCsv(exported, kRecordLimits);
    Check(again.errors.empty(), "an exported list imports");
    RadioImage reimported = image;
    EncodeChannels(again.table, reimported);
    Check(reimported == image, "import, export, import gives the same image");
    Check(ChannelsToCsv(DecodeChannels(reimported, language)) == exported, "and the same list");
  }
  return 0;
}
