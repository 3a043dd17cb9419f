// vslpay SCRIPT: prints the payout report of a machine script, with the compiler's warnings
// above it; when the script cannot be read, the compiler's messages and why no report was
// made (exit code 1).
#include <cstdio>
#include <string>

#include "CompileStopNote.h"
#include "MessageList.h"
#include "PayoutAnalyzer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: vslpay SCRIPT\n", stderr);
        return 2;
    }
    MessageList messages;
    PayoutAnalyzer analyzer;
    const bool analyzed = analyzer.Run(argv[1], messages);
    if (!analyzed) messages.AddMessage(CompileStopNote(analyzer, "No payout report was made"));
    std::string text = messages.Joined();
    if (!text.empty() && text.back() != '\n') text += '\n';
    std::fputs(text.c_str(), analyzed ? stdout : stderr);
    return analyzed ? 0 : 1;
}
