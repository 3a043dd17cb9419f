// Opens one topic of a help file of the program's folder in the help viewer: the creator's
// tools open their topics of the authors' reference this way when F1 is pressed.
#pragma once
#include <windows.h>

#include <string>

// The machine authors' reference and the ids of its topics that the tools open.
extern const char kAuthorsReferenceFile[];
extern const char kEditorHelpTopic[];
extern const char kWizardHelpTopic[];

// Asks the viewer for the topic (HELP_CONTEXT, the topic numbered by the hash of its id)
// of the file in the program's folder; false when the viewer could not be started.
bool ShowHelpTopic(HWND owner, const std::string& helpFile, const std::string& topicId);

// What ShowHelpTopic does in place of the viewer, or null for the viewer; the previous
// one is returned.
using HelpTopicOpener = bool (*)(HWND owner, const std::string& helpFile, const std::string& topicId);
HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener opener);
