#include "model/selkan_doc.h"

#include <filesystem>

#include "settings/process_settings.h"

namespace selkan {

CSelkanDoc::CSelkanDoc() : image_(BlankImage()) {}

void CSelkanDoc::OnNewDocument(const ProcessSettings& settings) {
  image_ = BlankImage();
  title_ = settings.IsChinese() ? "信道信息" : "Channel Information";
  pathName_ = settings.SetupAppName();
  modified_ = false;
  diskStamp_ = {};
  SetBlankDocumentFlag(true);
}

DatLoadError CSelkanDoc::OnOpenDocument(const std::string& path, FileError* detail) {
  DatLoadResult loaded = LoadDatFile(path);
  if (loaded.error != DatLoadError::None) {
    if (detail) *detail = loaded.detail;
    return loaded.error;
  }
  image_ = loaded.image;
  diskStamp_ = std::move(loaded.stamp);
  pathName_ = path;
  title_ = std::filesystem::path(path).filename().string();
  modified_ = false;
  SetBlankDocumentFlag(false);
  return DatLoadError::None;
}

bool CSelkanDoc::OnSaveDocument(const std::string& path, FileError* error) {
  if (!SaveDatFile(path, image_, error)) return false;
  diskStamp_ = StampOfFile(path, image_);
  pathName_ = path;
  title_ = std::filesystem::path(path).filename().string();
  modified_ = false;
  return true;
}

bool CSelkanDoc::FileChangedOnDisk() const { return ChangedSince(pathName_, diskStamp_); }

}  // namespace selkan
