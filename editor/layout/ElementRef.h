// A counted hold on an editable element: making or copying one counts the element once
// more, destroying one counts it down, and the last one destroys the element.
#pragma once
#include "EditableElement.h"

class ElementRef {
public:
    explicit ElementRef(EditableElement* element) : element_(element) {
        if (element_) element_->AddRef();
    }
    ElementRef(const ElementRef& other) : ElementRef(other.element_) {}
    ElementRef& operator=(const ElementRef& other) {
        ElementRef copy(other);
        std::swap(element_, copy.element_);
        return *this;
    }
    ~ElementRef() {
        if (element_) element_->Release();
    }

    EditableElement* Get() const { return element_; }
    EditableElement* operator->() const { return element_; }

private:
    EditableElement* element_;
};
