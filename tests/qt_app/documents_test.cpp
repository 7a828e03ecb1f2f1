// Documents through the program: New, Open, Save, Close and Channel
// Information, Product Information, and the save prompt when quitting.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "app/qt/child_frame.h"
#include "app/qt/command_ids.h"
#include "app/qt/main_frame.h"
#include "app/qt/mdi_client_wnd.h"
#include "app_fixture.h"
#include "editor/qt/selkan_view.h"
#include "model/radio_image.h"

using namespace selkan;
using namespace selkan::test;

namespace {

QByteArray Bytes(const RadioImage& image) {
  return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<int>(image.size()));
}

// Runs f when the next modal dialog is up (the program is then inside exec()).
template <typename F>
void WhenDialogOpens(F f) {
  QTimer::singleShot(0, [f] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    f(dialog);
  });
}

}  // namespace

class DocumentsTest : public QObject {
  Q_OBJECT
 private slots:
  void newSaveOpenSaveRoundTripsByteForByte() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    // A new document proposes the product's name when first saved.
    answers.paths = {dir.Path("first.dat")};
    QVERIFY(frame->OnFileSave());
    QCOMPARE(answers.prompts.size(), std::size_t{1});
    QCOMPARE(answers.prompts[0].kind, FilePromptKind::Save);
    QCOMPARE(answers.prompts[0].proposedPath, QStringLiteral("Selkan.dat"));
    const QByteArray first = dir.ReadFile("first.dat");
    QCOMPARE(first.size(), 4096);
    QCOMPARE(first.mid(0xFE0, 9), QByteArray::fromHex("5FB8040504020000 01"));
    QCOMPARE(first.mid(0xFD0, 2), QByteArray::fromHex("0000"));
    QCOMPARE(static_cast<quint8>(first[16 + 12]), quint8{0xE1});  // flags after encode

