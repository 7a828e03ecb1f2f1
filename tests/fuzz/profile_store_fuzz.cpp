// The profile store on any file, also where UTF-8 and GBK meet; a value held in another case
// is not written. Input: a byte picking section and key, the value (to a NUL), the file.
#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "settings/profile_store.h"
#include "settings/profile_text.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// Names as the program and its files use them: ASCII, UTF-8 and GBK ("中").
constexpr std::array<const char*, 4> kSections = {"Setup", "English", "\xE4\xB8\xAD", "\xD6\xD0"};
constexpr std::array<const char*, 4> kKeys = {"Language", "AppName", "Field1", "\xB0\x41"};

// Equal but for ASCII case, byte by byte (looser than GBK, where trail bytes must match).
bool SameButCase(std::string_view a, std::string_view b) {
  return selkan::TextEquals(a, b, true, selkan::TextEncoding::Utf8);
}

// The text without its blanks: a rewritten entry line loses those after its value.
std::string Unblanked(std::string text) {
  std::erase_if(text, [](unsigned char c) { return std::isspace(c); });
  return text;
}

// Loads the file (readBack: its value of the key), changes the value, sets it again, saves.
std::string WriteBack(const std::string& path, const std::string& section, const std::string& key,
                      const std::string& value, std::string* readBack = nullptr) {
  selkan::CProfileStore store;
  selkan::fuzz::Check(store.Load(path), "the write-back loads");
  if (readBack) *readBack = store.GetValue(section, key, "\x01");
  store.SetValue(section, key, value + "x"), store.SetValue(section, key, value), store.Save(false);
  return selkan::test::ReadBytes(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace selkan;
  using namespace selkan::fuzz;
  Input input(data, size);
  const std::uint8_t pick = input.Byte();
  const std::string section = kSections[pick % kSections.size()];
  const std::string key = kKeys[(pick / kSections.size()) % kKeys.size()];
  const std::string_view rest = input.Rest();
  std::string value(rest.substr(0, rest.find('\0')));
  const std::string_view content = rest.substr(std::min(rest.size(), value.size() + 1));
  // Values are trimmed and hold no line break: such a value would read back as another.
  if (value.find_first_of("\r\n") != std::string::npos) value.clear();
  value = std::string(TrimBlanks(value));

  const std::string path = ScratchFile("profile.ini");
  Check(test::WriteBytes(path, content), "input written");
  std::string written;
  {
    CProfileStore store;
    Check(store.Load(path), "any file loads"), store.Save(false);
    Check(test::ReadBytes(path) == content, "a store without changes writes nothing");
    store.SetValue(section, key, value), store.Save(false), written = test::ReadBytes(path);
  }
  // Nothing written: the file held the value, perhaps in another case.
  const bool kept = written == content;
  std::string readBack;
  const std::string rewritten = WriteBack(path, section, key, value, &readBack);
  Check(readBack == CutValueNote(value) || (kept && SameButCase(readBack, CutValueNote(value))),
        "the value set reads back from the file");
  if (rewritten != written) {
    Check(kept && SameButCase(Unblanked(rewritten), Unblanked(written)),
          "a write-back changes only the letter case of a kept value and the blanks after it");
    Check(WriteBack(path, section, key, value) == rewritten,
          "a write-back of a write-back changes nothing");
  }
  return 0;
}
