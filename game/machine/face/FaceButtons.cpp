#include "FaceButtons.h"

#include "MachineScreen.h"
#include "RectHitShape.h"
#include "SpriteQueries.h"

namespace {
const char kArmName[] = "##arm";

struct ButtonName {
    const char* name;
    char hotKey;  // when the element record gives none
};
const ButtonName kButtons[] = {{"BetOne", 'O'}, {"BetMax", 'M'}, {"CashOut", 'C'}, {"Spin", 'S'}};
}  // namespace

FaceButtons::FaceButtons(MachineScreen& screen) : screen_(screen) {
    for (const ElementRecord& record : screen.Records().elements) {
        if (record.name == kArmName) continue;
        auto item = std::make_unique<SpriteItem>();
        // The sprite shows the record's picture where the record puts it.
        if (item->CreateDefaultSprite(screen.File().Asset(record.image), screen.GetStage()))
            PlaceHeldSprite(*item->GetSprite(), POINT{record.rect.left, record.rect.top}, record.depth);
        item->SetBehaviour(new RectHitShape(RECT{record.rect.left, record.rect.top, record.rect.right, record.rect.bottom}));
        if (record.hotKey) item->SetHotKey(uint32_t(record.hotKey), uint32_t(record.hotKeyFlags));
        screen.AddElement(item.get(), false);
        byName_[record.name] = item.get();
        items_.push_back(std::move(item));
    }
}

FaceButtons::~FaceButtons() {
    for (auto& item : items_) screen_.RemoveElement(item.get(), false);
}

SpriteItem* FaceButtons::Find(const std::string& name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

SpriteItem* FaceButtons::Find(Button button) const { return Find(kButtons[int(button)].name); }

void FaceButtons::Bind(Button button, ElementAction* action, ElementAction* refusal) {
    SpriteItem* item = Find(button);
    if (!item) {
        delete action;
        delete refusal;
        return;
    }
    item->SetAction(action);
    item->SetRefusal(refusal);
    const ElementRecord* record = screen_.Records().FindElement(kButtons[int(button)].name);
    if (!record || !record->hotKey) item->SetHotKey(uint32_t(kButtons[int(button)].hotKey), 0);
}

void FaceButtons::EnableButton(Button button, bool enabled) {
    if (SpriteItem* item = Find(button)) item->SetState(enabled ? 1 : 0);
}

bool FaceButtons::IsButtonEnabled(Button button) const {
    SpriteItem* item = Find(button);
    return item && item->IsEnabled();
}

int32_t FaceButtons::HotKeyOf(const std::string& name) const {
    const ElementRecord* record = screen_.Records().FindElement(name);
    if (record && record->hotKey) return record->hotKey;
    for (const ButtonName& button : kButtons)
        if (name == button.name) return button.hotKey;
    return 0;
}
