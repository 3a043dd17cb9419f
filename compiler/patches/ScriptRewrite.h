// Puts new texts in place of spans of a script's bytes. Positions are one-based byte
// positions in the script, as the lexer measures them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ScriptEdit {
    int32_t start = 0;
    int32_t end = 0;
    bool insert = false;   // the text goes in front of the character at start
    std::string text;
};

// The edited script. Edits are applied by place: at one position insertions come first
// (in the given order), then replacements, the widest first. An edit whose place lies in
// text that a wider replacement already took is left out, so every value is written once;
// an insertion of no text adds nothing, and any other insertion is followed by one blank.
std::string RewriteScript(const std::string& script, const std::vector<ScriptEdit>& edits);
