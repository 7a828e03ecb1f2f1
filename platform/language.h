#pragma once

namespace selkan {

// The user-interface language of built-in texts, fixed at start-up from the
// language flag.
enum class Language { English, Chinese };

// The language's name as the product profile stores the choice and names
// the section of the language's product texts.
inline const char* LanguageName(Language language) {
  return language == Language::Chinese ? "Chinese" : "English";
}

// A built-in text with its English and Chinese form (Chinese in UTF-8).
struct WordPair {
  const char* english;
  const char* chinese;
  const char* In(Language language) const {
    return language == Language::Chinese ? chinese : english;
  }
};

}  // namespace selkan
