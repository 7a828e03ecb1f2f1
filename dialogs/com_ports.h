#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace selkan {

// COM Setup offers the ports COM1 to COM4, by index 0 to 3, and remembers
// the choice per user as its number, in this registry value.
inline constexpr int kComPortCount = 4;
inline constexpr const char* kComPortValue = "com";

// The port name of an index: "com" and the number (index + 1), as a
// transfer resolves it.
std::string ComPortName(int index);

// The index to check for the remembered number: numbers 1 to 4 give 0 to 3,
// none remembered gives 0 (COM1), any other number -1 (none checked).
int RememberedComPortIndex(std::optional<std::uint32_t> remembered);

// The number remembered for an index (0 for none checked).
std::uint32_t ComPortNumber(int index);

}  // namespace selkan
