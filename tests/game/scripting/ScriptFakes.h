// Fakes of the play side for the script tests: each records the calls that reach it as
// text ("SetValue 5") in a shared log, so a test can check what a script did.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "RandomGenerator.h"
#include "ScriptErrorSink.h"
#include "ScriptFaceItem.h"
#include "ScriptIndicator.h"
#include "ScriptMachine.h"
#include "ScriptReel.h"
#include "ScriptSoundPlayer.h"

using CallLog = std::vector<std::string>;

std::string Call(const char* name, std::initializer_list<long> values = {});

class FakeRandom : public RandomSource {
public:
    uint32_t NextRaw() override { return next; }
    uint32_t NextBelow(uint32_t n) override {
        asked.push_back(n);
        return next % n;
    }
    uint32_t next = 0;
    std::vector<uint32_t> asked;
};

class FakeMachine : public ScriptMachine {
public:
    explicit FakeMachine(CallLog& log) : log_(log) {}

    bool QueryTitle(std::string& text) const override;
    bool GetInOrderStop() const override { return inOrder; }
    void SetInOrderStop(bool value) override { inOrder = value; }
    int32_t GetDenominationCents() const override { return denomination; }
    bool GetBettingFlag() const override { return betting; }
    void SetBettingFlag(bool value) override { betting = value; }
    bool HasSpinEnded() const override { return spinEnded; }
    int32_t GetBet() const override { return bet; }
    int32_t GetMaxBet() const override { return maxBet; }
    void StartSpin() override;
    int32_t GetReelCount() const override { return reelCount; }
    int32_t GetSymbolCount() const override { return static_cast<int32_t>(symbols.size()); }
    bool EvaluateSymbols(int32_t bet, const std::vector<int16_t>& line, int32_t& tableIndex, int32_t& amount) override;
    void ChooseStops() override;
    void SpinToChosenStops() override { log_.push_back("SpinToChosenStops"); }
    RandomSource& GetRandom() override { return random; }
    bool BetCoins(int32_t coins) override;
    bool HasProgressive() const override { return progressive >= 0; }
    int32_t TakeProgressiveCents() override;
    void UpdateButtons() override { log_.push_back("UpdateButtons"); }
    std::vector<std::string> GetSymbolNames() const override { return symbols; }
    std::map<std::string, int32_t> GetAnimationTable() const override { return animations; }
    std::map<std::string, int32_t> GetSoundTable() const override { return sounds; }

    std::string title = "Foxfire Grove";
    bool inOrder = true;
    int32_t denomination = 25;
    bool betting = true;
    bool spinEnded = true;
    int32_t bet = 0;
    int32_t maxBet = 3;
    int32_t reelCount = 3;
    int32_t progressive = -1;
    bool takeBets = true;
    // ChooseStops throws this text as a std::runtime_error when it is set.
    const char* chooseFailure = nullptr;
    std::vector<std::string> symbols = {"Cherry", "Bar", "Seven"};
    std::map<std::string, int32_t> animations = {{"animFlash", 40}};
    std::map<std::string, int32_t> sounds = {{"wavWin", 77}, {"Bar", 99}};
    FakeRandom random;
    // Runs inside StartSpin (a test's way to do something while a script call is running).
    void (*onSpin)(void*) = nullptr;
    void* onSpinContext = nullptr;

private:
    CallLog& log_;
};

class FakeSounds : public ScriptSoundPlayer {
public:
    explicit FakeSounds(CallLog& log) : log_(log) {}
    void PlayAssetSound(int32_t asset) override { log_.push_back(Call("PlayAssetSound", {asset})); }
    void StopAll() override { log_.push_back("StopAll"); }

private:
    CallLog& log_;
};

