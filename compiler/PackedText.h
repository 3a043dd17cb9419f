// Packed text: the way texts are stored in the machine chunk's word buffers.
//
// One 32-bit word holds the text's length n in bytes; the next ceil(n / 4) words hold
// the n bytes in order (first byte in the lowest byte of a word), the bytes after the
// text up to the word boundary being zero. No terminating zero is counted or required,
// and an empty text is the length word alone.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Words that PackText writes for a text of `length` bytes.
uint32_t PackedTextWords(std::size_t length);

// Writes `text` at `out`; returns the word just past it. The caller provides room for
// PackedTextWords(text.size()) words.
uint32_t* PackText(uint32_t* out, const std::string& text);

// Reads one packed text from [cursor, end) into `text` and moves the cursor past it.
// A length word that is missing, or a length that runs past `end`, is a bad buffer:
// the result is false and neither `text` nor the cursor changes.
bool UnpackText(const uint32_t*& cursor, const uint32_t* end, std::string& text);
