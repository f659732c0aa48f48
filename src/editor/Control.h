// The base of every control on an editor panel.
#pragma once

#include "ui/Window.h"

namespace quorvel {

class GuiEditor;

class Control {
public:
    Control(int x, int y, int width, int height) : x(x), y(y), width(width), height(height) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual void mouseDown(int /*button*/, int /*x*/, int /*y*/) {}
    virtual void mouseUp(int /*button*/, int /*x*/, int /*y*/) {}
    virtual void mouseEnter(int /*x*/, int /*y*/) {}
    virtual void mouseLeave(int /*x*/, int /*y*/) {}
    virtual void mouseRelease(int /*x*/, int /*y*/) {}
    virtual void mouseDrag(int /*x*/, int /*y*/) {}
    virtual void wheel(int /*steps*/) {}
    virtual void draw(ui::Canvas& /*canvas*/, ui::Colour /*lineColour*/, ui::Colour /*fillColour*/) {}
    virtual void setValue(float value, bool notify) = 0;
    virtual float getValue() = 0;

    // Draws the background and the control when it is marked dirty.
    void drawIfDirty(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour);
    // Strict on all four sides: the left column and top row hit nothing.
    bool contains(int px, int py) const { return px > x && px < x + width && py > y && py < y + height; }
    ui::Rect bounds() const { return ui::Rect{x, y, x + width, y + height}; }

    int x, y;
    int width, height;
    float value = 0.0f;
    int paramIndex = 0;
    GuiEditor* editor = nullptr;
    bool automate = false;
    bool dirty = true;
    bool hovered = false;
    bool pressed = false;
    bool oval = false;

protected:
    // Hands a value the user chose to the plug-in, reported to the host when automated.
    void sendToPlugin(float newValue);
};

}  // namespace quorvel
