#include "navbar/navigator_items.h"

namespace selkan {

NavigatorEditor NavigatorEditorOf(std::string_view text, Language language) {
  for (const NavigatorItem& item : kNavigatorItems) {
    if (text == item.text.In(language)) return item.editor;
  }
  return NavigatorEditor::None;
}

}  // namespace selkan
