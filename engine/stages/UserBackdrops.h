// User backdrops: 64 records that the host fills at run time, either with a brush or
// with a routine of its own that draws. A handle is 0xFF000000 plus the record's slot.
#pragma once
#include <windows.h>

#include "Backdrop.h"

typedef int(__stdcall* OwnerDrawRoutine)(BackdropDrawRequest* request);

namespace UserBackdrops {
const int kSlots = 64;
// The new handle, or 0 when every record is in use.
uint32_t CreateBrush(HBRUSH brush, int32_t width, int32_t height);
uint32_t CreateOwnerDraw(OwnerDrawRoutine routine, int32_t width, int32_t height, uintptr_t userData);
// Raises ErrBadUserBackdrop unless the handle names a record in use.
void CheckHandle(uint32_t handle);
void Free(uint32_t handle);
// The backdrop of a record in use; raises ErrBadUserBackdrop otherwise.
Backdrop* Make(uint32_t handle);
void Reset();
}  // namespace UserBackdrops
