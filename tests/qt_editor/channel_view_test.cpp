// The channel view as its user drives it, its grid, the image's dialogs, the listing's painter.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEngine>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include "app/qt/command_ids.h"
#include "editor/clipboard_text.h"
#include "editor/qt/cell_editors.h"
#include "editor/qt/grid_table.h"
#include "editor/qt/ms_flex_grid.h"
#include "editor/qt/selkan_view.h"
#include "editor/qt/song_font.h"
#include "editor/qt/twips.h"
#include "model/qt/optional_features_dlg.h"
#include "model/qt/product_info_dlg.h"
#include "model/selkan_doc.h"
#include "platform/qt/help_request.h"
#include "platform/qt/message_box.h"
#include "platform/registry.h"
#include "print/qt/listing_painter.h"
#include "settings/process_settings.h"
#include "settings/profile_store.h"
#include "tests/support/radio_images.h"

using namespace selkan;

namespace {

QByteArray ProfileText(const char* language) {
  return QByteArray("[Setup]\nLanguage=") + language +
         "\nAppName=SelkanTest\nType1=SK-100\nType2=SK-200\nType3=SK-300\n"
         "Field1=136 - 174MHz|400 - 470MHz\n"
         "Field2=130 - 160MHz|400 - 470MHz|450 - 520MHz\nField3=350 - 390MHz\n"
         "[English]\nAppName=Selkan Programmer\nTitle=Selkan Radio ©\n"
         "[Chinese]\nAppName=赛尔坎编程\nTitle=赛尔坎对讲机\n";
}

const std::string kRegistryKey = "Software\\SelkanTest";

// A program directory with that Selkan.ini, its profile and settings.
struct ProductProfileFixture {
  explicit ProductProfileFixture(const QByteArray& content) {
    QFile file(directory.filePath("Selkan.ini"));
    loaded = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
             file.flush() && profile.Load(file.fileName().toStdString());
    settings.Initialize(profile, directory.path().toStdString() + "/");
  }

  ViewContext Context() { return {&settings, &profile, &registry}; }

  QTemporaryDir directory;
  CProfileStore profile;
  ProcessSettings settings;
  MemoryRegistry registry;
  bool loaded = false;
};

QWidget* Control(const QWidget* dialog, int id) {
  for (auto* w : dialog->findChildren<QWidget*>())
    if (w->property("controlId").toInt() == id) return w;
  return nullptr;
}

const QStringList kEmptyRow(7, QString());
const QStringList kChannel = {"440.00000", "445.00000", "88.5", "D023N", "Low", "Off", "Narrow"};

QByteArray RecordStart(const RadioImage& image, int channel) {
  return QByteArray(reinterpret_cast<const char*>(image.data() + offset::Channel(channel)), 4);
}

struct TextRecorder : QPaintEngine {
  TextRecorder() : QPaintEngine(AllFeatures) {}
  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  void updateState(const QPaintEngineState&) override {}
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
  void drawTextItem(const QPointF&, const QTextItem& item) override {
    const QFont f = item.font();  // negative when not plain
    sizes << (f.bold() || f.italic() || f.underline() || f.strikeOut() ? -1 : 1) * f.pixelSize();
  }
  Type type() const override { return User; }
  QList<int> sizes;
};
// An A4 page, one dot a twip, that the recorder draws on.
struct A4Page : QPaintDevice {
  QPaintEngine* paintEngine() const override { return &recorder; }
  int metric(PaintDeviceMetric m) const override {
    if (m == PdmWidth || m == PdmHeight) return m == PdmWidth ? 11906 : 16838;
    return m >= PdmDpiX && m <= PdmPhysicalDpiY ? 1440 : QPaintDevice::metric(m);
  }
  mutable TextRecorder recorder;
};

}  // namespace

class ChannelViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProductProfileFixture> fixture_;
  CSelkanDoc document_;
  std::unique_ptr<CSelkanView> view_;
  QList<MessageRequest> messages_;
  int helpTopic_ = 0, helps_ = 0;

  // A shown view of an SK-100 on its 400 - 470 MHz band, its first channels in use.
  void MakeView(int usedChannels = 0) {
    view_.reset(), fixture_ = std::make_unique<ProductProfileFixture>(ProfileText("English"));
    QVERIFY(fixture_->loaded);
    document_.Image()[offset::kRadioType] = 0, document_.Image()[offset::kBandIndex] = 1;
    view_ = std::make_unique<CSelkanView>(document_, fixture_->Context());
    view_->resize(view_->size() * 5 / 4);  // as a frame larger than the form lays it out
    view_->show(), view_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view_.get()));
    view_->OnInitialUpdate();  // once shown, as the program does
    QVERIFY(Grid().width() > view_->width() * 9 / 10 &&
            Grid().Table()->horizontalHeader()->length() > Grid().width() * 4 / 5);
    const QRect title = view_->findChild<QLabel*>("title")->geometry();  // centred above it
    QVERIFY(qAbs(title.center().x() - Grid().geometry().center().x()) < 8 &&
            title.bottom() < Grid().y() && title.top() > 0);
    for (int r = 1; r <= usedChannels; ++r)
      PutRow(r, QStringList{QString("44%1.00000").arg(r)} + kChannel.mid(1));
  }
  std::unique_ptr<CMSFlexGrid> grid_;  // A bare grid (when made) that logs its events.
  QStringList events_;
  CMSFlexGrid& Grid() { return grid_ ? *grid_ : *view_->Grid(); }
  CCellEditors& Editors() { return *view_->CellEditors(); }
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
  QLineEdit* TypeInto(int row, int col, const QString& text) {  // a last \r: Return
    Click(row, col);
    QLineEdit* edit = OpenEdit();
    if (edit == nullptr) return nullptr;
    edit->selectAll(), QTest::keyClick(edit, Qt::Key_Delete), QTest::keyClicks(edit, text);
    return edit;
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* open = Editors().OpenEditor();
    QTest::keyClick(open != nullptr ? open : Grid().Table(), key, modifiers);
  }
  QString Where() { return QString("%1,%2").arg(Grid().GetRow()).arg(Grid().GetCol()); }
  QStringList TakeEvents() { return std::exchange(events_, {}); }

 private slots:
  void init() {
    QTest::failOnWarning(QRegularExpression("QPainter::(?!begin)|QObject::|QLayout"));
    document_ = CSelkanDoc(), document_.Image() = BlankImage(), SetBlankDocumentFlag(false);
    messages_.clear();
    SetMessageHandler(
        [this](const MessageRequest& request) { return messages_ << request, QMessageBox::Ok; });
    SetHelpHandler([this](int id) { helpTopic_ = id, ++helps_; });
  }
  void cleanup() {
    grid_.reset(), view_.reset(), fixture_.reset();
    SetMessageHandler({});
  }

  // Both ends of the list go through the grid and back; an emptied row becomes unused.
  void everyChannelIsDecodedAndEncoded() {
    for (int channel : {1, 4, 199}) test::PutFullChannel(document_.Image(), channel);
    auto* two = document_.Image().data() + offset::Channel(2);  // receive only
    two[0] = 0x00, two[1] = 0x25, two[2] = 0x51, two[3] = 0x14, MakeView();
    QCOMPARE(Row(1),
             QStringList({"145.12500", "145.12500", "67.0", "D023I", "High", "On", "Wide"}));
    QVERIFY(Row(2) == QStringList({"145.12500", "", "", "", "", "", ""}) && Row(199) == Row(1));
    QCOMPARE(Grid().GetTextMatrix(0, 0) + Grid().GetTextMatrix(0, 7) + Grid().GetTextMatrix(9, 0),
             QString("CHW/N  9"));
    const auto inked = [](QWidget* widget, auto ink) {  // pixels so drawn
      const QImage image = widget->grab().toImage();
      int n = 0;
      for (int i = 0; i < image.width() * image.height(); ++i)
        n += ink(image.pixelColor(i % image.width(), i / image.width()));
      return n;
    };  // the corner cell with its text in the fixed cells' colour, the cells with theirs
    QVERIFY(inked(Grid().findChild<QAbstractButton*>(),
                  [](QColor c) { return c.saturation() > 100; }) > 10);
    const auto dark = [](QColor c) { return c.lightness() < 160; };  // the headers' too
    QVERIFY(inked(Grid().Table()->viewport(), dark) > 200 &&
            inked(Grid().Table()->verticalHeader()->viewport(), dark) > 100);
    QVERIFY(Grid().Table()->viewport()->updatesEnabled());  // and repainted once refilled

    const RadioImage decoded = document_.Image();
    PutRow(199, {"136.00625", "136.00625", "", "", "中", "On", ""});  // either language's word
    PutRow(1, kEmptyRow), view_->Encode();
    QVERIFY(std::equal(decoded.begin() + offset::Channel(4), decoded.begin() + offset::Channel(5),
                       document_.Image().begin() + offset::Channel(4)));
    QCOMPARE(RecordStart(document_.Image(), 199), QByteArray("\x25\x06\x60\x13", 4));
    QVERIFY((document_.Image()[offset::Channel(199) + 12] & 0x1E) == (0x04 | 0x08) &&
            document_.Image()[offset::Channel(1) + 3] == 0xFF);
  }

  // A new document takes type and band from the registry; a read image stores its own there.
  // Names and labels come in the program's language.
  void productStepOfANewDocumentAndOfARead() {
    fixture_ = std::make_unique<ProductProfileFixture>(ProfileText("Chinese"));
    for (const char* key : {"Type", "Field"}) fixture_->registry.WriteValue(kRegistryKey, key, 1);
    SetBlankDocumentFlag(true);
    view_ = std::make_unique<CSelkanView>(document_, fixture_->Context());
    QSignalSpy captions(view_.get(), &CSelkanView::captionChanged);
    QSignalSpy icons(view_.get(), &CSelkanView::iconChanged);  // title.ico of the program folder
    QFile::copy(SELKAN_BIN_DIR "/title.ico", fixture_->directory.filePath("title.ico"));
    view_->OnInitialUpdate();
    QVERIFY(icons.size() == 1 && !icons[0][0].value<QIcon>().isNull() &&
            view_->GetBandLimits().lower == 40000000);
    QCOMPARE(view_->findChild<QLabel*>("title")->text(), QString("赛尔坎对讲机"));
    QCOMPARE(captions[0][0], QString("赛尔坎编程  [ 类型:SK-200  频率:400 - 470MHz ]"));

    RadioImage radio = document_.Image();
    radio[offset::kBandIndex] = 2, view_->TakeReadImage(radio);
    // A redo, here by Alt+Shift+Backspace on the grid (a Redo key too), sets the limits again.
    view_->OnEditUndo(), Key(Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY(!BlankDocumentFlag() && view_->GetBandLimits().lower == 45000000 &&
            fixture_->registry.ReadValueOrZero(kRegistryKey, "Field") == 2u);
    // Product Information: OK writes image and registry; the caption is English in any language.
    RadioImage image = BlankImage();
    image[offset::kRadioType] = image[offset::kBandIndex] = 1;
    CProductInfoDlg dialog(image, fixture_->profile, fixture_->registry, "赛尔坎编程");
    for (int id : {1013, 1014})  // the image's type and band
      QCOMPARE(qobject_cast<QComboBox*>(Control(&dialog, id))->currentIndex(), 1);
    qobject_cast<QComboBox*>(Control(&dialog, 1013))->setCurrentIndex(0);
    dialog.show(), dialog.activateWindow(), Control(&dialog, 1013)->setFocus();
    QTRY_VERIFY(dialog.isActiveWindow());
    QTest::keyClick(Control(&dialog, 1013), Qt::Key_F1);  // the focused list's page; outside
    const int listTopic = helpTopic_;  // the lists, the page of the command that opens it
    dialog.findChild<QPushButton*>("okButton")->setFocus(), QTest::keyClick(&dialog, Qt::Key_F1);
    dialog.setResult(-1);  // Cancel first: nothing is written
    QTest::mouseClick(dialog.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    QVERIFY(dialog.result() == QDialog::Rejected && image[offset::kRadioType] == 1 &&
            listTopic == 1013 && helpTopic_ == command::kProductInformation);
    QTest::mouseClick(dialog.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    for (const auto& [at, value] :
         {std::pair{offset::kRadioType, "Type"}, {offset::kBandIndex, "Field"}})
      QVERIFY(image[at] == 0 && fixture_->registry.ReadValue(kRegistryKey, value) == 0u);
    QCOMPARE(QString::fromStdString(dialog.Result()->caption),
             QString("赛尔坎编程  [ Type:SK-100  Fre:136 - 174MHz ]"));
  }

  // A valid Rx on an empty row writes the defaults; Enter opens the next cell's editor.
  void enterCommitsAndAdvancesAlongTheRowAndWrapsOrRejectsInPlace() {
    MakeView();
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    TypeInto(5, 1, "438.1\r");
    QCOMPARE(Row(5), QStringList({"438.10000", "438.10000", "None", "None", "High", "On", "Wide"}));
    QVERIFY(edited.count() == 1 && OpenEdit() == Editors().TxEditor() && OpenEdit()->hasFocus() &&
            OpenEdit()->text() == "438.10000");
    GridTable* table = Grid().Table();
    const QRect cell = table->visualRect(table->currentIndex());  // over the cell, as wide
    QVERIFY(OpenEdit()->geometry().topLeft() == table->viewport()->mapTo(&Grid(), cell.topLeft()) &&
            qAbs(OpenEdit()->width() - cell.width()) <= 1);
    const QStringList typed = Row(5);
    view_->OnEditUndo();  // the editor merely opened by Enter holds nothing to take back
    QVERIFY(Row(5) == kEmptyRow && !Editors().OpenEditor());
    view_->OnEditRedo();
    QCOMPARE(Row(5), typed);
    Click(4, 2), TypeInto(5, 2, "438.2\r"), Click(5, 2);  // one cell changed, its editor open:
    view_->OnEditUndo();                                  // Undo closes it over the value put back
    QVERIFY(Row(5) == typed && !Editors().OpenEditor());

    // A channel outside the band: passing by its cells must not judge it.
    const QStringList outside = {"145.12500", "145.72500", "None", "None", "High", "On", "Wide"};
    for (int row : {3, 1}) PutRow(row, outside);
    for (const auto& [row, next] : {std::pair{3, 4}, {198, 199}, {199, 1}}) {  // the last row wraps
      Click(row, 7), Key(Qt::Key_Return);
      QCOMPARE(Where(), QString("%1,1").arg(next));
      QVERIFY(OpenEdit() == Editors().RxEditor() && OpenEdit()->text() == Row(next)[0] &&
              OpenEdit()->height() >= table->rowHeight(0) - 1);  // as tall as its row, row 1 too
      QVERIFY(Row(3) == outside && Row(1) == outside);
    }
    const QStringList receiveOnly = {"462.56250", "", "", "D131N", "", "", ""};
    PutRow(6, receiveOnly), Click(5, 3);  // nor by a click away; an empty Tx passed by stays empty
    for (int column : {2, 3}) Click(6, column);
    Key(Qt::Key_Return);
    QVERIFY(Row(1) == outside && Row(6) == receiveOnly && messages_.isEmpty());

    // A rejected Rx empties the row, a rejected Tx its cell, both keep focus; empty Tx takes Rx.
    for (int row : {7, 4}) PutRow(row, kChannel);
    TypeInto(7, 1, "438.003\r");
    QVERIFY(Row(7) == kEmptyRow && Where() == "7,1" && !Editors().OpenEditor());
    TypeInto(4, 2, "\r");
    QCOMPARE(Grid().GetTextMatrix(4, 2), QString("440.00000"));
    TypeInto(4, 2, "480\r");
    QVERIFY(Row(4) == QStringList({"440.00000", "", "88.5", "D023N", "Low", "Off", "Narrow"}) &&
            Where() == "4,2" && messages_.size() == 2);
    QVERIFY(TypeInto(4, 2, "438.5"));  // a read replaces every cell, an open one too
    view_->TakeReadImage(document_.Image());
    QVERIFY(!Editors().OpenEditor());
    Grid().SetTextMatrix(4, 7, "Broad");  // a text that begins no item: the list opens on the first
    Click(4, 7);
    QCOMPARE(qobject_cast<QComboBox*>(Editors().OpenEditor())->currentIndex(), 0);
    PutRow(4, kChannel);  // F1: each column's editor has a page of its own; the tone lists scroll
    QSet<int> topics;
    const int helped = helps_;
    for (int c = 1; c < 8; ++c) {
      Click(4, c), Key(Qt::Key_F1);
      topics << helpTopic_;
      QVERIFY(QFile::exists(SELKAN_SOURCE_DIR "/resources/help/enHelp/" +
                            QString::number(helpTopic_) + ".html"));
      if (auto* list = qobject_cast<QComboBox*>(Editors().OpenEditor())) {
        QVERIFY(!list->isEditable());  // chosen from, not typed into
        list->showPopup();  // the tone lists drop a few rows and scroll, not the screen's height
        const int rows = c == 3 || c == 4 ? kToneListRows : list->count();
        QCOMPARE(list->view()->height(), rows * list->view()->sizeHintForRow(0));
        list->hidePopup();
      }
    }
    QVERIFY(topics.size() == 7 && helps_ == helped + 7);  // each page shown once
  }

  // Committing or pasting a cell's own text is no step. Undo and redo in an
  // editor edit its text; Escape drops it; Shift+Down commits it as one step.
  void historyStepsOnlyForChangesAndKeysInAnEditorEditItsTextFirst() {
    MakeView(3);
    QSignalSpy edited(view_.get(), &CSelkanView::edited);
    Click(3, 1), Key(Qt::Key_Return), TypeInto(3, 2, "445.0\r");  // written back as 445.00000
    QApplication::clipboard()->setText("441.00000\t445.00000\t69.9\n");  // one refused: said
    view_->SelectCells({1, 1, 1, 1}), view_->OnEditPaste();
    QCOMPARE((QList<qsizetype>{messages_.size(), edited.count(), view_->UndoStack()->count()}),
             (QList<qsizetype>{1, 0, 0}));

    Click(2, 3);  // in a list (as wide as its cell), Ctrl+Z takes back the item chosen
    QVERIFY(qAbs(Editors().OpenEditor()->width() - Grid().Table()->columnWidth(2)) <= 1);
    qobject_cast<QComboBox*>(Editors().OpenEditor())->setCurrentIndex(0);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(qobject_cast<QComboBox*>(Editors().OpenEditor())->currentText(), QString("88.5"));
    Key(Qt::Key_Right, Qt::ShiftModifier);  // a list closes and the selection grows across
    QVERIFY(!Editors().OpenEditor() && view_->SelectedRange() == (CellRange{2, 3, 2, 4}));
    QLineEdit* edit = TypeInto(5, 1, "43y");
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString());
    Key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("43y"));
    Key(Qt::Key_Left, Qt::ShiftModifier);  // selects in the editor, not across the grid
    QVERIFY(Editors().OpenEditor() == edit && edit->selectedText() == "y");
    QAction escape;  // Escape is used up: no shortcut of the window above sees it
    escape.setShortcut(Qt::Key_Escape), view_->addAction(&escape);
    QSignalSpy taken(&escape, &QAction::triggered);
    Key(Qt::Key_Escape), view_->removeAction(&escape);
    QVERIFY(taken.isEmpty() && edit->isHidden() && Grid().Table()->hasFocus());
    QCOMPARE(Grid().GetTextMatrix(5, 1), QString());
    QApplication::clipboard()->setText("442.5\r\n");  // pasted as typed, without its line end
    TypeInto(1, 1, ""), Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier), Key(Qt::Key_Down, Qt::ShiftModifier);  // none above 1
    QVERIFY(Editors().OpenEditor() == nullptr && view_->UndoStack()->count() == 1 &&
            view_->SelectedRange() == (CellRange{1, 1, 2, 1}));
    QCOMPARE(Grid().GetTextMatrix(1, 1), QString("442.50000"));
    view_->OnEditUndo();  // the cell it put back is the one selected
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 1, 1}));
    TypeInto(4, 1, "439.5");  // Redo with a value typed: the value is a new step, the redo gone
    view_->OnEditRedo();
    QVERIFY(Row(4).value(0) == "439.50000" && Row(1).value(0) == "441.00000" &&
            !view_->UndoStack()->canRedo());
    view_->resize(10, 10);  // never smaller than its form: its window scrolls instead
    QCOMPARE(view_->size(), view_->sizeHint());
    const QSize atForm = Grid().size();
    view_->resize(view_->sizeHint() * 3 / 2);  // larger: the grid grows with it, by as much
    QTRY_COMPARE(Grid().size() - atForm, view_->size() - view_->sizeHint());
  }

  // A block selected with the mouse closes the editor; commands first commit what is typed.
  void selectionClipboardAndRowCommands() {
    MakeView(3), Click(2, 2);
    QVERIFY(Editors().OpenEditor() != nullptr);
    Grid().Table()->scrollToBottom();  // the editor goes; a block selected at the current cell
    QVERIFY(!Editors().OpenEditor());  // comes into view
    view_->SelectCells({2, 2, 2, 2});
    QVERIFY(Grid().Table()->rowViewportPosition(1) >= 0);
    Click(2, 6, Qt::ShiftModifier);  // one row is a block too
    QVERIFY(view_->SelectedRange() == (CellRange{2, 2, 2, 6}) && !Editors().OpenEditor());
    Click(5, 5, Qt::ControlModifier);  // one block at a time: Ctrl grows it too
    QCOMPARE(view_->SelectedRange(), (CellRange{2, 2, 5, 5}));
    QTest::mouseClick(Grid().findChild<QAbstractButton*>(), Qt::LeftButton);  // not all 199
    QCOMPARE(view_->SelectedRange(), (CellRange{2, 2, 5, 5}));
    // A whole channel by its number, a whole column by its title.
    QHeaderView *numbers = Grid().Table()->verticalHeader(),
                *titles = Grid().Table()->horizontalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      {4, numbers->sectionViewportPosition(3) + 4});
    QCOMPARE(view_->SelectedRange(), (CellRange{4, 1, 4, 7}));
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, {},
                      {titles->sectionViewportPosition(1) + 4, 4});
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 2, 199, 2}));
    TypeInto(8, 1, "438.2"), Click(9, 2);  // leaving the cell commits it
    QCOMPARE(Grid().GetTextMatrix(8, 1), QString("438.20000"));
    TypeInto(5, 1, "438.1"), view_->OnEditCopy();
    QVERIFY(!Editors().OpenEditor() && QApplication::clipboard()->text().startsWith("438.10000"));
    TypeInto(6, 1, "438.1"), view_->Encode();  // the encode before a save, a write or a compare
    QVERIFY(Editors().OpenEditor() == nullptr);
    QCOMPARE(RecordStart(document_.Image(), 6), QByteArray("\x00\x00\x81\x43", 4));

    // Copy: tabs (whole channels also as a list); a moved block stays; a refused paste is said.
    view_->SelectCells({1, 1, 2, 7}), Key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    QCOMPARE(mime->text().toStdString(), CellsAsTabText(view_->GridTexts(), {1, 1, 2, 7}));
    QCOMPARE(mime->data("text/csv"),
             "CH,Rx Frequency,Tx Frequency,QT/DQT Dec,QT/DQT Enc,Power,Scan,W/N\r\n"
             "1,441.00000,445.00000,88.5,D023N,Low,Off,Narrow\r\n"
             "2,442.00000,445.00000,88.5,D023N,Low,Off,Narrow\r\n");
    view_->SelectCells({1, 1, 2, 6}), Key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(!QApplication::clipboard()->mimeData()->hasFormat("text/csv"));

    view_->SelectCells({2, 1, 3, 7}), view_->OnMoveChannelUp();
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 2, 7}));
    QVERIFY(Row(1).value(0) == "442.00000" && Where() == "1,1");    // the current cell goes with it
    TypeInto(3, 1, "441.5"), Key(Qt::Key_Up, Qt::ControlModifier);  // committed, then moved

    QApplication::clipboard()->setText(QString("438.1\t\t69.9\n").repeated(21));
    TypeInto(7, 1, "446"), view_->OnEditPaste();  // an open editor is closed first
    QVERIFY(messages_.size() == 1 && !Editors().OpenEditor() &&
            messages_[0].text.endsWith("Channel 26, QT/DQT Dec \"69.9\": not a tone of the list\n"
                                       "... and 1 more"));
    QVERIFY(Grid().GetTextMatrix(7, 1) == "438.10000" &&  // what was typed goes in first
            Grid().GetTextMatrix(27, 1) == "438.10000");
    QCOMPARE(view_->SelectedRange(), (CellRange{7, 1, 27, 3}));
    Click(1, 1), view_->OnEditClear();  // Delete closes an open editor first
    QVERIFY(Row(1) == kEmptyRow && !Editors().OpenEditor());
    view_->SelectCells({2, 1, 2, 7}), Key(Qt::Key_X, Qt::ControlModifier);
    QVERIFY(Row(2) == kEmptyRow && QApplication::clipboard()->text().startsWith("441.50000\t"));
    Key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(view_->SelectedRange(), (CellRange{1, 1, 199, 7}));
    Key(Qt::Key_F1);
    QVERIFY(helpTopic_ == CMSFlexGrid::kControlId &&  // the grid's, which has its page
            QFile::exists(QString(SELKAN_BIN_DIR "/enHelp/%1.html").arg(helpTopic_)));
    const int asked = helps_;  // the view's own background has no page: nothing is asked
    view_->setFocus(), QTest::keyClick(view_.get(), Qt::Key_F1);
    QCOMPARE(helps_, asked);
    PutRow(199, kChannel);  // no room to insert before a used last channel
    view_->SelectCells({198, 1, 199, 7}), view_->OnInsertChannel();
    QVERIFY(messages_.last().text.startsWith("Channels 198 to 199 are not all empty: 2 "));
    Key(Qt::Key_Delete);
    QCOMPARE(Row(199), kEmptyRow);
    QAction insert("Insert Channel");  // the menu of the commands given
    view_->SetContextActions({&insert});
    QStringList menu;  // on the cells and on the row numbers
    for (QWidget* at : {Grid().Table()->viewport(), Grid().Table()->verticalHeader()->viewport()}) {
      QTimer::singleShot(0, view_.get(), [&menu] {
        QWidget* shown = QApplication::activePopupWidget();
        for (QAction* action : shown ? shown->actions() : QList<QAction*>()) menu << action->text();
        if (shown) shown->close();
      });
      QContextMenuEvent click(QContextMenuEvent::Mouse, {20, 20}, {20, 20});
      QApplication::sendEvent(at, &click);
    }
    QCOMPARE(menu, QStringList({"Insert Channel", "Insert Channel"}));
  }

  // Each control shows its option and hands it back, one outside its list as no selection.
  // Priority: "Off" in the language in use, then 1-199.
  void theImagesDialogsShowAndReturnTheirOptions() {
    const OptionStates sets[] = {
        {true, false, 1, 0, 1, 0, 1, 7, 3, 2, 6, 199, 2, "007"},
        {false, true, 0, 1, 0, 1, 0, 0, 7, 4, 0, 0, 0, ""},
        {},
    };
    const QStringList shown[] = {
        {"1", "0", "Off", "On", "Off", "On", "Off", "7", "4", "6.25k", "240", "199", "3s", "007"},
        {"0", "1", "On", "Off", "On", "Off", "On", "0", "8", "25k", "Off", "无", "1s", ""},
        {"0", "0", "", "", "", "", "", "", "", "", "", "", "", ""},
    };
    const int ids[] = {1005, 1016, 1130, 1113, 1114, 1115, 1119,
                       1116, 1121, 1117, 1118, 1122, 1123, 1006};
    for (int set = 0; set < 3; ++set) {
      COptionalFeaturesDlg dialog(sets[set], set == 1 ? Language::Chinese : Language::English);
      for (int i = 0; i < 14; ++i) {
        QWidget* w = Control(&dialog, ids[i]);
        QString text = qobject_cast<QLineEdit*>(w) ? qobject_cast<QLineEdit*>(w)->text() : "?";
        if (auto* box = qobject_cast<QCheckBox*>(w)) text = box->isChecked() ? "1" : "0";
        if (auto* list = qobject_cast<QComboBox*>(w)) text = list->currentText();
        QCOMPARE(text, shown[set][i]);
      }
      QVERIFY(dialog.States() == sets[set]);
      dialog.setResult(-1), QTest::keyClick(&dialog, Qt::Key_Escape);
      QCOMPARE(dialog.result(), -1);  // a key the form drops is dropped by the dialog itself too
      // Typing: digits and editing keys without Shift; F1 asks for the focused control's page.
      auto* ani = qobject_cast<QLineEdit*>(Control(&dialog, 1006));
      ani->setText("12");
      QTest::keyClicks(ani, "\b9a.0"), QTest::keyClick(ani, Qt::Key_5, Qt::ShiftModifier);
      QCOMPARE(ani->text(), QString("190"));
      ani->setText("1"), ani->insert("2x");  // as pasted: refused whole
      QCOMPARE(ani->text(), QString("1"));
      Control(&dialog, ids[set])->setFocus();
      QTest::keyClick(Control(&dialog, ids[set]), Qt::Key_F1);
      QCOMPARE(helpTopic_, ids[set]);
      QCOMPARE(qobject_cast<QComboBox*>(Control(&dialog, 1122))->count(), 200);
    }
  }

  // A listing page's title is in the title font, every other text in the body's, both plain
  // even where the desktop's own font is not, as the view's title is not bold.
  void listingPagesDrawTheirTitlesLarger() {
    const QFont plain = QApplication::font();
    const auto restore = qScopeGuard([&plain] { QApplication::setFont(plain); });
    QFont styled = plain;
    styled.setBold(true), styled.setItalic(true), styled.setUnderline(true),
        styled.setStrikeOut(true);
    QApplication::setFont(styled);
    QVERIFY(!TitleFont().bold());  // the view's title too
    test::PutFullChannel(document_.Image(), 1);
    const Listing listing =
        MakeListing(document_.Image(), DecodeChannels(document_.Image(), Language::English),
                    Language::English, "Owner");
    const PageFonts sizes = PageFontsFor(11906, 16838);
    for (int page : {1, 2}) {
      A4Page sheet;
      QPainter painter(&sheet);
      DrawListingPage(painter, listing, PaginateChannels(listing.channels), page), painter.end();
      const QList<int>& drawn = sheet.recorder.sizes;
      QVERIFY(drawn.size() > 3);
      for (qsizetype i = 0; i < drawn.size(); ++i)
        QCOMPARE(drawn[i], i == 0 ? sizes.titleHeight : sizes.bodyHeight);
    }
    QImage flat(8, 8, QImage::Format_RGB32);  // a device of no resolution: nothing drawn
    flat.setDotsPerMeterX(1);                 // (0 dots per inch)
    QPainter onFlat(&flat);
    DrawListingPage(onFlat, listing, PaginateChannels(listing.channels), 1);
    QVERIFY(TwipsToPixels(1440, 1) == 1 && TwipsToPixels(1440, 0) == 96 &&  // 0: taken as 96
            PixelsToTwips(96, 0) == 1440);
  }

  // A click moves the current cell, then reports the press; moves to the same cell, fixed
  // cells or outside raise nothing; cells no one but the program writes.
  void onlyRealMovesRaiseCellEventsAndCellsAreNeverEditedByTheTable() {
    grid_ = std::make_unique<CMSFlexGrid>(), grid_->resize(600, 300);
    int sizes = grid_->GetRows() + grid_->GetCols();  // new: 2 by 2; then the fixed cells and
    for (int fewest : {0, 1})                         // one more, however few are asked for
      grid_->SetRows(fewest), grid_->SetCols(fewest), sizes += grid_->GetRows() + grid_->GetCols();
    QCOMPARE(sizes, 3 * (2 + 2));
    grid_->SetCols(8), grid_->SetRows(200);  // the rows after the columns, as the view does not
    grid_->show();
    QVERIFY(QTest::qWaitForWindowExposed(grid_.get()));
    connect(grid_.get(), &CMSFlexGrid::leaveCell, this, [this] { events_ << "leave " + Where(); });
    connect(grid_.get(), &CMSFlexGrid::enterCell, this, [this] { events_ << "enter " + Where(); });
    connect(grid_.get(), &CMSFlexGrid::mouseDown, this,
            [this](short button, short shift, int, int) {
              events_ << QString("mouse %1 %2 at %3").arg(button).arg(shift).arg(Where());
            });
    Click(3, 4, Qt::ShiftModifier);
    QCOMPARE(TakeEvents(), QStringList({"leave 1,1", "enter 3,4", "mouse 1 1 at 3,4"}));
    Click(3, 4);  // the same cell: no cell change, still a mouse press
    QCOMPARE(TakeEvents(), QStringList({"mouse 1 0 at 3,4"}));
    QHeaderView* numbers = grid_->Table()->verticalHeader();
    QCOMPARE(numbers->model()->headerData(198, Qt::Vertical).toString(), QString());  // not 199
    QTest::mouseClick(numbers->viewport(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier,
                      {4, 4});
    QTest::mouseClick(grid_->Table()->horizontalHeader()->viewport(), Qt::MiddleButton, {}, {4, 4});
    QTest::mouseClick(numbers->viewport(), Qt::BackButton, {}, {4, 4});  // none of the three
    QCOMPARE(TakeEvents(), QStringList({"mouse 2 6 at 3,4", "mouse 4 0 at 3,4",
                                        "mouse 0 0 at 3,4"}));  // fixed cells' too
    for (int row : {3, 0, 200, -1}) grid_->SetRow(row);
    for (int col : {0, 4, 8}) grid_->SetCol(col);
    QVERIFY(events_.isEmpty() && Where() == "3,4");

    grid_->SetTextMatrix(200, 0, "past"), grid_->SetTextMatrix(0, 8, "past");  // no such cells
    grid_->SetTextMatrix(3, 2, "made");  // a cell made before its column's alignment
    for (int col : {0, 2}) grid_->SetColAlignment(col, CMSFlexGrid::kAlignCenterCenter);
    grid_->SetTextMatrix(2, 2, "kept");  // and after
    grid_->SetColWidth(0, 600), grid_->SetColWidth(2, 1508), grid_->SetColWidth(3, 15);  // 15: 1 px
    grid_->SetColWidth(0, -15);  // no width below none
    for (const auto* item :
         {grid_->Table()->item(1, 1), grid_->Table()->item(2, 1),
          grid_->Table()->horizontalHeaderItem(1), grid_->Table()->verticalHeaderItem(198)})
      QCOMPARE(item->textAlignment(), int(Qt::AlignCenter));  // its fixed cells' too
    QVERIFY(grid_->GetColWidth(0) == 600 && grid_->GetColWidth(2) == 1515 &&  // 100.53 px: 101
            grid_->GetColWidth(3) == 15);  // the row headers' too; one pixel is no style's minimum
    grid_->SetRow(2), grid_->SetCol(2);
    GridTable* table = grid_->Table();
    QCOMPARE(table->rowHeight(197), table->horizontalHeader()->height());  // as the fixed row
    table->setFocus();
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {},
                       table->visualRect(table->model()->index(1, 1)).center());
    QTest::keyClicks(table, "99\t"), QTest::keyClick(table, Qt::Key_F2);  // Tab leaves the grid
    QCOMPARE(grid_->GetTextMatrix(2, 2), QString("kept"));
    QCOMPARE(table->findChild<QLineEdit*>(), nullptr);  // no editor was opened
    QCOMPARE(Where(), QString("2,2"));                  // typing does not jump to a matching cell
  }
};

QTEST_MAIN(ChannelViewTest)
#include "channel_view_test.moc"
