// In-cell editing of the channel grid, driven as a user drives it: clicking
// cells, typing into the editors, Enter, scrolling, F1.
#include "editor/qt/cell_editors.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "editor/qt/view_keys.h"
#include "model/selkan_doc.h"
#include "platform/qt/help_request.h"
#include "platform/qt/message_box.h"
#include "product_profile_fixture.h"

using selkan::CCellEditors;
using selkan::CMSFlexGrid;
using selkan::CSelkanDoc;
using selkan::CSelkanView;
using selkan::MessageRequest;
using selkan::testing::ProductProfileFixture;
using selkan::testing::ProfileText;

namespace {

const QStringList kEmptyRow = {"", "", "", "", "", "", ""};

}  // namespace

class CellEditorsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProductProfileFixture> fixture_;
  CSelkanDoc document_;
  std::unique_ptr<CSelkanView> view_;
  QList<MessageRequest> messages_;

  // A shown view of an SK-100 on its 400 - 470 MHz band.
  void MakeView(const char* language) {
    view_.reset();
    fixture_ = std::make_unique<ProductProfileFixture>(ProfileText(language));
    QVERIFY(fixture_->loaded);
    document_.Image()[selkan::offset::kRadioType] = 0;
    document_.Image()[selkan::offset::kBandIndex] = 1;
    selkan::ViewContext context;
    context.settings = &fixture_->settings;
    context.profile = &fixture_->profile;
    context.registry = &fixture_->registry;
    view_ = std::make_unique<CSelkanView>(document_, context);
    view_->OnInitialUpdate();
    QCOMPARE(view_->GetBandLimits().lower, 40000000);
    QCOMPARE(view_->GetBandLimits().upper, 47000000);
    view_->show();
    view_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
  }
  CMSFlexGrid& Grid() { return *view_->Grid(); }
  CCellEditors& Editors() { return *view_->CellEditors(); }
  QStringList Row(int r) {
    QStringList texts;
    for (int c = 1; c < 8; ++c) texts << Grid().GetTextMatrix(r, c);
    return texts;
  }
  void PutRow(int r, const QStringList& texts) {
    for (int c = 1; c < 8; ++c) Grid().SetTextMatrix(r, c, texts.value(c - 1));
  }
  QStringList MessageIds() {
    QStringList texts;
    for (const MessageRequest& m : messages_) texts << m.text;
    return texts;
  }
  // Clicks a cell as a user does (scrolled into view first).
  void Click(int row, int col) {
    selkan::GridTable* table = Grid().Table();
    const QModelIndex index = table->model()->index(row - 1, col - 1);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    QCOMPARE(Grid().GetRow(), row);
    QCOMPARE(Grid().GetCol(), col);
  }
  QLineEdit* OpenEdit() { return qobject_cast<QLineEdit*>(Editors().OpenEditor()); }
  QComboBox* OpenList() { return qobject_cast<QComboBox*>(Editors().OpenEditor()); }
  // Clicks a frequency cell and replaces its text by typing.
  void TypeInto(int row, int col, const QString& text) {
    Click(row, col);
    QLineEdit* edit = OpenEdit();
    QVERIFY(edit != nullptr);
    QCOMPARE(edit, Editors().EditorForColumn(col));
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
  }
  void PressEnter() {
    QWidget* target = Editors().OpenEditor();
    QTest::keyClick(target != nullptr ? target : Grid().Table(), Qt::Key_Return);
  }

 private slots:
  void init() {
    document_ = CSelkanDoc();
    document_.Image() = selkan::BlankImage();
    selkan::SetBlankDocumentFlag(false);
    messages_.clear();
    selkan::SetMessageHandler([this](const MessageRequest& request) {
      messages_ << request;
      return QMessageBox::Ok;
    });
  }
  void cleanup() {
    view_.reset();
    fixture_.reset();
    selkan::SetMessageHandler({});
    selkan::SetHelpHandler({});
  }

  void editorsAreHiddenChildrenOfTheGridWithTheirIds() {
    MakeView("English");
    const int ids[] = {0, 2127, 2128, 2132, 2133, 1129, 1134, 1128};
    for (int c = 1; c < 8; ++c) {
      QWidget* editor = Editors().EditorForColumn(c);
      QCOMPARE(editor->parentWidget(), &Grid());
      QCOMPARE(editor->property("controlId").toInt(), ids[c]);
      QVERIFY(editor->isHidden());
      QCOMPARE(editor->font().family(), view_->font().family());
      if (auto* list = qobject_cast<QComboBox*>(editor)) QVERIFY(!list->isEditable());
    }
    QCOMPARE(Editors().EditorForColumn(0), Editors().EditorForColumn(1));
    QVERIFY(!Editors().RxEditor()->hasFrame());
    QCOMPARE(Editors().ListForColumn(3)->count(), 261);
    QCOMPARE(Editors().ListForColumn(4)->itemText(260), QString("D754I"));
    QCOMPARE(Editors().ListForColumn(6)->count(), 2);
    // A second initial update makes no second set of editors.
    view_->OnInitialUpdate();
    QCOMPARE(Grid().findChildren<QComboBox*>(Qt::FindDirectChildrenOnly).size(), 5);
  }

  void editorRectangleFollowsTheCellTwips() {
    // 96 dpi: 15 twips to the pixel, exactly over the cell.
    QCOMPARE(selkan::CellEditorRect({1500, 300, 1800, 255}, 96, 96, false),
             QRect(100, 20, 120, 17));
    QCOMPARE(selkan::CellEditorRect({1500, 300, 1800, 255}, 96, 96, true),
             QRect(100, 20, 120, 117));
    // Each quotient truncates: 1439 twips are 95.9 pixels.
    QCOMPARE(selkan::CellEditorRect({1439, 1439, 1439, 1439}, 96, 96, false),
             QRect(95, 95, 95, 95));
    QCOMPARE(selkan::CellEditorRect({0, 0, 1440, 1440}, 120, 144, false), QRect(0, 0, 120, 144));
  }

  void openEditorSitsOverTheCurrentCell() {
    MakeView("English");
    Click(3, 2);
    const int px = Grid().logicalDpiX();
    const int py = Grid().logicalDpiY();
    const QRect expected(px * Grid().GetCellLeft() / 1440, py * Grid().GetCellTop() / 1440,
                         px * Grid().GetCellWidth() / 1440, py * Grid().GetCellHeight() / 1440);
    QCOMPARE(Editors().TxEditor()->geometry(), expected);
    // The cell as the table draws it, in the grid: the editor covers it exactly.
    selkan::GridTable* table = Grid().Table();
    const QRect cell = table->visualRect(table->currentIndex())
                           .translated(table->viewport()->mapTo(&Grid(), QPoint(0, 0)));
    QCOMPARE(Editors().TxEditor()->geometry().topLeft(), cell.topLeft());
    QVERIFY(Editors().TxEditor()->hasFocus());
    Click(3, 6);
    QCOMPARE(Editors().LastPlacement().height(), py * Grid().GetCellHeight() / 1440 + 100);
    // The closed box covers the cell; the hundred pixels are for the list.
    QCOMPARE(Editors().ListForColumn(6)->height(), Editors().LastPlacement().height() - 100);
    QVERIFY(Editors().TxEditor()->isHidden());
  }

  void validRxOnAnEmptyRowWritesTheRowDefaults() {
    MakeView("English");
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    TypeInto(5, 1, "438.1");
    PressEnter();
    QCOMPARE(Row(5), QStringList({"438.10000", "438.10000", "None", "None", "High", "On", "Wide"}));
    QVERIFY(messages_.isEmpty());
    QCOMPARE(edited.count(), 1);
    // Enter moved on to the Tx cell and opened its editor with the cell text.
    QCOMPARE(Grid().GetCol(), 2);
    QCOMPARE(OpenEdit(), Editors().TxEditor());
    QCOMPARE(OpenEdit()->text(), QString("438.10000"));
  }

  void rxValuesAreCheckedAgainstBandAndStep_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");    // empty: rejected
    QTest::addColumn<QString>("message");  // empty: none
    const QString range = "Out of range,please input again.";
    const QString step = "Error data Value, please input according the step value(6.25K/5k).";
    // clang-format off
    QTest::newRow("6.25 kHz step") << "438.00625" << "438.00625" << "";
    QTest::newRow("5 kHz step") << "438.005" << "438.00500" << "";
    QTest::newRow("off both steps") << "438.003" << "" << step;
    QTest::newRow("lower limit") << "400" << "400.00000" << "";
    QTest::newRow("upper limit") << "470" << "470.00000" << "";
    QTest::newRow("above the band") << "470.005" << "" << range;
    QTest::newRow("below the band") << "399.99375" << "" << range;
    QTest::newRow("not a number") << "abc" << "" << range;
    QTest::newRow("blanks are text") << "  " << "" << range;
    // clang-format on
  }
  void rxValuesAreCheckedAgainstBandAndStep() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    MakeView("English");
    PutRow(7, {"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"});
    TypeInto(7, 1, typed);
    PressEnter();
    if (shown.isEmpty()) {
      QCOMPARE(Row(7), kEmptyRow);
      QCOMPARE(MessageIds(), QStringList({message}));
      QCOMPARE(messages_[0].caption, QString("Caution"));
      QCOMPARE(messages_[0].icon, QMessageBox::Warning);
      QCOMPARE(messages_[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
      QCOMPARE(messages_[0].parent, view_.get());
      // A rejected frequency on Enter keeps the cell, its editor closed.
      QCOMPARE(Grid().GetCol(), 1);
      QCOMPARE(Grid().GetRow(), 7);
      QCOMPARE(Editors().OpenEditor(), nullptr);
    } else {
      QVERIFY(messages_.isEmpty());
      QCOMPARE(Row(7), QStringList({shown, "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"}));
      QCOMPARE(Grid().GetCol(), 2);
    }
  }

  void emptyingRxClearsTheRowWithoutAMessage() {
    MakeView("English");
    PutRow(9, {"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"});
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    TypeInto(9, 1, "");
    PressEnter();
    QCOMPARE(Row(9), kEmptyRow);
    QCOMPARE(Grid().GetTextMatrix(9, 0), QString("  9"));
    QVERIFY(messages_.isEmpty());
    QCOMPARE(edited.count(), 1);
  }

  void txCellRules() {
    MakeView("English");
    PutRow(4, {"440.00000", "445.00000", "None", "None", "High", "On", "Wide"});
    // Emptying Tx copies Rx.
    TypeInto(4, 2, "");
    PressEnter();
    QCOMPARE(Grid().GetTextMatrix(4, 2), QString("440.00000"));
    // A rejected Tx empties only the Tx cell and keeps the cell current.
    TypeInto(4, 2, "480");
    PressEnter();
    QCOMPARE(Row(4), QStringList({"440.00000", "", "None", "None", "High", "On", "Wide"}));
    QCOMPARE(MessageIds(), QStringList({"Out of range,please input again."}));
    QCOMPARE(Grid().GetCol(), 2);
    // A valid Tx on an empty row stays empty, without a message.
    TypeInto(6, 2, "440");
    PressEnter();
    QCOMPARE(Row(6), kEmptyRow);
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(Grid().GetCol(), 3);
  }

  void listsSelectByTheCellTextAndStayEmptyOnEmptyRows() {
    MakeView("English");
    // Opening the power list on an empty cell selects the first item.
    Click(6, 5);
    QCOMPARE(OpenList(), Editors().ListForColumn(5));
    QCOMPARE(OpenList()->currentText(), QString("High"));
    QTest::keyClick(OpenList(), Qt::Key_Down);
    QCOMPARE(OpenList()->currentText(), QString("Middle"));
    PressEnter();
    QCOMPARE(Grid().GetTextMatrix(6, 5), QString());
    QCOMPARE(Grid().GetCol(), 6);

    PutRow(8, {"440.00000", "445.00000", "D023N", "None", "low", "Off", "Wide"});
    Click(8, 3);
    QCOMPARE(OpenList()->currentText(), QString("D023N"));
    Click(8, 5);  // the cell text begins the item, whatever the letter case
    QCOMPARE(OpenList()->currentText(), QString("Low"));
    QTest::keyClick(OpenList(), Qt::Key_Up);
    Click(8, 6);  // leaving by mouse commits the list too
    QCOMPARE(Grid().GetTextMatrix(8, 5), QString("Middle"));
    QCOMPARE(OpenList()->currentText(), QString("Off"));
    QTest::keyClick(OpenList(), Qt::Key_Up);
    PressEnter();
    QCOMPARE(Row(8),
             QStringList({"440.00000", "445.00000", "D023N", "None", "Middle", "On", "Wide"}));
  }

  void enterAdvancesAlongTheRowAndWraps() {
    MakeView("English");
    // A channel outside the band: passing by its cells must not judge it.
    const QStringList outside = {"145.12500", "145.72500", "None", "None", "High", "On", "Wide"};
    PutRow(3, outside);
    PutRow(1, outside);
    Click(3, 6);
    PressEnter();
    QCOMPARE(Grid().GetCol(), 7);
    QCOMPARE(OpenList(), Editors().ListForColumn(7));
    PressEnter();
    QCOMPARE(Grid().GetRow(), 4);
    QCOMPARE(Grid().GetCol(), 1);
    QCOMPARE(OpenEdit(), Editors().RxEditor());
    QCOMPARE(Row(3), outside);

    Click(199, 7);
    PressEnter();
    QCOMPARE(Grid().GetRow(), 1);
    QCOMPARE(Grid().GetCol(), 1);
    QCOMPARE(OpenEdit(), Editors().RxEditor());
    QCOMPARE(OpenEdit()->text(), QString("145.12500"));
    QCOMPARE(Row(1), outside);
    QVERIFY(messages_.isEmpty());

    // Enter with no editor open (after a scroll) only advances.
    Editors().HideAll();
    QTest::keyClick(Grid().Table(), Qt::Key_Enter);
    QCOMPARE(Grid().GetCol(), 2);
    QCOMPARE(Row(1), outside);
  }

  void leavingARejectedValueByMouseMovesOn() {
    MakeView("English");
    PutRow(5, {"440.00000", "445.00000", "None", "None", "High", "On", "Wide"});
    TypeInto(5, 1, "438.003");
    Click(8, 3);
    QCOMPARE(MessageIds(),
             QStringList({"Error data Value, please input according the step value(6.25K/5k)."}));
    QCOMPARE(Row(5), kEmptyRow);
    QCOMPARE(OpenList(), Editors().ListForColumn(3));
  }

  void scrollingDiscardsTheOpenEdit() {
    MakeView("English");
    PutRow(2, {"440.00000", "445.00000", "None", "None", "High", "On", "Wide"});
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    TypeInto(2, 1, "");
    QScrollBar* bar = Grid().Table()->verticalScrollBar();
    bar->setValue(bar->value() + 5);
    QCOMPARE(Editors().OpenEditor(), nullptr);
    view_->Encode();  // nothing left open to commit
    Click(10, 4);
    QCOMPARE(Grid().GetTextMatrix(2, 1), QString("440.00000"));
    QCOMPARE(edited.count(), 0);
    QVERIFY(messages_.isEmpty());
  }

  void encodeCommitsAnOpenEditorFirst() {
    MakeView("English");
    TypeInto(6, 1, "438.1");
    view_->Encode();
    QCOMPARE(Editors().OpenEditor(), nullptr);
    QCOMPARE(Grid().GetTextMatrix(6, 7), QString("Wide"));
    const auto* six = document_.Image().data() + selkan::offset::Channel(6);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(six), 4), QByteArray("\x00\x00\x81\x43", 4));
  }

  void editedOnlyWhenACommitChangesTheRow() {
    MakeView("English");
    PutRow(3, {"440.00000", "445.00000", "None", "None", "High", "On", "Wide"});
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    Click(3, 1);
    PressEnter();  // the same text back
    Click(3, 5);
    PressEnter();  // the same item back
    QCOMPARE(edited.count(), 0);
    TypeInto(3, 2, "440");
    PressEnter();
    QCOMPARE(edited.count(), 1);
    TypeInto(3, 1, "440.0");  // written back as 440.00000: no change
    PressEnter();
    QCOMPARE(edited.count(), 1);
  }

  void chineseSessionUsesTheChineseWords() {
    MakeView("Chinese");
    QCOMPARE(Editors().ListForColumn(7)->itemText(1), QString("窄"));
    TypeInto(11, 1, "438.1");
    PressEnter();
    QCOMPARE(Row(11), QStringList({"438.10000", "438.10000", "无", "无", "高", "开", "宽"}));
  }

  void chineseMessagesComeFromTheCatalog() {
    const QString catalog = QStringLiteral(SELKAN_BIN_DIR "/ChineseQ47.qm");
    if (!QFile::exists(catalog)) QSKIP("the language catalogs are not built");
    QTranslator translator;
    QVERIFY(translator.load(catalog));
    QCoreApplication::installTranslator(&translator);
    MakeView("Chinese");
    TypeInto(12, 1, "470.005");
    PressEnter();
    TypeInto(12, 1, "438.003");
    PressEnter();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(MessageIds(), QStringList({QString("超出范围，请重新输入。"),
                                        QString("数据错误，请按步进值(6.25K/5K)输入。")}));
    QCOMPARE(messages_[1].caption, QString("警告"));
  }

  void f1AsksForTheFocusedControlsTopic() {
    MakeView("English");
    QList<int> asked;
    selkan::SetHelpHandler([&asked](int id) { asked << id; });
    Grid().setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    for (int col : {1, 4, 7}) {
      Click(2, col);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    QCOMPARE(asked, QList<int>({1000, 2127, 2133, 1128}));
    QCOMPARE(selkan::ControlIdOf(Grid().Table()->viewport()), 1000);
    QCOMPARE(selkan::ControlIdOf(view_.get()), 0);
  }
};

QTEST_MAIN(CellEditorsTest)
#include "cell_editors_test.moc"
