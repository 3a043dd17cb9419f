// The picture part of a wizard machine's "Symbol" statement. A symbol from the gallery
// names its sprite in "gallery.ast"; a custom symbol, which the symbols page saved as
// "sym" + slot + ".bmp", is copied under the machine's identifier so that it stays with
// the machine.
#pragma once
#include <string>

#include "WizardChoices.h"

// Copies a file, replacing the target; false when it cannot be read or written whole.
bool CopyWholeFile(const std::string& from, const std::string& to);

std::string SymbolArtText(const WizardChoices& document, const std::string& clipArt, int slot);
