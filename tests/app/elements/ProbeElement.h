// A face element for the tests: a rectangle hit shape, and every notification written to a
// shared log as "name:what" (points in the element's own coordinates).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "FaceElement.h"
#include "RectHitShape.h"

using EventLog = std::vector<std::string>;

using RectShape = RectHitShape;

class LoggingAction : public ElementAction {
public:
    LoggingAction(EventLog* log, std::string name) : log_(log), name_(std::move(name)) {}
    void Invoke(FaceElement&) override { log_->push_back(name_ + ":action"); }

private:
    EventLog* log_;
    std::string name_;
};

class ProbeElement : public FaceElement {
public:
    ProbeElement(EventLog* log, std::string name, RECT rect) : log_(log), name_(std::move(name)) {
        SetBehaviour(new RectShape(rect));
        SetAction(new LoggingAction(log, name_));
    }
    void OnMouseDown(POINT p) override { Write("down", p); }
    void OnClick(POINT p) override {
        Write("click", p);
        FaceElement::OnClick(p);
    }
    void OnMouseMove(POINT p) override { Write("move", p); }
    void OnHoverChanged(bool on) override { Write(on ? "hover+" : "hover-"); }
    void OnPressedChanged(bool on) override { Write(on ? "pressed+" : "pressed-"); }
    bool OnHighlightChanged(bool on) override {
        Write(on ? "focus+" : "focus-");
        return true;
    }
    void OnKeyDown(WPARAM key, LPARAM) override { Write("key " + KeyName(key)); }
    void OnKeyUp(WPARAM key, LPARAM) override { Write("keyup " + KeyName(key)); }
    void OnChar(WPARAM c) override { Write(std::string("char ") + char(c)); }
    bool OnContextMenu(POINT p, Window*) override {
        Write("menu", p);
        return showsMenu;
    }
    uint32_t GetKeyWants() override { return keyWants; }
    HCURSOR GetCursor() override { return cursor ? cursor : FaceElement::GetCursor(); }

    uint32_t keyWants = 0;
    bool showsMenu = false;
    HCURSOR cursor = nullptr;

private:
    static std::string KeyName(WPARAM key) {
        if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
        return std::to_string(key);
    }
    void Write(const std::string& what) { log_->push_back(name_ + ":" + what); }
    void Write(const std::string& what, POINT p) {
        Write(what + "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")");
    }
    EventLog* log_;
    std::string name_;
};
