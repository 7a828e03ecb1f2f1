#pragma once

#include <QString>
#include <string_view>

#include "model/radio_image.h"
#include "platform/language.h"

namespace selkan {

class CProfileStore;

// The main window's caption: application name, "  [ Type:", type name,
// "  Fre:", band text, " ]" (Chinese labels by request). The names come from
// Selkan.ini as raw bytes and are decoded by the profile's encoding before
// they meet the program's own UTF-8 labels.
QString ProductCaption(const QString& appName, const QString& typeName, const QString& bandText,
                       Language labels);

// The caption the product step shows for an image: application name from
// the section named by languageName, type and band from 0xFD0/0xFD1.
QString ProductStepCaption(const CProfileStore& profile, const RadioImage& image,
                           std::string_view languageName, Language labels);

}  // namespace selkan
