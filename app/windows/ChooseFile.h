// The common open-file dialog for one file or for several. Neither changes the program's
// current directory, whatever folder the file is chosen in.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class Window;

// One file: the path is the initial file name and becomes the chosen file's name; the
// folder becomes that name lower-cased and cut before its last "\". False on cancel.
bool ChooseFileToOpen(Window* owner, std::string& path, std::string& folder, const char* filter,
                      const char* title);

// Several files: each chosen path is appended to the list; the folder becomes the
// lower-cased directory. False on cancel.
bool ChooseFilesToOpen(Window* owner, std::vector<std::string>& paths, std::string& folder,
                       const char* filter, const char* title);

// How a multiple-choice answer of the dialog (the directory, then the names, each ended
// by a zero, the list ended by a second zero; or one full path) becomes paths and folder.
void SplitChosenFiles(const char* text, size_t size, std::vector<std::string>& paths,
                      std::string& folder);
