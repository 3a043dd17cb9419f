// What hears of a machine layout: which element was selected, and that the layout changed.
#pragma once

class EditableElement;

class LayoutObserver {
public:
    virtual ~LayoutObserver() = default;
    virtual void OnElementSelected(EditableElement* element) = 0;
    virtual void OnLayoutChanged() = 0;
};
