#pragma once

#include <string>

#include "model/radio_image.h"

namespace selkan {

class ProcessSettings;

// A document: one radio memory image, the file it belongs to, its window
// title and whether it holds changes not yet saved. The image is exposed as
// plain bytes; every reader and writer uses the offsets of radio_image.h.
class CSelkanDoc {
 public:
  CSelkanDoc();

  RadioImage& Image() { return image_; }
  const RadioImage& Image() const { return image_; }

  const std::string& PathName() const { return pathName_; }
  const std::string& Title() const { return title_; }
  // A document read from a file that is not to be saved over (a backup)
  // gets a caption that says so.
  void SetTitle(std::string title) { title_ = std::move(title); }

  // Changes not yet saved: set by a committed edit or a dialog's OK that
  // changed the image, cleared by a save and by a completed write to the
  // radio.
  bool IsModified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

  // New: the blank image, title "Channel Information" (Chinese "信道信息"),
  // path name the "AppName" of section "Setup" so that the first save
  // proposes it, and the blank-document flag set.
  void OnNewDocument(const ProcessSettings& settings);

  // Open: the first 4096 bytes of the file. On success the image is
  // replaced, the path and title (the file name) set and the blank-document
  // flag cleared; on failure the document is unchanged.
  DatLoadError OnOpenDocument(const std::string& path, FileError* detail = nullptr);

  // Save: writes the image as it is (callers encode the grid first),
  // atomically; on success the path becomes this one and the modified mark
  // is cleared.
  bool OnSaveDocument(const std::string& path, FileError* error = nullptr);

  // Whether the document's file was changed on disk by someone else since
  // the document read or last wrote it (see ChangedSince); never for a
  // document without a file of its own.
  bool FileChangedOnDisk() const;

 private:
  RadioImage image_;
  std::string pathName_;
  std::string title_;
  bool modified_ = false;
  FileStamp diskStamp_;  // the file as last read or written
};

}  // namespace selkan
