// vslc SCRIPT [OUT]: builds a machine file from a machine script without a window, for the
// project's content build. OUT defaults to the script's name with the extension ".slot".
// Prints every message of the compile and the build, one a line; exits with 1 when the
// build fails and 2 on a wrong command line.
#include <cstdio>
#include <string>

#include "BuildMachine.h"
#include "MessageCollector.h"
#include "Quor2_5.h"
#include "ScriptFolder.h"

namespace {

const uint32_t kBitmapDecoderKind = 0x50414D42u;  // "BMAP"

std::string DefaultOutput(const std::string& script) {
    const size_t slash = script.find_last_of("/\\");
    const size_t dot = script.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? script.substr(0, dot) : script) + ".slot";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: vslc SCRIPT [OUT]\n");
        return 2;
    }
    const std::string output = WholePath(argc == 3 ? argv[2] : DefaultOutput(argv[1]));
    // The script's pictures and sounds are found beside it.
    const InScriptFolder folder(argv[1]);
    const std::string& script = folder.ScriptPath();
    // Pictures taken from asset files may be encoded; a decoder that is not there is not used.
    RegisterDecoder(kBitmapDecoderKind, 1, "ZORUDOR.DLL");
    RegisterDecoder(kBitmapDecoderKind, 2, "BMJPEG.DLL");
    MessageCollector messages;
    const bool built = BuildMachineWithProgress(script, output, messages, nullptr);
    for (const std::string& text : messages.messages) std::printf("%s\n", text.c_str());
    std::fflush(stdout);
    return built ? 0 : 1;
}
