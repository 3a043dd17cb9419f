#include "ImageFileReader.h"

ImageFileReader::ImageFileReader(const std::string& name) : name_(name) {
    if (name.size() > kMaxName) {
        Fail("file name too long");
        return;
    }
    file_ = std::fopen(name.c_str(), "rb");
    if (!file_) {
        Fail("cannot open the file");
        return;
    }
    valid_ = true;
}

ImageFileReader::~ImageFileReader() {
    if (file_) std::fclose(file_);
}

void ImageFileReader::PrintInfo(std::FILE* out) const {
    std::fputs("No further information about this image file.\n", out);
}

bool ImageFileReader::Fail(const std::string& reason) {
    valid_ = false;
    reason_ = reason;
    error_ = name_ + ": " + reason;
    return false;
}
