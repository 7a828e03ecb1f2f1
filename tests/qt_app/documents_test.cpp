// Documents through the program: New, Open, Save, Close and Channel
// Information, Product Information, Compare With, and the save prompt when
// quitting.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "app/qt/command_ids.h"
#include "app/qt/compare_dlg.h"
#include "app_fixture.h"
#include "editor/qt/cell_editors.h"
#include "model/channel_codec.h"

using namespace selkan;
using namespace selkan::test;

namespace {

QString SavedRx(const QString& path, int channel) {
  const DatLoadResult saved = LoadDatFile(path.toStdString());
  return QString::fromStdString(
      Cell(DecodeChannels(saved.image, Language::English)[channel - 1], kColRx));
}

}  // namespace

class DocumentsTest : public QObject {
  Q_OBJECT
 private slots:
  // What the grid holds is saved; saving marks the point of the history that
  // counts as unchanged; a file opened and saved again keeps every byte.
  void saveWritesTheGridAndOpenSaveRoundTripsByteForByte() {
    Program p;
    QApplication::clipboard()->setText("145.5\n");
    p.view->SelectCells({199, 1, 199, 1});
    p.view->OnEditPaste();
    p.answers.paths = {p.dir.Path("first.dat")};
    QVERIFY(p.frame->OnFileSave());
    QCOMPARE(p.answers.prompts[0].proposedPath, QStringLiteral("Selkan.dat"));
    QCOMPARE(SavedRx(p.dir.Path("first.dat"), 199), QStringLiteral("145.50000"));
    QVERIFY(!p.child->Document().IsModified());
    p.view->OnEditUndo();
    QVERIFY(p.child->Document().IsModified());
    p.view->OnEditRedo();
    QVERIFY(!p.child->Document().IsModified());

    const QByteArray first = p.dir.ReadFile("first.dat");
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("first.dat")));
    p.answers.paths = {p.dir.Path("second.dat")};
    QVERIFY(p.frame->OnFileSaveAs());
    QCOMPARE(p.dir.ReadFile("second.dat"), first);
    QVERIFY(p.frame->OnFileSave());  // an opened document's file, without asking
    QCOMPARE(p.answers.prompts.size(), std::size_t{2});
    QVERIFY(p.frame->close());
    QVERIFY(p.answers.messages.empty());
  }

  void cancelledAndFailedSavesAndOpensAreFalse() {
    Program p;
    p.answers.paths = {QString(), p.dir.Path("no/such/folder/x.dat")};
    QVERIFY(!p.frame->OnFileSave());  // cancelled: nothing written, nothing said
    QVERIFY(p.answers.messages.empty());
    QVERIFY(!p.frame->OnFileSave());
    QVERIFY(!p.frame->OpenDocumentFile(p.dir.Path("absent.dat")));
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QVERIFY(p.answers.messages[0].text.contains("x.dat"));
    QVERIFY(p.answers.messages[1].text.contains("absent.dat"));
    p.dir.WriteFile("short.dat", QByteArray(4095, '\x11'));
    QVERIFY(!p.frame->OpenDocumentFile(p.dir.Path("short.dat")));
    QCOMPARE(p.answers.messages.back().text, QStringLiteral("Data Format Error"));
    QCOMPARE(p.frame->Children().size(), 1);
    QVERIFY(p.child->isVisible());
  }

  // The close box and File > Close only hide a document window; Channel
  // Information and opening its file again bring it back with its edits.
  void closedWindowsKeepTheirEdits() {
    Program p;
    p.child->Document().Image()[0xC80] = 0x5A;
    QVERIFY(!p.child->close());
    QVERIFY(!p.child->isVisible());
    p.frame->Action(command::kChannelInformation)->trigger();
    QVERIFY(p.child->isVisible());
    QCOMPARE(p.child->Document().Image()[0xC80], 0x5A);

    p.dir.WriteFile("a.dat", Bytes(BlankImage()));
    p.answers.paths = {p.dir.Path("a.dat")};
    p.frame->Action(command::kFileOpen)->trigger();
    QVERIFY(!p.child->isVisible());
    CChildFrame* a = p.frame->Children().back();
    a->Document().Image()[0xC80] = 0x11;
    p.frame->Action(command::kFileClose)->trigger();
    QVERIFY(!a->isVisible());
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("./a.dat")));
    QCOMPARE(p.frame->Children().size(), 2);
    QCOMPARE(p.frame->ActiveChild(), a);
    QCOMPARE(a->Document().Image()[0xC80], 0x11);
  }

  void newAsksFirstAndReplacesOnlyOnOk() {
    Program p;
    QPointer<CChildFrame> first = p.child;
    p.answers.buttons = {QMessageBox::Cancel, QMessageBox::Ok};
    QVERIFY(!p.frame->OnFileNew());
    QCOMPARE(p.answers.messages.back().text, QStringLiteral("All data will be Cleared!"));
    QVERIFY(first);
    p.frame->Action(command::kFileNew)->trigger();
    QTRY_VERIFY(!first);
    QCOMPARE(p.frame->Children().size(), 1);
  }

  // OK is one step of the history and sets band limits and caption; Cancel
  // changes nothing.
  void productInformationOkAndCancel() {
    Program p;
    NextDialog ok([](QDialog* dialog) {
      dialog->findChild<QComboBox*>("bandList")->setCurrentIndex(1);
      dialog->accept();
    });
    p.frame->Action(command::kProductInformation)->trigger();
    QCOMPARE(p.view->GetBandLimits().lower, 40000000);
    QCOMPARE(p.frame->windowTitle(), QStringLiteral("Selkan  [ Type:SK-100  Fre:400 - 470MHz ]"));
    QVERIFY(p.child->Document().IsModified());
    QCOMPARE(p.started.registryPtr->ReadValueOrZero("Software\\Selkan", "Field"), 1u);
    p.frame->Action(command::kEditUndo)->trigger();
    QCOMPARE(p.child->Document().Image()[offset::kBandIndex], 0);
    QCOMPARE(p.view->GetBandLimits().lower, 13600000);
    QVERIFY(!p.child->Document().IsModified());
    NextDialog cancel([](QDialog* dialog) {
      dialog->findChild<QComboBox*>("bandList")->setCurrentIndex(1);
      dialog->reject();
    });
    p.frame->OnProductInformation();
    QCOMPARE(p.view->GetBandLimits().lower, 13600000);
    QVERIFY(!p.child->Document().IsModified());
  }

  void quittingAsksPerModifiedDocument() {
    Program p;
    p.dir.WriteFile("a.dat", Bytes(BlankImage()));
    QVERIFY(p.frame->OpenDocumentFile(p.dir.Path("a.dat")));
    const auto children = p.frame->Children();
    children[0]->Document().SetModified(true);
    children[1]->Document().SetModified(true);
    children[1]->Document().Image()[0xC80] = 0x33;
    p.answers.buttons = {QMessageBox::Discard, QMessageBox::Cancel};
    QVERIFY(!p.frame->close());
    QCOMPARE(p.answers.messages.size(), std::size_t{2});
    QVERIFY(p.answers.messages[1].text.contains("a.dat"));
    QVERIFY(p.frame->isVisible());
    p.answers.buttons = {QMessageBox::Discard, QMessageBox::Save};
    QVERIFY(p.frame->close());
    QCOMPARE(static_cast<quint8>(p.dir.ReadFile("a.dat")[0xC80]), quint8{0x33});
  }

  void quittingWithACellEditorOpenAsksToSaveWhatWasTyped() {
    Program p;
    p.view->Grid()->SetRow(2);  // opens the Rx editor over channel 2
    p.view->CellEditors()->RxEditor()->setText("136.5");
    p.answers.buttons = {QMessageBox::Save};
    p.answers.paths = {p.dir.Path("typed.dat")};
    QVERIFY(p.frame->close());
    QCOMPARE(p.answers.messages.size(), std::size_t{1});
    QCOMPARE(SavedRx(p.dir.Path("typed.dat"), 2), QStringLiteral("136.50000"));
  }

  // Compare With takes the document as the grid shows it.
  void compareSeesTheGridsEdits() {
    Program p;
    const QString saved = p.dir.Path("saved.dat");
    p.view->Encode();
    QVERIFY(SaveDatFile(saved.toStdString(), p.view->Document().Image()));
    p.view->Grid()->SetTextMatrix(2, 1, "438.50000");
    p.view->Grid()->SetTextMatrix(2, 2, "438.50000");
    p.answers.paths = {saved};
    QString shown;
    NextDialog look([&shown](QDialog* dialog) {
      shown = qobject_cast<CCompareDlg*>(dialog)->Differences();
      dialog->reject();
    });
    p.frame->Action(command::kFileCompare)->trigger();
    QVERIFY2(shown.startsWith("Channel 2: 438.50000, 438.50000,"), qPrintable(shown));
  }
};

QTEST_MAIN(DocumentsTest)
#include "documents_test.moc"
