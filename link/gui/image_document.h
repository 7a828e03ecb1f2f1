#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <utility>

#include "link/gui/transfer_document.h"
#include "model/radio_image.h"

namespace selkan {

// A document that is only an image to write, such as a backup file: no
// editor, no history. The port is asked for when a transfer starts.
class ImageDocument final : public TransferDocument {
 public:
  explicit ImageDocument(std::function<QString()> port) : port_(std::move(port)) {}

  void SetImage(const RadioImage& image) {
    image_ = image;
    ++revision_;
  }

  QString PortName() const override { return port_ ? port_() : QStringLiteral("COM1"); }
  void CommitOpenEditor() override {}
  RadioImage ImageToWrite() override { return image_; }
  void TakeReadImage(const RadioImage& image) override { SetImage(image); }
  std::uint64_t Revision() const override { return revision_; }
  void MarkClean() override {}

 private:
  std::function<QString()> port_;
  RadioImage image_{};
  std::uint64_t revision_ = 0;
};

}  // namespace selkan
