// Printing from the program: Print (with and without its dialog) and Export
// PDF take the active document's grid.
#include <QAction>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app_fixture.h"
#include "editor/qt/ms_flex_grid.h"

using namespace selkan;
using namespace selkan::test;

namespace {

// Eight channels in the grid, a gap among them: three pages.
void FillGrid(CSelkanView* view) {
  for (int row : {1, 2, 3, 5, 6, 7, 8, 30})
    view->Grid()->SetTextMatrix(row, 1, QStringLiteral("438.10000"));
}

QString PdfText(const QString& path) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), path, QStringLiteral("-")});
  process.waitForFinished();
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintCommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void printAsksForPagesAndPrintDirectDoesNot() {
    Program p;
    FillGrid(p.view);
    int lastPage = 0;
    NextDialog answer([&lastPage](QDialog* dialog) {
      auto* print = qobject_cast<QPrintDialog*>(dialog);
      QVERIFY(print);
      lastPage = print->maxPage();
      dialog->reject();  // cancelled: nothing printed
    });
    const QString path = p.dir.Path("printed.pdf");
    p.frame->Printer().setOutputFormat(QPrinter::PdfFormat);
    p.frame->Printer().setOutputFileName(path);
    p.frame->Action(command::kFilePrint)->trigger();
    QCOMPARE(lastPage, 3);
    QVERIFY(!QFile::exists(path));
    p.frame->Action(command::kFilePrintDirect)->trigger();
    const QString text = PdfText(path);
    QVERIFY2(text.contains("Page 3 of 3") && text.contains("Channel 30:"), qPrintable(text));
  }

  // In the program's language; a file that cannot be written is said.
  void exportPdfWritesTheListingOrSaysWhyNot() {
    Program p(QStringLiteral("Chinese"));
    FillGrid(p.view);
    const QString path = p.dir.Path("listing.pdf");
    p.answers.paths = {path, p.dir.Path("no/such/dir/x.pdf")};
    p.frame->Action(command::kExportPdf)->trigger();
    QVERIFY(PdfText(path).contains(QString::fromUtf8("信道30:")));
    QVERIFY(p.answers.messages.empty());
    p.frame->Action(command::kExportPdf)->trigger();
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QVERIFY(p.answers.messages[0].text.contains("x.pdf"));
  }
};

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
