#include "GameWindowServices.h"

#include "AssetFileTitle.h"
#include "TestBuildScript.h"

namespace {
// The builder's test build and title reader are there from the start.
GameWindowServices Defaults() {
    GameWindowServices defaults;
    defaults.testBuild = TestBuildScript;
    defaults.readTitle = ReadAssetFileTitle;
    return defaults;
}

GameWindowServices services = Defaults();
}  // namespace

GameWindowServices SetGameWindowServices(const GameWindowServices& next) {
    const GameWindowServices previous = services;
    services = next;
    return previous;
}

const GameWindowServices& GetGameWindowServices() { return services; }
