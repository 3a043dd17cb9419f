#include "CDFolders.h"

#include <windows.h>

#include "AmbientPlayer.h"
#include "CDPath.h"
#include "GeneralSettings.h"

const char kCDDataFile[] = "tarowind.avi";

namespace {
bool skippingCD = false;

PersistentString& FolderSetting(int kind) {
    switch (kind) {
    case kAmbientFolder: return GetAmbientPathSetting();
    case kClipArtFolder: return GetClipArtPathSetting();
    default: return GetMoviePathSetting();
    }
}
}  // namespace

bool CheckCDFile(int kind, const std::string& fileName) {
    const std::string folder = FolderSetting(kind).Get();
    if (folder.empty()) return false;
    const std::string path = JoinCDPath(folder, fileName);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool FindCDData() { return CheckCDFile(kMovieFolder, kCDDataFile); }

void SetCDDriveLetter(PersistentString& setting, char letter) {
    setting.Set(WithDriveLetter(setting.Get(), letter));
}

void MoveCDFoldersToDrive(char letter) {
    SetCDDriveLetter(GetAmbientPathSetting(), letter);
    SetCDDriveLetter(GetMoviePathSetting(), letter);
    SetCDDriveLetter(GetClipArtPathSetting(), letter);
    GetAmbientPlayer().Reload();
}

char GetCurrentCDDrive() { return CDDriveOf(GetMoviePathSetting().Get()); }

bool IsSkippingCD() { return skippingCD; }
void SetSkippingCD(bool skip) { skippingCD = skip; }
