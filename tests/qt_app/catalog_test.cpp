// Every text the program shows translated has its translation in both
// catalogs: the texts are found as Qt's lupdate finds them in the sources
// (tr(), translate(), the .ui files and the plain layers' marked tables),
// and looked up in the built EnglishQ47.qm and ChineseQ47.qm.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include "editor/cell_commit.h"
#include "editor/qt/cell_editors.h"
#include "link/gui/transfer_messages.h"
#include "link/port_access.h"
#include "link/transfer_outcome.h"

using namespace selkan;

namespace {

struct Text {
  QString context;
  QString source;
};

// The source folders of the programs: every top-level folder but the tests,
// the benchmarks, the resources, the build's own and the builds.
QStringList SourceFolders(const QDir& root) {
  const QStringList skipped{"tests", "bench", "resources", "scripts", "cmake"};
  QStringList folders;
  for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    if (!skipped.contains(name) && !name.startsWith("build")) folders << root.filePath(name);
  }
  return folders;
}

// The texts lupdate finds, or an error text.
QList<Text> ExtractTexts(QString* error) {
  QTemporaryDir scratch;
  const QString ts = scratch.filePath("found.ts");
  const QDir root(QStringLiteral(SELKAN_SOURCE_DIR));
  QProcess lupdate;
  lupdate.setProcessChannelMode(QProcess::MergedChannels);
  lupdate.start(
      QStringLiteral(SELKAN_LUPDATE),
      QStringList{"-silent", "-locations", "none", "-I", root.path(), "-tr-function-alias",
                  "QT_TRANSLATE_NOOP+=SELKAN_TRANSLATE_NOOP", "-extensions", "cpp,h,ui"}
          << SourceFolders(root) << QStringList{"-ts", ts});
  if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0) {
    lupdate.kill();
    *error = "lupdate failed: " + lupdate.errorString() + "\n" + lupdate.readAll();
    return {};
  }
  QFile file(ts);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = "lupdate wrote no " + ts;
    return {};
  }
  QList<Text> texts;
  QString context;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source")) texts.append({context, xml.readElementText()});
  }
  if (xml.hasError()) *error = "unreadable " + ts + ": " + xml.errorString();
  return texts;
}

}  // namespace

class CatalogTest : public QObject {
  Q_OBJECT

 private:
  QTranslator english_;
  QTranslator chinese_;

  // Every text with no translation in one of the catalogs, one per line.
  QStringList Untranslated(const QList<Text>& texts) const {
    QStringList missing;
    for (const Text& text : texts) {
      const QByteArray context = text.context.toUtf8();
      const QByteArray source = text.source.toUtf8();
      for (const QTranslator* catalog : {&english_, &chinese_}) {
        if (catalog->translate(context, source).isEmpty())
          missing << catalog->filePath() + ": " + text.context + " \"" + text.source + "\"";
      }
    }
    return missing;
  }

 private slots:
  void initTestCase() {
    const QDir bin(QStringLiteral(SELKAN_BIN_DIR));
    QVERIFY(english_.load(bin.filePath("EnglishQ47.qm")));
    QVERIFY(chinese_.load(bin.filePath("ChineseQ47.qm")));
  }

  void everyTextOfTheSourcesIsInBothCatalogs() {
    QString error;
    const QList<Text> texts = ExtractTexts(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The plain layers' tables are found too (through SELKAN_TRANSLATE_NOOP).
    const auto found = [&texts](const char* context, std::string_view source) {
      for (const Text& text : texts)
        if (text.context == context && text.source.toStdString() == source) return true;
      return false;
    };
    QVERIFY(found("selkan::TransferMessages", kPortErrorText));
    QVERIFY(found("selkan::CCellEditors", CellMessageText(CellMessage::StepError)));
    QVERIFY(found("selkan::CMainFrame", "Import Channels"));
    const QStringList missing = Untranslated(texts);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
  }

  // Texts translated from a table at run time, which lupdate cannot follow:
  // the Qt side asks in the context the table marks them for.
  void textsOfThePlainLayersAreTranslatedWhereTheyAreShown() {
    QList<Text> advice;
    for (PortAdvice kind : {PortAdvice::kJoinGroup, PortAdvice::kLogInAgain, PortAdvice::kAskAdmin})
      advice.append(Text{"selkan::PortAccess", PortAdviceText(kind)});
    QVERIFY2(Untranslated(advice).isEmpty(), qPrintable(Untranslated(advice).join('\n')));

    QCoreApplication::installTranslator(&chinese_);
    const QString portError = TransferMessageText(TransferOutcome::kPortError);
    const QString stepError = TranslatedCellMessage(CellMessage::StepError);
    const QString caution = CautionCaption();
    QCoreApplication::removeTranslator(&chinese_);
    QVERIFY(!portError.isEmpty() && portError.toStdString() != kPortErrorText);
    QVERIFY(stepError.toStdString() != CellMessageText(CellMessage::StepError));
    QCOMPARE(caution, QString::fromUtf8("警告"));
    QCOMPARE(TransferMessageText(TransferOutcome::kCompleted), QString());
  }
};

QTEST_GUILESS_MAIN(CatalogTest)
#include "catalog_test.moc"
