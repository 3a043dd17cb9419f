#include "PageDialogs.h"

#include "ChooseFile.h"
#include "RenameDialog.h"

PageDialogs& GetPageDialogs() {
    static PageDialogs dialogs{
        [](Window* owner, const std::string& kind, std::string& name) {
            RenameDialog dialog(kind, name);
            if (dialog.DoModal(owner) != 1) return false;
            name = dialog.GetName();
            return true;
        },
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
