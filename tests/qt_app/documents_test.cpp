// Documents through the program: New, Open, Save, Close and Channel
// Information, Product Information, and the save prompt when quitting.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app/qt/mdi_client_wnd.h"
#include "app_fixture.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "model/channel_codec.h"
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
    Program p;
    // A new document proposes the product's name when first saved.
    p.answers.paths = {p.dir.Path("first.dat")};
    QVERIFY(p.frame->OnFileSave());
    QCOMPARE(p.answers.prompts.size(), std::size_t{1});
    QCOMPARE(p.answers.prompts[0].kind, FilePromptKind::Save);
    QCOMPARE(p.answers.prompts[0].proposedPath, QStringLiteral("Selkan.dat"));
    const QByteArray first = p.dir.ReadFile("first.dat");
    QCOMPARE(first.size(), 4096);
    QCOMPARE(first.mid(0xFE0, 9), QByteArray::fromHex("5FB8040504020000 01"));
    QCOMPARE(first.mid(0xFD0, 2), QByteArray::fromHex("0000"));
    QCOMPARE(static_cast<quint8>(first[16 + 12]), quint8{0xE1});  // flags after encode
    // Open it and save it under another name: the same bytes; Save of an
    // opened document then writes its file without asking.
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("first.dat")));
    p.answers.paths = {p.dir.Path("second.dat")};
    QVERIFY(p.frame->OnFileSaveAs());
    QCOMPARE(p.dir.ReadFile("second.dat"), first);
    QVERIFY(p.frame->OnFileSave());
    QCOMPARE(p.answers.prompts.size(), std::size_t{2});
    QVERIFY(p.answers.messages.empty());
  }

  void failedSaveAndOpenAreReportedByName() {
    Program p;
    p.answers.paths = {QString(), p.dir.Path("no/such/folder/x.dat")};
    QVERIFY(!p.frame->OnFileSave());  // cancelled: nothing written, nothing said
    QVERIFY(!QFile::exists(p.dir.Path("Selkan.dat")));
    QVERIFY(p.answers.messages.empty());
    QVERIFY(!p.frame->OnFileSave());
    QVERIFY(!p.frame->OpenDocumentFile(p.dir.Path("absent.dat")));
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QVERIFY(p.answers.messages[0].text.contains("x.dat"));
    QVERIFY(p.answers.messages[1].text.contains("absent.dat"));
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
    Program p(language);
    p.dir.WriteFile("short.dat", QByteArray(4095, '\x11'));
    QVERIFY(!p.frame->OpenDocumentFile(p.dir.Path("short.dat")));
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QCOMPARE(p.answers.messages[0].text, message);
    QCOMPARE(p.frame->Children().size(), 1);
    QVERIFY(p.child->isVisible());
  }

  void longerFileOpensAndLosesItsTailOnSave() {
    Program p;
    p.dir.WriteFile("long.dat", Bytes(BlankImage()) + '\x77');
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("long.dat")));
    QVERIFY(p.frame->OnFileSave());
    QCOMPARE(p.dir.ReadFile("long.dat").size(), 4096);
  }

  void openHidesThePreviousWindow() {
    Program p;
    p.dir.WriteFile("a.dat", Bytes(BlankImage()));
    p.answers.paths = {p.dir.Path("a.dat")};
    p.frame->Action(command::kFileOpen)->trigger();
    QCOMPARE(p.frame->Children().size(), 2);
    QVERIFY(!p.child->isVisible());
    QVERIFY(p.frame->Children().back()->isVisible());
    QCOMPARE(p.frame->ActiveChild(), p.frame->Children().back());
  }

  void closeHidesAndChannelInformationBringsBackTheEdits() {
    Program p;
    p.child->Document().Image()[0xC80] = 0x5A;
    p.frame->showNormal();
    p.frame->resize(400, 300);
    QScrollBar* across = p.frame->Client()->horizontalScrollBar();
    QTRY_VERIFY(across->maximum() > 0);  // the document window is wider than the area
    QVERIFY(!p.child->close());          // the close box only hides
    QVERIFY(!p.child->isVisible());
    QCOMPARE(across->maximum(), 0);  // nothing left to scroll to
    QVERIFY(p.frame->HasDocumentMenu());
    p.frame->Action(command::kChannelInformation)->trigger();
    QVERIFY(p.child->isVisible());
    QVERIFY(across->maximum() > 0);
    QCOMPARE(p.child->Document().Image()[0xC80], 0x5A);
    p.frame->Action(command::kFileClose)->trigger();
    QVERIFY(!p.child->isVisible());
    QCOMPARE(p.frame->Children().size(), 1);
  }

  void newAsksFirstAndReplacesOnlyOnOk() {
    Program p;
    QPointer<CChildFrame> first = p.child;
    p.answers.buttons = {QMessageBox::Cancel};
    QVERIFY(!p.frame->OnFileNew());
    QCOMPARE(p.answers.messages.back().text, QStringLiteral("All data will be Cleared!"));
    QCOMPARE(p.answers.messages.back().caption, QStringLiteral("Selkan Radio"));
    QVERIFY(first);
    first->Document().SetModified(true);  // no save prompt for New
    p.answers.buttons = {QMessageBox::Ok};
    p.frame->Action(command::kFileNew)->trigger();
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QTRY_VERIFY(!first);
    QCOMPARE(p.frame->Children().size(), 1);
  }

  void productInformationOkSetsBandCaptionAndModifiedMark() {
    Program p;
    QVERIFY(!p.child->Document().IsModified());
    WhenDialogOpens([](QDialog* dialog) {
      auto* types = dialog->findChild<QComboBox*>("typeList");
      auto* bands = dialog->findChild<QComboBox*>("bandList");
      QVERIFY(types && bands);
      types->setCurrentIndex(0);
      bands->setCurrentIndex(1);
      dialog->accept();
    });
    p.frame->Action(command::kProductInformation)->trigger();
    QCOMPARE(p.view->GetBandLimits().lower, 40000000);
    QCOMPARE(p.view->GetBandLimits().upper, 47000000);
    QCOMPARE(p.frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-100  Fre:400 - 470MHz ]"));
    QCOMPARE(p.child->Document().Image()[offset::kBandIndex], 1);
    QVERIFY(p.child->Document().IsModified());
    QCOMPARE(p.started.registryPtr->ReadValueOrZero("Software\\Selkan", "Field"), 1u);
    // OK is one step: undone, the band and its limits are the old ones.
    p.frame->Action(command::kEditUndo)->trigger();
    QCOMPARE(p.child->Document().Image()[offset::kBandIndex], 0);
    QCOMPARE(p.view->GetBandLimits().lower, 13600000);
    QCOMPARE(p.frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-100  Fre:136 - 174MHz ]"));
    QVERIFY(!p.child->Document().IsModified());
    p.frame->Action(command::kEditRedo)->trigger();
    // Cancel changes nothing.
    p.child->Document().SetModified(false);
    WhenDialogOpens([](QDialog* dialog) { dialog->reject(); });
    p.frame->OnProductInformation();
    QCOMPARE(p.frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-100  Fre:400 - 470MHz ]"));
    QVERIFY(!p.child->Document().IsModified());
  }

  void quittingAsksPerModifiedDocument() {
    Program p;
    p.dir.WriteFile("a.dat", Bytes(BlankImage()));
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("a.dat")));
    const auto children = p.frame->Children();
    QCOMPARE(children.size(), 2);
    children[0]->Document().SetModified(true);
    children[1]->Document().SetModified(true);
    children[1]->Document().Image()[0xC80] = 0x33;

    p.answers.buttons = {QMessageBox::Discard, QMessageBox::Cancel};
    QVERIFY(!p.frame->close());
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QVERIFY(p.answers.messages[0].text.contains("Channel Information"));
    QVERIFY(p.answers.messages[1].text.contains("a.dat"));
    QVERIFY(p.answers.messages[1].buttons.testFlag(QMessageBox::Discard));
    QVERIFY(p.frame->isVisible());
    p.answers.buttons = {QMessageBox::Discard, QMessageBox::Save};
    QVERIFY(p.frame->close());
    QCOMPARE(static_cast<quint8>(p.dir.ReadFile("a.dat")[0xC80]), quint8{0x33});
  }

  void quittingWithACellEditorOpenAsksToSaveWhatWasTyped() {
    Program p;
    const QString rx = QString::number(p.view->GetBandLimits().lower / 100000.0, 'f', 5);
    p.view->Grid()->SetRow(2);  // opens the Rx editor over channel 2
    p.view->CellEditors()->RxEditor()->setText(rx);
    p.answers.buttons = {QMessageBox::Save};
    p.answers.paths = {p.dir.Path("typed.dat")};
    QVERIFY(p.frame->close());
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    const DatLoadResult saved = LoadDatFile(p.dir.Path("typed.dat").toStdString());
    QCOMPARE(
        QString::fromStdString(Cell(DecodeChannels(saved.image, Language::English)[1], kColRx)),
        rx);
  }

  void quittingWithNothingModifiedAsksNothing() {
    Program p;
    QVERIFY(p.frame->close());
    QVERIFY(p.answers.messages.empty());
  }

  void savingMarksThePointOfTheHistoryThatCountsAsUnchanged() {
    Program p;
    QApplication::clipboard()->setText("145.5\n");
    p.view->SelectCells({1, 1, 1, 1});
    p.view->OnEditPaste();
    QVERIFY(p.child->Document().IsModified());
    p.answers.paths = {p.dir.Path("saved.dat")};
    QVERIFY(p.frame->OnFileSave());
    QVERIFY(!p.child->Document().IsModified());
    p.view->OnEditUndo();  // the document differs from its file again
    QVERIFY(p.child->Document().IsModified());
    p.view->OnEditRedo();
    QVERIFY(!p.child->Document().IsModified());
    QVERIFY(p.frame->close());
    QVERIFY(p.answers.messages.empty());
  }

  void openingAFileThatIsOpenBringsBackItsWindow() {
    Program p;
    p.dir.WriteFile("a.dat", Bytes(BlankImage()));
    p.answers.paths = {p.dir.Path("a.dat")};
    p.frame->Action(command::kFileOpen)->trigger();
    // Open lets the user pick any file, not only *.dat ones.
    QVERIFY(p.answers.prompts[0].filter.contains("*.dat"));
    QVERIFY(p.answers.prompts[0].filter.contains("All Files (*)"));
    CChildFrame* a = p.frame->Children().back();
    a->Document().Image()[0xC80] = 0x11;  // an edit that a second copy would hide
    a->close();
    p.frame->OnChannelInformation();  // the first document is active again
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("./a.dat")));
    QCOMPARE(p.frame->Children().size(), 2);
    QCOMPARE(p.frame->ActiveChild(), a);
    QVERIFY(a->isVisible());
    QCOMPARE(a->Document().Image()[0xC80], 0x11);
  }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
