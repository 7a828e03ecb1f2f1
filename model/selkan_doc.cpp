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
  SetBlankDocumentFlag(true);
}

DatLoadError CSelkanDoc::OnOpenDocument(const std::string& path, FileError* detail) {
  DatLoadResult loaded = LoadDatFile(path);
  if (loaded.error != DatLoadError::None) {
    if (detail) *detail = loaded.detail;
    return loaded.error;
  }
  image_ = loaded.image;
  pathName_ = path;
  title_ = std::filesystem::path(path).filename().string();
  modified_ = false;
  SetBlankDocumentFlag(false);
  return DatLoadError::None;
}

bool CSelkanDoc::OnSaveDocument(const std::string& path, FileError* error) {
  if (!SaveDatFile(path, image_, error)) return false;
  pathName_ = path;
  title_ = std::filesystem::path(path).filename().string();
  modified_ = false;
  return true;
}

}  // namespace selkan
