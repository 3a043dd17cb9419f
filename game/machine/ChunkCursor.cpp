#include "ChunkCursor.h"

#include "MachineFileError.h"
#include "PackedText.h"

void ChunkCursor::Damaged(const std::string& what) {
    throw MachineFileError("The machine chunk is damaged: " + what);
}

uint32_t ChunkCursor::Word(const char* what) {
    if (at_ >= end_) Damaged("it ends inside " + std::string(what));
    return *at_++;
}

std::array<int32_t, 4> ChunkCursor::ReadRecord(const char* what) {
    Expect(1, 4, what);
    std::array<int32_t, 4> record;
    for (int32_t& w : record) w = static_cast<int32_t>(*at_++);
    return record;
}

std::string ChunkCursor::Field(size_t bytes, const char* what) {
    Expect(1, bytes / 4, what);
    std::string text;
    for (size_t i = 0; i < bytes / 4; ++i) {
        const uint32_t w = *at_++;
        for (int k = 0; k < 4; ++k) text += char((w >> (8 * k)) & 0xFF);
    }
    return text.substr(0, text.find('\0'));
}

std::string ChunkCursor::ReadCountedString(const char* what) {
    std::string text;
    if (!UnpackText(at_, end_, text)) Damaged("it ends inside " + std::string(what));
    return text;
}

void ChunkCursor::Expect(uint64_t count, uint64_t wordsEach, const char* what) const {
    // Counted in 64 bits: a count from the file times a record size must not wrap.
    if (count * wordsEach > uint64_t(end_ - at_)) Damaged("it ends inside " + std::string(what));
}
