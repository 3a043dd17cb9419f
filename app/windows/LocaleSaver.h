// Keeps the C run-time locale of all categories and restores it when it goes.
#pragma once
#include <clocale>
#include <string>

class LocaleSaver {
public:
    LocaleSaver() {
        if (const char* current = std::setlocale(LC_ALL, nullptr)) saved_ = current;
    }
    LocaleSaver(const LocaleSaver&) = delete;
    LocaleSaver& operator=(const LocaleSaver&) = delete;
    ~LocaleSaver() {
        if (!saved_.empty()) std::setlocale(LC_ALL, saved_.c_str());
    }

private:
    std::string saved_;
};
