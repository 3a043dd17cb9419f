// The lobby's five rooms: each is 800 panorama pixels wide and plays at its own
// denomination (cents).
#pragma once
#include <cstdint>

const int32_t kLobbyRooms = 5;
const int32_t kLobbyRoomWidth = 800;
const int32_t kLobbyPanoramaWidth = kLobbyRooms * kLobbyRoomWidth;
const int32_t kLobbyRoomDenominations[kLobbyRooms] = {25, 2500, 10000, 500, 100};

// The room that plays at the denomination, or -1.
inline int32_t RoomOfDenomination(int32_t cents) {
    for (int32_t room = 0; room < kLobbyRooms; ++room)
        if (kLobbyRoomDenominations[room] == cents) return room;
    return -1;
}
