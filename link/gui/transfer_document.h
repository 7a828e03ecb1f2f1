#pragma once

#include <QString>
#include <cstdint>

#include "model/radio_image.h"

namespace selkan {

// What a Read or a Write needs of the document it works for. The channel
// view is one; anything else that holds an image to program can be another.
class TransferDocument {
 public:
  // The port the user chose for this document ("COM1", or a device path).
  virtual QString PortName() const = 0;
  // A value still being typed goes into the document, before a transfer
  // takes the document's place (so that undoing a read gives it back).
  virtual void CommitOpenEditor() = 0;
  // What a write sends: the document as it stands, a value still being
  // typed included.
  virtual RadioImage ImageToWrite() = 0;
  // A completed read: the document takes the radio's image, as one change
  // that can be undone.
  virtual void TakeReadImage(const RadioImage& image) = 0;
  // A number that changes whenever the document does.
  virtual std::uint64_t Revision() const = 0;
  // The radio holds what the document holds: it counts as unchanged.
  virtual void MarkClean() = 0;

 protected:
  ~TransferDocument() = default;
};

}  // namespace selkan
