// The script texts of Art values, written so that the Art grammar reads them back to the
// same values. The source patches print edited values with them.
#include "MachineDescription.h"

namespace {

const char* const kLineBreak = "\n      ";  // a line end and six blanks

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

const char* HorizontalWord(int32_t code) {
    return code == 0 ? "center," : code == 2 ? "right," : "left,";
}

const char* VerticalWord(int32_t code) {
    return code == 0 ? "center)" : code == 2 ? "bottom)" : "top)";
}

}  // namespace

std::string MachineDescription::FormatScriptlet(const std::string& scriptlet) {
    const size_t equals = scriptlet.find('=');
    if (equals == std::string::npos) return scriptlet;
    return scriptlet.substr(0, equals + 1) + Quoted(scriptlet.substr(equals + 1));
}

std::string MachineDescription::FormatString(const std::string& text) const { return text; }

// Transparent, the hot spot and the scriptlets, as they follow the files in braces.
std::string MachineDescription::FormatPictureItems(const AnimationReference& reference) {
    std::string out;
    if (reference.transparent) out += " Transparent";
    if (reference.horizontalHotSpot != 1 || reference.verticalHotSpot != 1) {
        out += " HotSpot=(";
        out += HorizontalWord(reference.horizontalHotSpot);
        out += VerticalWord(reference.verticalHotSpot);
    }
    for (const auto& scriptlet : reference.scriptlets)
        out += " " + FormatScriptlet(scriptlet) + kLineBreak;
    return out;
}

// No pictures at all (an Indicator may have none) write no text.
std::string MachineDescription::FormatAnimationRef(const AnimationReference& reference) const {
    if (!reference.animationName.empty()) return reference.animationName;
    if (reference.sequences.empty()) return std::string();
    if (reference.libraryAsset != 0) {
        std::string file;
        if (!reference.sequences.empty() && !reference.sequences[0].empty())
            file = reference.sequences[0][0];
        // The library form reads the same items after its number as the sequence form.
        return "{" + Quoted(file) + "," + std::to_string(reference.libraryAsset) +
               FormatPictureItems(reference) + "}";
    }
    std::string out = "{ ";
    for (const auto& sequence : reference.sequences) {
        out += "{ ";
        for (const auto& file : sequence) out += Quoted(file) + " ";
        out += "}";
        out += kLineBreak;
    }
    return out + FormatPictureItems(reference) + "}";
}

std::string MachineDescription::FormatSoundEntry(const SoundPart& sound) const {
    std::string out = Quoted(sound.file);
    if (sound.assetNumber != 0) out += ", " + std::to_string(sound.assetNumber);
    if (sound.compressed) out += " Compressed";
    return out;
}

std::string MachineDescription::FormatRect(const ScriptRect& rect) const {
    return "= " + std::to_string(rect.left) + " , " + std::to_string(rect.top) + " , " +
           std::to_string(rect.right - rect.left) + " x " + std::to_string(rect.bottom - rect.top);
}

std::string MachineDescription::FormatPoint(const Point& point) const {
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

std::string MachineDescription::FormatPlacement(const ScriptRect& rect) const {
    return std::to_string(rect.left) + "," + std::to_string(rect.top);
}

// A double quote cannot stand inside a string, so that key is written as its code, and so
// is any key that is not a printable character.
std::string MachineDescription::FormatQuotedKey(const int32_t& key) const {
    if (key == '"' || key < ' ' || key > '~') return std::to_string(key);
    return Quoted(std::string(1, static_cast<char>(key)));
}

// The whole clause; none for no key.
std::string MachineDescription::FormatHotKey(const int32_t& key) const {
    if (key == 0) return std::string();
    return "HotKey = " + FormatQuotedKey(key);
}

std::string MachineDescription::FormatHotKeyFlagsValue(const int32_t& flags) const {
    std::string out;
    const std::pair<int32_t, const char*> names[] = {
        {HotKeyShift, "SHIFT"}, {HotKeyCtrl, "CTRL"}, {HotKeyAlt, "ALT"}};
    for (const auto& flag : names) {
        if (!(flags & flag.first)) continue;
        if (!out.empty()) out += '|';
        out += flag.second;
    }
    return out;
}

// The whole clause; none when no flag is set, as the clause needs at least one.
std::string MachineDescription::FormatHotKeyFlags(const int32_t& flags) const {
    const std::string value = FormatHotKeyFlagsValue(flags);
    if (value.empty()) return value;
    return "HotKeyFlags = " + value;
}
