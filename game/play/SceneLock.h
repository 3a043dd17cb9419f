// The engine's thread-sync token, taken while several sprites change as one step.
#pragma once

class SceneLock {
public:
    virtual ~SceneLock() = default;
    virtual void Take() = 0;
    virtual void Give() = 0;
};

// Holds the lock for a scope; no lock, no holding.
class SceneLockHold {
public:
    explicit SceneLockHold(SceneLock* lock) : lock_(lock) {
        if (lock_) lock_->Take();
    }
    ~SceneLockHold() {
        if (lock_) lock_->Give();
    }
    SceneLockHold(const SceneLockHold&) = delete;
    SceneLockHold& operator=(const SceneLockHold&) = delete;

private:
    SceneLock* lock_;
};
