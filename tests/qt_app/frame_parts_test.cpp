// Parts of the shell on their own: the per-user registry on QSettings and
// profile text decoding.
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/profile_text.h"
#include "platform/qt/qsettings_registry.h"

using namespace selkan;

class FramePartsTest : public QObject {
  Q_OBJECT
 private slots:
  void settingsRegistryKeepsNumbersInItsFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("registry.ini");
    QSettings(path, QSettings::IniFormat).setValue("Software/Selkan/com", "COM2");
    {
      QSettingsRegistry registry(path);
      QCOMPARE(registry.ReadValueOrZero("Software\\Selkan", "Type"), 0u);
      QVERIFY(registry.WriteValue("Software\\Selkan", "Type", 2));
      QVERIFY(registry.WriteValue("Software\\Selkan", "Field", 0xFFFFFFFFu));
      QVERIFY(registry.WriteValue("Software\\Other", "Type", 7));
    }
    QSettingsRegistry again(path);
    QCOMPARE(again.ReadValue("Software\\Selkan", "Type"), std::optional<std::uint32_t>(2));
    QCOMPARE(again.ReadValue("Software\\Selkan", "Field"),
             std::optional<std::uint32_t>(0xFFFFFFFFu));
    QCOMPARE(again.ReadValue("Software\\Other", "Type"), std::optional<std::uint32_t>(7));
    QVERIFY(!again.ReadValue("Software\\Selkan", "com").has_value());  // no number
    QCOMPARE(RegistrySettingsPath("Software\\", "com"), QStringLiteral("Software/com"));
  }

  void profileTextDecodesByTheFilesEncoding() {
    using enum TextEncoding;
    QCOMPARE(ProfileText("Selkan", Gbk), QStringLiteral("Selkan"));
    QCOMPARE(ProfileText("\xE4\xBF\xA1\xE9\x81\x93", Utf8), QString::fromUtf8("信道"));
    // "陆路" in GB2312 is also valid UTF-8 ("½·"): the file's encoding decides.
    QCOMPARE(ProfileText("\xC2\xBD\xC2\xB7", Utf8), QString::fromUtf8("½·"));
    const QString gbk = ProfileText("\xC2\xBD\xC2\xB7", Gbk);
    if (QStringDecoder("GB18030").isValid())
      QCOMPARE(gbk, QString::fromUtf8("陆路"));
    else
      QCOMPARE(gbk.size(), 4);
    QCOMPARE(ProfileText("", Utf8), QString());
  }

};

QTEST_MAIN(FramePartsTest)
#include "frame_parts_test.moc"
