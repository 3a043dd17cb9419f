// Colour translate tables: entries filled by the blitter, through which a sprite's
// picture is drawn in another colouring. The host holds a table by its address.
#pragma once
#include <cstdint>

class ColorXlateTable {
public:
    // Raise on failure (ErrNullArgument, ErrBadXlateRange, ErrOutOfMemory).
    static ColorXlateTable* Create(int32_t count, const void* colours);
    // The table behind a host pointer; raises ErrNullArgument / ErrBadHandle.
    static ColorXlateTable* Find(const void* pointer);
    // Frees the table; true when no sprite was drawing through it.
    static bool Delete(ColorXlateTable* table);

    int Modify(int32_t first, int32_t end, const void* colours);
    const void* Entries() const { return entries_; }
    int32_t Capacity() const { return capacity_; }
    int32_t References() const { return references_; }
    void AddReference() { ++references_; }
    void DropReference() { if (references_ > 0) --references_; }

private:
    ColorXlateTable() = default;
    ~ColorXlateTable();

    int32_t references_ = 0;
    int32_t capacity_ = 0;
    uint8_t* entries_ = nullptr;
};