class FakeReel : public ScriptReel {
public:
    FakeReel(CallLog& log, int index) : log_(log), index_(index) {}
    int32_t GetSymbolAt(int32_t row) const override { return 10 * index_ + row; }
    int32_t GetStopCount() const override { return 20; }
    void SetNextStop(int32_t stop) override { Log("SetNextStop", {stop}); }
    int32_t GetPaylineStop() const override { return 5 + index_; }
    void ChooseNextStop() override { Log("ChooseNextStop", {}); }
    void AnimateSymbol(int32_t row, int32_t asset, int32_t sequence, int32_t loops) override;
    void AnimateSymbolAtRate(int32_t row, int32_t asset, int32_t sequence, int32_t loops, int32_t rate) override;
    void ShowSymbolFrame(int32_t row, int32_t asset, int32_t sequence, int32_t frame) override;
    void StopSymbolAnimation() override { Log("StopSymbolAnimation", {}); }

private:
    void Log(const char* name, std::initializer_list<long> values);
    CallLog& log_;
    int index_;
};

class FakeIndicator : public ScriptIndicator {
public:
    FakeIndicator(CallLog& log, std::string name) : log_(log), name_(std::move(name)) {}
    int32_t GetValue() const override { return value; }
    void SetValue(int32_t newValue) override;
    bool IsShown() const override { return shown; }
    void SetShown(bool on) override { shown = on; }
    int32_t GetRate() const override { return rate; }
    void SetRate(int32_t framesPerSecond) override { rate = framesPerSecond; }
    void GetPosition(int32_t& px, int32_t& py, int32_t& pdepth) const override;
    void SetPosition(int32_t px, int32_t py, int32_t pdepth) override;
    double GetRotation() const override { return rotation; }
    void SetRotation(double degrees) override { rotation = degrees; }
    double GetScale() const override { return scale; }
    void SetScale(double factor) override { scale = factor; }
    int32_t GetCellCount() const override { return 2; }
    void ShowCellFrame(int32_t cell, int32_t frame) override { Log("ShowCellFrame", {cell, frame}); }
    void ShowAll() override { Log("ShowAll", {}); }
    void HideAll() override { Log("HideAll", {}); }
    void LoopCell(int32_t cell, int32_t loops) override { Log("LoopCell", {cell, loops}); }
    void PlayRange(int32_t mode, const int32_t p[4]) override { Log("PlayRange", {mode, p[0], p[1], p[2], p[3]}); }
    void AttachScriptEvents(ScriptEventSource* source) override { events = source; }

    int32_t value = 0;
    bool shown = true;
    int32_t rate = 10;
    int32_t x = 1, y = 2, depth = 3;
    double rotation = 0.0, scale = 1.0;
    ScriptEventSource* events = nullptr;

private:
    void Log(const char* name, std::initializer_list<long> values);
    CallLog& log_;
    std::string name_;
};

// A button or a region: hot key, flags and state; a click fires OnClick.
template <class Base>
class FakeFaceItem : public Base {
public:
    explicit FakeFaceItem(CallLog& log) : log_(log) {}
    int32_t GetHotKey() const override { return hotKey; }
    int32_t GetHotKeyFlags() const override { return hotKeyFlags; }
    void SetHotKey(int32_t key, int32_t flags) override {
        hotKey = key;
        hotKeyFlags = flags;
    }
    void SetState(int32_t value) override { state = value; }
    void AttachScriptEvents(ScriptEventSource* source) override { events = source; }

    int32_t hotKey = 'S';
    int32_t hotKeyFlags = 0;
    int32_t state = 1;
    ScriptEventSource* events = nullptr;

protected:
    CallLog& log_;
};

class FakeSpriteItem : public FakeFaceItem<ScriptSpriteItem> {
public:
    using FakeFaceItem::FakeFaceItem;
    void InvokeAction() override {
        if (events) events->FireEvent(1);
        log_.push_back("InvokeAction");
    }
};

class FakeRegionItem : public FakeFaceItem<ScriptRegionItem> {
public:
    using FakeFaceItem::FakeFaceItem;
    int32_t GetOriginX() const override { return x; }
    int32_t GetOriginY() const override { return y; }
    void SetOriginX(int32_t value) override { x = value; }
    void SetOriginY(int32_t value) override { y = value; }
    int32_t x = 100, y = 200;
};

class CollectedErrors : public ScriptErrorSink {
public:
    void ShowScriptError(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The type library beside the test program (the build writes it beside every program).
std::wstring TypeLibraryPath();
