#include "PageDialogs.h"

#include "ChooseFile.h"

PageDialogs& GetPageDialogs() {
    static PageDialogs dialogs{
        nullptr,
        [](Window* owner, std::string& path, const char* filter, const char* title) {
            std::string folder;
            return ChooseFileToOpen(owner, path, folder, filter, title);
        },
        [](Window* owner, std::vector<std::string>& paths, const char* filter, const char* title) {
            std::string folder;
            return ChooseFilesToOpen(owner, paths, folder, filter, title);
        }};
    return dialogs;
}
