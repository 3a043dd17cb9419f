// A polygon region of the machine on the Graphics page: hit inside the polygon and at its
// nodes, dragged and nudged as a whole, renamed, deleted or added; its commit defines,
// removes, moves or renames the region's definition in the script. Single nodes are
// dragged; Ctrl+click inserts a node on the nearest edge, Ctrl+Shift+click on a node
// deletes it (never below three nodes).
#pragma once
#include <memory>
#include <vector>

#include "EditableElement.h"
#include "SymbolParts.h"

class RegionShape;

class PolygonRegionElement : public EditableElement {
public:
    explicit PolygonRegionElement(MachineLayout* layout) : EditableElement(layout) {}

    bool Setup(const SpriteParent& parent, const std::string& name, const RegionPart& part);
    void RebuildShape() override;
    bool IsModified() override;
    void Commit(MachineScript& script) override;
    // The region as it stands now: the part it was made from, at its current origin.
    RegionPart CurrentRegion() const;

    // The node handles go along with the outline and the rectangle.
    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    // Shows or hides the node handles with the corner handles.
    void SetVisible(bool visible) override;
    void OnMouseDown(POINT point) override;
    void OnMouseMove(POINT point) override;
    void OnClick(POINT point) override;
    // The arrow; with Ctrl down the pointer that inserts a node (cursor 110), with Ctrl
    // and Shift down the one that deletes it (cursor 111).
    HCURSOR GetCursor() override;
    static const int kInsertNodeCursor = 110, kDeleteNodeCursor = 111;
    // Asks for a new name ("Rename Region"); true when the region took one.
    bool Rename(Window* owner);
    bool OnContextMenu(POINT point, Window* owner) override;
    // A command of the region's menu: rename, delete or properties (the hot key).
    void RunCommand(int command, Window* owner);
    void EditProperties(Window* owner) override;

private:
    void DrawOutline();
    // The region copy takes the current origin, so that node edits keep a dragged region
    // where it stands.
    void TakeCurrentOrigin();
    // Redraws and rebuilds the hit shape after the nodes changed.
    void NodesChanged();
    void PlaceDraggedNode(POINT point);
    // A small yellow square on every node, in node order.
    void DrawNodeHandles();
    void MoveNodeHandles(POINT offset);

    const SpriteParent* parent_ = nullptr;
    RegionPart part_;
    RegionShape* regionShape_ = nullptr;
    OwnerDrawSpriteHandle outline_;
    std::vector<std::unique_ptr<OwnerDrawSpriteHandle>> nodeHandles_;
    bool handlesShown_ = false;
    bool nodeDrag_ = false;
    bool nodesChanged_ = false;
    bool propertiesChanged_ = false;
    bool pressEdited_ = false;  // the press inserted or deleted a node
    size_t draggedNode_ = 0;
};
