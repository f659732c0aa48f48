// The window layer on Linux: a child window of the host's X11 window, on a
// display connection of the editor's own, drawn with core X calls. Events are
// read when the host calls effEditIdle, or handed in by hosts that call the
// procedure published in the window's _XEventProc property.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/Window.h"

namespace quorvel::ui {

namespace {

class X11Window;

// Windows of ours that are open, so the published event procedure finds the
// one an event belongs to. Touched on the host's user-interface thread only.
std::vector<X11Window*>& openWindows() {
    static std::vector<X11Window*> windows;
    return windows;
}

// A channel of a colour, scaled into the visual's mask.
unsigned long channel(unsigned value, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0) ++shift;
    const unsigned long top = mask >> shift;
    return ((value * top + 127) / 255) << shift;
}

class XCanvas : public Canvas {
public:
    XCanvas(Display* display, ::Window window, GC gc, XFontStruct* font, Visual* visual)
        : display(display), window(window), gc(gc), font(font), visual(visual) {}

    void fillRect(const Rect& rect, Colour colour) override {
        if (rect.right <= rect.left || rect.bottom <= rect.top) return;
        use(colour);
        XFillRectangle(display, window, gc, rect.left, rect.top, static_cast<unsigned>(rect.right - rect.left),
                       static_cast<unsigned>(rect.bottom - rect.top));
    }
    void frameRect(const Rect& rect, Colour colour) override {
        if (rect.right - rect.left < 1 || rect.bottom - rect.top < 1) return;
        use(colour);
        XDrawRectangle(display, window, gc, rect.left, rect.top, static_cast<unsigned>(rect.right - rect.left - 1),
                       static_cast<unsigned>(rect.bottom - rect.top - 1));
    }
    void ellipse(const Rect& rect, Colour pen, Colour brush) override {
        const unsigned width = static_cast<unsigned>(rect.right - rect.left - 1);
        const unsigned height = static_cast<unsigned>(rect.bottom - rect.top - 1);
        use(brush);
        XFillArc(display, window, gc, rect.left, rect.top, width, height, 0, 360 * 64);
        use(pen);
        XDrawArc(display, window, gc, rect.left, rect.top, width, height, 0, 360 * 64);
    }
    void drawCenteredText(const char* text, const Rect& rect, Colour colour) override {
        if (font == nullptr) return;
        const int length = static_cast<int>(std::strlen(text));
        const int width = XTextWidth(font, text, length);
        const int x = rect.left + (rect.right - rect.left - width) / 2;
        const int y = rect.top + (rect.bottom - rect.top - font->ascent - font->descent) / 2 + font->ascent;
        use(colour);
        XDrawString(display, window, gc, x, y, text, length);
    }

private:
    void use(Colour colour) {
        const unsigned red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
        XSetForeground(display, gc,
                       channel(red, visual->red_mask) | channel(green, visual->green_mask) |
                           channel(blue, visual->blue_mask));
    }

    Display* display;
    ::Window window;
    GC gc;
    XFontStruct* font;
    Visual* visual;
};

class X11Window : public Window {
public:
    X11Window(Display* display, ::Window parent, int width, int height, WindowHandler& handler)
        : display(display), handler(handler) {
        const int screen = DefaultScreen(display);
        visual = DefaultVisual(display, screen);
        XSetWindowAttributes attributes{};
        attributes.event_mask =
            ExposureMask | PointerMotionMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask;
        attributes.background_pixel = BlackPixel(display, screen);
        window = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                               CopyFromParent, InputOutput, CopyFromParent, CWEventMask | CWBackPixel, &attributes);
        gc = XCreateGC(display, window, 0, nullptr);
        // A bold fixed font of the system font's size; plain "fixed" where it is missing.
        font = XLoadQueryFont(display, "-misc-fixed-bold-r-normal--13-*-*-*-*-*-iso8859-1");
        if (font == nullptr) font = XLoadQueryFont(display, "fixed");
        if (font != nullptr) XSetFont(display, gc, font->fid);
        publishEventProcedure();
        XMapWindow(display, window);
        XSync(display, False);
        openWindows().push_back(this);
    }

