#include "SpriteKinds.h"

#include "LibraryContext.h"

Sprite* NewSpriteOfKind(int32_t handle, const SpriteCreateRecord& record) {
    switch (record.type) {
    case 0: case 2: return new PropSprite(handle, record);
    case 1: case 3: return new ActorSprite(handle, record);
    case 4: case 6: return new FixedTextSprite(handle, record);
    case 5: case 7: return new MovableTextSprite(handle, record);
    case 8: case 10: return new FixedOwnerDrawSprite(handle, record);
    case 9: case 11: return new MovableOwnerDrawSprite(handle, record);
    default: Errors().Raise(ErrBadType, int32_t(record.type));
    }
}
