#include "ColorXlateTable.h"

#include <cstring>
#include <new>
#include <set>

#include "Blitter.h"
#include "LibraryContext.h"
#include "SpriteTable.h"

namespace {
typedef int(__stdcall* ElementSizeEntry)();
typedef int(__stdcall* SetEntriesEntry)(void* entries, int32_t first, int32_t end, const void* colours);

// Tables handed out and not yet deleted: a stale or foreign pointer is refused. Never
// destroyed: the frame thread draws through it up to the end of the process.
std::set<const void*>& LiveTables() {
    static auto* live = new std::set<const void*>;
    return *live;
}

Blitter& TheBlitter() { return *Context()->blitter; }
int32_t ElementSize() { return TheBlitter().As<ElementSizeEntry>(Blitter::GetXlateElementSize)(); }
int32_t MaxElements() { return TheBlitter().As<ElementSizeEntry>(Blitter::GetMaxXlateElements)(); }
int Fill(void* entries, int32_t first, int32_t end, const void* colours) {
    return TheBlitter().As<SetEntriesEntry>(Blitter::SetXlateEntries)(entries, first, end, colours);
}

// Entries for every pixel value, each mapping the pixel to itself.
uint8_t* NewIdentityEntries() {
    const int32_t count = MaxElements();
    const int32_t size = ElementSize();
    uint8_t* entries = new (std::nothrow) uint8_t[size_t(count) * size_t(size)]();
    if (entries && size == 2) {
        uint16_t* e = reinterpret_cast<uint16_t*>(entries);
        for (int32_t i = 0; i < count; ++i) e[i] = uint16_t(i);
    }
    return entries;
}
}  // namespace

ColorXlateTable::~ColorXlateTable() { delete[] entries_; }

ColorXlateTable* ColorXlateTable::Create(int32_t count, const void* colours) {
    ErrorState& errors = Errors();
    if (!colours) errors.Raise(ErrNullArgument);
    if (count < 0 || count > MaxElements()) errors.Raise(ErrBadXlateRange, count);
    ColorXlateTable* t = new (std::nothrow) ColorXlateTable;
    if (!t) errors.Raise(ErrOutOfMemory);
    // The blitter looks entries up by pixel value, so the whole range is allocated, the
    // entries beyond the table's own keeping every pixel as it is.
    t->entries_ = NewIdentityEntries();
    if (!t->entries_) {
        delete t;
        errors.Raise(ErrOutOfMemory);
    }
    t->capacity_ = count;
    Fill(t->entries_, 0, count, colours);
    LiveTables().insert(t);
    return t;
}

ColorXlateTable* ColorXlateTable::Find(const void* pointer) {
    if (!pointer) Errors().Raise(ErrNullArgument);
    if (!LiveTables().count(pointer)) Errors().Raise(ErrBadHandle, int32_t(uintptr_t(pointer)));
    return static_cast<ColorXlateTable*>(const_cast<void*>(pointer));
}

bool ColorXlateTable::Delete(ColorXlateTable* table) {
    bool unused = table->references_ == 0;
    if (!unused) {
        if (LibraryContext* ctx = Context())
            if (ctx->sprites) ctx->sprites->DropColorTable(table);
    }
    LiveTables().erase(table);
    delete table;
    return unused;
}

int ColorXlateTable::Modify(int32_t first, int32_t end, const void* colours) {
    ErrorState& errors = Errors();
    if (!colours) errors.Raise(ErrNullArgument);
    if (first < 0 || end < 0 || first >= end || end > MaxElements()) errors.Raise(ErrBadXlateRange, end);
    if (end > capacity_) capacity_ = end;  // the entries are allocated for the whole range
    return Fill(entries_, first, end, colours);
}
