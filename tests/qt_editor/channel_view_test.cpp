// The channel view as its user drives it: decode and encode, the product
// step, the in-cell editors, the history, selection, clipboard and moves.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include "editor/clipboard_text.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "model/selkan_doc.h"
#include "platform/qt/message_box.h"
#include "product_profile_fixture.h"

using namespace selkan;
using selkan::testing::kRegistryKey;
using selkan::testing::ProductProfileFixture;
using selkan::testing::ProfileText;

namespace {

const QStringList kEmptyRow = {"", "", "", "", "", "", ""};
const QStringList kChannel = {"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"};

// Channel n: Rx 145.12500, Tx 145.72500, decode tone 88.5 Hz, encode D023N,
// high power, scan on, wide.
void PutChannel(RadioImage& image, int n) {
  const std::uint8_t record[16] = {0x00, 0x25, 0x51, 0x14, 0x00, 0x25, 0x57, 0x14,
                                   0x85, 0x08, 0x23, 0x80, 0x1A, 0x00, 0x00, 0x00};
  std::copy(std::begin(record), std::end(record), image.begin() + offset::Channel(n));
}

QByteArray RecordStart(const RadioImage& image, int channel) {
  return QByteArray(reinterpret_cast<const char*>(image.data() + offset::Channel(channel)), 4);
}

}  // namespace

class ChannelViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProductProfileFixture> fixture_;
  CSelkanDoc document_;
  std::unique_ptr<CSelkanView> view_;
  QList<MessageRequest> messages_;

  // A shown view of an SK-100 on its 400 - 470 MHz band.
  void MakeView() {
    view_.reset();
    fixture_ = std::make_unique<ProductProfileFixture>(ProfileText("English"));
    QVERIFY(fixture_->loaded);
    document_.Image()[offset::kRadioType] = 0;
    document_.Image()[offset::kBandIndex] = 1;
    view_ = std::make_unique<CSelkanView>(
        document_, ViewContext{&fixture_->settings, &fixture_->profile, &fixture_->registry});
    view_->OnInitialUpdate();
    view_->show();
    view_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  }
  // The same with channels 1 to 3 in use.
  void MakeFilledView() {
    MakeView();
    for (int r = 1; r <= 3; ++r) {
      QStringList row = kChannel;
      row[0] = QString("44%1.00000").arg(r);
      PutRow(r, row);
    }
  }
  CMSFlexGrid& Grid() { return *view_->Grid(); }
  CCellEditors& Editors() { return *view_->CellEditors(); }
  QUndoStack& History() { return *view_->UndoStack(); }
  QStringList Row(int r) {
    QStringList texts;
    for (int c = 1; c < 8; ++c) texts << Grid().GetTextMatrix(r, c);
    return texts;
  }
  void PutRow(int r, const QStringList& texts) {
    for (int c = 1; c < 8; ++c) Grid().SetTextMatrix(r, c, texts.value(c - 1));
  }
  void Click(int row, int col, Qt::KeyboardModifiers modifiers = {}) {
    GridTable* table = Grid().Table();
    const QModelIndex index = table->model()->index(row - 1, col - 1);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                      table->visualRect(index).center());
  }
  QLineEdit* OpenEdit() { return qobject_cast<QLineEdit*>(Editors().OpenEditor()); }
  // Clicks a frequency cell and replaces its text by typing.
  QLineEdit* TypeInto(int row, int col, const QString& text) {
    Click(row, col);
    QLineEdit* edit = OpenEdit();
    if (edit == nullptr) return nullptr;
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    return edit;
  }
  // Keys go where the user's would: the open editor, else the grid.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* open = Editors().OpenEditor();
    QTest::keyClick(open != nullptr ? open : Grid().Table(), key, modifiers);
  }
  QString Where() { return QString("%1,%2").arg(Grid().GetRow()).arg(Grid().GetCol()); }

 private slots:
  void init() {
    document_ = CSelkanDoc();
    document_.Image() = BlankImage();
    SetBlankDocumentFlag(false);
    messages_.clear();
    SetMessageHandler([this](const MessageRequest& request) {
      messages_ << request;
      return QMessageBox::Ok;
    });
  }
  void cleanup() {
    view_.reset();
    fixture_.reset();
    SetMessageHandler({});
  }

  // Both ends of the channel list go through the grid and back; an emptied
  // row is written back as an unused record.
  void everyChannelIsDecodedAndEncoded() {
    PutChannel(document_.Image(), 1);
    PutChannel(document_.Image(), 4);
    PutChannel(document_.Image(), 199);
    auto* two = document_.Image().data() + offset::Channel(2);  // receive only
    two[0] = 0x00, two[1] = 0x25, two[2] = 0x51, two[3] = 0x14;
    MakeView();
    QCOMPARE(Row(1),
             QStringList({"145.12500", "145.72500", "88.5", "D023N", "High", "On", "Wide"}));
    QCOMPARE(Row(2), QStringList({"145.12500", "", "", "", "", "", ""}));
    QCOMPARE(Row(199), Row(1));
    QCOMPARE(view_->GetBandLimits().lower, 40000000);
    QCOMPARE(view_->GetBandLimits().upper, 47000000);

    const RadioImage decoded = document_.Image();
    PutRow(199, {"136.00625", "136.00625", "", "", "中", "On", ""});  // either language's word
    PutRow(1, kEmptyRow);
    view_->Encode();
    QVERIFY(std::equal(decoded.begin() + offset::Channel(4), decoded.begin() + offset::Channel(5),
                       document_.Image().begin() + offset::Channel(4)));
    QCOMPARE(RecordStart(document_.Image(), 199), QByteArray("\x25\x06\x60\x13", 4));
    QCOMPARE(int(document_.Image()[offset::Channel(199) + 12] & 0x1E), 0x04 | 0x08);
    QCOMPARE(int(document_.Image()[offset::Channel(1) + 3]), 0xFF);
  }

  // A new document takes type and band from the registry; a read image keeps
  // its own and stores them there.
  void productStepOfANewDocumentAndOfARead() {
    fixture_ = std::make_unique<ProductProfileFixture>(ProfileText("English"));
    fixture_->registry.WriteValue(kRegistryKey, "Type", 1);
    fixture_->registry.WriteValue(kRegistryKey, "Field", 2);
    SetBlankDocumentFlag(true);
    view_ = std::make_unique<CSelkanView>(
        document_, ViewContext{&fixture_->settings, &fixture_->profile, &fixture_->registry});
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    view_->OnInitialUpdate();
    QCOMPARE(int(document_.Image()[offset::kRadioType]), 1);
    QCOMPARE(int(document_.Image()[offset::kBandIndex]), 2);
    QCOMPARE(captions.count(), 1);
    QCOMPARE(captions.at(0).at(0).toString(),
             QString("Selkan Programmer  [ Type:SK-200  Fre:450 - 520MHz ]"));
    QCOMPARE(view_->GetBandLimits().lower, 45000000);

    RadioImage radio = BlankImage();
    radio[offset::kRadioType] = 0;
    radio[offset::kBandIndex] = 1;
    view_->TakeReadImage(radio);
    QVERIFY(!BlankDocumentFlag());
    QCOMPARE(int(document_.Image()[offset::kRadioType]), 0);
    QCOMPARE(fixture_->registry.ReadValueOrZero(kRegistryKey, "Field"), 1u);
    QCOMPARE(view_->GetBandLimits().lower, 40000000);
  }

  // A valid Rx on an empty row writes the row's defaults; Enter opens the
  // next cell's editor with its text.
  void enterCommitsAndAdvancesAlongTheRowAndWraps() {
    MakeView();
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    TypeInto(5, 1, "438.1");
    Key(Qt::Key_Return);
    QCOMPARE(Row(5), QStringList({"438.10000", "438.10000", "None", "None", "High", "On", "Wide"}));
    QCOMPARE(edited.count(), 1);
    QCOMPARE(OpenEdit(), Editors().TxEditor());
    QCOMPARE(OpenEdit()->text(), QString("438.10000"));

    // A channel outside the band: passing by its cells must not judge it.
    const QStringList outside = {"145.12500", "145.72500", "None", "None", "High", "On", "Wide"};
    PutRow(3, outside);
    PutRow(1, outside);
    Click(3, 7);
    Key(Qt::Key_Return);
    QCOMPARE(Where(), QString("4,1"));
    QCOMPARE(OpenEdit(), Editors().RxEditor());
    QCOMPARE(Row(3), outside);
    Click(199, 7);
    Key(Qt::Key_Return);
    QCOMPARE(Where(), QString("1,1"));
    QCOMPARE(OpenEdit()->text(), QString("145.12500"));
    QCOMPARE(Row(1), outside);
    QVERIFY(messages_.isEmpty());
  }

  // A rejected Rx empties the row and keeps the cell; a rejected Tx empties
  // only its cell and keeps it too; an emptied Tx takes the Rx.
  void rejectedFrequenciesKeepTheCell() {
    MakeView();
    PutRow(7, kChannel);
    TypeInto(7, 1, "438.003");
    Key(Qt::Key_Return);
    QCOMPARE(Row(7), kEmptyRow);
    QCOMPARE(Where(), QString("7,1"));
    QCOMPARE(Editors().OpenEditor(), nullptr);
    PutRow(4, kChannel);
    TypeInto(4, 2, "");
    Key(Qt::Key_Return);
    QCOMPARE(Grid().GetTextMatrix(4, 2), QString("440.00000"));
    TypeInto(4, 2, "480");
    Key(Qt::Key_Return);
    QCOMPARE(Row(4), QStringList({"440.00000", "", "88.5", "D023N", "Low", "Off", "Narrow"}));
    QCOMPARE(Where(), QString("4,2"));
    QCOMPARE(messages_.size(), 2);
    QCOMPARE(messages_[1].text, QString("Out of range,please input again."));
  }

  void encodeCommitsAnOpenEditorFirst() {
    MakeView();
    TypeInto(6, 1, "438.1");
    view_->Encode();
    QCOMPARE(Editors().OpenEditor(), nullptr);
    QCOMPARE(RecordStart(document_.Image(), 6), QByteArray("\x00\x00\x81\x43", 4));
  }

  void theEditorCoversItsCell() {
    MakeView();
    Click(3, 2);
    GridTable* table = Grid().Table();
    const QRect cell = table->visualRect(table->currentIndex())
                           .translated(table->viewport()->mapTo(&Grid(), QPoint(0, 0)));
    QCOMPARE(Editors().TxEditor()->geometry().topLeft(), cell.topLeft());
    QVERIFY(Editors().TxEditor()->hasFocus());
  }

  // Committing a cell's own text or pasting what is there is no step.
  void changesThatChangeNothingAreNoStep() {
    MakeFilledView();
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    Click(3, 1);
    Key(Qt::Key_Return);
    TypeInto(3, 2, "445.0");  // written back as 445.00000
    Key(Qt::Key_Return);
    QApplication::clipboard()->setText("441.00000\n");
    view_->SelectCells({1, 1, 1, 1});
    view_->OnEditPaste();
    QCOMPARE(edited.count(), 0);
    QCOMPARE(History().count(), 0);
  }

  void undoingADialogStepRestoresBandAndCaption() {
    MakeFilledView();
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    const RadioImage before = document_.Image();
    RadioImage after = before;
    after[offset::kBandIndex] = 0;
    document_.Image() = after;
    view_->SetBandLimits({13600000, 17400000});  // what the dialog's OK does
    view_->RecordImageChange(before, after, "Product Information");
    view_->OnEditUndo();
    QCOMPARE(document_.Image()[offset::kBandIndex], 1);
    QCOMPARE(view_->GetBandLimits().lower, 40000000);
    QCOMPARE(captions.count(), 1);
    QVERIFY(captions.at(0).at(0).toString().endsWith("Fre:400 - 470MHz ]"));
  }

  // Undo and redo in an editor with typing of its own edit the text; Escape
  // drops it; Shift+Down commits it as leaving the cell does.
  void keysInAnOpenEditorEditItsTextFirst() {
    MakeFilledView();
    QLineEdit* edit = TypeInto(5, 1, "43");
    QVERIFY(edit != nullptr);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString());
    Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("43"));
    Key(Qt::Key_Escape);
    QVERIFY(edit->isHidden());
    QCOMPARE(Grid().GetTextMatrix(5, 1), QString());
    edit = TypeInto(1, 1, "442.5");
    Key(Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(Editors().OpenEditor() == nullptr);
    QCOMPARE(Grid().GetTextMatrix(1, 1), QString("442.50000"));
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 2, 1}));
    QCOMPARE(History().count(), 1);
  }

  // A block selected with the mouse closes the editor; a command first
  // commits what is being typed.
  void selectingABlockOrACommandClosesTheEditor() {
    MakeFilledView();
    Click(2, 2);
    Click(4, 6, Qt::ShiftModifier);
    QCOMPARE(view_->SelectedRange(), (CellRange{2, 2, 4, 6}));
    QVERIFY(Editors().OpenEditor() == nullptr);
    TypeInto(5, 1, "438.1");
    view_->OnEditCopy();
    QVERIFY(Editors().OpenEditor() == nullptr);
    QCOMPARE(Grid().GetTextMatrix(5, 1), QString("438.10000"));
    QCOMPARE(QApplication::clipboard()->text().left(9), QString("438.10000"));
  }

  void copyGivesTabsAndForWholeChannelsTheListForm() {
    MakeFilledView();
    view_->SelectCells({1, 1, 2, 7});
    Key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QCOMPARE(mime->text().toStdString(), CellsAsTabText(view_->GridTexts(), {1, 1, 2, 7}));
    QCOMPARE(mime->data("text/csv").toStdString(), ChannelsAsCsvText(view_->GridTexts(), 1, 2));
    view_->SelectCells({1, 1, 2, 6});
    Key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat("text/csv"));
  }

  void aRefusedPasteValueIsSaid() {
    MakeFilledView();
    QApplication::clipboard()->setText("438.1\t\t69.9\n");
    view_->SelectCells({5, 1, 5, 1});
    view_->OnEditPaste();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].text.contains("Channel 5, QT/DQT Dec \"69.9\": "));
    QCOMPARE(Grid().GetTextMatrix(5, 1), QString("438.10000"));
  }

  void movedChannelsStaySelected() {
    MakeFilledView();
    view_->SelectCells({2, 1, 3, 7});
    view_->OnMoveChannelUp();
    QCOMPARE(Row(1).value(0), QString("442.00000"));
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 2, 7}));
  }
};

QTEST_MAIN(ChannelViewTest)
#include "channel_view_test.moc"
