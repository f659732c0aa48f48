// A window that draws nothing but records every drawing call, and lets a
// test play mouse events the way a real window delivers them.
#pragma once

#include <string>
#include <vector>

#include "ui/Window.h"

namespace quorvel::ui {

struct DrawCall {
    enum Kind { Fill, Frame, Ellipse, Text };
    Kind kind;
    Rect rect;
    Colour colour;
    Colour brush;  // ellipse only
    std::string text;
};

class RecordingCanvas : public Canvas {
public:
    void fillRect(const Rect& rect, Colour colour) override;
    void frameRect(const Rect& rect, Colour colour) override;
    void ellipse(const Rect& rect, Colour pen, Colour brush) override;
    void drawCenteredText(const char* text, const Rect& rect, Colour colour) override;

    std::vector<DrawCall> calls;
};

class RecordingWindowFactory;

class RecordingWindow : public Window {
public:
    RecordingWindow(void* parent, WindowHandler& handler, int& liveWindows);
    ~RecordingWindow() override;

    void paint() override;
    void captureMouse() override { captured = true; }
    void releaseMouse() override { captured = false; }

    // Each is followed by drawing what changed, as after a real mouse message.
    void move(int x, int y);
    void press(int x, int y);
    void release(int x, int y);
    void wheel(int x, int y, int steps);

    void* const parent;
    bool captured = false;
    int paints = 0;
    RecordingCanvas canvas;  // everything drawn, in order

private:
    WindowHandler& handler;
    int& liveWindows;
};

class RecordingWindowFactory : public WindowFactory {
public:
    std::unique_ptr<Window> create(void* parent, int width, int height, WindowHandler& handler) override;

    RecordingWindow* last = nullptr;  // the window made last; valid while it is open
    int created = 0;
    int live = 0;  // windows made and not yet destroyed
    bool refuse = false;  // act like a platform that cannot make a window
};

}  // namespace quorvel::ui
