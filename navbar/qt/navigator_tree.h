#pragma once

#include <QTreeWidget>

#include "navbar/navigator_items.h"
#include "platform/language.h"

namespace selkan {

// The navigation tree: the company's name as root and under it the three
// editors. Choosing an item opens its editor and puts the selection back on
// the root, so that the same item can be chosen again at once. It draws
// buttons and lines, lines at the root too, and scrolls sideways when the
// bar is narrower than its items rather than cutting their texts.
class CNavigatorTree : public QTreeWidget {
  Q_OBJECT
 public:
  static constexpr int kControlId = 1032;

  explicit CNavigatorTree(QWidget* parent = nullptr);

  // Builds the items once: the root, expanded and selected, with the three
  // children in the language's texts.
  void Fill(const QString& rootText, Language language);
  QTreeWidgetItem* Root() const { return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr; }

 protected:
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

 signals:
  // Asked for by a selection change, after the change has been handled.
  void editorChosen(NavigatorEditor editor);

 private:
  void OnCurrentItemChanged();
  void SelectRoot();

  Language language_ = Language::English;
  bool selectingRoot_ = false;
};

}  // namespace selkan
