#include "GameWindowServices.h"

namespace {
GameWindowServices services;
}

GameWindowServices SetGameWindowServices(const GameWindowServices& next) {
    const GameWindowServices previous = services;
    services = next;
    return previous;
}

const GameWindowServices& GetGameWindowServices() { return services; }
