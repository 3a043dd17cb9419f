#include "ElementName.h"

std::string MakeValidName(const std::string& text) {
    std::string name = text;
    for (char& c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '_') c = '_';
    }
    return name;
}
