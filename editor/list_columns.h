#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/user_message.h"

namespace selkan {

// The columns a channel list's header names, found by name in any letter
// case, blanks around names and values ignored. Empty fields after the
// header's last name are no columns (spreadsheets write them).
class ListColumns {
 public:
  explicit ListColumns(const std::vector<std::string>& header);

  std::size_t Count() const { return names_.size(); }
  // The names as the header writes them, without blanks around them.
  const std::vector<std::string>& Names() const { return names_; }
  std::optional<std::size_t> Index(std::string_view name) const;
  bool Has(std::string_view name) const { return Index(name).has_value(); }
  // The row's value in the named column, without blanks around it; empty
  // when the header has no such column.
  std::string_view Get(const std::vector<std::string>& row, std::string_view name) const;

 private:
  std::vector<std::string> names_;
};

// A data record against a header of `columns` columns: too few fields, or a
// field past the header's last column that holds something. Empty fields
// past it are taken (files in the wild carry them).
std::optional<UserMessage> FieldCountProblem(const std::vector<std::string>& fields,
                                             std::size_t columns);

// A record whose fields are all empty or blanks.
bool IsBlankRecord(const std::vector<std::string>& fields);

// Whether a column's name says that it holds a frequency, an offset, a
// duplex or a tone ("Input Freq", "rToneFreq", "PL", "Shift"): such a
// column may not be ignored.
bool NamesFrequencyOrTone(std::string_view name);

// The names joined by ", ".
std::string JoinNames(const std::vector<std::string>& names);

}  // namespace selkan
