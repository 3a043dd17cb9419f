#include "StageTable.h"

#include <new>

#include "LibraryContext.h"

StageTable::~StageTable() {
    for (Stage* s : slots_) delete s;
}

bool StageTable::Init(size_t n) {
    try {
        slots_.assign(n, nullptr);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

Stage* StageTable::Find(int32_t handle) const {
    if (handle < 1 || size_t(handle) > slots_.size() || !slots_[handle - 1])
        Errors().Raise(ErrBadStage, handle);
    return slots_[handle - 1];
}

void StageTable::DropBackdropsOfFile(int fileSlot) {
    for (Stage* s : slots_)
        if (s && s->UsesFile(fileSlot)) s->ClearBackdrop();
}
