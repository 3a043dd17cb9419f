#include "FaceScript.h"

#include "FaceButtons.h"
#include "FaceIndicators.h"
#include "FaceReels.h"
#include "FrameListeners.h"
#include "MachineScreen.h"
#include "PlayFaceMessage.h"

namespace {
std::wstring TypeLibraryBesideProgram() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + ScriptHost::kTypeLibrary;
}
}  // namespace

FaceScript::FaceScript(const FaceScriptSetup& setup)
    : errors_(setup.errors ? *setup.errors : static_cast<ScriptErrorSink&>(box_)),
      typeLibrary_(setup.typeLibrary.empty() ? TypeLibraryBesideProgram() : setup.typeLibrary) {}

FaceScript::~FaceScript() { Stop(); }

void FaceScript::Start(MachineScreen& screen, const FaceScriptItems& items, const ScriptFaceParts& parts) {
    Stop();
    errors_.Hold();
    machine_ = std::make_unique<ScriptFaceMachine>(parts);
    sounds_ = std::make_unique<ScriptFaceSounds>(screen.File());
    reels_ = std::make_unique<ScriptFaceReels>(items.reels, screen.File());
    const ScriptItems published = MakeItems(screen, items, parts);
    host_.SetCodeLine(screen.Records().scriptCodeLine);
    if (!host_.Start(*machine_, *sounds_, published, screen.Records().scriptCode, typeLibrary_)) return;
    host_.AttachReels(reels_->Views());
    // The meters are shown: a machine with a coin acceptor tells its script.
    if (screen.Records().coin.coinImage) host_.FireOnMetersChange();
}

ScriptItems FaceScript::MakeItems(MachineScreen& screen, const FaceScriptItems& items, const ScriptFaceParts& parts) {
    ScriptItems published;
    const std::vector<IndicatorRecord>& records = screen.Records().indicators;
    for (size_t i = 0; i < records.size(); ++i) {
        IndicatorDisplay* display = items.indicators.At(int(i));
        if (!display) continue;
        indicators_.push_back(std::make_unique<ScriptIndicatorItem>(*display, WriterFor(display, items, parts)));
        published.indicators.push_back({records[i].name, indicators_.back().get(), records[i].scriptlets});
    }
    AddSprites(screen, items.buttons, published);
    AddRegions(items.regions, published);
    return published;
}

// The script's writes of "Credit" and "Bet" are money: the meters store them at once and
// take the denomination's lock as any bet does; the bet waits for an idle machine. A write of the jackpot's indicator becomes
// the progressive meter's value. Other indicators are the script's own.
ScriptIndicatorItem::ValueWriter FaceScript::WriterFor(const IndicatorDisplay* display, const FaceScriptItems& items,
                                                       const ScriptFaceParts& parts) {
    MachineMoney& money = parts.money;
    for (Meter meter : {Meter::Credit, Meter::Bet}) {
        if (display == items.indicators.Find(meter == Meter::Credit ? "Credit" : "Bet"))
            return [&money, meter](int32_t coins) { return money.SetMeterByScript(meter, coins); };
    }
    ProgressiveMeter* progressive = parts.progressive;
    if (progressive && display == items.progressive)
        return [progressive](int32_t cents) { return progressive->SetByScript(cents); };
    return ScriptIndicatorItem::ValueWriter();
}

void FaceScript::AddSprites(MachineScreen& screen, FaceButtons& buttons, ScriptItems& published) {
    for (const ElementRecord& record : screen.Records().elements) {
        SpriteItem* item = buttons.Find(record.name);  // not the arm: it is no sprite item
        if (!item) continue;
        sprites_.push_back(
            std::make_unique<ScriptSpriteElement>(*item, buttons.HotKeyOf(record.name), record.hotKeyFlags));
        published.sprites.push_back({record.name, sprites_.back().get(), record.scriptlets});
    }
}

void FaceScript::AddRegions(const std::vector<NamedRegion>& regions, ScriptItems& published) {
    for (const NamedRegion& region : regions) {
        if (!region.item) continue;
        regions_.push_back(std::make_unique<ScriptRegionElement>(*region.item, region.hotKey, region.hotKeyFlags));
        published.regions.push_back({region.name, regions_.back().get(), region.item->GetScriptlets()});
    }
}

void FaceScript::Stop() {
    host_.Stop();
    indicators_.clear();
    sprites_.clear();
    regions_.clear();
    reels_.reset();
    sounds_.reset();
    machine_.reset();
}

void FaceScript::OnReelClick(int reel) {
    try {
        host_.FireOnReelClick(reel);
    } catch (...) {
        KeepPendingException();
    }
}

// Only a plain false hands the spin to the script; an answer of nothing, or one that is no
// Boolean (which the host reports as a script error), lets the table pay.
ScriptAnswer FaceScript::OnAllReelsStop() {
    switch (host_.FireOnAllReelsStop()) {
    case EventAnswer::True: return ScriptAnswer::Yes;
    case EventAnswer::False: return ScriptAnswer::No;
    default: return ScriptAnswer::None;
    }
}

void FaceScript::OnPayment(int32_t amount, int32_t column, int32_t tableIndex) {
    host_.FireOnPayment(amount, column, tableIndex);
}

bool FaceScript::EvaluatePayout(const std::string& expression, int32_t fileLine, int32_t& amount) {
    return host_.EvaluatePayout(expression, amount, fileLine);
}
