// A script file read as a text stream, with the same positions on every platform: the
// file is read whole in binary; a carriage return before a line feed is skipped but
// counted in the positions, a lone carriage return reads as a line end, and a 0x1A byte
// ends the text. Positions are byte offsets in the file.
#pragma once
#include <cstdint>
#include <string>

class ScriptStream {
public:
    static constexpr int kEnd = -1;

    // Replaces the contents with the file's; false when it cannot be read.
    bool Open(const std::string& path);
    // Replaces the contents with the given bytes (as if they were a file).
    void Assign(std::string bytes);
    void Close();
    bool IsOpen() const { return open_; }
    // Every byte as read, line ends and all.
    const std::string& Bytes() const { return data_; }

    // The next character (0 to 255, line ends as '\n') or kEnd.
    int Get();
    // Steps back over the character the last Get returned; one step only.
    void Unget();
    // Byte offset of the next character.
    int32_t Tell() const { return static_cast<int32_t>(pos_); }
    // Every character from the current position to the end, line ends as '\n', with NUL
    // bytes left out; the position moves to the end.
    std::string ReadRest();
    // The characters from a byte offset to the end, as ReadRest gives them; the position
    // does not move.
    std::string TextFrom(size_t offset) const;
    // The byte offset at which the line holding the given offset begins.
    size_t LineStart(size_t offset) const;
    // True when the bytes in [from, to) are blanks and tabs only.
    bool BlankBetween(size_t from, size_t to) const;

private:
    std::string data_;
    size_t end_ = 0;       // first 0x1A byte, or the size
    size_t pos_ = 0;
    size_t lastPos_ = 0;   // position before the last Get
    bool open_ = false;
};
