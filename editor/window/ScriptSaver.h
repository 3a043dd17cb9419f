// Putting an edited machine script in place of the old one, keeping one backup: the new
// text goes to "NAME.new.txt", the script becomes "NAME.old.txt" and the new file takes
// the script's name.
//
// The backup is made once, from the original: a save that fails leaves the script and the
// backup as they were (a script already moved to the backup name is moved back), so a
// retry never backs up anything but the original, and never deletes it.
#pragma once
#include <functional>
#include <string>

// The paths of one save: everything from the last "." of the file name (not of a folder)
// is replaced; a name without one gets the ending appended.
struct ScriptSavePaths {
    std::string script;
    std::string fresh;   // ".new.txt"
    std::string backup;  // ".old.txt"
};
ScriptSavePaths SavePathsFor(const std::string& scriptPath);

// The file operations a save uses; tests put failing ones in.
struct ScriptFileOps {
    // Zero on success, as the C library's remove and rename answer; a missing file is
    // told by errno ENOENT.
    std::function<int(const std::string& path)> remove;
    std::function<int(const std::string& from, const std::string& to)> rename;
    static ScriptFileOps Standard();
};

class ScriptSaver {
public:
    explicit ScriptSaver(const std::string& scriptPath, ScriptFileOps ops = ScriptFileOps::Standard());

    // Writes the new script through `writeNew` (true when the file at the path given was
    // written), asks `check` (when given) about the file written, and swaps it in. An
    // empty text on success, else the message that says what failed: the check's answer
    // when it refuses the file, which is then removed and nothing else is touched.
    std::string Save(const std::function<bool(const std::string& path)>& writeNew,
                     const std::function<std::string(const std::string& path)>& check = nullptr);
    const ScriptSavePaths& Paths() const { return paths_; }

private:
    std::string MakeBackup();
    std::string PutNewInPlace();

    ScriptSavePaths paths_;
    ScriptFileOps ops_;
    bool scriptIsBackedUp_ = false;
};
