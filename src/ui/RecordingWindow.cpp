#include "ui/RecordingWindow.h"

namespace quorvel::ui {

void RecordingCanvas::fillRect(const Rect& rect, Colour colour) { calls.push_back({DrawCall::Fill, rect, colour, 0, {}}); }

void RecordingCanvas::frameRect(const Rect& rect, Colour colour) {
    calls.push_back({DrawCall::Frame, rect, colour, 0, {}});
}

void RecordingCanvas::ellipse(const Rect& rect, Colour pen, Colour brush) {
    calls.push_back({DrawCall::Ellipse, rect, pen, brush, {}});
}

void RecordingCanvas::drawCenteredText(const char* text, const Rect& rect, Colour colour) {
    calls.push_back({DrawCall::Text, rect, colour, 0, text});
}

RecordingWindow::RecordingWindow(void* parent, WindowHandler& handler, int& liveWindows)
    : parent(parent), handler(handler), liveWindows(liveWindows) {
    ++liveWindows;
}

RecordingWindow::~RecordingWindow() { --liveWindows; }

void RecordingWindow::paint() {
    ++paints;
    handler.paint(canvas);
}

void RecordingWindow::move(int x, int y) {
    handler.mouseMove(x, y);
    handler.drawDirty(canvas);
}

void RecordingWindow::press(int x, int y) {
    handler.buttonDown(x, y);
    handler.drawDirty(canvas);
}

void RecordingWindow::release(int x, int y) {
    handler.buttonUp(x, y);
    handler.drawDirty(canvas);
}

void RecordingWindow::wheel(int x, int y, int steps) {
    handler.wheel(x, y, steps);
    handler.drawDirty(canvas);
}

std::unique_ptr<Window> RecordingWindowFactory::create(void* parent, int /*width*/, int /*height*/,
                                                       WindowHandler& handler) {
    if (refuse) return nullptr;
    auto window = std::make_unique<RecordingWindow>(parent, handler, live);
    last = window.get();
    ++created;
    return window;
}

}  // namespace quorvel::ui
