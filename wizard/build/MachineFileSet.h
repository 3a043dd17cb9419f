// The files of one wizard machine in the program's folder: its script identifier + ".txt",
// its machine file identifier + ".slot" and its backdrop identifier + ".bmp". A build over
// an earlier machine of the same name first sets the earlier files aside; they are
// dropped only once the new machine is whole, and come back when the build fails or is
// cancelled.
#pragma once
#include <string>
#include <vector>

class MachineFileSet {
public:
    explicit MachineFileSet(const std::string& identifier);

    const std::string& ScriptPath() const { return paths_[0]; }
    const std::string& MachinePath() const { return paths_[1]; }

    // A machine of this name is there already (its script or its machine file).
    bool Exists() const;

    // Moves the earlier files aside; false (with everything as it was) when one cannot be,
    // which StuckPath then names.
    bool SetAside();
    const std::string& StuckPath() const { return stuck_; }
    // The new machine is whole: the earlier files go.
    void Keep();
    // The build was cancelled: the new script and machine file go, the earlier files return.
    void DiscardCancelled();
    // The build failed: with an earlier machine the new files give way to it; without one
    // they stay for the user to look at.
    void RestoreAfterFailure();

private:
    void PutBack();

    std::vector<std::string> paths_;  // script, machine file, backdrop
    std::vector<std::string> setAside_;  // the earlier files' new names, "" for none
    std::string stuck_;
};
