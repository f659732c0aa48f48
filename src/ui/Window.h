// The window layer: everything the editor needs from a windowing system, so
// the editor itself never calls a platform API. One backend per platform.
#pragma once

#include <cstdint>
#include <memory>

namespace quorvel::ui {

// A colour as 0x00BBGGRR, the layout Windows uses.
using Colour = std::uint32_t;
constexpr Colour rgb(int red, int green, int blue) {
    return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 | static_cast<Colour>(blue) << 16;
}

struct Rect {
    int left, top, right, bottom;
};

// Drawing into the window, straight onto the screen.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fillRect(const Rect& rect, Colour colour) = 0;
    // A one-pixel frame just inside rect.
    virtual void frameRect(const Rect& rect, Colour colour) = 0;
    virtual void ellipse(const Rect& rect, Colour pen, Colour brush) = 0;
    // One line of text centred in rect, in the system's plain user-interface font.
    virtual void drawCenteredText(const char* text, const Rect& rect, Colour colour) = 0;
};

// What a window reports to the editor it shows. Coordinates are client pixels.
class WindowHandler {
public:
    virtual ~WindowHandler() = default;
    // The whole window needs painting.
    virtual void paint(Canvas& canvas) = 0;
    // After each mouse event: draw what changed.
    virtual void drawDirty(Canvas& canvas) = 0;
    virtual void mouseMove(int x, int y) = 0;
    virtual void buttonDown(int x, int y) = 0;
    virtual void buttonUp(int x, int y) = 0;
    // steps > 0 is forward (away from the user), one per wheel notch.
    virtual void wheel(int x, int y, int steps) = 0;
};

// A child window inside the host's window; destroying it closes the window.
class Window {
public:
    virtual ~Window() = default;
    // Paints the whole window now.
    virtual void paint() = 0;
    // While captured, every mouse move reaches this window, inside or outside it.
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    // Called on the host's idle ticks; backends that poll for events do it here.
    virtual void idle() {}
};

class WindowFactory {
public:
    virtual ~WindowFactory() = default;
    // A shown child window of parent, or null when none can be made.
    virtual std::unique_ptr<Window> create(void* parent, int width, int height, WindowHandler& handler) = 0;
};

// The platform's own windows, or null on a platform without a backend.
WindowFactory* nativeWindowFactory();

}  // namespace quorvel::ui
