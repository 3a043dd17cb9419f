// The help files generator: vsl_helpfiles SOURCE-FOLDER PROGRAM-FOLDER reads our help
// sources and writes beside the program the game's help, the machine authors' reference
// (both WinHelp files) and the release notes (rich text the shell opens as a document).
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "RichTextFile.h"
#include "WinHelpFile.h"

namespace {

content::HelpDocument ReadSource(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("Can't read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    try {
        return content::ParseHelpSource(text.str());
    } catch (const std::runtime_error& e) {
        throw std::runtime_error(path + ": " + e.what());
    }
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("Can't write " + path);
}

void WriteHelp(const std::string& source, const std::string& target) {
    const std::vector<uint8_t> bytes = content::WinHelpFileBytes(ReadSource(source));
    Write(target, std::string(bytes.begin(), bytes.end()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vsl_helpfiles SOURCE-FOLDER PROGRAM-FOLDER\n");
        return 2;
    }
    const std::string from = std::string(argv[1]) + "/", to = std::string(argv[2]) + "/";
    try {
        WriteHelp(from + "game_help.txt", to + "vS_HELP.hlp");
        WriteHelp(from + "viradu_reference.txt", to + "viradu.hlp");
        Write(to + "VevuVura.doc", content::RichText(ReadSource(from + "milestone_notes.txt")));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vsl_helpfiles: %s\n", e.what());
        return 1;
    }
    return 0;
}
