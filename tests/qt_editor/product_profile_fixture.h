#pragma once

// A temporary program directory with a Selkan.ini, its profile store and the
// process settings made from it, for the view and dialog tests.
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "platform/registry.h"
#include "settings/process_settings.h"
#include "settings/profile_store.h"

namespace selkan::testing {

inline QByteArray ProfileText(const char* language) {
  return QByteArray("[Setup]\nLanguage=") + language +
         "\nAppName=SelkanTest\nType1=SK-100\nType2=SK-200\nType3=SK-300\n"
         "Field1=136 - 174MHz|400 - 470MHz\n"
         "Field2=130 - 160MHz|400 - 470MHz|450 - 520MHz\nField3=350 - 390MHz\n"
         "[English]\nAppName=Selkan Programmer\nTitle=Selkan Radio\n"
         "[Chinese]\nAppName=赛尔坎编程\nTitle=赛尔坎对讲机\n";
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

  QTemporaryDir directory;
  CProfileStore profile;
  ProcessSettings settings;
  MemoryRegistry registry;
  bool loaded = false;
};

}  // namespace selkan::testing
