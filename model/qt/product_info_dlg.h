#pragma once

#include <QDialog>
#include <optional>

#include "model/product_info.h"
#include "model/radio_image.h"

namespace selkan {

class CProfileStore;
class Registry;

// Product Information: the user picks radio type and band. It opens on the
// registry's choice; OK writes 0xFD0/0xFD1 of the image and the registry and
// yields the new caption (always with English labels) and band limits.
class CProductInfoDlg : public QDialog {
  Q_OBJECT
 public:
  CProductInfoDlg(RadioImage& image, const CProfileStore& profile, Registry& registry,
                  QString captionAppName, QWidget* parent = nullptr);
  ~CProductInfoDlg() override;

  // Set after OK.
  const std::optional<ProductStepResult>& Result() const { return result_; }

 private:
  std::optional<ProductStepResult> result_;
  // the rest is the implementer's
};

}  // namespace selkan
