// The name page's award-card background picture (160 by 120): a left click picks it from
// the gallery's award backdrops, a right click offers the gallery, the clipboard and a
// bitmap file; a pasted or loaded bitmap becomes the custom background. The mouse over
// the picture highlights it.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "BitmapEditView.h"

class WizardDocument;

class AwardBackdropView {
public:
    // `changed` runs after every change of the background.
    AwardBackdropView(Window& page, int controlId, WizardDocument& document, std::function<void()> changed);
    ~AwardBackdropView();

    // Shows the document's background: the custom bitmap, or its gallery pick.
    void Show();
    void PickFromGallery();
    // A bitmap of the user's becomes the custom background.
    void UseBitmap(const Bitmap& bitmap);
    // The custom background from a bitmap file; a file that is not read is refused in a box.
    void LoadPath(const std::string& path);
    BitmapEditView& View() { return *view_; }

private:
    class Mouse : public BitmapMouseListener {
    public:
        Mouse(AwardBackdropView& owner, int kind) : owner_(owner), kind_(kind) {}
        void OnMouse(int x, int y, WPARAM keys) override;

    private:
        AwardBackdropView& owner_;
        int kind_;
    };
    LRESULT OnRightButton(WPARAM keys, LPARAM position);
    void LoadFromFile();

    Window& page_;
    WizardDocument& document_;
    std::function<void()> changed_;
    std::unique_ptr<BitmapEditView> view_;
    Mouse down_, move_, leave_;
    int32_t galleryFile_ = -1;
    std::string fileFolder_;
};
