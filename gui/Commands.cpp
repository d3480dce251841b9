#include "Commands.h"

#include "view/DesignView.h"

namespace vorna {

const ViewCommand kMenuBarCommands[6] = {
    {kCommandFilterSelect, TextId::CommandFilterSelect, TextId::PromptFilterSelect,
     &DesignView::OnFilterSelect},
    {kCommandParameterInput, TextId::CommandParameterInput, TextId::PromptParameterInput,
     &DesignView::OnParameterInput},
    {kCommandConvertDigital, TextId::CommandConvertDigital, TextId::PromptConvertDigital,
     &DesignView::OnConvertDigital},
    {kCommandGraphSelect, TextId::CommandGraphSelect, TextId::PromptGraphSelect,
     &DesignView::OnGraphSelect},
    {kCommandOutput, TextId::CommandOutput, TextId::PromptOutput, &DesignView::OnOutput},
    {kCommandFont, TextId::CommandFont, TextId::PromptFont, &DesignView::OnFont},
};

const ViewCommand kOpenDataFileCommand = {kCommandOpenDataFile, TextId::CommandOpenDataFile,
                                          TextId::PromptOpenDataFile, &DesignView::OnOpenDataFile};

const HelpCommand kHelpCommands[4] = {
    {kCommandHelp, TextId::CommandHelp, TextId::PromptHelp, TextId::HelpDocumentManual},
    {kCommandDesignExamples, TextId::CommandDesignExamples, TextId::PromptDesignExamples,
     TextId::HelpDocumentExamples145},
    {kCommandHelpIndex, TextId::CommandHelpIndex, TextId::PromptHelpIndex,
     TextId::HelpDocumentExamples210},
    {kCommandHelpUsing, TextId::CommandHelpUsing, TextId::PromptHelpUsing,
     TextId::HelpDocumentIntroduction},
};

}  // namespace vorna
