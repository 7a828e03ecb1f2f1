#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/cell_commit.h"
#include "model/channel_codec.h"
#include "model/product_info.h"
#include "platform/language.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

namespace selkan {

class CMSFlexGrid;

// A commit's message in the program's language, and the caption of the
// boxes that show it and the grid's other cautions.
QString TranslatedCellMessage(CellMessage message);
QString CautionCaption();

// Control ids of the in-cell editors, by grid column.
inline constexpr int kRxEditorId = 2127;
inline constexpr int kTxEditorId = 2128;
inline constexpr int kDecodeToneListId = 2132;
inline constexpr int kEncodeToneListId = 2133;
inline constexpr int kPowerListId = 1129;
inline constexpr int kScanListId = 1134;
inline constexpr int kBandwidthListId = 1128;

// Room below a drop-down list's box for its dropped list, in pixels.

struct CellTwips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Where an editor goes over the current cell: the cell's twips turned into
// pixels at the grid's logical resolution (the frameless editors need no
// room for a border; a closed list box covers the cell only, so that it does
// not hide the rows below). All integer arithmetic, truncating toward zero.
QRect CellEditorRect(const CellTwips& cell, int dpiX, int dpiY);

// Index of the first item that begins with text, ignoring letter case; 0
// when none does (the empty text included).
int MatchingItem(const std::vector<QString>& items, const QString& text);

// Rows a dropped tone list shows at once; it scrolls through the rest.
inline constexpr int kToneListRows = 12;

// The seven editors of the channel grid (Rx and Tx line edits, the two tone
// lists, power, scan and bandwidth), hidden children of the grid. At most
// one is visible, over the current cell. Opening loads it with the cell;
// committing validates its value into the cell's row and hides it;
// scrolling hides them all without commit.
class CCellEditors : public QObject {
  Q_OBJECT
 public:
  // owner: the widget that owns the validation messages (the view).
  CCellEditors(CMSFlexGrid* grid, QWidget* owner, const std::vector<std::string>& toneList,
               Language language, std::function<BandLimits()> limits);
  ~CCellEditors() override;

  // Told of every commit that changed a row: the row before and after.
  using CommitObserver =
      std::function<void(int row, const ChannelRow& before, const ChannelRow& after)>;
  void SetCommitObserver(CommitObserver observer) { observer_ = std::move(observer); }
  // Whether an editor may open over the current cell now (the view keeps
  // them closed while several cells are selected); always, when not set.
  void SetOpenCondition(std::function<bool()> condition) { canOpen_ = std::move(condition); }

  // Editor of a grid column; columns other than 2-7 map to the Rx editor.
  QWidget* EditorForColumn(int column) const;
  QLineEdit* RxEditor() const { return rx_; }
  QLineEdit* TxEditor() const { return tx_; }
  QComboBox* ListForColumn(int column) const;
  // The editor that is shown, or nullptr.
  QWidget* OpenEditor() const;

  // Places the current column's editor over the current cell, focuses and
  // shows it.
  void ShowCellEditor();
  // EnterCell and MouseDown: loads the current cell into its editor, then
  // shows it.
  void OpenCurrentCell();

  struct Outcome {
    bool rejected = false;  // a frequency failed the range or step test
  };
  // LeaveCell: commits the open editor of the current cell into its row when
  // its value was changed, shows the validation message, hides the editor.
  Outcome CommitOpenEditor();
  // Scroll: hides every editor; what was typed is dropped.
  void HideAll();
  // Whether the open editor holds a value other than the one it opened with.
  bool HasPendingValue() const;
  // Closes the open editor for a command on the grid: committed as leaving
  // the cell does when its value was changed, else only hidden.
  void CloseOpenEditor();
  // Puts the cell's value back into the open editor, dropping what was typed
  // or chosen.
  void RevertOpenEditor();
  // Enter: commit, then move to the next cell (last column: column 1 of the
  // next row; last cell: row 1, column 1). A rejected Rx or Tx keeps the cell.
  void EnterPressed();

 private:
  void CreateEditors(const std::vector<std::string>& toneList, Language language);
  QComboBox* MakeList(int controlId, const std::vector<QString>& items, bool scrollBar);
  void Advance();
  void ShowMessage(CellMessage message);
  QString EditorValue(int column) const;

  CMSFlexGrid* grid_;
  QWidget* owner_;
  Language language_;
  std::function<BandLimits()> limits_;
  QLineEdit* rx_ = nullptr;
  QLineEdit* tx_ = nullptr;
  std::array<QComboBox*, 5> lists_{};  // columns 3 to 7
  std::array<std::vector<QString>, 5> listItems_;
  bool suppressOpen_ = false;
  QString openedWith_;  // the open editor's value when it opened
  CommitObserver observer_;
  std::function<bool()> canOpen_;
};

}  // namespace selkan
