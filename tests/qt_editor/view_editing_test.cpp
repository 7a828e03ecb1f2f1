// The channel view as an editor: every kind of change is one step of its
// history, the keys and the clipboard reach the commands, and the grid
// grows with the window.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "editor/clipboard_text.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "model/selkan_doc.h"
#include "platform/qt/message_box.h"
#include "product_profile_fixture.h"

using namespace selkan;
using selkan::testing::ProductProfileFixture;
using selkan::testing::ProfileText;

namespace {

const QStringList kChannel = {"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"};

}  // namespace

class ViewEditingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProductProfileFixture> fixture_;
  CSelkanDoc document_;
  std::unique_ptr<CSelkanView> view_;
  QList<MessageRequest> messages_;

  // A shown view of an SK-100 on its 400 - 470 MHz band, channels 1 to 3
  // used, channel 2 the priority channel, each record marked in byte 15.
  void MakeView() {
    view_.reset();
    fixture_ = std::make_unique<ProductProfileFixture>(ProfileText("English"));
    QVERIFY(fixture_->loaded);
    RadioImage& image = document_.Image();
    image[offset::kRadioType] = 0;
    image[offset::kBandIndex] = 1;
    image[offset::kPriorityChannel] = 2;
    for (int n = 1; n <= 3; ++n) image[offset::Channel(n) + 15] = static_cast<std::uint8_t>(n);
    view_ = std::make_unique<CSelkanView>(
        document_, ViewContext{&fixture_->settings, &fixture_->profile, &fixture_->registry});
    view_->OnInitialUpdate();
    for (int r = 1; r <= 3; ++r) {
      QStringList row = kChannel;
      row[0] = QString("44%1.00000").arg(r);
      for (int c = 1; c <= 7; ++c) Grid().SetTextMatrix(r, c, row[c - 1]);
    }
    view_->show();
    view_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  }
  CMSFlexGrid& Grid() { return *view_->Grid(); }
  GridTable* Table() { return Grid().Table(); }
  QUndoStack& History() { return *view_->UndoStack(); }
  QStringList Row(int r) {
    QStringList texts;
    for (int c = 1; c < 8; ++c) texts << Grid().GetTextMatrix(r, c);
    return texts;
  }
  void Click(int row, int col) {
    const QModelIndex index = Table()->model()->index(row - 1, col - 1);
    Table()->scrollTo(index);
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, Table()->visualRect(index).center());
  }
  QLineEdit* TypeInto(int row, int col, const QString& text) {
    Click(row, col);
    auto* edit = qobject_cast<QLineEdit*>(view_->CellEditors()->OpenEditor());
    if (edit == nullptr) return nullptr;
    edit->selectAll();
    QTest::keyClicks(edit, text);
    return edit;
  }
  // Keys go where the user's would: the open editor, else the grid.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* open = view_->CellEditors()->OpenEditor();
    QTest::keyClick(open != nullptr ? open : Table(), key, modifiers);
  }

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

  void everyKindOfChangeIsOneStepBothWays_data() {
    QTest::addColumn<std::function<void(ViewEditingTest*)>>("change");
    using F = std::function<void(ViewEditingTest*)>;
    QTest::newRow("typing") << F([](ViewEditingTest* t) {
      t->TypeInto(5, 1, "438.1");
      t->Key(Qt::Key_Return);
    });
    QTest::newRow("paste") << F([](ViewEditingTest* t) {
      QApplication::clipboard()->setText("438.1\t\n\t\n");
      t->Click(2, 1);
      t->Key(Qt::Key_V, Qt::ControlModifier);
    });
    QTest::newRow("cut") << F([](ViewEditingTest* t) {
      t->view_->SelectCells({1, 1, 2, 7});
      t->Key(Qt::Key_X, Qt::ControlModifier);
    });
    QTest::newRow("delete") << F([](ViewEditingTest* t) {
      t->view_->SelectCells({2, 3, 3, 5});
      t->Key(Qt::Key_Delete);
    });
    QTest::newRow("insert") << F([](ViewEditingTest* t) {
      t->view_->SelectCells({1, 1, 2, 7});
      t->view_->OnInsertChannel();
    });
    QTest::newRow("delete channel") << F([](ViewEditingTest* t) {
      t->view_->SelectCells({2, 1, 2, 7});
      t->view_->OnDeleteChannel();
    });
    QTest::newRow("move up") << F([](ViewEditingTest* t) {
      t->Click(3, 4);
      t->Key(Qt::Key_Up, Qt::ControlModifier);
    });
    QTest::newRow("move down") << F([](ViewEditingTest* t) {
      t->Click(2, 1);
      t->Key(Qt::Key_Down, Qt::ControlModifier);
    });
    QTest::newRow("import") << F([](ViewEditingTest* t) {
      ChannelTable table{};
      table[9] = {"439.00000", "439.00000", "None", "None", "High", "On", "Wide"};
      t->view_->ReplaceChannels(table, "Import");
    });
    QTest::newRow("dialog") << F([](ViewEditingTest* t) {
      const RadioImage before = t->document_.Image();
      RadioImage after = before;
      after[offset::kBandIndex] = 0;
      after[offset::kOptionFlags1] ^= 0x01;
      t->view_->RecordImageChange(before, after, "Dialog");
    });
    QTest::newRow("read") << F([](ViewEditingTest* t) {
      RadioImage radio = BlankImage();
      ChannelTable table = DecodeChannels(radio, Language::English);
      table[0] = {"450.00000", "451.00000", "None", "67.0", "High", "On", "Wide"};
      EncodeChannels(table, radio);
      t->view_->TakeReadImage(radio);
    });
  }
  void everyKindOfChangeIsOneStepBothWays() {
    QFETCH(std::function<void(ViewEditingTest*)>, change);
    MakeView();
    const DocumentState before = view_->State();
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    change(this);
    QCOMPARE(History().count(), 1);
    QCOMPARE(edited.count(), 1);
    QVERIFY(messages_.isEmpty());
    const DocumentState after = view_->State();
    QVERIFY(after.channels != before.channels || after.image != before.image);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(view_->State().channels == before.channels);
    QVERIFY(view_->State().image == before.image);
    Key(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(view_->State().channels == after.channels);
    QVERIFY(view_->State().image == after.image);
  }

  void modifiedMarkFollowsTheCleanState() {
    MakeView();
    QVERIFY(!document_.IsModified());
    TypeInto(4, 1, "438.1");
    Key(Qt::Key_Return);
    QVERIFY(document_.IsModified());
    view_->MarkClean();  // saved
    QVERIFY(!document_.IsModified());
    view_->OnEditUndo();
    QVERIFY(document_.IsModified());
    view_->OnEditRedo();
    QVERIFY(!document_.IsModified());
  }

  void undoingADialogStepRestoresBandAndCaption() {
    MakeView();
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    const RadioImage before = document_.Image();
    RadioImage after = before;
    after[offset::kBandIndex] = 0;
    document_.Image() = after;
    view_->SetBandLimits({13600000, 17400000});  // what the dialog's OK does
    view_->RecordImageChange(before, after, "Product Information");
    QCOMPARE(captions.count(), 0);  // the dialog has set the caption itself
    view_->OnEditUndo();
    QCOMPARE(document_.Image()[offset::kBandIndex], 1);
    QCOMPARE(view_->GetBandLimits().lower, 40000000);
    QCOMPARE(captions.count(), 1);
    QVERIFY(captions.at(0).at(0).toString().endsWith("Fre:400 - 470MHz ]"));
  }

  void keysInAnOpenEditorEditItsTextFirst() {
    MakeView();
    // Undo takes back the typing, not a step; Escape drops it.
    QLineEdit* edit = TypeInto(5, 1, "43");
    QVERIFY(edit != nullptr);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString());
    QCOMPARE(History().count(), 0);
    QTest::keyClicks(edit, "438.1");
    Key(Qt::Key_Escape);
    QVERIFY(edit->isHidden());
    QCOMPARE(Grid().GetTextMatrix(5, 1), QString());
    // Ctrl+A and Del edit the text; a single value pastes into it.
    edit = TypeInto(1, 1, "441");
    Key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), QString("441"));
    QApplication::clipboard()->setText("442.5\n");
    Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("442.5"));
    Key(Qt::Key_Delete);  // at the end of the text: nothing to delete
    QCOMPARE(edit->text(), QString("442.5"));
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 1, 1}));
    // Shift+Down leaves the text as leaving the cell does and grows the block.
    Key(Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(view_->CellEditors()->OpenEditor() == nullptr);
    QCOMPARE(Grid().GetTextMatrix(1, 1), QString("442.50000"));
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 2, 1}));
    QCOMPARE(History().count(), 1);
  }

  void selectingSeveralCellsKeepsTheEditorsClosed() {
    MakeView();
    Click(2, 2);
    QVERIFY(view_->CellEditors()->OpenEditor() != nullptr);
    const QModelIndex far = Table()->model()->index(3, 5);
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      Table()->visualRect(far).center());
    QCOMPARE(view_->SelectedRange(), (CellRange{2, 2, 4, 6}));
    QVERIFY(view_->CellEditors()->OpenEditor() == nullptr);
    QHeaderView* numbers = Table()->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(numbers->width() / 2,
                             numbers->sectionViewportPosition(2) + numbers->sectionSize(2) / 2));
    QCOMPARE(view_->SelectedRange(), (CellRange{3, 1, 3, 7}));
    QVERIFY(view_->CellEditors()->OpenEditor() == nullptr);
  }

  void copyGivesTabsAndForWholeChannelsTheListForm() {
    MakeView();
    view_->SelectCells({1, 1, 2, 7});
    Key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QCOMPARE(mime->text().toStdString(), CellsAsTabText(view_->GridTexts(), {1, 1, 2, 7}));
    QCOMPARE(mime->data("text/csv").toStdString(), ChannelsAsCsvText(view_->GridTexts(), 1, 2));
    view_->SelectCells({1, 2, 2, 7});
    Key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat("text/csv"));
  }

  void refusedPasteValuesAreListedInOneMessage() {
    MakeView();
    QApplication::clipboard()->setText("999\tx\n438.1\t\t69.9\n");
    view_->SelectCells({5, 1, 5, 1});
    view_->OnEditPaste();
    QCOMPARE(messages_.size(), 1);
    const QStringList lines = messages_[0].text.split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[1],
             QString("Channel 5, Rx Frequency \"999\": Out of range,please input again."));
    QVERIFY(lines[3].startsWith("Channel 6, QT/DQT Dec \"69.9\": "));
    QCOMPARE(Grid().GetTextMatrix(6, 1), QString("438.10000"));
    QCOMPARE(History().count(), 1);
  }

  void insertingIsRefusedWhileChannel199IsUsed() {
    MakeView();
    Grid().SetTextMatrix(199, 1, "440.00000");
    view_->SelectCells({1, 1, 1, 1});
    view_->OnInsertChannel();
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].text.contains("199"));
    QCOMPARE(History().count(), 0);
    QCOMPARE(Row(1).value(0), QString("441.00000"));
  }

  void theGridGrowsWithTheViewAndShrinksBack() {
    MakeView();
    const QRect formGrid = Grid().geometry();
    const auto titleOffset = [this] {
      return view_->TitleLabel()->geometry().center().x() - Grid().geometry().center().x();
    };
    const int formOffset = titleOffset();
    const int rows = Table()->rowAt(Table()->viewport()->height() - 1);
    const int first = Grid().GetColWidth(1);
    const int last = Grid().GetColWidth(7);
    view_->resize(view_->size() + QSize(300, 200));
    QCOMPARE(Grid().geometry().size(), formGrid.size() + QSize(300, 200));
    QVERIFY(Table()->rowAt(Table()->viewport()->height() - 1) > rows + 5);
    QVERIFY(Grid().GetColWidth(1) > first);
    // The columns keep their ratios (to within a pixel's rounding).
    QVERIFY(std::abs(Grid().GetColWidth(1) * last - Grid().GetColWidth(7) * first) <
            20 * (first + last));
    QVERIFY(std::abs(titleOffset() - formOffset) <= 1);  // still over the middle of the grid
    view_->resize(view_->sizeHint());
    QCOMPARE(Grid().geometry(), formGrid);
    QCOMPARE(Grid().GetColWidth(1), first);
  }

  void aToneListDropsAFewRowsAndScrolls() {
    MakeView();
    Click(1, 3);
    auto* list = qobject_cast<QComboBox*>(view_->CellEditors()->OpenEditor());
    QVERIFY(list != nullptr);
    list->showPopup();
    QWidget* popup = list->view()->window();
    QTRY_VERIFY(popup->isVisible());
    const int row = list->view()->sizeHintForRow(0);
    QVERIFY(popup->height() < (kToneListRows + 3) * row);
    QVERIFY(list->view()->verticalScrollBar()->maximum() > 0);
    list->hidePopup();
  }
};

QTEST_MAIN(ViewEditingTest)
#include "view_editing_test.moc"
