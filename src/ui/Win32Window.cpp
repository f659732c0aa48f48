// The window layer on Windows: a child window of class "KzGui" drawn with
// plain GDI calls.
#include <windows.h>

#include <cstring>

#include "host/ModuleInstance.h"
#include "ui/Window.h"

namespace quorvel::ui {

namespace {

const char kClassName[] = "KzGui";

HINSTANCE instance() { return static_cast<HINSTANCE>(moduleInstance); }

RECT toRect(const Rect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

class GdiCanvas : public Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc(dc) {}

    void fillRect(const Rect& rect, Colour colour) override {
        const RECT area = toRect(rect);
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    void frameRect(const Rect& rect, Colour colour) override {
        const RECT area = toRect(rect);
        HBRUSH brush = CreateSolidBrush(colour);
        FrameRect(dc, &area, brush);
        DeleteObject(brush);
    }
    void ellipse(const Rect& rect, Colour penColour, Colour brushColour) override {
        HPEN pen = CreatePen(PS_SOLID, 1, penColour);
        HBRUSH brush = CreateSolidBrush(brushColour);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
        SelectObject(dc, oldPen);
        SelectObject(dc, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }
    void drawCenteredText(const char* text, const Rect& rect, Colour colour) override {
        RECT area = toRect(rect);
        const COLORREF oldColour = SetTextColor(dc, colour);
        // The text lies on a freshly filled rectangle; transparent keeps its colour.
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = SelectObject(dc, GetStockObject(SYSTEM_FONT));
        DrawTextA(dc, text, static_cast<int>(std::strlen(text)), &area, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
        SelectObject(dc, oldFont);
    }

private:
    HDC dc;
};

class Win32Window : public Window {
public:
    Win32Window(HWND parent, int width, int height, WindowHandler& handler) : handler(handler) {
        // Registered without CS_GLOBALCLASS: the class belongs to this library
        // alone, so another library's editor of the same class name never runs
        // on our window procedure, nor ours on its.
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance();
        windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);  // fails harmlessly when another editor of ours is open

        window = CreateWindowExA(0, kClassName, nullptr, WS_CHILD, 0, 0, width, height, parent, nullptr,
                                 instance(), nullptr);
        if (window == nullptr) return;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        ShowWindow(window, SW_SHOW);
    }

    ~Win32Window() override {
        if (window != nullptr) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            DestroyWindow(window);
        }
        UnregisterClassA(kClassName, instance());
    }

    bool isCreated() const { return window != nullptr; }

    void paint() override {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        GdiCanvas canvas(dc);
        handler.paint(canvas);
        EndPaint(window, &ps);
    }
    void captureMouse() override { SetCapture(window); }
    void releaseMouse() override { ReleaseCapture(); }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
        return self->handleMessage(message, wParam, lParam);
    }

    void drawDirty() {
        HDC dc = GetDC(window);
        GdiCanvas canvas(dc);
        handler.drawDirty(canvas);
        ReleaseDC(window, dc);
    }

    // Whole notches from the wheel's delta. High-resolution wheels send parts
    // of a notch; they add up, and the sign gives the direction.
    int wheelSteps(int delta) {
        wheelRemainder += delta;
        const int steps = wheelRemainder / WHEEL_DELTA;
        wheelRemainder -= steps * WHEEL_DELTA;
        return steps;
    }

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        switch (message) {
        case WM_PAINT:
            paint();
            return 0;
        case WM_MOUSEACTIVATE:
            SetFocus(window);
            return 0;
        case WM_MOUSEMOVE:
            handler.mouseMove(x, y);
            drawDirty();
            return 0;
        case WM_LBUTTONDOWN:
            handler.buttonDown(x, y);
            drawDirty();
            return 0;
        case WM_LBUTTONUP:
            handler.buttonUp(x, y);
            drawDirty();
            return 0;
        case WM_MOUSEWHEEL: {
            POINT point{x, y};  // screen coordinates for this message
            ScreenToClient(window, &point);
            const int steps = wheelSteps(static_cast<short>(HIWORD(wParam)));
            if (steps != 0) handler.wheel(point.x, point.y, steps);
            drawDirty();
            return 0;
        }
        default:
            return DefWindowProcA(window, message, wParam, lParam);
        }
    }

    WindowHandler& handler;
    HWND window = nullptr;
    int wheelRemainder = 0;
};

class Win32WindowFactory : public WindowFactory {
public:
    std::unique_ptr<Window> create(void* parent, int width, int height, WindowHandler& handler) override {
        auto window = std::make_unique<Win32Window>(static_cast<HWND>(parent), width, height, handler);
        if (!window->isCreated()) return nullptr;
        return window;
    }
};

}  // namespace

WindowFactory* nativeWindowFactory() {
    static Win32WindowFactory factory;
    return &factory;
}

}  // namespace quorvel::ui
