#include "HelpTopic.h"

#include "SystemInfo.h"
#include "WinHelpFile.h"

const char kAuthorsReferenceFile[] = "viradu.hlp";
const char kEditorHelpTopic[] = "editor";
const char kWizardHelpTopic[] = "wizard";

namespace {
HelpTopicOpener opener = nullptr;
}  // namespace

bool ShowHelpTopic(HWND owner, const std::string& helpFile, const std::string& topicId) {
    if (opener) return opener(owner, helpFile, topicId);
    const std::string path = GetBaseDirectory() + helpFile;
    const DWORD topic = static_cast<DWORD>(content::HelpContextHash(topicId));
    return WinHelpA(owner, path.c_str(), HELP_CONTEXT, topic) != FALSE;
}

HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener next) {
    const HelpTopicOpener previous = opener;
    opener = next;
    return previous;
}
