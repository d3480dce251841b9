#pragma once
// The commands of the main frame and the document windows: ids, menu texts and status-bar
// prompts.

#include "platform/Ui.h"

namespace vorna {

class DesignView;

enum CommandId : int {
    kCommandNew = 57600,
    kCommandOpen = 57601,
    kCommandSave = 57603,
    kCommandSaveAs = 57604,
    kCommandPrintSetup = 57606,
    kCommandPrint = 57607,
    kCommandPrintPreview = 57609,
    kCommandRecentFirst = 57616,
    kCommandCopy = 57634,
    kCommandArrangeIcons = 57649,
    kCommandCascade = 57650,
    kCommandTile = 57651,
    kCommandAbout = 57664,
    kCommandExit = 57665,
    kCommandHelpIndex = 57666,
    kCommandHelpUsing = 57668,
    kCommandHelp = 57670,
    kCommandDesignExamples = 2405,
    kCommandFilterSelect = 600,
    kCommandConvertDigital = 610,
    kCommandGraphSelect = 620,
    kCommandOutput = 630,
    kCommandParameterInput = 640,
    kCommandFont = 650,
    kCommandOpenDataFile = 660,
    kCommandAnalysis = 670,
    kCommandLanguageJapanese = 680,
    kCommandLanguageEnglish = 681,
    kCommandEncodingCp932 = 682,
    kCommandEncodingUtf8 = 683,
    kCommandWindowFirst = 65280,  // the Window menu's list of open windows
};

// A command the view of the active document window handles.
struct ViewCommand {
    int id;
    TextId text;
    TextId prompt;
    void (DesignView::*run)(Ui&);
};

// The six plain commands of the menu bar, in menu order.
extern const ViewCommand kMenuBarCommands[6];
// Command 660 of the File menu.
extern const ViewCommand kOpenDataFileCommand;

// A help document opened with the desktop's associated application.
struct HelpCommand {
    int id;
    TextId text;
    TextId prompt;
    TextId document;
};

extern const HelpCommand kHelpCommands[4];

}  // namespace vorna
