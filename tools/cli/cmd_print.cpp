#include <QGuiApplication>
#include <QPageSize>
#include <array>
#include <filesystem>
#include <memory>

#include "model/channel_codec.h"
#include "platform/qt/profile_text.h"
#include "print/qt/listing_output.h"
#include "settings/profile_store.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "print";
constexpr const char* kUsage =
    "selkan-cli print FILE.dat -o FILE.pdf [--lang English|Chinese] [--paper A4|Letter]";
constexpr const char* kHelp =
    "usage: selkan-cli print FILE.dat -o FILE.pdf [--lang English|Chinese]\n"
    "                        [--paper A4|Letter]\n"
    "\n"
    "Writes the printed listing of a configuration file as a PDF document:\n"
    "page 1 the optional features, then the channels in use, seven to a page,\n"
    "each page with its number and the product's owner text (from Selkan.ini\n"
    "beside this program, when there is one). No display is needed.\n"
    "\n"
    "  -o FILE.pdf      the PDF file to write (replaced as a whole)\n"
    "  --lang LANGUAGE  English (the default) or Chinese\n"
    "  --paper SIZE     A4 (the default) or Letter\n";

constexpr std::array<OptionSpec, 3> kOptions{{{"-o", true}, {"--lang", true}, {"--paper", true}}};

// Drawing text needs the GUI side of Qt; without a display it runs on the
// offscreen platform unless the caller chose one.
std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "selkan-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// "Copyrights Owner" of the language's section of the product profile beside
// this program; empty when there is none. The profile is only read.
std::string OwnerText(const std::string& language) {
  const std::filesystem::path path = std::filesystem::path(ProgramDirectory()) / "Selkan.ini";
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {};
  CProfileStore profile;
  if (!profile.Load(path.string(), false, true, false)) return {};
  return ProfileText(profile.GetValue(language, "Copyrights Owner", "")).toStdString();
}

}  // namespace

int RunPrint(const Args& args) {
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, kHelp}, 1,
                                       "expected one file name", &exitCode);
  if (!parsed) return exitCode;
  const std::string* output = parsed->Value("-o");
  if (output == nullptr || output->empty())
    return UsageError(kCommand, "-o FILE.pdf is needed", kUsage);
  const std::string* lang = parsed->Value("--lang");
  const std::string languageName = lang != nullptr ? *lang : "English";
  if (languageName != "English" && languageName != "Chinese")
    return UsageError(kCommand, "--lang is English or Chinese", kUsage);
  const std::string* paperName = parsed->Value("--paper");
  QPageSize paper(QPageSize::A4);
  if (paperName != nullptr && *paperName == "Letter") {
    paper = QPageSize(QPageSize::Letter);
  } else if (paperName != nullptr && *paperName != "A4") {
    return UsageError(kCommand, "--paper is A4 or Letter", kUsage);
  }

  const std::filesystem::path input = parsed->positionals[0];
  const auto image = LoadImageOrReport(kCommand, input);
  if (!image) return kExitBadInput;

  const auto application = EnsureGuiApplication();
  const Language language = languageName == "Chinese" ? Language::Chinese : Language::English;
  const Listing listing =
      MakeListing(*image, DecodeChannels(*image, language), language, OwnerText(languageName));
  std::string error;
  if (!SaveListingPdf(*output, listing, DefaultPdfLayout(paper),
                      QString::fromStdString(input.filename().string()), &error)) {
    PrintError(kCommand, "cannot write " + *output + ": " + error);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace selkan::cli
