#pragma once

namespace selkan {

// The user-interface language of built-in texts, fixed at start-up from the
// language flag.
enum class Language { English, Chinese };

// A built-in text with its English and Chinese form (Chinese in UTF-8).
struct WordPair {
  const char* english;
  const char* chinese;
  const char* In(Language language) const {
    return language == Language::Chinese ? chinese : english;
  }
};

}  // namespace selkan
