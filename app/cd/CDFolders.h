// The game's CD as the program sees it: the three folder settings that point at it, the
// check for a file there, and the program-wide choice to go on without it.
#pragma once
#include <string>

#include "PersistentString.h"

enum CDFolderKind { kMovieFolder = 0, kAmbientFolder = 1, kClipArtFolder = 2 };

// The intro movie, whose presence says that the CD can be read.
extern const char kCDDataFile[];  // "tarowind.avi"

// Whether the file opens for reading in the kind's folder; an empty folder finds nothing.
bool CheckCDFile(int kind, const std::string& fileName);
bool FindCDData();

// Puts the letter at the front of the folder setting (an empty one becomes the root).
void SetCDDriveLetter(PersistentString& setting, char letter);
// All three folder settings to that drive, and the ambient player follows.
void MoveCDFoldersToDrive(char letter);
// The drive that the folders name now ("D" while the movie folder is empty).
char GetCurrentCDDrive();

// Set when the player chose to go without the CD: no prompt until the program ends.
bool IsSkippingCD();
void SetSkippingCD(bool skip);
