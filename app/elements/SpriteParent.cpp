#include "SpriteParent.h"

#include "Quor2_5.h"

StageParent::~StageParent() { DropBackdrop(); }

void StageParent::DropBackdrop() {
    if (userBackdrop) {
        DeleteUserBackdrop(userBackdrop);
        if (brush) DeleteObject(brush);
    }
    userBackdrop = 0;
    brush = nullptr;
}
