#pragma once

#include <Qt>

namespace selkan {

enum class DialogKey { Pass, Discard, HelpThenPass };

// What the Optional Features dialog does with a key press, whatever control
// has the focus: digits (main keyboard or keypad), Backspace, Delete and the
// arrows pass unless Shift is held; F1 asks for help and passes; every other
// key, Tab, Enter and Escape included, is discarded.
DialogKey OptionDialogKey(int key, Qt::KeyboardModifiers modifiers);

}  // namespace selkan
