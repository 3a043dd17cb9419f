// Runs a machine's JScript under the system's JScript engine (Active Scripting) with a
// small fake of what the play side gives a script: the "machine" object (PlaySound,
// SetTimeout), one object per indicator with a Value, and one per sound. Handlers written
// as "function item::Event()" are bound through each object's IBindEventHandler, and the
// test fires them as the machine screen would. Every script error is recorded.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

class FakeItem;

class FakeMachineScript {
public:
    // `indicators` and `sounds` are the names the script may use beside "machine".
    FakeMachineScript(const std::vector<std::string>& indicators, const std::vector<std::string>& sounds);
    ~FakeMachineScript();
    FakeMachineScript(const FakeMachineScript&) = delete;
    FakeMachineScript& operator=(const FakeMachineScript&) = delete;

    // Parses and runs the script's global code and binds its handlers; false on failure.
    bool Load(const std::string& code);

    // Fires the event of the item ("machine" or an indicator); answers the handler's
    // result as a number (0 when it returns nothing), or -1 when no handler is bound.
    double Fire(const std::string& item, const std::string& event, const std::vector<double>& arguments = {});
    bool HasHandler(const std::string& item, const std::string& event) const;

    // The value of a JScript expression as a number.
    double Evaluate(const std::string& expression);

    void SetValue(const std::string& indicator, double value);
    double GetValue(const std::string& indicator) const;

    // Runs the code that SetTimeout queued, in order, including what that queues, up to
    // `rounds` pieces.
    int RunTimeouts(int rounds);

    const std::vector<std::string>& Errors() const { return errors_; }
    // One entry ("sound") for every sound object the script played.
    const std::vector<std::string>& Played() const;

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    std::vector<std::string> errors_;
};
