#include <QPageSize>
#include <array>
#include <filesystem>
#include <memory>

#include "model/channel_codec.h"
#include "platform/qt/profile_text.h"
#include "platform/qt/tool_application.h"
#include "print/qt/listing_output.h"
#include "settings/product_profile.h"
#include "settings/profile_store.h"
#include "tools/cli/args.h"
#include "tools/cli/commands.h"
#include "tools/cli/image_files.h"

namespace selkan::cli {

namespace {

constexpr const char* kCommand = "print";
constexpr const char* kUsage =
    "selkan-cli print FILE.dat -o FILE.pdf [--lang English|Chinese] [--paper A4|Letter] "
    "[--force]";
constexpr const char* kHelpText =
    "usage: selkan-cli print FILE.dat -o FILE.pdf [--lang English|Chinese]\n"
    "                        [--paper A4|Letter] [--force]\n"
    "\n"
    "Writes the printed listing of a configuration file as a PDF document:\n"
    "page 1 the optional features, then the channels in use, seven to a page,\n"
    "each page with its number and the product's owner text (from Selkan.ini\n"
    "beside this program, when there is one). No display is needed.\n"
    "\n"
    "  -o FILE.pdf      the PDF file to write; \"-\" is standard output\n";
constexpr const char* kMoreHelp =
    "  --paper SIZE     A4 (the default) or Letter\n"
    "  --force          replace FILE.pdf if it exists (otherwise it is kept),\n"
    "                   even when it holds a configuration\n";

constexpr std::array<OptionDef, 4> kOptions{
    {{"-o", true}, kLangOption, {"--paper", true}, {"--force", false}}};

// "Copyrights Owner" of the language's section of the product profile;
// empty when there is none, nullopt (having said why) when it cannot be read.
std::optional<std::string> OwnerText(const std::string& language) {
  CProfileStore profile;
  FileError error;
  if (ReadProductProfile(profile, &error)) {
    return ProfileText(profile.GetValue(language, "Copyrights Owner", ""), profile.Encoding())
        .toStdString();
  }
  if (error.code == 0) return std::string();
  PrintError(kCommand, error.text);
  return std::nullopt;
}

}  // namespace

int RunPrint(const Args& args) {
  const std::string help = std::string(kHelpText) + kLangHelp + kMoreHelp;
  int exitCode = kExitOk;
  const auto parsed = ParseCommandArgs(args, kOptions, {kCommand, kUsage, help}, 1,
                                       "expected one file name", &exitCode);
  if (!parsed) return exitCode;
  const std::string* named = parsed->Value("-o");
  if (named == nullptr || named->empty())
    return UsageError(kCommand, "-o FILE.pdf is needed", kUsage);
  const std::string output = OutputPath(*named);
  const std::optional<Language> language = LanguageOption(*parsed);
  if (!language) return UsageError(kCommand, "--lang is English or Chinese", kUsage);
  const std::string* paperName = parsed->Value("--paper");
  QPageSize paper(QPageSize::A4);
  if (paperName != nullptr && *paperName == "Letter") {
    paper = QPageSize(QPageSize::Letter);
  } else if (paperName != nullptr && *paperName != "A4") {
    return UsageError(kCommand, "--paper is A4 or Letter", kUsage);
  }

  if (!MayReplaceOrReport(kCommand, output, parsed->Has("--force"), "listing", true)) {
    return kExitBadInput;
  }
  const std::filesystem::path input = parsed->positionals[0];
  const auto image = LoadImageOrReport(kCommand, input);
  if (!image) return kExitBadInput;

  const std::optional<std::string> owner = OwnerText(LanguageName(*language));
  if (!owner) return kExitBadInput;
  const auto application = ApplicationIfNone(ToolQt::kGui);  // drawing text needs the GUI side
  const Listing listing = MakeListing(*image, DecodeChannels(*image, *language), *language, *owner);
  FileError error;
  if (!SaveListingPdf(output, listing, DefaultPdfLayout(paper),
                      QString::fromStdString(input.filename().string()), &error)) {
    PrintError(kCommand, error.text);
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace selkan::cli
