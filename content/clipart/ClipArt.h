// The pieces of the wizard's clip-art folder on our CD: the machine bodies, buttons and
// parts the style tables name, the arms, the galleries and the blank symbol.
#pragma once
#include <string>

namespace content {

class Canvas;

// Saves the picture under the clip-art folder (which ends in a backslash) at the
// relative path, making its folders, at the colour depth; throws when it cannot be written.
void SaveClipArt(const Canvas& picture, const std::string& folder, const std::string& relative, int depth = 24);

void MakeMachineBodies(const std::string& folder);
void MakeMachineButtons(const std::string& folder);
void MakeMachineParts(const std::string& folder);
void MakeMachineArms(const std::string& folder);
void MakeGallery(const std::string& folder);
void MakeGalleryExtra(const std::string& folder);

// A gallery symbol drawn on a 64 x 64 canvas (0 to the gallery's symbol count - 1).
void DrawGallerySymbol(Canvas& c, int symbol);

}  // namespace content
