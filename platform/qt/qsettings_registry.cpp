#include "platform/qt/qsettings_registry.h"

#include <QSettings>

#include "platform/user_folder.h"

namespace selkan {

QString RegistrySettingsPath(std::string_view key, std::string_view name) {
  QString path = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  while (path.endsWith(QLatin1Char('/'))) path.chop(1);
  if (!path.isEmpty()) path += QLatin1Char('/');
  return path + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QSettingsRegistry::QSettingsRegistry()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QString::fromLatin1(kUserFolderName),
                                            QStringLiteral("registry"))) {}

QSettingsRegistry::QSettingsRegistry(const QString& iniFilePath)
    : settings_(std::make_unique<QSettings>(iniFilePath, QSettings::IniFormat)) {}

QSettingsRegistry::~QSettingsRegistry() = default;

QString QSettingsRegistry::FileName() const { return settings_->fileName(); }

std::optional<std::uint32_t> QSettingsRegistry::ReadValue(std::string_view key,
                                                          std::string_view name) {
  const QVariant value = settings_->value(RegistrySettingsPath(key, name));
  if (!value.isValid()) return std::nullopt;
  bool ok = false;
  // Stored as a signed 32-bit number; read back the bits.
  const qlonglong number = value.toLongLong(&ok);
  if (!ok || number < INT32_MIN || number > UINT32_MAX) return std::nullopt;
  return static_cast<std::uint32_t>(number);
}

bool QSettingsRegistry::WriteValue(std::string_view key, std::string_view name,
                                   std::uint32_t value) {
  settings_->setValue(RegistrySettingsPath(key, name), static_cast<int>(value));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

std::optional<std::string> QSettingsRegistry::ReadText(std::string_view key,
                                                       std::string_view name) {
  const QVariant value = settings_->value(RegistrySettingsPath(key, name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

bool QSettingsRegistry::WriteText(std::string_view key, std::string_view name,
                                  std::string_view text) {
  settings_->setValue(RegistrySettingsPath(key, name),
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace selkan
