#include "SymbolArt.h"

#include <cstdio>
#include <vector>

#include "ArtPaths.h"

bool CopyWholeFile(const std::string& from, const std::string& to)
{
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (in == nullptr)
        return false;
    std::vector<char> bytes;
    char buffer[16384];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + n);
    const bool read = !std::ferror(in);
    std::fclose(in);
    if (!read)
        return false;
    std::FILE* out = std::fopen(to.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

std::string SymbolArtText(const WizardChoices& document, const std::string& clipArt, int slot)
{
    const int32_t index = document.symbolGalleryIndexes[slot];
    if (index >= 0)
        return " \"" + GalleryPath(clipArt) + "\" , " + std::to_string(index) + "\n";
    // The symbols page saved the picture elsewhere; the machine's copy goes beside its
    // script under the machine's name followed by the picture's file name.
    const std::string& saved = document.symbolCustomFiles[slot];
    const std::string name = saved.substr(saved.find_last_of("\\/") + 1);
    std::string target = document.identifier + name;
    if (!CopyWholeFile(saved, target)) {
        // The first name may be held by a file that cannot be replaced; the second copy's
        // failure shows when the machine is built, as a missing file.
        target = document.identifier + "___" + name;
        CopyWholeFile(saved, target);
    }
    return " \"" + target + "\"\n";
}
