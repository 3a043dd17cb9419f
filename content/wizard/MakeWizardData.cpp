// Writes the wizard data file: MakeWizardData OUTPUT-PATH.
#include <cstdio>
#include <exception>
#include <vector>

#include "WizardDataSearch.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeWizardData OUTPUT-PATH\n");
        return 2;
    }
    try {
        std::vector<int> misses;
        const std::vector<uint8_t> file = BuildWizardTable(&misses);
        for (int index : misses)
            std::printf("entry %d: no configuration in its band\n", index);
        std::FILE* out = std::fopen(argv[1], "wb");
        if (out == nullptr || std::fwrite(file.data(), 1, file.size(), out) != file.size()) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
        return std::fclose(out) == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
