#pragma once

#include <QString>
#include <memory>

#include "platform/registry.h"

class QSettings;

namespace selkan {

// The per-user registry on QSettings: the values live in the INI file
// registry.ini of the user's configuration directory (organisation "Selkan",
// ~/.config/Selkan on Linux). Tests relocate it to an INI file of their own.
// qsettings_registry.cpp is the one file a port that keeps the values
// elsewhere changes.
class QSettingsRegistry : public Registry {
 public:
  QSettingsRegistry();
  explicit QSettingsRegistry(const QString& iniFilePath);
  ~QSettingsRegistry() override;

  std::optional<std::uint32_t> ReadValue(std::string_view key, std::string_view name) override;
  bool WriteValue(std::string_view key, std::string_view name, std::uint32_t value) override;
  std::optional<std::string> ReadText(std::string_view key, std::string_view name) override;
  bool WriteText(std::string_view key, std::string_view name, std::string_view text) override;

  QString FileName() const;

 private:
  std::unique_ptr<QSettings> settings_;
};

// "Software\Selkan" and "Type" become the settings path "Software/Selkan/Type".
QString RegistrySettingsPath(std::string_view key, std::string_view name);

}  // namespace selkan
