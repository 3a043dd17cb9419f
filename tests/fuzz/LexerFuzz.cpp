// The script lexer on raw bytes: every token of the file, then the text-after reads the
// writer uses. A number too large or an unclosed string or comment is a SynError, which
// the compiler reports; nothing else may escape.
#include "FuzzTarget.h"
#include "ScratchFile.h"
#include "ScriptLexer.h"
#include "SynError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ScriptLexer lexer;
    lexer.DefineSymbol("Reels", 1);
    lexer.DefineSymbol("Title", 2);
    if (!lexer.Open(WriteScratchFile(data, size, ".vsl"))) return 0;
    int32_t lastEnd = 0;
    try {
        // Every token takes at least one byte, so the file's size bounds the count.
        for (size_t n = 0; n <= size + 1; ++n) {
            lexer.NextToken();
            const Token& t = lexer.Current();
            if (t.kind == TokenKind::EndOfFile) break;
            lastEnd = t.end;
            if (n % 16 == 0) lexer.MarkErrorLine();
        }
    } catch (const SynError&) {
    }
    (void)lexer.ReadTextAfter(lastEnd);
    (void)lexer.ReadRemainingText();
    return 0;
}
