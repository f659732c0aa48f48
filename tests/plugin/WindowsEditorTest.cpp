// The editors in real windows under a Windows window manager: a host window,
// real mouse messages to the editor's child window, automation reaching the
// host, the window's lifecycle, and a picture of each panel.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "support/RecordingHost.h"

using namespace vst2;
using testhost::Instance;
using vst2::PluginLibrary;
using testhost::RecordingHost;

namespace {

LRESULT CALLBACK parentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// A plain top-level window standing for the host's editor frame.
class HostWindow {
public:
    HostWindow() {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = parentProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QuorvelTestHost";
        RegisterClassA(&windowClass);
        hwnd = CreateWindowExA(0, "QuorvelTestHost", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 340,
                               nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    ~HostWindow() { DestroyWindow(hwnd); }
    HWND hwnd;
};

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::vector<HWND> editorWindows(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        if (std::string(name) == "KzGui") found.push_back(child);
    }
    return found;
}

LPARAM point(int x, int y) { return MAKELPARAM(x, y); }

void click(HWND window, int x, int y) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point(x, y));
    SendMessageA(window, WM_LBUTTONUP, 0, point(x, y));
}

void drag(HWND window, int x, int fromY, int toY) {
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point(x, fromY));
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, point(x, toY));
    SendMessageA(window, WM_LBUTTONUP, 0, point(x, toY));
}

void turnWheel(HWND window, int x, int y, short delta) {
    POINT screen{x, y};
    ClientToScreen(window, &screen);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), point(screen.x, screen.y));
}

// Writes the window's pixels as a 24-bit BMP; the build turns it into a PNG.
void capture(HWND window, const std::string& fileName) {
    RECT area;
    GetClientRect(window, &area);
    const int width = area.right, height = area.bottom;
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * height;
    if (FILE* out = std::fopen(fileName.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, rowBytes, height, out);
        std::fclose(out);
    }
    SelectObject(memoryDc, old);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
}

class WindowsEditor : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.isLoaded()) << library.error();
        ASSERT_NE(instance.record(), nullptr);
        ASSERT_NE(parent.hwnd, nullptr);
    }
    HWND openEditor() {
        EXPECT_EQ(instance.dispatch(effEditOpen, 0, 0, parent.hwnd), 1);
        pumpMessages();
        const std::vector<HWND> editors = editorWindows(parent.hwnd);
        EXPECT_EQ(editors.size(), 1u);
        return editors.empty() ? nullptr : editors[0];
    }
    float parameter(VstInt32 index) { return instance.record()->getParameter(instance.record(), index); }

    HostWindow parent;
    PluginLibrary library{testhost::pluginFile(GetParam())};
    RecordingHost host;
    Instance instance{library, host};
};

TEST_P(WindowsEditor, DragInTheWindowSetsTheParameterAndTellsTheHost) {
    ERect* rect = nullptr;
    EXPECT_EQ(instance.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right, 320);
    EXPECT_EQ(rect->bottom, 260);
    EXPECT_EQ(instance.record()->flags, 0x131);

    HWND editor = openEditor();
    ASSERT_NE(editor, nullptr);
    RECT client;
    GetClientRect(editor, &client);
    EXPECT_EQ(client.right, 320);
    EXPECT_EQ(client.bottom, 260);

    drag(editor, 85, 40, 20);  // "Detune" box, 20 pixels up
    EXPECT_FLOAT_EQ(parameter(0), 0.95f);
    const auto automations = host.callsOf(audioMasterAutomate);
    ASSERT_EQ(automations.size(), 1u);
    EXPECT_EQ(automations[0].index, 0);
    EXPECT_FLOAT_EQ(automations[0].opt, 0.95f);

    if (std::string(GetParam()) == "QuorvelMono") {
        click(editor, 50, 100);  // the "Retrigger" box
        EXPECT_EQ(parameter(5), 1.0f);
        instance.record()->setParameter(instance.record(), 5, 0.0f);
    }

    const char* fileName = std::getenv("QUORVEL_EDITOR_CAPTURE");
    if (fileName != nullptr) {
        instance.record()->setParameter(instance.record(), 0, 0.85f);
        InvalidateRect(editor, nullptr, FALSE);
        UpdateWindow(editor);
        pumpMessages();
        capture(editor, std::string(fileName) + "-" + GetParam() + ".bmp");
    }
    instance.dispatch(effEditClose);
    EXPECT_TRUE(editorWindows(parent.hwnd).empty());
}

