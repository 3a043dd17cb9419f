// The lobby's hot spots: every machine of every room is a rectangle of the panorama, given
// as its four corners (x, y pairs ended by x = -1). Its id is the machine number times 16
// plus the room; the highlight frame is the frame of the highlight sprite that outlines
// it. The table ends with a record whose polygon is null. Platform-free.
#pragma once
#include <cstdint>

struct LobbyHotspot {
    const int32_t* polygon;
    const char* title;
    int32_t id;
    int32_t frame;
};

struct LobbyRect {
    int32_t left, top, right, bottom;
    bool Contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};

const int32_t kLobbyMachinesPerRoom = 21;
// The exit door, in panorama pixels.
const LobbyRect kLobbyExitRect = {1666, 50, 1756, 166};

// The 105 records and the end record.
const LobbyHotspot* LobbyHotspotTable();
// The machine's rectangle within a room (x relative to the room's start), by its place in
// the room's three rows; the places run 0 to 20.
LobbyRect LobbyMachinePlace(int32_t place);
// The machine number at a place, and the place of a machine number (-1 for none).
int32_t LobbyMachineAt(int32_t place);
int32_t LobbyPlaceOf(int32_t machine);
const char* LobbyMachineTitle(int32_t machine);
int32_t LobbyMachineFrame(int32_t machine);

// Whether the point lies inside the polygon (crossing test, x = -1 ends the list).
bool PolygonContains(const int32_t* polygon, int32_t x, int32_t y);
// The id of the first hot spot of the table that holds the point, or -1.
int32_t FindHotspotAt(const LobbyHotspot* table, int32_t x, int32_t y);
// The record of the id, or null.
const LobbyHotspot* FindHotspot(const LobbyHotspot* table, int32_t id);
