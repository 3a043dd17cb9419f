// Texts of the CD's folders: the drive letter at their front, the root of a drive, and a
// file name joined to a folder. Needs no platform.
#pragma once
#include <string>

// Folder plus file name with one backslash between them. A bare drive ("E:") stands for
// its root: "E:" and "x.avi" give "E:\x.avi", never the drive-relative "E:x.avi".
std::string JoinCDPath(const std::string& folder, const std::string& fileName);

// The folder with its drive letter replaced. An empty folder becomes the drive's root
// ("E:\"), so that files joined to it are found at the root of the drive.
std::string WithDriveLetter(const std::string& folder, char letter);

// The root text of a drive, "E:\" for E.
std::string DriveRoot(char letter);

// The drive of the game's CD: the first character of the movie folder, "D" without one.
char CDDriveOf(const std::string& movieFolder);
