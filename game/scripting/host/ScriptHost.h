// Runs a machine's JScript code in the platform's JScript engine (Active Scripting): the
// machine screen's StartScript and StopScript. Start publishes the "machine" object and
// the machine's items, parses the code, attaches the items' scriptlets to their events
// and connects the engine; the screen then fires the machine's events through the host,
// which answers the defaults when no script runs.
#pragma once
#include <activscp.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ComRef.h"
#include "IndicatorAutomation.h"
#include "MachineAutomation.h"
#include "RegionItemAutomation.h"
#include "ScriptErrorSink.h"
#include "ScriptItems.h"
#include "ScriptSite.h"
#include "SpriteItemAutomation.h"

class ScriptHost {
public:
    // The type library's name beside the program.
    static const wchar_t kTypeLibrary[];

    explicit ScriptHost(ScriptErrorSink& errors);
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;
    ~ScriptHost();

    // False when scripting could not start (no engine, no type library, a failing call);
    // the reason went to the error sink and the machine plays without its script. Errors
    // in the code are reported by the engine and leave the script running.
    bool Start(ScriptMachine& machine, ScriptSoundPlayer& sounds, const ScriptItems& items, const std::string& code,
               const std::wstring& typeLibrary = kTypeLibrary);
    // The script file's line (from 1) on which the code handed to Start begins: the lines
    // of the code's errors count from there, so that they name the file's line.
    void SetCodeLine(int32_t line) { codeLine_ = line > 0 ? line : 1; }
    // Once the screen has made its reels.
    void AttachReels(const std::vector<ScriptReel*>& reels);
    // Closes the engine and detaches every object from the machine; objects that the
    // engine or a running call still holds stay valid until they are released.
    void Stop();
    bool IsRunning() const { return running_; }

    // On every frame tick.
    void RunDueTimeouts();
    // Evaluates a scriptlet payout (a JScript expression) to a whole number of coins;
    // false when it fails (the engine reports the error, naming `fileLine`, the script
    // file's line of the payout, when it is known).
    bool EvaluatePayout(const std::string& expression, int32_t& amount, int32_t fileLine = 0);

    // The events that ask for a Boolean answer false only for a plain false. A handler's
    // answer that cannot become a Boolean is reported as a script error and counts as no
    // answer.
    bool FireOnReelStop(int32_t reel);
    // True, false, or nothing (no answer, or one that is no Boolean); never NotBoolean.
    EventAnswer FireOnAllReelsStop();
    void FireOnReelsStart();
    bool FireOnReelClick(int32_t reel);
    void FireOnMetersChange();
    bool FireOnPayment(int32_t payment, int32_t line, int32_t tableIndex);
    bool FireOnTotalPayment(int32_t pay);

    // The automation objects while the script runs (null otherwise).
    MachineAutomation* Machine() const { return machine_.Get(); }

private:
    struct ItemObject {
        std::wstring name;
        ComRef<IUnknown> object;
        ComRef<ITypeInfo> classInfo;
        std::vector<std::string> scriptlets;
        // Takes the object from its item and the item from the object.
        std::function<void()> detach;
    };

    bool CreateEngine();
    void CreateObjects(ScriptMachine& machine, ScriptSoundPlayer& sounds, const ScriptItems& items);
    template <class Object, class Item>
    void CreateItemObjects(const GUID& dispatchIid, const GUID& classIid,
                           const std::vector<NamedScriptItem<Item>>& items);
    void PublishItems();
    void ParseCode(const std::string& code);
    void AddScriptlets();
    void AddScriptlet(const ItemObject& item, const std::string& scriptlet);
    void DetachItems();
    void Fail(const std::string& reason);
    EventAnswer Checked(const char* event, EventAnswer answer);

    ScriptErrorSink& errors_;
    bool comStarted_ = false;
    int32_t codeLine_ = 1;
    bool running_ = false;
    bool engineHasSite_ = false;
    ComRef<IActiveScript> engine_;
    ComRef<IActiveScriptParse> parse_;
    ComRef<ITypeLib> library_;
    ComRef<ScriptSite> site_;
    ComRef<MachineAutomation> machine_;
    std::vector<ItemObject> items_;
};
