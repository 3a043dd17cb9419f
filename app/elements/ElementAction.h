// What a face element does when it is clicked, reached by its hot key or activated from
// the keyboard. The element owns its action.
#pragma once

class FaceElement;

class ElementAction {
public:
    virtual void Invoke(FaceElement& element) = 0;
    virtual ~ElementAction() = default;
};
