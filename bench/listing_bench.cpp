// Times the listing of 199 channels: pagination, layout and drawing into a
// PDF in memory, in both languages, and reports the size of the document.
#include <QGuiApplication>
#include <QPageSize>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "model/channel_codec.h"
#include "print/qt/listing_output.h"

namespace {

using Clock = std::chrono::steady_clock;

selkan::ChannelTable FullGrid(selkan::Language language) {
  selkan::ChannelTable table;
  const bool chinese = language == selkan::Language::Chinese;
  for (int row = 1; row <= selkan::offset::kChannelCount; ++row) {
    const std::string mhz = std::to_string(400 + row % 70) + ".12500";
    table[row - 1] = {mhz,
                      mhz,
                      "D754I",
                      "67.0",
                      chinese ? "高" : "High",
                      chinese ? "开" : "On",
                      chinese ? "宽" : "Wide"};
  }
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  constexpr int kRuns = 5;
  for (const auto language : {selkan::Language::English, selkan::Language::Chinese}) {
    const selkan::Listing listing = selkan::MakeListing(selkan::BlankImage(), FullGrid(language),
                                                        language, "Selkan Radio Co., Ltd.");
    std::vector<double> seconds;
    qsizetype size = 0;
    for (int run = 0; run < kRuns; ++run) {
      const auto start = Clock::now();
      const QByteArray pdf = selkan::ListingPdf(
          listing, selkan::DefaultPdfLayout(QPageSize(QPageSize::A4)), QStringLiteral("bench"));
      seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
      size = pdf.size();
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("%s, 199 channels, 30 pages: median %.3f s (min %.3f, max %.3f), PDF %lld bytes\n",
                selkan::LanguageName(language), seconds[seconds.size() / 2], seconds.front(),
                seconds.back(), static_cast<long long>(size));
  }
  return 0;
}
