// The base of everything the editor's Graphics page shows over the machine's backdrop: a
// face element with a rectangle in backdrop pixels, four selection handles, dragging by
// the mouse, nudging by the arrow keys, a script name with rename tracking, and the flags
// of new and deleted elements. Its layout creates it, keeps it and, when the editor saves,
// has it write itself into the machine script (Commit).
//
// The caption is the name under which the element stands in the compiled script, which is
// where the compiler finds its definition; the name is what the author calls it now.
// Renaming changes only the name, however often it happens before a save, so the commit
// always finds the definition. A commit clears the flags that it wrote, so that a second
// save (after one that failed, or after Cancel) writes each edit once.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "ElementGeometry.h"
#include "FaceElement.h"
#include "SpriteHandle.h"

class MachineLayout;
class MachineScript;
class RegionRect;
class SpriteParent;

class EditableElement : public FaceElement {
public:
    explicit EditableElement(MachineLayout* layout);
    ~EditableElement() override;

    // Moving and placing take the rectangle, the handles and the element's own sprite
    // along; moving marks the element modified.
    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    void OnMouseDown(POINT point) override;
    // The button came up: ends the press without running an action.
    void OnClick(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnKeyDown(WPARAM key, LPARAM flags) override;
    uint32_t GetKeyWants() override { return kWantsArrows; }
    // Handles show while the element is highlighted; the layout's observers hear of it.
    bool OnHighlightChanged(bool highlighted) override;

    virtual void CopyRect(ElementRect& out) const { out = rect_; }
    // Writes what changed into the script; the base writes nothing.
    virtual void Commit(MachineScript& script);
    virtual bool IsModified() = 0;
    // Shows or hides the handles, and lets selected elements be hit near their border.
    virtual void SetVisible(bool visible);
    virtual void EditProperties(Window* host);
    virtual void SetBounds(const ElementRect& rect);
    virtual void SetShapeFlag(bool flag);
    virtual void SetShapeRect(const ElementRect& rect);
    // A new rectangle hit shape from the rectangle, with its edge flag clear.
    virtual void RebuildShape();

    // Creates the four handle sprites on the parent; always true.
    bool DrawSelection(const SpriteParent& parent);
    void ShowHandles(const ElementRect& rect);
    void SetRect(const ElementRect& rect) { rect_ = rect; }
    const ElementRect& GetRect() const { return rect_; }

    const std::string& GetName() const { return name_; }
    // Sets the name and the caption: the element stands under this name in the script.
    void SetName(const std::string& name);
    // The author renamed the element; the caption keeps the name in the script.
    void SetCaption(const std::string& newName);
    std::string GetCaption() const { return caption_; }
    std::string GetDisplayText() const { return displayText_; }
    void SetDisplayText(const std::string& text) { displayText_ = text; }

    void MarkNew() { isNew_ = true; }
    bool IsNew() const { return isNew_; }
    // Deleted elements are hidden and removed from the script at the next commit.
    void MarkDeleted();
    bool IsDeleted() const { return deleted_; }
    bool IsRenamed() const { return renamed_; }
    bool IsMoved() const { return modified_; }
    void NotifyChanged();
    MachineLayout* GetLayout() const { return layout_; }

    // Counted holders (the layout's element list): the last release deletes the element.
    void AddRef() { ++refCount_; }
    void Release();
    int32_t GetRefCount() const { return refCount_; }

protected:
    // For the commits of the element classes: what the script must still hear of. A new
    // element that was deleted before any save needs neither a definition nor a removal.
    bool NeedsDefinition() const { return isNew_ && !deleted_; }
    bool NeedsRemoval() const { return deleted_ && !removalWritten_ && !isNew_; }
    // After a commit wrote them: the element now stands in the script under its name,
    // unmoved and unrenamed. A defined element is found under the name it was defined with;
    // a renamed one stays under its caption until the script is compiled again.
    void DefinitionWritten();
    void RemovalWritten();
    void MoveAndRenameWritten();
    // The start of every named element's commit: a new element is defined (by `define`,
    // with the element's name), a deleted one removed; true when nothing else is to be
    // written. CommitRename ends the commit: a rename goes after the element's edits.
    bool CommitDefinitionOrRemoval(MachineScript& script, const std::function<void()>& define);
    void CommitRename(MachineScript& script);

    bool modified_ = false;
    RegionRect* shape_ = nullptr;  // the hit shape when it is a rectangle (owned as the behaviour)

private:
    void DrawHandle(OwnerDrawSpriteHandle& handle, HBRUSH brush);

    POINT lastPoint_ = {0, 0};
    std::string displayText_;
    bool dragMoved_ = false;
    bool dragging_ = false;
    bool isNew_ = false;
    bool deleted_ = false;
    bool removalWritten_ = false;
    bool renamed_ = false;
    MachineLayout* layout_;
    int32_t refCount_ = 0;
    std::string name_;
    std::string caption_;
    ElementRect rect_;
    std::array<OwnerDrawSpriteHandle, 4> handles_;
};
