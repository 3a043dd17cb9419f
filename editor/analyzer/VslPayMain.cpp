// vslpay SCRIPT: prints the payout report of a machine script, with the compiler's warnings
// above it; when the script cannot be read, the compiler's messages and why no report was
// made (exit code 1).
#include <cstdio>
#include <string>

#include "CompileStopNote.h"
#include "MessageList.h"
#include "PayoutAnalyzer.h"
#include "ScriptFolder.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vslpay SCRIPT\n", stderr);
        return 2;
    }
    MessageList messages;
    PayoutAnalyzer analyzer;
    const InScriptFolder folder(argv[1]);  // the script's files are found beside it
    const bool analyzed = analyzer.Run(folder.ScriptPath(), messages);
    if (!analyzed) messages.AddMessage(CompileStopNote(analyzer, "No payout report was made"));
    std::string text = messages.Joined();
    if (!text.empty() && text.back() != '\n') text += '\n';
    std::fputs(text.c_str(), analyzed ? stdout : stderr);
    return analyzed ? 0 : 1;
}
