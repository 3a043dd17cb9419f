#include "AwardCardNotice.h"

#include <cctype>

namespace {
// The machines whose backdrops the content build paints with their award cards.
const char* const kOurMachines[] = {"4thjuly", "aussie",    "bars",     "climbfuji",   "diamond7", "diner",
                                    "dodgec",  "foxfire",   "gridiron", "gridirongold", "losers",   "pirates",
                                    "potofgold", "progressive", "ransom", "soldier",     "swimsuit", "venus",
                                    "wizards", "wof",       "wonders",  "wwsports"};

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Lower(std::string text) {
    for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool SameItems(const ScriptPayTable::PatternItem& a, const ScriptPayTable::PatternItem& b) {
    return a.kind == b.kind && a.symbols == b.symbols;
}

bool SamePayouts(const ScriptPayTable::Payout& a, const ScriptPayTable::Payout& b) {
    if (a.type != b.type) return false;
    return a.type == 0 ? a.amount == b.amount : a.scriptlet == b.scriptlet;
}

bool SameLines(const ScriptPayTable::PayoutLine& a, const ScriptPayTable::PayoutLine& b) {
    if (a.kind != b.kind || a.items.size() != b.items.size() || a.payouts.size() != b.payouts.size()) return false;
    for (size_t i = 0; i < a.items.size(); ++i)
        if (!SameItems(a.items[i], b.items[i])) return false;
    for (size_t i = 0; i < a.payouts.size(); ++i)
        if (!SamePayouts(a.payouts[i], b.payouts[i])) return false;
    return true;
}
}  // namespace

bool BackdropIsWizardCard(const std::string& scriptPath, const std::string& backdropFile) {
    const std::string script = FileNameOf(scriptPath);
    const size_t dot = script.rfind('.');
    const std::string name = dot == std::string::npos ? script : script.substr(0, dot);
    return !name.empty() && Lower(FileNameOf(backdropFile)) == Lower(name + ".bmp");
}

bool BackdropIsOurMachinesCard(const std::string& backdropFile) {
    const std::string name = Lower(FileNameOf(backdropFile));
    for (const char* stem : kOurMachines)
        if (name == std::string(stem) + "_back.bmp") return true;
    return false;
}

bool BackdropCarriesAwardCard(const std::string& scriptPath, const std::string& backdropFile) {
    return BackdropIsWizardCard(scriptPath, backdropFile) || BackdropIsOurMachinesCard(backdropFile);
}

bool PayTableShowsOtherwise(const ScriptPayTable& saved, const ScriptPayTable& edited) {
    if (saved.lines.size() != edited.lines.size() || saved.joker != edited.joker) return true;
    for (size_t i = 0; i < saved.lines.size(); ++i)
        if (!SameLines(saved.lines[i], edited.lines[i])) return true;
    return false;
}

std::string StaleAwardCardNotice(const std::string& backdropFile) {
    return "The pay table was saved, but the award card painted into the backdrop " + backdropFile +
           " still shows the old payouts: the card no longer matches what the machine pays.\n\n"
           "To show the new payouts, paint them into the card in " + backdropFile +
           " with a picture editor, or choose another backdrop on the Graphics page.";
}
