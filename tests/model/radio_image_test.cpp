#include "model/radio_image.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "model/selkan_doc.h"
#include "settings/process_settings.h"
#include "tests/support/files_test.h"

namespace selkan {
namespace {

namespace fs = std::filesystem;
using DatFileTest = test::FilesTest;

// Bytes that make every offset recognisable.
std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 31 + i / 256);
  return bytes;
}

// A file of at least the image size loads its first 4096 bytes and a save
// writes exactly the image over it; a shorter file is a format error.
TEST_F(DatFileTest, LoadsTheFirst4096BytesAndSavesExactlyTheImage) {
  const DatLoadResult result = LoadDatFile(Write("a.dat", Pattern(10000)));
  ASSERT_EQ(result.error, DatLoadError::None);
  ASSERT_TRUE(SaveDatFile(dir_ / "a.dat", result.image));
  EXPECT_EQ(Read(dir_ / "a.dat"), Pattern(kImageSize));
  EXPECT_EQ(LoadDatFile(Write("b.dat", Pattern(kImageSize - 1))).error, DatLoadError::DataFormat);
  EXPECT_EQ(LoadDatFile(dir_ / "missing.dat").error, DatLoadError::CannotOpen);
}

// A document takes a file's image only when it loads, and a save that
// fails leaves the document's path, title and changes as they were.
TEST_F(DatFileTest, DocumentOpensAndSavesOnlyOnSuccess) {
  CSelkanDoc document;
  ProcessSettings settings;
  document.OnNewDocument(settings);
  EXPECT_TRUE(BlankDocumentFlag());
  EXPECT_EQ(document.Title(), "Channel Information");
  EXPECT_EQ(document.OnOpenDocument(Write("short.dat", "x")), DatLoadError::DataFormat);
  EXPECT_TRUE(BlankDocumentFlag());
  EXPECT_EQ(document.Image(), BlankImage());

  const std::string path = Write("radio.dat", Pattern(kImageSize));
  ASSERT_EQ(document.OnOpenDocument(path), DatLoadError::None);
  EXPECT_FALSE(BlankDocumentFlag());
  EXPECT_EQ(document.Title(), "radio.dat");
  document.SetModified(true);
  FileError error;
  EXPECT_FALSE(document.OnSaveDocument(dir_ / "no/such/c.dat", &error));
  EXPECT_EQ(error.code, ENOENT);
  EXPECT_TRUE(document.IsModified());
  EXPECT_EQ(document.PathName(), path);
  EXPECT_FALSE(fs::exists(dir_ / "no"));
  ASSERT_TRUE(document.OnSaveDocument(dir_ / "copy.dat"));
  EXPECT_FALSE(document.IsModified());
  EXPECT_EQ(document.Title(), "copy.dat");
  EXPECT_EQ(Read(dir_ / "copy.dat"), Pattern(kImageSize));
}

}  // namespace
}  // namespace selkan
