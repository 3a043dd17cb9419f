// A save never puts a script in place that the machine's compiler refuses. Every edit that
// reaches the script is queued under the number of the element or page that made it (its
// owner); before the new text replaces the old one it is compiled as it was written, and
// when that fails the owners' edits are added one by one to find the first one that
// breaks it, which the author is told of and may drop.
#pragma once
#include <cstdint>
#include <map>
#include <string>

class MachineScript;

// The owners of the editor's edits: one number per element, entry or page, made the first
// time it queues edits, with the words that name it to the author.
class SaveUnits {
public:
    // Makes the script queue what follows under the object's number; the label is kept.
    void Begin(MachineScript& script, const void* object, const std::string& label);
    // The label of an owner; a general one for edits no owner was named for.
    std::string Label(int32_t owner) const;
    int32_t Find(const void* object) const;

private:
    std::map<const void*, int32_t> owners_;
    std::map<int32_t, std::string> labels_;
};

class ScriptCheck {
public:
    ScriptCheck(MachineScript& script, const SaveUnits& units) : script_(script), units_(units) {}

    // Compiles the script file at the path, which holds the edited script as written.
    // Empty when it compiles; else the refusal for the author, and the path holds the text
    // up to and with the culprit's edits.
    std::string Check(const std::string& path);
    // The owner whose edits broke the script in the last failed check, -1 when none was
    // found (the script as compiled fails by itself).
    int32_t Culprit() const { return culprit_; }
    const std::string& CompilerMessage() const { return compilerMessage_; }

private:
    void FindCulprit(const std::string& path);

    MachineScript& script_;
    const SaveUnits& units_;
    int32_t culprit_ = -1;
    std::string compilerMessage_;
};

// The compiler's messages for the script file, empty when it compiles.
std::string CompileFailure(const std::string& path);