    ~X11Window() override {
        auto& windows = openWindows();
        windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
        if (captured) XUngrabPointer(display, CurrentTime);
        if (font != nullptr) XFreeFont(display, font);
        XFreeGC(display, gc);
        XDestroyWindow(display, window);
        XCloseDisplay(display);
    }

    void paint() override {
        XCanvas canvas(display, window, gc, font, visual);
        handler.paint(canvas);
        XFlush(display);
    }
    void captureMouse() override {
        captured = XGrabPointer(display, window, False, PointerMotionMask | ButtonReleaseMask | ButtonPressMask,
                                GrabModeAsync, GrabModeAsync, None, None, CurrentTime) == GrabSuccess;
    }
    void releaseMouse() override {
        XUngrabPointer(display, CurrentTime);
        XFlush(display);
        captured = false;
    }
    void idle() override {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            handle(event);
        }
    }

    // The procedure hosts call with events for our window.
    static void eventProcedure(XEvent* event) {
        if (event == nullptr) return;
        for (X11Window* window : openWindows())
            if (window->window == event->xany.window) return window->handle(*event);
    }

private:
    // The procedure's address as 32-bit words, low word first: two on 64-bit systems.
    void publishEventProcedure() {
        const Atom atom = XInternAtom(display, "_XEventProc", False);
        void (*procedure)(XEvent*) = eventProcedure;
        std::uint64_t address = 0;
        std::memcpy(&address, &procedure, sizeof procedure);
        long words[2] = {static_cast<long>(address & 0xFFFFFFFFu), static_cast<long>(address >> 32)};
        XChangeProperty(display, window, atom, atom, 32, PropModeReplace, reinterpret_cast<unsigned char*>(words),
                        static_cast<int>(sizeof procedure / 4));
    }

    void drawDirty() {
        XCanvas canvas(display, window, gc, font, visual);
        handler.drawDirty(canvas);
        XFlush(display);
    }

    void handle(const XEvent& event) {
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) paint();
            break;
        case MotionNotify:
            handler.mouseMove(event.xmotion.x, event.xmotion.y);
            drawDirty();
            break;
        case ButtonPress:
            if (event.xbutton.button == Button1)
                handler.buttonDown(event.xbutton.x, event.xbutton.y);
            else if (event.xbutton.button == Button4 || event.xbutton.button == Button5)
                handler.wheel(event.xbutton.x, event.xbutton.y, event.xbutton.button == Button4 ? 1 : -1);
            else
                break;
            drawDirty();
            break;
        case ButtonRelease:
            if (event.xbutton.button != Button1) break;
            handler.buttonUp(event.xbutton.x, event.xbutton.y);
            drawDirty();
            break;
        default:
            break;
        }
    }

    Display* display;
    WindowHandler& handler;
    ::Window window = 0;
    GC gc = nullptr;
    XFontStruct* font = nullptr;
    Visual* visual = nullptr;
    bool captured = false;
};

// Xlib's default error handler ends the process; while the window is made, a
// bad parent from the host must only make effEditOpen answer false.
bool failedRequest = false;
int noteFailure(Display*, XErrorEvent*) {
    failedRequest = true;
    return 0;
}

class X11WindowFactory : public WindowFactory {
public:
    std::unique_ptr<Window> create(void* parent, int width, int height, WindowHandler& handler) override {
        Display* display = XOpenDisplay(nullptr);
        if (display == nullptr) return nullptr;
        failedRequest = false;
        XErrorHandler previous = XSetErrorHandler(noteFailure);
        XWindowAttributes attributes;
        const bool parentExists = XGetWindowAttributes(display, reinterpret_cast<::Window>(parent), &attributes) != 0;
        XSync(display, False);
        XSetErrorHandler(previous);
        if (!parentExists || failedRequest) {
            XCloseDisplay(display);
            return nullptr;
        }
        return std::make_unique<X11Window>(display, reinterpret_cast<::Window>(parent), width, height, handler);
    }
};

}  // namespace

WindowFactory* nativeWindowFactory() {
    static X11WindowFactory factory;
    return &factory;
}

}  // namespace quorvel::ui
