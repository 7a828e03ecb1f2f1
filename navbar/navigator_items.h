#pragma once

#include <array>
#include <string_view>

#include "platform/language.h"

namespace selkan {

// What a child of the navigation tree opens.
enum class NavigatorEditor { None, ProductInformation, ChannelInformation, OptionalFeatures };

struct NavigatorItem {
  NavigatorEditor editor;
  WordPair text;
};

// The root's three children, in tree order.
inline constexpr std::array<NavigatorItem, 3> kNavigatorItems{{
    {NavigatorEditor::ProductInformation, {"Product Information", "类型设置"}},
    {NavigatorEditor::ChannelInformation, {"Channel Information", "信道信息"}},
    {NavigatorEditor::OptionalFeatures, {"Optional Features", "可选功能"}},
}};

// The editor an item's text (UTF-8) names. Items carry nothing but their
// text, and only the texts of the language in use count: anything else,
// the root's company name included, opens nothing.
NavigatorEditor NavigatorEditorOf(std::string_view text, Language language);

}  // namespace selkan
