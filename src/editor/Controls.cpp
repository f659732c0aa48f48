#include "editor/Controls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "editor/GuiEditor.h"
#include "host/EffectBase.h"

namespace quorvel {

namespace {

// Not-a-number from a host counts as 0, so the shown percentage stays defined.
float clampUnit(float v) { return v > 1.0f ? 1.0f : (v >= 0.0f ? v : 0.0f); }

// Truncated toward zero; the inputs are clamped, so they fit an int.
int truncated(float v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

void Caption::draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) {
    canvas.fillRect(bounds(), lineColour);
    canvas.drawCenteredText(text.c_str(), bounds(), fillColour);
}

void ParamLabel::draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) {
    canvas.fillRect(bounds(), lineColour);
    if (editor != nullptr) {
        char name[64] = {};
        editor->getEffect()->getParamName(paramIndex, name);
        canvas.drawCenteredText(name, bounds(), fillColour);
    } else {
        canvas.drawCenteredText(text.c_str(), bounds(), fillColour);
    }
}

void PointerControl::mouseEnter(int /*x*/, int /*y*/) {
    hovered = true;
    dirty = true;
}

void PointerControl::mouseLeave(int /*x*/, int /*y*/) {
    hovered = false;
    dirty = true;
}

void PointerControl::mouseRelease(int /*x*/, int /*y*/) {
    pressed = false;
    dirty = true;
}

void ValueBox::mouseDown(int /*button*/, int /*x*/, int y) {
    pressed = true;
    lastY = y;
}

void ValueBox::mouseDrag(int /*x*/, int y) {
    const float dragged = clampUnit(value - static_cast<float>(y - lastY) * 0.005f);
    lastY = y;
    // Only a change the thousandths can see is sent.
    if (truncated(dragged * 1000.0f) != truncated(value * 1000.0f)) setValue(dragged, true);
}

void ValueBox::wheel(int steps) { setValue(clampUnit(value + static_cast<float>(steps) * 0.01f), true); }

void ValueBox::draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour /*fillColour*/) {
    canvas.frameRect(bounds(), lineColour);
    char percent[16];
    std::snprintf(percent, sizeof percent, "%i", truncated(value * 100.0f));
    canvas.drawCenteredText(percent, bounds(), lineColour);
}

// Store, send, mark: the plug-in's echo through parameterChanged then finds
// the value already in place.
void ValueBox::setValue(float newValue, bool notify) {
    newValue = clampUnit(newValue);
    if (newValue == value) return;
    value = newValue;
    if (notify) sendToPlugin(newValue);
    dirty = true;
}

void Toggle::mouseDown(int /*button*/, int /*x*/, int /*y*/) {
    pressed = true;
    dirty = true;
}

void Toggle::mouseUp(int /*button*/, int /*x*/, int /*y*/) {
    if (value < 0.5f)
        setValue(1.0f, true);
    else if (value > 0.5f)
        setValue(0.0f, true);
    pressed = false;
    hovered = false;
    dirty = true;
}

void Toggle::draw(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour /*fillColour*/) {
    const int h = height;
    canvas.frameRect(bounds(), lineColour);
    canvas.frameRect(ui::Rect{x + 2, y + 2, x + h - 2, y + h - 2}, lineColour);
    if (value > 0.5f) canvas.fillRect(ui::Rect{x + 4, y + 4, x + h - 4, y + h - 4}, lineColour);
    canvas.drawCenteredText(text.c_str(), ui::Rect{x + h, y, x + width, y + h}, lineColour);
}

void Toggle::setValue(float newValue, bool notify) {
    value = newValue;
    if (notify) sendToPlugin(newValue);
    dirty = true;
}

}  // namespace quorvel
