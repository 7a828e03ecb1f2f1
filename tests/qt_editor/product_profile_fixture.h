#pragma once

// A temporary program directory with a Selkan.ini, its profile store and the
// process settings made from it, for the view and dialog tests.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "settings/process_settings.h"
#include "settings/profile_store.h"
#include "platform/registry.h"

namespace selkan::testing {

inline QByteArray ProfileText(const char* language, bool withTitles = true) {
  QByteArray text =
      "[Setup]\n"
      "Language=";
  text += language;
  text +=
      "\n"
      "AppName=SelkanTest\n"
      "Type1=SK-100\n"
      "Type2=SK-200\n"
      "Type3=SK-300\n"
      "Field1=136 - 174MHz|400 - 470MHz\n"
      "Field2=130 - 160MHz|400 - 470MHz|450 - 520MHz\n"
      "Field3=350 - 390MHz\n"
      "[English]\n"
      "AppName=Selkan Programmer\n";
  if (withTitles) text += "Title=Selkan Radio\n";
  text +=
      "[Chinese]\n"
      "AppName=赛尔坎编程\n";
  if (withTitles) text += "Title=赛尔坎对讲机\n";
  return text;
}

inline const std::string kRegistryKey = "Software\\SelkanTest";

struct ProductProfileFixture {
  explicit ProductProfileFixture(const QByteArray& content) {
    const QString path = directory.filePath("Selkan.ini");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(content);
    file.close();
    loaded = profile.Load(path.toStdString(), false, true, false);
    settings.Initialize(profile, directory.path().toStdString() + "/");
  }
  QString ProgramFile(const char* name) const { return directory.filePath(name); }

  QTemporaryDir directory;
  CProfileStore profile;
  ProcessSettings settings;
  MemoryRegistry registry;
  bool loaded = false;
};

}  // namespace selkan::testing
