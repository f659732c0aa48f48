// The editor window: a fixed list of controls, painting, hit testing and
// mouse routing with capture, and the plug-in's pushes of parameter values.
#pragma once

#include <memory>
#include <vector>

#include "editor/Control.h"
#include "editor/EditorBase.h"
#include "ui/Window.h"

namespace quorvel {

class GuiEditor : public EditorBase, private ui::WindowHandler {
public:
    GuiEditor(EffectBase* effect, int width, int height, ui::WindowFactory* windows);
    ~GuiEditor() override;

    bool getRect(vst2::ERect** rect) override;
    // Opening again while open moves the editor into the new parent.
    bool open(void* parent) override;
    void close() override;
    void idle() override;

    void addControl(std::unique_ptr<Control> control, int paramIndex);
    // Controls of index whose value differs by more than 0.0001 take value; nothing is drawn.
    void parameterChanged(int index, float value);
    // Every control takes its parameter's value from the plug-in.
    void refreshAll();

    int controlCount() const { return static_cast<int>(controls.size()); }
    Control& control(int position) { return *controls[static_cast<std::size_t>(position)]; }
    Control* controlAt(int x, int y);

protected:
    ui::Colour lineColour = ui::rgb(0, 0, 0);
    ui::Colour fillColour = ui::rgb(250, 250, 250);
    ui::Colour backgroundColour = ui::rgb(150, 150, 150);

private:
    void paint(ui::Canvas& canvas) override;
    void drawDirty(ui::Canvas& canvas) override;
    void mouseMove(int x, int y) override;
    void buttonDown(int x, int y) override;
    void buttonUp(int x, int y) override;
    void wheel(int x, int y, int steps) override;

    vst2::ERect rect;
    ui::Rect clientRect;
    ui::WindowFactory* windows;
    std::unique_ptr<ui::Window> window;
    int width, height;
    std::vector<std::unique_ptr<Control>> controls;
    Control* hoverControl = nullptr;
    Control* capturedControl = nullptr;
};

}  // namespace quorvel
