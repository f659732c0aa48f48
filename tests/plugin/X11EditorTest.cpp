// The editors on Linux in real X11 windows: a host window, pointer events from
// the XTest extension, events through idle ticks and through the published
// event procedure, the window's lifecycle, and a picture of each panel.
// GoogleTest before Xlib, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <dirent.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "support/RecordingHost.h"

using namespace vst2;
using testhost::Instance;
using testhost::RecordingHost;
using vst2::PluginLibrary;

namespace {

// A display server without -noreset restarts when its last client leaves and
// refuses connections for a moment.
Display* connect() {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

int openFileDescriptors() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr) ++count;
        closedir(dir);
    }
    return count;
}

class X11Editor : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_NE(display, nullptr) << "no X display: the editor tests need DISPLAY (scripts/test.sh starts Xvfb)";
        ASSERT_TRUE(library.isLoaded()) << library.error();
        ASSERT_NE(instance.record(), nullptr);
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400, 340, 0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
    }
    void TearDown() override {
        if (display == nullptr) return;
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }

    std::vector<::Window> children() {
        ::Window root, owner, *list = nullptr;
        unsigned count = 0;
        XQueryTree(display, parent, &root, &owner, &list, &count);
        std::vector<::Window> found(list, list + count);
        if (list != nullptr) XFree(list);
        return found;
    }
    ::Window openEditor() {
        EXPECT_EQ(instance.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
        XSync(display, False);
        const std::vector<::Window> editors = children();
        EXPECT_EQ(editors.size(), 1u);
        idleFor(100);
        return editors.empty() ? 0 : editors[0];
    }
    // Idle ticks, as a host sends them, for about ms milliseconds.
    void idleFor(int ms) {
        for (int i = 0; i < ms / 10; ++i) {
            instance.dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    void pointerTo(::Window editor, int x, int y) {
        int rootX = 0, rootY = 0;
        ::Window child;
        XTranslateCoordinates(display, editor, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
        XTestFakeMotionEvent(display, DefaultScreen(display), rootX, rootY, CurrentTime);
        XSync(display, False);
    }
    void button(unsigned number, bool down) {
        XTestFakeButtonEvent(display, number, down ? True : False, CurrentTime);
        XSync(display, False);
    }
    float parameter(VstInt32 index) { return instance.record()->getParameter(instance.record(), index); }

    Display* display = connect();
    ::Window parent = 0;
    PluginLibrary library{testhost::pluginFile(GetParam())};
    RecordingHost host;
    Instance instance{library, host};
};

TEST_P(X11Editor, DragWithThePointerSetsTheParameterAndTellsTheHost) {
    EXPECT_EQ(instance.record()->flags, 0x131);
    const ::Window editor = openEditor();
    ASSERT_NE(editor, 0u);
    XWindowAttributes attributes;
    XGetWindowAttributes(display, editor, &attributes);
    EXPECT_EQ(attributes.width, 320);
    EXPECT_EQ(attributes.height, 260);

    pointerTo(editor, 85, 40);  // the "Detune" box
    button(1, true);
    idleFor(50);
    pointerTo(editor, 85, 20);
    idleFor(50);
    pointerTo(editor, 85, 300);  // outside the window: the drag goes on to the bottom
    idleFor(50);
    button(1, false);
    idleFor(50);
    EXPECT_FLOAT_EQ(parameter(0), 0.0f);
    const auto automations = host.callsOf(audioMasterAutomate);
    ASSERT_GE(automations.size(), 2u);
    EXPECT_EQ(automations[0].index, 0);
    EXPECT_FLOAT_EQ(automations[0].opt, 0.95f);

    const int harshY = std::string(GetParam()) == "QuorvelMono" ? 70 : 100;
    const float harsh = parameter(16);
    pointerTo(editor, 85, harshY);
    button(4, true);
    button(4, false);
    idleFor(50);
    EXPECT_FLOAT_EQ(parameter(16), harsh + 0.01f);
    button(5, true);
    button(5, false);
    idleFor(50);
    EXPECT_FLOAT_EQ(parameter(16), harsh);

    if (const char* fileName = std::getenv("QUORVEL_EDITOR_CAPTURE")) {
        instance.record()->setParameter(instance.record(), 0, 0.85f);
        instance.dispatch(effEditClose);
        const ::Window fresh = openEditor();
        XImage* image = XGetImage(display, fresh, 0, 0, 320, 260, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        const std::string path = std::string(fileName) + "-" + GetParam() + ".ppm";
        if (FILE* out = std::fopen(path.c_str(), "wb")) {
            std::fprintf(out, "P6\n320 260\n255\n");
            for (int y = 0; y < 260; ++y)
                for (int x = 0; x < 320; ++x) {
                    const unsigned long pixel = XGetPixel(image, x, y);
                    const unsigned char rgb[3] = {static_cast<unsigned char>((pixel >> 16) & 0xFF),
                                                  static_cast<unsigned char>((pixel >> 8) & 0xFF),
                                                  static_cast<unsigned char>(pixel & 0xFF)};
                    std::fwrite(rgb, 1, 3, out);
                }
            std::fclose(out);
        }
        XDestroyImage(image);
    }
    instance.dispatch(effEditClose);
    XSync(display, False);
    EXPECT_TRUE(children().empty());
}

TEST_P(X11Editor, HostsThatDeliverEventsThemselvesReachThePublishedProcedure) {
    const ::Window editor = openEditor();
    ASSERT_NE(editor, 0u);
    const Atom atom = XInternAtom(display, "_XEventProc", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = nullptr;
    ASSERT_EQ(XGetWindowProperty(display, editor, atom, 0, 2, False, AnyPropertyType, &type, &format, &items, &after,
                                 &data),
              Success);
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(items * 4, sizeof(void*));
    // 32-bit words, low word first, as Xlib hands them back in longs.
    std::uint64_t address = 0;
    for (unsigned long i = 0; i < items; ++i)
        address |= (static_cast<std::uint64_t>(reinterpret_cast<unsigned long*>(data)[i]) & 0xFFFFFFFFu) << (32 * i);
    XFree(data);
    void (*procedure)(XEvent*) = nullptr;
    std::memcpy(&procedure, &address, sizeof procedure);
    ASSERT_NE(procedure, nullptr);

    XEvent event{};
    event.xany.window = editor;
    event.type = ButtonPress;
    event.xbutton.button = Button1;
    event.xbutton.x = 85;
    event.xbutton.y = 40;
    procedure(&event);
    event.type = MotionNotify;
    event.xmotion.x = 85;
    event.xmotion.y = 30;
    procedure(&event);
    event.type = ButtonRelease;
    event.xbutton.y = 30;
    procedure(&event);
    EXPECT_FLOAT_EQ(parameter(0), 0.9f);
    instance.dispatch(effEditClose);
}

TEST_P(X11Editor, HundredOpenCloseCyclesLeaveNothingBehind) {
    openEditor();
    instance.dispatch(effEditClose);
    const int descriptors = openFileDescriptors();
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(instance.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 1);
        if (i % 10 == 0) instance.dispatch(effEditIdle);
        instance.dispatch(effEditClose);
    }
    XSync(display, False);
    EXPECT_TRUE(children().empty());
    EXPECT_EQ(openFileDescriptors(), descriptors);
}

TEST_P(X11Editor, NoIdleNoHangAndClosingThePluginClosesTheWindow) {
    const ::Window editor = openEditor();
    pointerTo(editor, 85, 40);
    button(1, true);
    pointerTo(editor, 85, 10);
    button(1, false);  // never read: the host sends no idle ticks
    std::vector<float> left(512), right(512);
    instance.sendMidi({{0, 0x90, 60, 100}});
    instance.render(left.data(), right.data(), 512);
    EXPECT_NE(left[511], 0.0f);
    EXPECT_EQ(instance.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(0x7fffff01)), 0);  // no such window
    instance.close();
    XSync(display, False);
    EXPECT_TRUE(children().empty());
}

TEST_P(X11Editor, WithoutADisplayTheEditorDoesNotOpenAndSoundGoesOn) {
    const std::string saved = std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "";
    unsetenv("DISPLAY");
    EXPECT_EQ(instance.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent)), 0);
    setenv("DISPLAY", saved.c_str(), 1);
    EXPECT_TRUE(children().empty());
    std::vector<float> left(512), right(512);
    instance.sendMidi({{0, 0x90, 60, 100}});
    instance.render(left.data(), right.data(), 512);
    EXPECT_NE(left[511], 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Instruments, X11Editor, ::testing::Values("QuorvelMono", "QuorvelPoly"));

}  // namespace
