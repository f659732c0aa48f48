// The four controls the panels are built from.
#pragma once

#include <string>

#include "editor/Control.h"

namespace quorvel {

// A fixed text, light on a bar in the line colour.
class Caption : public Control {
public:
    Caption(int x, int y, int width, int height, const char* text) : Control(x, y, width, height), text(text) {}
    void draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) override;
    void setValue(float /*value*/, bool /*notify*/) override {}
    float getValue() override { return 0.0f; }

private:
    std::string text;
};

// The name of its parameter as the plug-in reports it, light on a bar.
class ParamLabel : public Control {
public:
    ParamLabel(int x, int y, int width, int height) : Control(x, y, width, height), text("N/A") {}
    void draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) override;
    void setValue(float /*value*/, bool /*notify*/) override {}
    float getValue() override { return 0.0f; }

private:
    std::string text;
};

// A control that follows the pointer: hover and press only mark it for redraw.
class PointerControl : public Control {
public:
    using Control::Control;
    void mouseEnter(int x, int y) override;
    void mouseLeave(int x, int y) override;
    void mouseRelease(int x, int y) override;
};

// A framed box showing its parameter as a whole percentage; dragged
// vertically (200 pixels span the range) or turned with the wheel.
class ValueBox : public PointerControl {
public:
    using PointerControl::PointerControl;
    void mouseDown(int button, int x, int y) override;
    void mouseDrag(int x, int y) override;
    void wheel(int steps) override;
    void draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) override;
    void setValue(float newValue, bool notify) override;
    float getValue() override { return value; }

private:
    int lastY = 0;
};

// A check box followed by a text; a click switches between 0 and 1.
class Toggle : public PointerControl {
public:
    Toggle(int x, int y, int width, int height, const char* text) : PointerControl(x, y, width, height), text(text) {}
    void mouseDown(int button, int x, int y) override;
    void mouseUp(int button, int x, int y) override;
    void draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) override;
    void setValue(float newValue, bool notify) override;
    float getValue() override { return value; }

private:
    std::string text;
};

}  // namespace quorvel