    // Open it and save it under another name: the same bytes.
    QVERIFY(frame->OpenDocumentFile(dir.Path("first.dat")));
    answers.paths = {dir.Path("second.dat")};
    QVERIFY(frame->OnFileSaveAs());
    QCOMPARE(dir.ReadFile("second.dat"), first);
    // Save of an opened document writes its file without asking.
    QVERIFY(frame->OnFileSave());
    QCOMPARE(answers.prompts.size(), std::size_t{2});
    QVERIFY(answers.messages.empty());
  }

  void cancelledSaveWritesNothing() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    answers.paths = {QString()};
    QVERIFY(!started.app.MainFrame()->OnFileSave());
    QVERIFY(!QFile::exists(dir.Path("Selkan.dat")));
  }

  void saveIntoMissingFolderIsReported() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    answers.paths = {dir.Path("no/such/folder/x.dat")};
    QVERIFY(!started.app.MainFrame()->OnFileSave());
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QVERIFY(answers.messages[0].text.contains("x.dat"));
  }

  void shortFileGivesDataFormatErrorAndKeepsTheWindows_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << "English"
                             << "Data Format Error";
    QTest::newRow("Chinese") << "Chinese" << QString::fromUtf8("数据格式不正确");
  }
  void shortFileGivesDataFormatErrorAndKeepsTheWindows() {
    QFETCH(QString, language);
    QFETCH(QString, message);
    ProgramDir dir(language);
    dir.WriteFile("short.dat", QByteArray(4095, '\x11'));
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    CChildFrame* before = frame->Children().front();
    QVERIFY(!frame->OpenDocumentFile(dir.Path("short.dat")));
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QCOMPARE(answers.messages[0].text, message);
    QCOMPARE(frame->Children().size(), 1);
    QVERIFY(before->isVisible());
  }

  void missingFileIsReportedByName() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    QVERIFY(!started.app.MainFrame()->OpenDocumentFile(dir.Path("absent.dat")));
    QCOMPARE(answers.messages.size(), std::size_t{1});
    QVERIFY(answers.messages[0].text.contains("absent.dat"));
  }

  void longerFileOpensAndLosesItsTailOnSave() {
    ProgramDir dir;
    QByteArray bytes = Bytes(BlankImage());
    bytes.append('\x77');
    dir.WriteFile("long.dat", bytes);
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    QVERIFY(frame->OpenDocumentFile(dir.Path("long.dat")));
    QVERIFY(frame->OnFileSave());
    QCOMPARE(dir.ReadFile("long.dat").size(), 4096);
  }

  void openHidesThePreviousWindow() {
    ProgramDir dir;
    dir.WriteFile("a.dat", Bytes(BlankImage()));
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    CChildFrame* first = frame->Children().front();
    answers.paths = {dir.Path("a.dat")};
    frame->Action(command::kFileOpen)->trigger();
    QCOMPARE(frame->Children().size(), 2);
    QVERIFY(!first->isVisible());
    QVERIFY(frame->Children().back()->isVisible());
    QCOMPARE(frame->ActiveChild(), frame->Children().back());
  }

  void closeHidesAndChannelInformationBringsBackTheEdits() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    CChildFrame* child = frame->Children().front();
    child->Document().Image()[0xC80] = 0x5A;
    QScrollBar* across = frame->Client()->horizontalScrollBar();
    QVERIFY(across->maximum() > 0);  // the document window is wider than the area
    QVERIFY(!child->close());        // the close box only hides
    QVERIFY(!child->isVisible());
    QCOMPARE(across->maximum(), 0);  // nothing left to scroll to
    QVERIFY(frame->HasDocumentMenu());
    frame->Action(command::kChannelInformation)->trigger();
    QVERIFY(child->isVisible());
    QVERIFY(across->maximum() > 0);
    QCOMPARE(child->Document().Image()[0xC80], 0x5A);

    frame->Action(command::kFileClose)->trigger();
    QVERIFY(!child->isVisible());
    QCOMPARE(frame->Children().size(), 1);
    frame->OnChannelInformation();
    QVERIFY(child->isVisible());
  }

  void newAsksFirstAndReplacesOnlyOnOk() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    QPointer<CChildFrame> first = frame->Children().front();
    answers.buttons = {QMessageBox::Cancel};
    QVERIFY(!frame->OnFileNew());
    QCOMPARE(answers.messages.back().text, QStringLiteral("All data will be Cleared!"));
    QCOMPARE(answers.messages.back().caption, QStringLiteral("Selkan Radio"));
    QVERIFY(first);
    QCOMPARE(frame->Children().size(), 1);

    first->Document().SetModified(true);  // no save prompt for New
    answers.buttons = {QMessageBox::Ok};
    frame->Action(command::kFileNew)->trigger();
    QCOMPARE(answers.messages.size(), std::size_t{2});
    QTRY_VERIFY(!first);
    QCOMPARE(frame->Children().size(), 1);
  }

  void productInformationOkSetsBandCaptionAndModifiedMark() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    CChildFrame* child = frame->Children().front();
    QVERIFY(!child->Document().IsModified());
    WhenDialogOpens([](QDialog* dialog) {
      auto* types = dialog->findChild<QComboBox*>("typeList");
      auto* bands = dialog->findChild<QComboBox*>("bandList");
      QVERIFY(types && bands);
      QCOMPARE(types->count(), 3);
      types->setCurrentIndex(0);
      bands->setCurrentIndex(1);
      dialog->accept();
    });
    frame->Action(command::kProductInformation)->trigger();
    const BandLimits limits = child->View()->GetBandLimits();
    QCOMPARE(limits.lower, 40000000);
    QCOMPARE(limits.upper, 47000000);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-100  Fre:400 - 470MHz ]"));
    QCOMPARE(child->Document().Image()[offset::kBandIndex], 1);
    QVERIFY(child->Document().IsModified());
    QCOMPARE(started.registryPtr->ReadValueOrZero("Software\\Selkan", "Field"), 1u);
  }

  void productInformationCancelChangesNothing() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    const QString caption = frame->windowTitle();
    WhenDialogOpens([](QDialog* dialog) { dialog->reject(); });
    frame->OnProductInformation();
    QCOMPARE(frame->windowTitle(), caption);
    QVERIFY(!frame->Children().front()->Document().IsModified());
  }

  void quittingAsksPerModifiedDocument() {
    ProgramDir dir;
    dir.WriteFile("a.dat", Bytes(BlankImage()));
    Answers answers;
    StartedApp started(dir);
    CMainFrame* frame = started.app.MainFrame();
    QVERIFY(frame->OpenDocumentFile(dir.Path("a.dat")));
    const auto children = frame->Children();
    QCOMPARE(children.size(), 2);
    // Unmodified documents ask nothing.
    children[0]->Document().SetModified(true);
    children[1]->Document().SetModified(true);
    children[1]->Document().Image()[0xC80] = 0x33;

    answers.buttons = {QMessageBox::Discard, QMessageBox::Cancel};
    QVERIFY(!frame->close());
    QCOMPARE(answers.messages.size(), std::size_t{2});
    QVERIFY(answers.messages[0].text.contains("Channel Information"));
    QVERIFY(answers.messages[1].text.contains("a.dat"));
    QVERIFY(answers.messages[1].buttons.testFlag(QMessageBox::Discard));
    QVERIFY(frame->isVisible());

    answers.buttons = {QMessageBox::Discard, QMessageBox::Save};
    QVERIFY(frame->close());
    QCOMPARE(static_cast<quint8>(dir.ReadFile("a.dat")[0xC80]), quint8{0x33});
  }

  void quittingWithNothingModifiedAsksNothing() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    QVERIFY(started.app.MainFrame()->close());
    QVERIFY(answers.messages.empty());
  }

  void editInTheViewMarksTheDocumentModified() {
    ProgramDir dir;
    Answers answers;
    StartedApp started(dir);
    CChildFrame* child = started.app.MainFrame()->Children().front();
    emit child->View()->edited();
    QVERIFY(child->Document().IsModified());
    answers.paths = {dir.Path("saved.dat")};
    QVERIFY(started.app.MainFrame()->OnFileSave());
    QVERIFY(!child->Document().IsModified());
  }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
