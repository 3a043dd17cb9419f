// The editor's model of what the Graphics, Animations and Sounds pages edit in a compiled
// machine: the backdrop, the editable elements, the animation sets they and the script's
// animations use, the reel symbols' pictures and the sounds. It is built once from the
// script, tells its observers of selections and changes, answers whether anything changed,
// and on saving has every part queue its edits into the script (Apply).
#pragma once
#include <windows.h>

#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AnimationEntry.h"
#include "ElementRef.h"
#include "LayoutObserver.h"
#include "NamedItem.h"
#include "SoundEntry.h"
#include "SpriteHandle.h"

class AnimationSet;
class MachineScript;
class SaveUnits;
class SpriteParent;
struct AnimationReference;

class MachineLayout : public NamedItem {
public:
    static const int32_t kDefaultSize = 600;

    MachineLayout();
    ~MachineLayout() override;
    MachineLayout(const MachineLayout&) = delete;
    MachineLayout& operator=(const MachineLayout&) = delete;

    // Keeps the script and loads its backdrop. False when the script is not compiled or
    // its backdrop's asset file does not open; a picture that cannot be read leaves the
    // layout 600 by 600 without a bitmap.
    bool LoadBackdrop(MachineScript* script) override;
    // Loads the file (a JPEG or a bitmap) in place of the backdrop.
    bool ReplaceBackdrop(const std::string& file);
    // Why the file cannot be the backdrop: for a bitmap the picture file text, for a JPEG
    // that its size cannot be read. Empty when it can.
    static std::string BackdropFileProblem(const std::string& file);
    HBITMAP GetBackdrop() const { return backdrop_; }
    SIZE GetSize() const { return backdropSize_; }

    // Creates the elements, animation sets and entries of the script on the stage.
    bool Build(const SpriteParent& stage, const RECT& pageArea);
    // A new three-node region at the point, named "New_Region_" and a number.
    EditableElement* AddRegion(const SpriteParent& stage, POINT point);
    // A new one-digit indicator without a picture at the point ("New_Indicator_").
    EditableElement* AddIndicator(const SpriteParent& stage, POINT point);
    // A new button without a picture at the point ("New_Button_"); the folder is the
    // editor's current directory.
    EditableElement* AddButton(const SpriteParent& stage, POINT point, const std::string& folder);
    // Takes back an element added since the last save, as if it had never been added.
    void TakeBack(const EditableElement* added);

    bool IsModified() const;
    // A name that a rename or a new element must not take: one of an element shown here
    // or of a sound on the Sounds page (deleted ones aside; a pending name counts as much
    // as the compiled one), or one the script defines.
    bool IsNameUsed(const std::string& name) const;
    bool IsElementNameUsed(const std::string& name) const;
    // Every element, entry and sound queues its edits into the script; always true.
    bool Apply() override;
    // With units, every part's edits are queued under an owner of its own (not owned).
    void SetSaveUnits(SaveUnits* units) { saveUnits_ = units; }

    void AddObserver(LayoutObserver* observer);
    void RemoveObserver(LayoutObserver* observer);
    void NotifySelection(EditableElement* element);
    void NotifyChanged();

    const std::list<ElementRef>& GetElements() const { return elements_; }
    const std::vector<AnimationSet*>& GetAnimationSets() const { return animationSets_; }
    // The names of the animation sets, in the layout's order; the first set of a name.
    std::vector<std::string> GetSetNames() const;
    AnimationSet* FindSet(const std::string& name) const;
    const std::list<std::unique_ptr<SoundEntry>>& GetSoundEntries() const { return sounds_; }
    std::list<std::unique_ptr<SoundEntry>>& GetSoundEntries() { return sounds_; }
    MachineScript* GetScript() const { return script_; }

private:
    void SetBackdrop(HBITMAP bitmap, SIZE size);
    bool LoadAssetBackdrop(const std::string& file, int32_t asset);
    void DecodeJpegFile(const std::string& path);
    void LoadBitmapFile(const std::string& path);

    AnimationSet* AddSet(const AnimationReference& record, int32_t usage, const std::string& name);
    AnimationSet* SetFor(const AnimationReference& record, int32_t usage, const std::string& name);
    void BuildAnimations();
    void BuildButtons(const SpriteParent& stage);
    void BuildIndicators(const SpriteParent& stage);
    void BuildCoin(const SpriteParent& stage);
    void BuildArm(const SpriteParent& stage);
    std::string NewName(const char* prefix);
    void AddNew(EditableElement* element);
    void BuildReels(const SpriteParent& stage);
    void BuildRegions(const SpriteParent& stage);
    void BuildSymbols();
    void BuildSounds();
    void AppendElement(EditableElement* element);
    void BeginUnit(const void* part, const std::string& label);

    HBITMAP backdrop_ = nullptr;
    SIZE backdropSize_ = {kDefaultSize, kDefaultSize};
    MachineScript* script_ = nullptr;
    std::list<ElementRef> elements_;
    OwnerDrawSpriteHandle spriteHolder_;
    std::vector<LayoutObserver*> observers_;
    int32_t newNameCounter_ = 0;
    // The name NewName gave last and the counter before it, for an add taken back.
    std::string lastNewName_;
    int32_t counterBeforeLastName_ = 0;
    std::vector<AnimationSet*> animationSets_;
    std::list<std::unique_ptr<SoundEntry>> sounds_;
    std::list<std::unique_ptr<LayoutEntry>> animationEntries_;
    std::list<std::unique_ptr<LayoutEntry>> symbolEntries_;
    std::map<std::string, AnimationSet*> namedSets_;
    std::string folder_;  // the current directory when the layout was built
    SaveUnits* saveUnits_ = nullptr;
};
