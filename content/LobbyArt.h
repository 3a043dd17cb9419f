// The lobby's assets of "lobbyAssets.ast", after the splash backdrop.
#pragma once
#include "ContentFolders.h"
#include "OrderedAssets.h"

namespace content {
void AddLobbyArt(OrderedAssets& file);
}
