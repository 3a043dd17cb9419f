// The look of each built-in machine: its colours, the scene behind its cabinet and its six
// reel symbols, lowest paying first (the key of its sounds is in MachineSounds.h). The
// symbol names are those of the machine's script (machines\<stem>.txt); its pictures and
// sounds are written as "<stem>_<name in lower case>.bmp" and so on.
#pragma once
#include <windows.h>

#include <cstddef>

namespace content {

// The shapes a reel symbol is drawn from; its colour and caption make it the theme's own.
enum class SymbolShape { Disc, Diamond, Star, Bar, Bell, Cherry, Peak, Box, Crown, Crescent, Drop, Wheel, Heart, Seven };

// The scene painted around the cabinet.
enum class Scene { Night, Stripes, Waves, Hills, Rays, Grid };

struct ThemeSymbol {
    const char* name;
    SymbolShape shape;
    COLORREF colour;
    const char* caption;  // written across the symbol; empty for none
};

// A line of the award card that says what a symbol does where its picture does not.
struct SymbolNote {
    const char* symbol;  // null for none
    const char* text;    // after the symbol's icon
};

struct MachineTheme {
    const char* stem;  // the machine file's name without ".slot"
    int reels;  // 3 or 5 in a row, or 9 in three rows of three
    COLORREF skyTop, skyBottom;
    COLORREF cabinet, trim;
    COLORREF reelFace;
    Scene scene;
    ThemeSymbol symbols[6];
    SymbolNote note;
};

extern const MachineTheme kMachineThemes[];
extern const size_t kMachineThemeCount;

// The theme of the machine file stem, or null.
const MachineTheme* FindMachineTheme(const char* stem);

}  // namespace content
