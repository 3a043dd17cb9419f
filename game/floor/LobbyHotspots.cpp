#include "LobbyHotspots.h"

#include <cstddef>
#include <vector>

#include "LobbyRooms.h"

namespace {

struct MachineInfo {
    int32_t number;
    const char* title;
    int32_t frame;
};

// In their places: the back row, then the middle row, then the balcony.
const MachineInfo kMachines[kLobbyMachinesPerRoom] = {
    {5, "Zodod uz Uvuvu", 11},  {6, "Classic Bars", 14},          {7, "Seven Wonders", 9},
    {8, "King's Ransom", 18},   {17, "Diamond 7", 13},            {9, "Merlin's Castle", 17},
    {10, "Jolly Roger", 3},     {11, "Hardcore Sports", 2},       {12, "Dodge City", 12},
    {24, "Gridiron", 7},        {13, "Soldier of Fortunes", 8},   {14, "Pot of Gold", 19},
    {15, "Fourth of July", 15}, {16, "Classic Progressive", 10},  {18, "Dollar Diner", 16},
    {19, "Climbing Fujiyama", 0}, {20, "Lucky Losers", 6},        {21, "Wonder Wheel", 4},
    {22, "Bucks Outback", 1},   {23, "Beach Party!", 5},          {26, "Gridiron Gold", 20},
};

const int32_t kPerRow = 7;

struct Table {
    std::vector<std::vector<int32_t>> polygons;
    std::vector<LobbyHotspot> records;
    Table() {
        for (int32_t room = 0; room < kLobbyRooms; ++room)
            for (int32_t place = 0; place < kLobbyMachinesPerRoom; ++place) {
                LobbyRect r = LobbyMachinePlace(place);
                const int32_t x = room * kLobbyRoomWidth;
                polygons.push_back({x + r.left, r.top, x + r.right, r.top, x + r.right, r.bottom, x + r.left,
                                    r.bottom, -1});
            }
        size_t i = 0;
        for (int32_t room = 0; room < kLobbyRooms; ++room)
            for (const MachineInfo& m : kMachines)
                records.push_back(LobbyHotspot{polygons[i++].data(), m.title, m.number * 16 + room, m.frame});
        records.push_back(LobbyHotspot{nullptr, nullptr, -1, -1});
    }
};

}  // namespace

LobbyRect LobbyMachinePlace(int32_t place) {
    const int32_t row = place / kPerRow, k = place % kPerRow;
    if (row == 0) return LobbyRect{23 + 96 * k, 170, 23 + 96 * k + 81, 300};
    if (row == 1) {
        const int32_t left = 21 + (225 * k) / 2;
        return LobbyRect{left, 300, left + 78, 430};
    }
    return LobbyRect{240 + 76 * k, 40, 240 + 76 * k + 60, 160};
}

int32_t LobbyMachineAt(int32_t place) {
    return place >= 0 && place < kLobbyMachinesPerRoom ? kMachines[place].number : -1;
}

int32_t LobbyPlaceOf(int32_t machine) {
    for (int32_t place = 0; place < kLobbyMachinesPerRoom; ++place)
        if (kMachines[place].number == machine) return place;
    return -1;
}

const char* LobbyMachineTitle(int32_t machine) {
    const int32_t place = LobbyPlaceOf(machine);
    return place < 0 ? nullptr : kMachines[place].title;
}

int32_t LobbyMachineFrame(int32_t machine) {
    const int32_t place = LobbyPlaceOf(machine);
    return place < 0 ? -1 : kMachines[place].frame;
}

const LobbyHotspot* LobbyHotspotTable() {
    static const Table table;
    return table.records.data();
}

bool PolygonContains(const int32_t* polygon, int32_t x, int32_t y) {
    int32_t n = 0;
    while (polygon[2 * n] != -1) ++n;
    bool inside = false;
    for (int32_t i = 0, j = n - 1; i < n; j = i++) {
        const int64_t xi = polygon[2 * i], yi = polygon[2 * i + 1];
        const int64_t xj = polygon[2 * j], yj = polygon[2 * j + 1];
        // The crossing lies right of the point; the comparison turns with the edge's direction.
        if ((yi > y) != (yj > y) && (((x - xi) * (yj - yi) < (xj - xi) * (y - yi)) == (yj - yi > 0))) inside = !inside;
    }
    return inside;
}

int32_t FindHotspotAt(const LobbyHotspot* table, int32_t x, int32_t y) {
    for (const LobbyHotspot* h = table; h->polygon; ++h)
        if (PolygonContains(h->polygon, x, y)) return h->id;
    return -1;
}

const LobbyHotspot* FindHotspot(const LobbyHotspot* table, int32_t id) {
    for (const LobbyHotspot* h = table; h->polygon; ++h)
        if (h->id == id) return h;
    return nullptr;
}
