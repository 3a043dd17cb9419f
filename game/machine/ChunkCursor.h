// Reads the machine chunk word by word. Every read is checked against the end of the
// chunk: a read past it throws MachineFileError "... it ends inside " + what was read.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class ChunkCursor {
public:
    ChunkCursor(const uint32_t* begin, const uint32_t* end) : at_(begin), end_(end) {}

    uint32_t Word(const char* what);
    int32_t Int(const char* what) { return static_cast<int32_t>(Word(what)); }
    // Four words: left, top, right, bottom.
    std::array<int32_t, 4> ReadRecord(const char* what);
    // A fixed text field of `bytes` bytes (a multiple of 4), cut at its first zero.
    std::string Field(size_t bytes, const char* what);
    // A counted string: its length, then the characters padded to whole words.
    std::string ReadCountedString(const char* what);
    // Fails unless `count` items of at least `wordsEach` words each can still follow.
    void Expect(uint64_t count, uint64_t wordsEach, const char* what) const;

    size_t WordsLeft() const { return size_t(end_ - at_); }
    const uint32_t* Position() const { return at_; }
    const uint32_t* End() const { return end_; }
    void MoveTo(const uint32_t* position) { at_ = position; }

    // Throws the MachineFileError "The machine chunk is damaged: " + what.
    [[noreturn]] static void Damaged(const std::string& what);

private:
    const uint32_t* at_;
    const uint32_t* end_;
};
