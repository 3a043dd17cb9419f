#include "ScriptFakes.h"

#include <stdexcept>

std::string Call(const char* name, std::initializer_list<long> values) {
    std::string text = name;
    for (long value : values) text += " " + std::to_string(value);
    return text;
}

bool FakeMachine::QueryTitle(std::string& text) const {
    text = title;
    return !title.empty();
}

void FakeMachine::StartSpin() {
    log_.push_back("StartSpin");
    if (onSpin) onSpin(onSpinContext);
}

bool FakeMachine::EvaluateSymbols(int32_t betCoins, const std::vector<int16_t>& line, int32_t& tableIndex,
                                  int32_t& amount) {
    std::string text = Call("EvaluateSymbols", {betCoins});
    for (int16_t symbol : line) text += " " + std::to_string(symbol);
    log_.push_back(text);
    // Three of a kind pays: table index = the symbol, amount = bet * (symbol + 1) * 10.
    for (int16_t symbol : line)
        if (symbol != line[0]) return false;
    tableIndex = line[0];
    amount = betCoins * (line[0] + 1) * 10;
    return true;
}

void FakeMachine::ChooseStops() {
    if (chooseFailure) throw std::runtime_error(chooseFailure);
    log_.push_back("ChooseStops");
}

bool FakeMachine::BetCoins(int32_t coins) {
    log_.push_back(Call("BetCoins", {coins}));
    return takeBets;
}

int32_t FakeMachine::TakeProgressiveCents() {
    int32_t taken = progressive;
    progressive = 500;
    return taken;
}

void FakeReel::Log(const char* name, std::initializer_list<long> values) {
    log_.push_back("reel" + std::to_string(index_) + " " + Call(name, values));
}

void FakeReel::AnimateSymbol(int32_t row, int32_t asset, int32_t sequence, int32_t loops) {
    Log("AnimateSymbol", {row, asset, sequence, loops});
}

void FakeReel::AnimateSymbolAtRate(int32_t row, int32_t asset, int32_t sequence, int32_t loops, int32_t rate) {
    Log("AnimateSymbolAtRate", {row, asset, sequence, loops, rate});
}

void FakeReel::ShowSymbolFrame(int32_t row, int32_t asset, int32_t sequence, int32_t frame) {
    Log("ShowSymbolFrame", {row, asset, sequence, frame});
}

void FakeIndicator::SetValue(int32_t newValue) {
    if (newValue == value) return;
    value = newValue;
    Log("SetValue", {newValue});
    if (events) events->FireEvent(1);
}

void FakeIndicator::GetPosition(int32_t& px, int32_t& py, int32_t& pdepth) const {
    px = x;
    py = y;
    pdepth = depth;
}

void FakeIndicator::SetPosition(int32_t px, int32_t py, int32_t pdepth) {
    x = px;
    y = py;
    depth = pdepth;
    Log("SetPosition", {px, py, pdepth});
}

void FakeIndicator::Log(const char* name, std::initializer_list<long> values) {
    log_.push_back(name_ + " " + Call(name, values));
}

std::wstring TypeLibraryPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"SlotMachine.tlb";
}
