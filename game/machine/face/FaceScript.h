// The machine's script on the play face: starts the script host over the face's
// indicators, sprite items and reels with the "machine" object standing for the play
// rules; fires the script's events in the spin (the face's SpinScript), evaluates scriptlet
// payouts in the script, and runs the script's timeouts on the frame tick (OnFrameTick). A machine whose
// scripting cannot start shows why and plays by its table without a script.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "HeldScriptErrors.h"
#include "ScriptErrorSink.h"
#include "ScriptFaceElement.h"
#include "ScriptFaceMachine.h"
#include "ScriptFaceReels.h"
#include "ScriptFaceSounds.h"
#include "ScriptHost.h"
#include "ScriptIndicatorItem.h"
#include "SpinScript.h"

class FaceButtons;
class FaceIndicators;
class FaceReels;
class MachineScreen;


// Where script errors are shown (null: the "Script Error" box) and the type library (empty:
// "SlotMachine.tlb" beside the program).
struct FaceScriptSetup {
    ScriptErrorSink* errors = nullptr;
    std::wstring typeLibrary;
};

// A region item of the face under its element name, with the hot key it was given.
struct NamedRegion {
    std::string name;
    RegionItem* item;
    int32_t hotKey = 0;
    int32_t hotKeyFlags = 0;
};

// The face's parts that the script sees.
struct FaceScriptItems {
    FaceIndicators& indicators;
    FaceButtons& buttons;
    FaceReels& reels;
    std::vector<NamedRegion> regions;
    // The progressive jackpot's indicator, null when the machine has none.
    const IndicatorDisplay* progressive = nullptr;
};

class FaceScript : public SpinScript {
public:
    explicit FaceScript(const FaceScriptSetup& setup = FaceScriptSetup());
    ~FaceScript() override;
    FaceScript(const FaceScript&) = delete;
    FaceScript& operator=(const FaceScript&) = delete;

    // Runs the machine's script over the built face. Errors are held until ShowHeldErrors.
    void Start(MachineScreen& screen, const FaceScriptItems& items, const ScriptFaceParts& parts);
    // Detaches the script from the face; safe inside a script call and when not started.
    void Stop();
    void ShowHeldErrors() { errors_.Release(); }
    bool IsRunning() const { return host_.IsRunning(); }
    ScriptHost& Host() { return host_; }

    // The player clicked a reel; the frame tick reached the screen's window.
    void OnReelClick(int reel);
    void OnFrameTick() { host_.RunDueTimeouts(); }

    void OnReelsStart() override { host_.FireOnReelsStart(); }
    void OnReelStop(int reel) override { host_.FireOnReelStop(reel); }
    ScriptAnswer OnAllReelsStop() override;
    void OnPayment(int32_t amount, int32_t column, int32_t tableIndex) override;
    void OnTotalPayment(int32_t total) override { host_.FireOnTotalPayment(total); }
    void OnMetersChange() override { host_.FireOnMetersChange(); }
    bool EvaluatePayout(const std::string& expression, int32_t fileLine, int32_t& amount) override;

private:
    ScriptItems MakeItems(MachineScreen& screen, const FaceScriptItems& items, const ScriptFaceParts& parts);
    static ScriptIndicatorItem::ValueWriter WriterFor(const IndicatorDisplay* display, const FaceScriptItems& items,
                                                      const ScriptFaceParts& parts);
    void AddSprites(MachineScreen& screen, FaceButtons& buttons, ScriptItems& published);
    void AddRegions(const std::vector<NamedRegion>& regions, ScriptItems& published);

    ScriptErrorBox box_;
    HeldScriptErrors errors_;
    std::wstring typeLibrary_;
    ScriptHost host_{errors_};
    std::unique_ptr<ScriptFaceMachine> machine_;
    std::unique_ptr<ScriptFaceSounds> sounds_;
    std::unique_ptr<ScriptFaceReels> reels_;
    std::vector<std::unique_ptr<ScriptIndicatorItem>> indicators_;
    std::vector<std::unique_ptr<ScriptSpriteElement>> sprites_;
    std::vector<std::unique_ptr<ScriptRegionElement>> regions_;
};
