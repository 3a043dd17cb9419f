// Writes a help document as rich text (RTF), the form of our release notes that the
// platform's shell opens in its word processor. Links become plain words.
#pragma once
#include <string>

#include "HelpDocument.h"

namespace content {

std::string RichText(const HelpDocument& document);

}  // namespace content
