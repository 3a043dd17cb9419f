// Why a picture file is not read, in the one text that every place reading the author's
// picture files shows: the wizard's award card and symbols, the editor's backdrop and
// animation frames, and the machine builder.
#pragma once
#include <string>

// The kinds of picture files the game reads.
extern const char kPictureFilesRead[];

// The file's name, the BMP reader's reason and the kinds of files read. For a file the
// reader takes (a picture too large to hold), the reason says so.
std::string PictureNotReadText(const std::string& path);

// Empty when the BMP reader takes the file, else PictureNotReadText.
std::string PictureFileProblem(const std::string& path);
