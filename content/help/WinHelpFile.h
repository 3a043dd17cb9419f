// Writes a help document in the WinHelp 3.1 file format, the one the platform's help
// viewer reads: an internal file system (a directory B-tree of named internal files)
// holding |SYSTEM (title and contents topic), |FONT (our three fonts), |TOPIC (the topics'
// records, uncompressed, in 4 KiB topic blocks), |CONTEXT (the B-tree that links use
// to find a topic from the hash of its id) and |CTXOMAP (the map that a program's
// HELP_CONTEXT request uses, each topic numbered by the hash of its id).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "HelpDocument.h"

namespace content {

std::vector<uint8_t> WinHelpFileBytes(const HelpDocument& document);

// The hash of a topic id that links carry, |CONTEXT is keyed on and |CTXOMAP numbers the
// topic by.
int32_t HelpContextHash(const std::string& id);

}  // namespace content
