// The popup menus of the elements on the Graphics page, and the commands they share.
#pragma once
#include <windows.h>

#include <string>

class EditableElement;
class Window;

// Shows the first submenu of the menu resource at the point (client coordinates of the
// owner) and answers the chosen command, 0 when none was chosen.
int TrackElementMenu(int menuId, POINT point, Window* owner);

// Asks for a new name in the Rename dialog for the kind word ("Button", "Indicator",
// "Region"); on OK the element takes the name, its display text becomes the name, a
// blank and the kind word, and the layout hears of it. True when renamed.
bool RenameFromDialog(EditableElement& element, const std::string& kind, Window* owner);

// A button or indicator that every machine needs may be neither deleted nor renamed: the
// author is told so in a box of this caption, and the answer is true.
inline const char kRequiredElementCaption[] = "Required Element";
bool RefuseIfRequired(EditableElement& element, const std::string& kind, Window* owner);

// An element that the Coin statement names (a region or the denomination indicator) may
// not be deleted: the author is told who uses it, and the answer is true.
bool RefuseIfCoinUses(EditableElement& element, Window* owner);
