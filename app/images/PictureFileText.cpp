#include "PictureFileText.h"

#include "BmpFile.h"

const char kPictureFilesRead[] =
    "The game reads BMP files with the 40-byte Windows header (not the longer version 4 and 5 headers): "
    "1, 4 and 8 bits a pixel with a colour table (4 and 8 bits also run-length compressed), "
    "16 bits (5-5-5 or 5-6-5), 24 and 32 bits.";

namespace {

std::string Text(const std::string& path, const std::string& reason) {
    return path + " cannot be read: " + reason + ".\n" + kPictureFilesRead;
}

}  // namespace

std::string PictureNotReadText(const std::string& path) {
    const BmpFile reader(path);
    return Text(path, reader.IsValid() ? "the picture is too large to hold" : reader.Reason());
}

std::string PictureFileProblem(const std::string& path) {
    const BmpFile reader(path);
    return reader.IsValid() ? std::string() : Text(path, reader.Reason());
}
