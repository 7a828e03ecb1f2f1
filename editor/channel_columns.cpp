#include "editor/channel_columns.h"

namespace selkan {

const WordPair& ColumnTitle(int column) {
  static constexpr WordPair kTitles[] = {
      {"CH", "信道"},
      {"Rx Frequency", "接收频率"},
      {"Tx Frequency", "发射频率"},
      {"QT/DQT Dec", "QT/DQT解码"},
      {"QT/DQT Enc", "QT/DQT编码"},
      {"Power", "功率"},
      {"Scan", "扫描"},
      {"W/N", "宽/窄"},
  };
  static constexpr WordPair kNoTitle{"", ""};
  constexpr int kCount = static_cast<int>(sizeof kTitles / sizeof kTitles[0]);
  return column >= 0 && column < kCount ? kTitles[column] : kNoTitle;
}

}  // namespace selkan
