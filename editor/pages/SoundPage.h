// The editor's Sounds page: one row per sound of the machine (its name, its file and, for
// a sound in an asset file, the asset's number), with a popup menu to play, add, delete
// and rename sounds and to choose a sound's file. The rows are the layout's sound
// entries; the page edits them, and the layout writes them back when the editor saves.
#pragma once
#include <windows.h>

#include <functional>
#include <list>
#include <memory>
#include <string>

#include "PageScrollView.h"
#include "SoundEntry.h"

class MachineScript;

class SoundPage : public PageScrollView {
public:
    static constexpr int kListId = 1010;
    static constexpr int kRowWidth = 400;

    // elementNameUsed tells the names the Graphics page's elements hold, pending ones too.
    SoundPage(Window* parent, const RECT& area, std::list<std::unique_ptr<SoundEntry>>& sounds,
              const std::string& folder, MachineScript* script,
              std::function<bool(const std::string&)> elementNameUsed = {});
    ~SoundPage() override;

    int Create() override;
    int CanClose() override { return 1; }

    void GetItemRect(int row, int, RECT* rect) override;
    void GetContentSize(SIZE* size) override;
    void GetLineSize(SIZE* size) override;

    // The entry shown in the row under the content point, or none.
    SoundEntry* EntryAt(POINT content) const;
    SoundEntry* GetSelected() const { return selected_; }
    int GetRowHeight() const { return LineHeight(); }
    // The commands of the popup menu, as the menu runs them on the selected sound.
    void RunCommand(int command);
    // Plays the sound: from its asset file, or from its file on disk; false when it
    // cannot be played.
    bool Play(const SoundEntry& entry);

private:
    void PaintPane(HDC dc) override;
    LRESULT OnClick(WPARAM, LPARAM);
    LRESULT OnContextMenu(WPARAM, LPARAM);
    int RowOf(const SoundEntry* entry) const;
    int VisibleCount() const;
    void Select(SoundEntry* entry);
    void InvalidateRow(const SoundEntry* entry);
    void RowsChanged();

    void AddSound();
    void DeleteSound();
    // Why the script code keeps the sound from being deleted or renamed; empty when it does not.
    std::string CodeRefusal(const SoundEntry& entry, bool rename) const;
    void RenameSound();
    void ChooseSoundFile();
    bool ChooseFile(std::string& path);
    bool AskName(std::string& name, const SoundEntry* entry);
    bool IsNameTaken(const std::string& name, const SoundEntry* entry) const;

    std::list<std::unique_ptr<SoundEntry>>& sounds_;
    std::function<bool(const std::string&)> elementNameUsed_;
    std::string folder_;
    MachineScript* script_;
    SoundEntry* selected_ = nullptr;
};
