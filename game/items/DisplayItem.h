// A display of a machine: shows a value in cells and follows its changes.
#pragma once
#include <windows.h>

#include <cstdint>

class DisplayItem {
public:
    virtual ~DisplayItem() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void Blank() = 0;
    virtual void ShowValue() = 0;
    virtual bool IsBlank() = 0;
    virtual void MoveBy(POINT delta, int32_t depth) = 0;
    virtual void PlaceAt(POINT point, int32_t depth) = 0;
    virtual void SetValue(int32_t value) = 0;
    virtual void AddValue(int32_t amount) = 0;
    virtual void SubtractValue(int32_t amount) = 0;
    virtual int32_t GetValue() = 0;
    virtual void OnValueChanged(int32_t value) = 0;
};
