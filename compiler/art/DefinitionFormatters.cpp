// The script texts of edited values and of whole element definitions.
#include <cstdint>

#include "MachineDescription.h"

namespace {

const char* const kLineBreak = "\n      ";  // a line end and six blanks

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// A number as the script reads it back: the lexer takes no literal beyond 2147483647, so
// the least 32-bit number is written as a constant expression.
std::string NumberText(int32_t value) {
    return value == INT32_MIN ? std::string("-2147483647-1") : std::to_string(value);
}

}  // namespace

std::string MachineDescription::FormatNumber(const int32_t& value) const {
    return NumberText(value);
}

std::string MachineDescription::FormatDigits(const int32_t& value) const {
    return "Digits=" + std::to_string(value);
}

std::string MachineDescription::FormatPriority(const int32_t& value) const {
    return "Priority=" + NumberText(value);
}

std::string MachineDescription::FormatDollarSign(const int32_t& value) const {
    return value != 0 ? "DollarSign" : "";
}

std::string MachineDescription::FormatEmpty(const Point&) const { return std::string(); }

std::string MachineDescription::FormatReelSymbol(const ReelSymbol& symbol) const {
    if (symbol.assetNumber != 0) {
        const std::string file = symbol.files.empty() ? std::string() : symbol.files[0];
        return Quoted(file) + "," + std::to_string(symbol.assetNumber);
    }
    std::string out;
    for (size_t i = 0; i < symbol.files.size(); ++i) {
        if (i) out += ' ';
        out += Quoted(symbol.files[i]);
    }
    return out;
}

std::string MachineDescription::FormatSound(const SoundPart& sound) const {
    return "  Sound " + sound.name + "  { " + FormatSoundEntry(sound) + "  }\n";
}

// The hot key and its flags of a Button or Region, each when set, and the scriptlets.
std::string MachineDescription::FormatKeysAndScriptlets(
    int32_t key, int32_t flags, const std::vector<std::string>& scriptlets) const {
    std::string out;
    if (key != 0) out += FormatHotKey(key) + " ";
    if (flags != 0) out += FormatHotKeyFlags(flags) + " ";
    for (const auto& scriptlet : scriptlets) out += " " + FormatScriptlet(scriptlet) + kLineBreak;
    return out;
}

std::string MachineDescription::FormatButton(const ButtonPart& button) const {
    std::string out = "  Button " + button.name + " { ";
    if (button.picture.HasPictures()) out += FormatAnimationRef(button.picture) + " = ";
    out += FormatPlacement(button.rectangle) + " ";
    out += FormatPriority(button.priority) + " ";
    out += FormatKeysAndScriptlets(button.hotKey, button.hotKeyFlags, button.scriptlets);
    return out + "  }\n";
}

// The rectangle is written whole, so that the size survives whatever the picture is.
std::string MachineDescription::FormatIndicator(const IndicatorPart& indicator) const {
    std::string out = "  Indicator " + indicator.name + " { ";
    if (indicator.picture.HasPictures()) out += FormatAnimationRef(indicator.picture) + " ";
    out += FormatRect(indicator.rectangle) + " ";
    out += FormatDigits(indicator.digits) + " ";
    if (indicator.dollarSign) out += "DollarSign ";
    out += FormatPriority(indicator.priority) + " ";
    for (const auto& scriptlet : indicator.scriptlets)
        out += " " + FormatScriptlet(scriptlet) + kLineBreak;
    return out + "  }\n";
}

std::string MachineDescription::FormatRegionPoints(const std::vector<Point>& points) const {
    std::string out;
    for (size_t i = 0; i < points.size(); ++i) {
        out += "(" + std::to_string(points[i].x) + "," + std::to_string(points[i].y) + ")";
        out += (i % 4 == 3) ? kLineBreak : " ";
    }
    return out;
}

std::string MachineDescription::FormatRegionOrigin(const RegionPart& region) const {
    return std::to_string(region.region.originX) + "," + std::to_string(region.region.originY);
}

std::string MachineDescription::FormatRegion(const RegionPart& region) const {
    const std::string keys =
        FormatKeysAndScriptlets(region.hotKey, region.hotKeyFlags, region.scriptlets);
    return "  Region " + region.name + "\n  { " + FormatRegionOrigin(region) + "\n    { " +
           FormatRegionPoints(region.region.vertices) + "\n    }\n" +
           (keys.empty() ? std::string() : "    " + keys + "\n") + "  }\n";
}
