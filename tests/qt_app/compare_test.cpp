// File > Compare With: the active document against a file, in the
// program's language.
#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app/qt/compare_dlg.h"
#include "app_fixture.h"
#include "editor/qt/ms_flex_grid.h"
#include "model/selkan_doc.h"

using namespace selkan;
using namespace selkan::test;

namespace {

// Runs Compare With on the file and returns what its window listed (empty
// when no window came up); the window is closed again.
QString Compare(Program& p, const QString& path) {
  p.answers.paths = {path};
  QString shown;
  QObject scope;  // a window that never came up takes the pending look with it
  QTimer::singleShot(0, &scope, [&shown] {
    if (auto* dialog = qobject_cast<CCompareDlg*>(QApplication::activeModalWidget())) {
      shown = dialog->Differences();
      dialog->reject();
    }
  });
  p.frame->Action(command::kFileCompare)->trigger();
  return shown;
}

}  // namespace

class CompareTest : public QObject {
  Q_OBJECT
 private slots:
  void sameDataDifferencesAndABadFile() {
    Program p;
    const QString saved = p.dir.Path("saved.dat");
    p.view->Encode();
    QVERIFY(SaveDatFile(saved.toStdString(), p.view->Document().Image()));
    QCOMPARE(Compare(p, saved), QString());
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QVERIFY2(p.answers.messages[0].text.contains("hold the same data"),
             qPrintable(p.answers.messages[0].text));

    // An edit still in the grid counts: the document comes first.
    p.view->Grid()->SetTextMatrix(2, 1, "438.50000");
    p.view->Grid()->SetTextMatrix(2, 2, "438.50000");
    const QString shown = Compare(p, saved);
    QVERIFY2(shown.startsWith("Channel 2: 438.50000, 438.50000,") && shown.endsWith("-> empty"),
             qPrintable(shown));
    QCOMPARE(shown.count('\n'), 0);

    p.dir.WriteFile("short.dat", QByteArray(10, '\0'));
    QCOMPARE(Compare(p, p.dir.Path("short.dat")), QString());
    QCOMPARE(p.answers.messages.back().text, QStringLiteral("Data Format Error"));
  }

  void chineseTexts() {
    Program p(QStringLiteral("Chinese"));
    const QString saved = p.dir.Path("saved.dat");
    p.view->Encode();
    QVERIFY(SaveDatFile(saved.toStdString(), p.view->Document().Image()));
    p.view->Grid()->SetTextMatrix(1, 1, "438.50000");
    p.view->Grid()->SetTextMatrix(1, 2, "438.50000");
    const QString shown = Compare(p, saved);
    QVERIFY2(shown.startsWith(QString::fromUtf8("信道1: ")) &&
                 shown.endsWith(QString::fromUtf8("-> 空")),
             qPrintable(shown));
  }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
