// Mounts a folder of the test machine as a CD-ROM drive of the Wine prefix the test runs
// in, and takes it away again. Wine's mount manager does both at once and at run time:
// the drive's link in the prefix's "dosdevices" folder and its type "cdrom" under the
// registry key "Software\Wine\Drives", so GetDriveTypeA answers DRIVE_CDROM at once.
// Only ever used in the tests' own prefix.
#pragma once
#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <string>
#include <vector>

namespace cd_drive {
// The mount manager's request that defines or removes a drive, as Wine 8 takes it: the
// Unix folder's text follows the record, at mountPointOffset from its start.
const DWORD kDefineUnixDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
struct UnixDriveRecord {
    ULONG size;
    ULONG type;  // DRIVE_CDROM to define, DRIVE_NO_ROOT_DIR to remove
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

inline bool DefineUnixDrive(char letter, UINT type, const std::string& unixFolder) {
    std::vector<char> request(sizeof(UnixDriveRecord) + unixFolder.size() + 1, '\0');
    UnixDriveRecord record = {};
    record.size = ULONG(request.size());
    record.type = type;
    record.letter = WCHAR(letter);
    if (!unixFolder.empty()) record.mountPointOffset = USHORT(sizeof record);
    std::memcpy(request.data(), &record, sizeof record);
    std::memcpy(request.data() + sizeof record, unixFolder.c_str(), unixFolder.size());
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE) return false;
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(manager, kDefineUnixDrive, request.data(), DWORD(request.size()), nullptr, 0,
                                      &returned, nullptr);
    CloseHandle(manager);
    return done != FALSE;
}
}  // namespace cd_drive

// The Unix path of a Windows path, through Wine's own kernel32 export; empty without it.
inline std::string UnixPathOf(const std::string& windowsPath) {
    using Convert = char*(CDECL*)(LPCWSTR);
    const auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return std::string();
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = convert(wide.c_str());
    if (!unix) return std::string();
    std::string text = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return text;
}

// The last letter from Z down that names no drive now; 0 when every letter is taken.
inline char FreeDriveLetter() {
    for (char letter = 'Z'; letter >= 'D'; --letter) {
        const char root[] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) return letter;
    }
    return 0;
}

inline bool MountCDDrive(char letter, const std::string& unixFolder) {
    return cd_drive::DefineUnixDrive(letter, DRIVE_CDROM, unixFolder);
}
inline bool UnmountCDDrive(char letter) { return cd_drive::DefineUnixDrive(letter, DRIVE_NO_ROOT_DIR, ""); }

// A Windows folder of the test mounted as a CD drive for the object's lifetime.
class MountedCDDrive {
public:
    MountedCDDrive(char letter, const std::string& windowsFolder)
        : letter_(letter), unixFolder_(UnixPathOf(windowsFolder)) {
        Mount();
    }
    ~MountedCDDrive() { Unmount(); }
    MountedCDDrive(const MountedCDDrive&) = delete;
    MountedCDDrive& operator=(const MountedCDDrive&) = delete;

    bool Mount() {
        mounted_ = !unixFolder_.empty() && MountCDDrive(letter_, unixFolder_);
        return mounted_;
    }
    void Unmount() {
        if (mounted_) UnmountCDDrive(letter_);
        mounted_ = false;
    }
    bool IsMounted() const { return mounted_; }
    char Letter() const { return letter_; }
    std::string Root() const { return std::string(1, letter_) + ":\\"; }

private:
    char letter_;
    std::string unixFolder_;
    bool mounted_ = false;
};
