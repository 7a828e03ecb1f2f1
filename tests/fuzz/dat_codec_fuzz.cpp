// A *.dat file of any content, loaded, decoded and encoded again.
#include <array>

#include "model/channel_codec.h"
#include "model/optional_features.h"
#include "model/radio_image.h"
#include "tests/fuzz/fuzz_support.h"

namespace selkan::fuzz {
namespace {

// The bits a decode/encode round may change at each offset.
std::array<std::uint8_t, kImageSize> OwnedBits() {
  std::array<std::uint8_t, kImageSize> owned{};
  for (int channel = 1; channel <= offset::kChannelCount; ++channel) {
    std::fill_n(owned.begin() + offset::Channel(channel), record::kFlags, 0xFF);
    owned[offset::Channel(channel) + record::kFlags] = 0x1E;  // power, scan, bandwidth
  }
  std::fill_n(owned.begin() + offset::kAniCode, offset::kAniCodeLength, 0xFF);
  owned[offset::kOptionFlags1] = 0x0F, owned[offset::kOptionFlags2] = 0x38;
  for (const std::size_t at :
       {offset::kSquelchLevel, offset::kVoxGainLevel, offset::kStep, offset::kTimeOutTimer,
        offset::kPriorityChannel, offset::kVoxDelayTime})
    owned[at] = 0xFF;
  return owned;
}

RadioImage RoundTrip(const RadioImage& image, Language language) {
  RadioImage out = image;
  EncodeChannels(DecodeChannels(image, language), out);
  Check(WriteOptionStates(ReadOptionStates(image), out), "the options read are written back");
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = ScratchFile("radio.dat");
  Check(test::WriteBytes(path, {reinterpret_cast<const char*>(data), size}), "input written");
  const DatLoadResult loaded = LoadDatFile(path);
  if (size < kImageSize) {
    Check(loaded.error == DatLoadError::DataFormat, "a short file is a Data Format Error");
    return 0;
  }
  Check(loaded.error == DatLoadError::None, "a whole image loads");
  Check(std::equal(loaded.image.begin(), loaded.image.end(), data), "the first 4096 bytes");

  static const std::array<std::uint8_t, kImageSize> owned = OwnedBits();
  // One language per input (the first byte): a round over 199 channels is most of a run.
  const Language language = (data[0] & 1) != 0 ? Language::Chinese : Language::English;
  const RadioImage once = RoundTrip(loaded.image, language);
  // A frequency with nibbles above 9 is stored as none by the first round, emptying its
  // channel for the second; from then on nothing changes.
  const RadioImage twice = RoundTrip(once, language);
  for (std::size_t i = 0; i < kImageSize; ++i) {
    Check(((once[i] ^ loaded.image[i]) & ~owned[i]) == 0, "bytes the codecs do not own are kept");
    Check(((twice[i] ^ loaded.image[i]) & ~owned[i]) == 0, "also in the second round");
  }
  Check(RoundTrip(twice, language) == twice, "a third round changes nothing");
  Check(SaveDatFile(path, loaded.image), "the image is saved");
  Check(LoadDatFile(path).image == loaded.image, "a saved image loads back");
  return 0;
}

}  // namespace selkan::fuzz
