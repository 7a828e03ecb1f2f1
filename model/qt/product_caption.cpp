#include "model/qt/product_caption.h"

#include "model/product_info.h"
#include "platform/qt/profile_text.h"
#include "settings/profile_store.h"

namespace selkan {

QString ProductCaption(const QString& appName, const QString& typeName, const QString& bandText,
                       Language labels) {
  return QString::fromStdString(
      CaptionText(appName.toStdString(), typeName.toStdString(), bandText.toStdString(), labels));
}

QString ProductStepCaption(const CProfileStore& profile, const RadioImage& image,
                           std::string_view languageName, Language labels) {
  const CaptionNames names = CaptionNamesOf(profile, image, languageName);
  const TextEncoding encoding = profile.Encoding();
  return ProductCaption(ProfileText(names.appName, encoding), ProfileText(names.typeName, encoding),
                        ProfileText(names.bandText, encoding), labels);
}

}  // namespace selkan