TEST_P(WindowsEditor, WheelFollowsTheSignOfTheDeltaAndAddsUpPartialNotches) {
    HWND editor = openEditor();
    ASSERT_NE(editor, nullptr);
    // The "Harsh" box: y 60 in QuorvelMono, y 90 in QuorvelPoly.
    const int y = std::string(GetParam()) == "QuorvelMono" ? 70 : 100;
    const float start = parameter(16);
    turnWheel(editor, 85, y, 120);
    EXPECT_FLOAT_EQ(parameter(16), start + 0.01f);
    turnWheel(editor, 85, y, 240);
    EXPECT_FLOAT_EQ(parameter(16), start + 0.03f);
    turnWheel(editor, 85, y, 60);
    EXPECT_FLOAT_EQ(parameter(16), start + 0.03f);
    turnWheel(editor, 85, y, 60);
    EXPECT_FLOAT_EQ(parameter(16), start + 0.04f);
    turnWheel(editor, 85, y, -120);
    EXPECT_FLOAT_EQ(parameter(16), start + 0.03f);
    EXPECT_EQ(host.callsOf(audioMasterAutomate).size(), 4u);
}

TEST_P(WindowsEditor, OpeningTwiceClosingTwiceAndDestroyingWhileOpenLeaveNoWindow) {
    EXPECT_EQ(instance.dispatch(effEditClose), 0);
    HWND first = openEditor();
    HWND second = openEditor();
    EXPECT_FALSE(IsWindow(first) && first != second);
    instance.dispatch(effEditClose);
    instance.dispatch(effEditClose);
    EXPECT_TRUE(editorWindows(parent.hwnd).empty());
    HWND open = openEditor();
    EXPECT_TRUE(IsWindow(open));
    instance.close();
    EXPECT_FALSE(IsWindow(open));
    EXPECT_TRUE(editorWindows(parent.hwnd).empty());
}

INSTANTIATE_TEST_SUITE_P(Instruments, WindowsEditor, ::testing::Values("QuorvelMono", "QuorvelPoly"));

TEST(WindowsEditors, EachLibraryKeepsItsOwnWindowClass) {
    HostWindow parent;
    RecordingHost host;
    auto mono = std::make_unique<PluginLibrary>(testhost::pluginFile("QuorvelMono"));
    PluginLibrary poly(testhost::pluginFile("QuorvelPoly"));
    ASSERT_TRUE(mono->isLoaded() && poly.isLoaded());
    auto monoInstance = std::make_unique<Instance>(*mono, host);
    Instance polyInstance(poly, host);
    ASSERT_EQ(monoInstance->dispatch(effEditOpen, 0, 0, parent.hwnd), 1);
    ASSERT_EQ(polyInstance.dispatch(effEditOpen, 0, 0, parent.hwnd), 1);
    pumpMessages();
    const std::vector<HWND> editors = editorWindows(parent.hwnd);
    ASSERT_EQ(editors.size(), 2u);

    // Unload QuorvelMono while QuorvelPoly's editor stays open and in use.
    monoInstance.reset();
    mono.reset();
    HWND polyEditor = editorWindows(parent.hwnd).at(0);
    drag(polyEditor, 85, 70, 50);  // "Mid Cut" box
    InvalidateRect(polyEditor, nullptr, FALSE);
    UpdateWindow(polyEditor);
    pumpMessages();
    EXPECT_FLOAT_EQ(polyInstance.record()->getParameter(polyInstance.record(), 5), 0.1f);
    polyInstance.dispatch(effEditClose);
}

}  // namespace
