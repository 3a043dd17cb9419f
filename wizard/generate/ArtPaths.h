// The file names of a wizard machine's art: the style tables name files relative to the
// clip-art folder on the game CD, and their Art texts hold the placeholder "$artpath".
#pragma once
#include <string>

#include "StyleTables.h"

// The text with every occurrence of the placeholder replaced, scanning on behind each
// replacement, so that a replacement is never scanned again.
std::string ExpandArtVariables(const std::string& text, const std::string& placeholder,
                               const std::string& replacement);

// The text with every "$artpath" replaced by the clip-art folder.
std::string ExpandArtPath(const std::string& text, const std::string& clipArt);

// The gallery asset file of the clip-art folder.
std::string GalleryPath(const std::string& clipArt);

// The reference's file in the clip-art folder.
std::string ArtFullPath(const ArtRef& ref, const std::string& clipArt);

// The reference as the script writes it after a blank: the quoted full path, and for an
// asset ",<index>".
std::string ArtRefText(const ArtRef& ref, const std::string& clipArt);
