#include <windows.h>

#include "Canvas.h"
#include "ClipArt.h"
#include "ContentFolders.h"

namespace content {

void SaveClipArt(const Canvas& picture, const std::string& folder, const std::string& relative, int depth) {
    const std::string path = folder + relative;
    for (std::string::size_type at = path.find('\\', folder.size()); at != std::string::npos;
         at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    if (depth == 24) {
        Check(picture.Picture().Save(path), path);
        return;
    }
    Bitmap copy(picture.Picture());
    Check(copy.StretchInto(depth) && copy.Save(path), path);
}

void MakeWizardClipArt(const ContentFolders& to) {
    const std::string folder = to.cd + "clipart\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    MakeMachineBodies(folder);
    MakeMachineButtons(folder);
    MakeMachineParts(folder);
    MakeMachineArms(folder);
    MakeGallery(folder);
    MakeGalleryExtra(folder);
}

}  // namespace content
