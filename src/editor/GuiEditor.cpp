#include "editor/GuiEditor.h"

#include <cmath>

#include "host/EffectBase.h"

namespace quorvel {

GuiEditor::GuiEditor(EffectBase* effect, int width, int height, ui::WindowFactory* windows)
    : EditorBase(effect),
      rect{0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)},
      clientRect{0, 0, width, height},
      windows(windows),
      width(width),
      height(height) {}

GuiEditor::~GuiEditor() {
    controls.clear();
    hoverControl = capturedControl = nullptr;
    window.reset();
}

bool GuiEditor::getRect(vst2::ERect** where) {
    *where = &rect;
    return true;
}

bool GuiEditor::open(void* parent) {
    close();
    if (windows == nullptr || parent == nullptr) return false;
    window = windows->create(parent, width, height, *this);
    if (window == nullptr) return false;
    parentWindow = parent;
    window->paint();
    return true;
}

void GuiEditor::close() {
    window.reset();
    parentWindow = nullptr;
}

void GuiEditor::idle() {
    if (window != nullptr) window->idle();
}

void GuiEditor::addControl(std::unique_ptr<Control> control, int paramIndex) {
    control->paramIndex = paramIndex;
    control->editor = this;
    control->automate = true;
    controls.push_back(std::move(control));
}

void GuiEditor::parameterChanged(int index, float value) {
    for (auto& control : controls)
        if (control->paramIndex == index && std::fabs(control->getValue() - value) > 0.0001f)
            control->setValue(value, false);
}

void GuiEditor::refreshAll() {
    for (auto& control : controls) control->setValue(effect->getParameter(control->paramIndex), false);
}

Control* GuiEditor::controlAt(int x, int y) {
    for (auto& control : controls)
        if (control->contains(x, y)) return control.get();
    return nullptr;
}

void GuiEditor::paint(ui::Canvas& canvas) {
    canvas.fillRect(clientRect, backgroundColour);
    for (auto& control : controls) {
        control->dirty = true;
        control->drawIfDirty(canvas, lineColour, fillColour);
    }
}

void GuiEditor::drawDirty(ui::Canvas& canvas) {
    for (auto& control : controls) control->drawIfDirty(canvas, lineColour, fillColour);
}

void GuiEditor::mouseMove(int x, int y) {
    Control* hit = controlAt(x, y);
    if (capturedControl != nullptr) capturedControl->mouseDrag(x, y);
    if (hoverControl != nullptr && hit != hoverControl) {
        // A different control under the pointer is entered at a later move.
        hoverControl->mouseLeave(x, y);
        hoverControl = nullptr;
    } else if (hit != nullptr && hit != hoverControl && (capturedControl == nullptr || capturedControl == hit)) {
        hit->mouseEnter(x, y);
        hoverControl = hit;
    }
}

void GuiEditor::buttonDown(int x, int y) {
    Control* hit = controlAt(x, y);
    if (hit == nullptr) return;
    hit->mouseDown(0, x, y);
    capturedControl = hit;
    window->captureMouse();
}

void GuiEditor::buttonUp(int x, int y) {
    Control* hit = controlAt(x, y);
    if (hit != nullptr && (capturedControl == nullptr || capturedControl == hit)) hit->mouseUp(0, x, y);
    if (capturedControl != nullptr) {
        capturedControl->mouseRelease(x, y);
        capturedControl = nullptr;
        window->releaseMouse();
    }
}

void GuiEditor::wheel(int x, int y, int steps) {
    if (Control* hit = controlAt(x, y)) hit->wheel(steps);
}

}  // namespace quorvel
