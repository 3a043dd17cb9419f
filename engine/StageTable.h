// The table of stages; a stage handle is its slot + 1.
#pragma once
#include <cstdint>
#include <vector>

class Stage {
public:
    virtual ~Stage() = default;
    // True when the stage's backdrop draws from asset file `fileSlot`.
    virtual bool UsesFile(int fileSlot) const = 0;
    // Gives the stage an empty backdrop.
    virtual void ClearBackdrop() = 0;
};

class StageTable {
public:
    ~StageTable();
    bool Init(size_t slots);
    Stage* Find(int32_t handle) const;
    // Every stage whose backdrop comes from the file gets an empty backdrop.
    void DropBackdropsOfFile(int fileSlot);

private:
    std::vector<Stage*> slots_;
};
