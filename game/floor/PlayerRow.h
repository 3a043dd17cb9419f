// One row of the Front Desk: the player's name field (the row itself), with the date the
// player was entered and the cash beside it. A change of the name text calls the row
// command with the row index; leaving the field (Enter, Tab, a click elsewhere) calls the
// leave handler with it. Once filled, the row follows its record: every change of the
// player's money shows the record's date and cash again. The row keeps the name it was
// filled, last left or checked with: the player keeps that name while the field is empty.
// A character refused by the full field turns the name into the refusal's ink until the
// text changes or the field is left.
#pragma once
#include <cstdint>
#include <functional>

#include "EditField.h"
#include "FontLabel.h"
#include "PlayerRecord.h"

class PlayerRow : public EditField {
public:
    PlayerRow() = default;
    PlayerRow(const PlayerRow&) = delete;
    PlayerRow& operator=(const PlayerRow&) = delete;
    ~PlayerRow() override;

    void Setup(int32_t index, PlayerRecord* record, std::function<void(int32_t)> command,
               std::function<void(int32_t)> focused) {
        index_ = index;
        record_ = record;
        command_ = std::move(command);
        focused_ = std::move(focused);
    }
    void SetLeaveHandler(std::function<void(int32_t)> left) { left_ = std::move(left); }
    // The name's usual ink and the ink of a refusal; both outlive the row.
    void SetInks(HQUOREFFECT ink, HQUOREFFECT refused) {
        ink_ = ink;
        refusedInk_ = refused;
    }
    bool ShowsRefusal() const { return showsRefusal_; }
    // The two labels beside the field.
    bool CreateLabels(const SpriteParent& parent, SpriteFont* font, uint32_t dateAsset, POINT dateAt,
                      uint32_t cashAsset, POINT cashAt, HQUOREFFECT effect);
    // The name, date and cash from the record, without calling the row command; from then
    // on the row listens to the record.
    void Fill();
    // The record's date and cash.
    void Refresh();
    // The name, the date and the cash empty.
    void ClearRow();

    int32_t GetIndex() const { return index_; }
    PlayerRecord* GetRecord() const { return record_; }
    bool InUse() const { return record_ && record_->GetDate() != 0; }
    // The name the row was filled with, or last left or checked with (KeepName).
    const std::string& GetKeptName() const { return keptName_; }
    // The text, when there is one, is the name kept.
    void KeepName();
    FontLabel& GetDate() { return date_; }
    FontLabel& GetCash() { return cash_; }

    void OnRedrawn() override;
    bool OnHighlightChanged(bool highlighted) override;
    void OnRefused() override;

private:
    void SetQuietly(const std::string& text);
    void OnRecordChanged(const int32_t*) { Refresh(); }
    void ShowRefusal(bool shown);

    int32_t index_ = 0;
    PlayerRecord* record_ = nullptr;
    uint32_t listening_ = 0;  // the cookie in the record's listeners
    FontLabel date_;
    FontLabel cash_;
    std::function<void(int32_t)> command_;
    std::function<void(int32_t)> focused_;
    std::function<void(int32_t)> left_;
    std::string lastText_;
    std::string keptName_;
    bool quiet_ = false;
    HQUOREFFECT ink_ = nullptr;
    HQUOREFFECT refusedInk_ = nullptr;
    bool showsRefusal_ = false;
};
