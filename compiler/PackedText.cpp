#include "PackedText.h"

uint32_t PackedTextWords(std::size_t length)
{
    return static_cast<uint32_t>(1 + length / 4 + (length % 4 != 0 ? 1 : 0));
}

uint32_t* PackText(uint32_t* out, const std::string& text)
{
    const std::size_t n = text.size();
    *out++ = static_cast<uint32_t>(n);
    for (std::size_t i = 0; i < n; i += 4) {
        uint32_t word = 0;
        for (std::size_t b = 0; b < 4 && i + b < n; ++b)
            word |= static_cast<uint32_t>(static_cast<unsigned char>(text[i + b])) << (8 * b);
        *out++ = word;
    }
    return out;
}

bool UnpackText(const uint32_t*& cursor, const uint32_t* end, std::string& text)
{
    if (cursor >= end)
        return false;
    const uint32_t n = cursor[0];
    const std::size_t available = static_cast<std::size_t>(end - cursor) - 1;
    // Compare in words so that a length near 4 GiB cannot wrap around.
    const std::size_t words = n / 4 + (n % 4 != 0 ? 1 : 0);
    if (words > available)
        return false;
    std::string result(n, '\0');
    const uint32_t* data = cursor + 1;
    for (uint32_t i = 0; i < n; ++i)
        result[i] = static_cast<char>((data[i / 4] >> (8 * (i % 4))) & 0xFF);
    text.swap(result);
    cursor = data + words;
    return true;
}
