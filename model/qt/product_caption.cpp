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
  const int type = image[offset::kRadioType];
  const std::string typeName = profile.GetValue("Setup", "Type" + std::to_string(type + 1), "");
  const std::string band = BandText(profile, type, image[offset::kBandIndex]);
  const std::string appName = profile.GetValue(languageName, "AppName", "");
  const TextEncoding encoding = profile.Encoding();
  return ProductCaption(ProfileText(appName, encoding), ProfileText(typeName, encoding),
                        ProfileText(band, encoding), labels);
}

}  // namespace selkan
