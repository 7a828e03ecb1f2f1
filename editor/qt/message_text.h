#pragma once

#include <QString>

#include "editor/user_message.h"
#include "platform/language.h"

namespace selkan {

// The message in the program's language: marked texts through the installed
// catalogs in their contexts, built-in words in the given language, plain
// texts as they stand.
QString MessageText(const UserMessage& message, Language language);

}  // namespace selkan
