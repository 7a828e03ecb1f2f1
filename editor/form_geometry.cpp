#include "editor/form_geometry.h"

#include <algorithm>

namespace selkan {

FormLayout LayOutForm(const FormLayout& form, int formWidth, int formHeight, int viewWidth,
                      int viewHeight) {
  const int extraWidth = std::max(0, viewWidth - formWidth);
  const int extraHeight = std::max(0, viewHeight - formHeight);
  FormLayout layout = form;
  layout.grid.width += extraWidth;
  layout.grid.height += extraHeight;
  layout.title.x += extraWidth / 2;
  return layout;
}

}  // namespace selkan
