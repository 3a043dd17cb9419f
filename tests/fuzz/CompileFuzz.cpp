// The whole compiler on raw bytes. The picture probe is a stand-in that opens no file:
// sizes follow from the names, and asset numbers above 9 are missing, as a real asset
// file may lack them. A compile reports through its messages and never throws, and the
// script code a compiled machine keeps is the text after the "}" that closes its Art
// block.
#include <stdexcept>
#include <string>

#include "FuzzTarget.h"
#include "MachineDescription.h"
#include "MessageSink.h"
#include "PictureProbe.h"
#include "ScratchFile.h"

namespace {

class CountingSink : public MessageSink {
public:
    void AddMessage(const std::string&) override { ++count; }
    size_t count = 0;
};

// The input after a byte offset as the compiler reads text: up to the first 0x1A byte,
// a carriage return alone or before a line feed as one line end, NUL bytes left out.
std::string TextAfter(const uint8_t* data, size_t size, size_t from) {
    std::string text;
    for (size_t i = 0; i < size && data[i] != 0x1A; ++i) {
        if (i < from || data[i] == 0) continue;
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') continue;
        text.push_back(data[i] == '\r' ? '\n' : static_cast<char>(data[i]));
    }
    return text;
}

// Whether the text is what the lexer skips between tokens: blanks, tabs and line ends,
// "//" comments to the line end, and "/*" comments, which nest; inside one the lexer reads
// punctuators whole, so "//" there neither opens nor closes anything.
bool OnlyBlanksAndComments(const std::string& text) {
    int depth = 0;
    for (size_t i = 0; i < text.size();) {
        const std::string two = text.substr(i, 2);
        if (two == "/*") {
            ++depth;
            i += 2;
        } else if (depth > 0) {
            if (two == "*/") --depth;
            i += two == "*/" || two == "//" || two == "*=" || two == "/=" ? 2 : 1;
        } else if (two == "//") {
            i = text.find('\n', i);
            if (i == std::string::npos) i = text.size();
        } else if (text[i] == ' ' || text[i] == '\t' || text[i] == '\n') {
            ++i;
        } else {
            return false;
        }
    }
    return depth == 0;
}

// Whether the code is the text after the header from a later line on: the lines in front
// of that one only blank lines and comments, and the blanks and tabs in front of its first
// token read as blanks, tabs to multiples of 8.
bool KeptFromALaterLine(const std::string& code, const std::string& after) {
    const size_t indent = code.find_first_not_of(' ');
    if (indent == std::string::npos) return false;
    const size_t length = code.size() - indent;
    if (length >= after.size() || after.compare(after.size() - length, length, code, indent) != 0)
        return false;
    const size_t at = after.size() - length, lineEnd = after.rfind('\n', at - 1);
    if (lineEnd == std::string::npos || !OnlyBlanksAndComments(after.substr(0, lineEnd + 1))) return false;
    size_t width = 0;
    for (size_t i = lineEnd + 1; i < at; ++i) {
        if (after[i] != ' ' && after[i] != '\t') return false;
        width = after[i] == '\t' ? (width / 8 + 1) * 8 : width + 1;
    }
    return width == indent;
}

// The kept code is the whole text after the header or the part of it from a later line
// on; none only when that text is blank or may be comments.
bool IsTextAfterHeader(const std::string& code, const std::string& after) {
    if (code.empty())
        return after.find_first_not_of(" \t\n") == std::string::npos ||
               after.find("/*") != std::string::npos || after.find("//") != std::string::npos;
    return code == after || KeptFromALaterLine(code, after);
}

class NamedSizes : public PictureProbe {
public:
    PictureSize GetBitmapFileSize(const std::string& path) override {
        if (path.empty()) return PictureSize{};
        return PictureSize{int32_t(path.size() * 8), int32_t(path.back() & 0x3F)};
    }
    PictureSize GetAssetFrameSize(const std::string& assetFile, int32_t assetNumber) override {
        if (assetNumber > 9) throw std::runtime_error("No asset #" + std::to_string(assetNumber));
        return PictureSize{int32_t(assetFile.size() + 1), assetNumber};
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NamedSizes probe;
    CountingSink sink;
    MachineDescription md;
    md.SetPictureProbe(&probe);
    md.Compile(WriteScratchFile(data, size, ".vsl"), &sink, nullptr);
    if (md.IsCompiled()) {
        // What the builder reads of a compiled machine.
        for (int32_t reel = 0; reel < md.GetReelCount(); ++reel) (void)md.GetReelStrip(reel);
        // A machine without an Art block is not playable, so it never compiles.
        const int32_t headerEnd = md.GetArtInsertionPoint();
        if (headerEnd <= 0 || static_cast<size_t>(headerEnd) > size) __builtin_trap();
        if (!IsTextAfterHeader(md.GetScriptCode(), TextAfter(data, size, headerEnd)))
            __builtin_trap();
    }
    return 0;
}
