#include "PlayerRow.h"

#include "FormatMoney.h"
#include "RosterCheck.h"

bool PlayerRow::CreateLabels(const SpriteParent& parent, SpriteFont* font, uint32_t dateAsset, POINT dateAt,
                             uint32_t cashAsset, POINT cashAt, HQUOREFFECT effect) {
    return date_.Create(parent, font, dateAsset, dateAt.x, dateAt.y, 10, effect) &&
           cash_.Create(parent, font, cashAsset, cashAt.x, cashAt.y, 14, effect);
}

void PlayerRow::SetQuietly(const std::string& text) {
    quiet_ = true;
    SetText(text.c_str());
    lastText_ = GetTextString();
    quiet_ = false;
}

PlayerRow::~PlayerRow() {
    if (record_) record_->Listeners().Remove(listening_);
}

void PlayerRow::Fill() {
    SetQuietly(InUse() ? TrimBlanks(record_->GetFullName()) : std::string());
    keptName_ = GetTextString();
    Refresh();
    if (record_ && !listening_) listening_ = record_->Listeners().Add(this, &PlayerRow::OnRecordChanged);
}

void PlayerRow::Refresh() {
    if (!record_) return;
    date_.SetText(InUse() ? record_->FormatDate().c_str() : "");
    cash_.SetText(InUse() ? FormatMoney(record_->GetCash().Cents(), true).c_str() : "");
}

void PlayerRow::KeepName() {
    if (!GetTextString().empty()) keptName_ = GetTextString();
}

void PlayerRow::ClearRow() {
    date_.SetText("");
    cash_.SetText("");
    SetQuietly(std::string());
    SetCaret(0);
}

void PlayerRow::OnRedrawn() {
    if (quiet_ || GetTextString() == lastText_) return;
    lastText_ = GetTextString();
    ShowRefusal(false);
    if (command_) command_(index_);
}

bool PlayerRow::OnHighlightChanged(bool highlighted) {
    EditField::OnHighlightChanged(highlighted);
    if (highlighted && focused_) focused_(index_);
    if (!highlighted) ShowRefusal(false);
    if (!highlighted) KeepName();
    if (!highlighted && left_) left_(index_);
    return true;
}

// Without sound the beep says nothing: the name itself shows that the field is full.
void PlayerRow::OnRefused() { ShowRefusal(true); }

void PlayerRow::ShowRefusal(bool shown) {
    HQUOREFFECT ink = shown ? refusedInk_ : ink_;
    if (shown == showsRefusal_ || !ink || !GetSprite() || GetSprite()->IsEmpty()) return;
    showsRefusal_ = shown;
    ApplyEffectToSprite(GetSprite()->Get(), ink);
}
