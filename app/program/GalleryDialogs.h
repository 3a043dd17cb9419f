// The wizard's gallery picks through the editor's gallery dialogs: the reel-symbol and
// award-backdrop pickers over "gallery.ast" in the clip-art folder.
#pragma once

// Installs them for the wizard's symbols and name pages.
void InstallGalleryDialogs();
