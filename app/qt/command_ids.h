#pragma once

namespace selkan::command {

// Command ids of the menus, the toolbar and the accelerators; a help request
// on a menu item asks for the topic of its id.
inline constexpr int kRead = 32773;
inline constexpr int kWrite = 32774;
inline constexpr int kComSetup = 32777;
inline constexpr int kControlBar = 32780;
inline constexpr int kProductInformation = 32786;
inline constexpr int kChannelInformation = 32787;
inline constexpr int kOptionalFeatures = 32788;
inline constexpr int kLanguage = 32799;
inline constexpr int kExportPdf = 32800;
inline constexpr int kFileCompare = 32820;
inline constexpr int kImportChannels = 32901;
inline constexpr int kExportChannels = 32902;
inline constexpr int kInsertChannel = 32903;
inline constexpr int kDeleteChannel = 32904;
inline constexpr int kMoveChannelUp = 32905;
inline constexpr int kMoveChannelDown = 32906;
inline constexpr int kBackups = 32907;
inline constexpr int kCompareWithRadio = 32908;
inline constexpr int kProgramSeveralRadios = 32909;
inline constexpr int kEditClear = 57632;
inline constexpr int kEditCopy = 57634;
inline constexpr int kEditCut = 57635;
inline constexpr int kEditPaste = 57637;
inline constexpr int kEditSelectAll = 57642;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;
inline constexpr int kFileSaveAs = 57604;
inline constexpr int kFilePrintSetup = 57606;
inline constexpr int kFilePrint = 57607;
inline constexpr int kFilePrintDirect = 57608;  // no menu item: prints without the dialog
inline constexpr int kFilePrintPreview = 57609;
inline constexpr int kAppAbout = 57664;
inline constexpr int kAppExit = 57665;
inline constexpr int kNextPane = 57680;
inline constexpr int kPrevPane = 57681;
inline constexpr int kViewToolbar = 59392;
inline constexpr int kViewStatusBar = 59393;

// Help topics of what is not a command.
inline constexpr int kHelpIndex = 0;
inline constexpr int kChannelGrid = 1000;

}  // namespace selkan::command
