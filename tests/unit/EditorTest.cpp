// The editors through the recording window: panels as tabled, mouse routing
// with capture, value boxes and the check box, and the editor's lifecycle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/Controls.h"
#include "editor/SynthEditor.h"
#include "products/mono/MonoProduct.h"
#include "products/poly/PolyProduct.h"
#include "shell/SynthPlugin.h"
#include "ui/RecordingWindow.h"

using namespace quorvel;
using namespace vst2;

namespace {

std::vector<std::pair<VstInt32, float>> automated;

VstIntPtr VST_CALL host(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*, float opt) {
    if (opcode == audioMasterAutomate) automated.emplace_back(index, opt);
    return opcode == audioMasterVersion ? 2400 : 0;
}

int parentWindow;  // stands for the host's window

class Editor : public ::testing::Test {
protected:
    void SetUp() override { automated.clear(); }

    SynthEditor& panel() { return *plugin.getPanel(); }
    ui::RecordingWindow& open() {
        EXPECT_EQ(plugin.dispatcher(effEditOpen, 0, 0, &parentWindow, 0.0f), 1);
        return *windows.last;
    }
    Control& at(int x, int y) {
        Control* control = panel().controlAt(x, y);
        EXPECT_NE(control, nullptr) << x << "," << y;
        return *control;
    }
    std::vector<std::string> texts(const ui::RecordingCanvas& canvas) {
        std::vector<std::string> drawn;
        for (const ui::DrawCall& call : canvas.calls)
            if (call.kind == ui::DrawCall::Text) drawn.push_back(call.text);
        return drawn;
    }

    ui::RecordingWindowFactory windows;
    SynthPlugin plugin{host, monoProduct(), &windows};
};

struct Placed {
    int x, y, width, height;
    std::string text;
};

// QuorvelMono's panel in list order with the text each control shows at the defaults.
const std::vector<Placed> kMonoPanel = {
    {0, 0, 110, 20, "OSC"},        {110, 0, 100, 20, "FLT"},     {210, 0, 110, 20, "AMP"},
    {0, 230, 320, 30, "Fen Marlowbus' QuorvelMono"},
    {10, 30, 60, 20, "Detune"},    {70, 30, 30, 20, "85"},       {10, 60, 60, 20, "Harsh"},
    {70, 60, 30, 20, "1"},         {10, 90, 90, 20, "Retrigger"}, {10, 120, 60, 20, "Slide"},
    {70, 120, 30, 20, "1"},        {120, 30, 60, 20, "Attack"},  {180, 30, 30, 20, "1"},
    {120, 50, 60, 20, "Decay"},    {180, 50, 30, 20, "32"},      {120, 70, 60, 20, "Sustain"},
    {180, 70, 30, 20, "2"},        {120, 90, 60, 20, "Release"}, {180, 90, 30, 20, "21"},
    {120, 120, 60, 20, "Env Dpth"}, {180, 120, 30, 20, "27"},    {120, 150, 60, 20, "Cut"},
    {180, 150, 30, 20, "33"},      {120, 170, 60, 20, "Res"},    {180, 170, 30, 20, "0"},
    {120, 200, 60, 20, "Flt Vel"}, {180, 200, 30, 20, "81"},     {220, 30, 60, 20, "Attack"},
    {280, 30, 30, 20, "1"},        {220, 50, 60, 20, "Decay"},   {280, 50, 30, 20, "38"},
    {220, 70, 60, 20, "Sustain"},  {280, 70, 30, 20, "45"},      {220, 90, 60, 20, "Release"},
    {280, 90, 30, 20, "9"},        {220, 120, 60, 20, "Amp Vel"}, {280, 120, 30, 20, "56"},
    {220, 150, 60, 20, "Volume"},  {280, 150, 30, 20, "37"},
};

TEST_F(Editor, MonoPanelIsPaintedAsTabled) {
    ui::RecordingWindow& window = open();
    ASSERT_EQ(panel().controlCount(), 39);
    const auto& calls = window.canvas.calls;
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].kind, ui::DrawCall::Fill);
    EXPECT_EQ(calls[0].colour, ui::rgb(150, 150, 100));
    EXPECT_EQ(calls[0].rect.right, 320);
    EXPECT_EQ(calls[0].rect.bottom, 260);

    std::vector<const ui::DrawCall*> textCalls;
    for (const ui::DrawCall& call : calls)
        if (call.kind == ui::DrawCall::Text) textCalls.push_back(&call);
    ASSERT_EQ(textCalls.size(), kMonoPanel.size());
    for (std::size_t i = 0; i < kMonoPanel.size(); ++i) {
        const Placed& expected = kMonoPanel[i];
        Control& control = panel().control(static_cast<int>(i));
        EXPECT_EQ(control.x, expected.x) << i;
        EXPECT_EQ(control.y, expected.y) << i;
        EXPECT_EQ(control.width, expected.width) << i;
        EXPECT_EQ(control.height, expected.height) << i;
        EXPECT_EQ(textCalls[i]->text, expected.text) << i;
    }
    // The check box: a frame round the control, the box, no mark at 0, text right of the box.
    const ui::DrawCall* retrigger = textCalls[8];
    EXPECT_EQ(retrigger->rect.left, 30);
    EXPECT_EQ(retrigger->colour, ui::rgb(0, 0, 0));
    EXPECT_EQ(textCalls[0]->colour, ui::rgb(250, 250, 250));
}

TEST_F(Editor, PolyPanelDiffersOnlyInItsOscillatorColumnTitleAndColour) {
    ui::RecordingWindowFactory polyWindows;
    SynthPlugin poly(host, polyProduct(), &polyWindows);
    ASSERT_EQ(poly.dispatcher(effEditOpen, 0, 0, &parentWindow, 0.0f), 1);
    SynthEditor& polyPanel = *poly.getPanel();
    ASSERT_EQ(polyPanel.controlCount(), 38);
    EXPECT_EQ(polyWindows.last->canvas.calls[0].colour, ui::rgb(150, 100, 150));
    const std::vector<std::string> drawn = texts(polyWindows.last->canvas);
    EXPECT_EQ(drawn[3], "Fen Marlowbus' QuorvelPoly");
    EXPECT_EQ(std::vector<std::string>(drawn.begin() + 4, drawn.begin() + 10),
              (std::vector<std::string>{"Detune", "85", "Mid Cut", "0", "Harsh", "1"}));
    for (int i = 10; i < 38; ++i) {
        const Placed& mono = kMonoPanel[static_cast<std::size_t>(i + 1)];
        EXPECT_EQ(polyPanel.control(i).x, mono.x) << i;
        EXPECT_EQ(polyPanel.control(i).y, mono.y) << i;
        EXPECT_EQ(drawn[static_cast<std::size_t>(i)], mono.text) << i;
    }
    EXPECT_EQ(polyPanel.controlAt(50, 115), nullptr);  // the column ends at 110
}

TEST_F(Editor, EdgesAreStrictAndGapsHitNothing) {
    EXPECT_EQ(panel().controlAt(70, 40), nullptr);
    EXPECT_EQ(panel().controlAt(180, 40), nullptr);
    EXPECT_EQ(panel().controlAt(280, 40), nullptr);
    EXPECT_EQ(panel().controlAt(71, 30), nullptr);
    EXPECT_EQ(panel().controlAt(71, 31), &panel().control(5));
    EXPECT_EQ(panel().controlAt(99, 49), &panel().control(5));
    EXPECT_EQ(panel().controlAt(100, 40), nullptr);
}

TEST_F(Editor, DragRaisesTheValueSendsItOnceAndKeepsRoutingToTheCapturedBox) {
    ui::RecordingWindow& window = open();
    Control& box = at(85, 40);  // "Detune", 0.85
    window.press(85, 40);
    EXPECT_TRUE(window.captured);
    window.move(85, 20);  // 20 pixels up: +0.1
    EXPECT_FLOAT_EQ(box.getValue(), 0.95f);
    EXPECT_FLOAT_EQ(plugin.getParameter(0), 0.95f);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0].first, 0);
    EXPECT_FLOAT_EQ(automated[0].second, 0.95f);

    window.move(185, 135);  // over the "Env Dpth" box: dragging on, not entering it
    EXPECT_FALSE(at(195, 130).hovered);
    EXPECT_FALSE(box.hovered);
    EXPECT_FLOAT_EQ(plugin.getParameter(0), 0.375f);  // 115 pixels down
    window.release(195, 130);
    EXPECT_FALSE(window.captured);
    EXPECT_FALSE(box.pressed);
    EXPECT_FLOAT_EQ(plugin.getParameter(12), 0.275f);  // no mouseUp for the box released over
}

TEST_F(Editor, ValueBoxSteps) {
    ValueBox box(0, 0, 30, 20);
    box.setValue(1.7f, false);
    EXPECT_EQ(box.getValue(), 1.0f);
    box.setValue(-0.2f, false);
    EXPECT_EQ(box.getValue(), 0.0f);

    ui::RecordingWindow& window = open();
    Control& harsh = at(85, 70);
    harsh.setValue(0.5f, false);
    window.press(85, 70);
    window.move(85, 71);
    EXPECT_FLOAT_EQ(harsh.getValue(), 0.495f);
    EXPECT_EQ(texts(window.canvas).back(), "49");
    window.release(85, 71);

    automated.clear();
    harsh.setValue(1.0f, false);
    window.press(85, 70);
    window.move(85, 50);
    window.release(85, 50);
    EXPECT_TRUE(automated.empty());

    harsh.setValue(0.995f, false);
    window.wheel(85, 70, 1);
    EXPECT_EQ(harsh.getValue(), 1.0f);
    EXPECT_EQ(texts(window.canvas).back(), "100");
    window.wheel(85, 70, -2);
    EXPECT_FLOAT_EQ(harsh.getValue(), 0.98f);
}

TEST_F(Editor, RetriggerBoxSwitchesOnClickAndLeavesAHalfAlone) {
    ui::RecordingWindow& window = open();
    window.press(50, 100);
    window.release(50, 100);
    EXPECT_EQ(plugin.getParameter(5), 1.0f);
    ASSERT_EQ(automated.size(), 1u);
    EXPECT_EQ(automated[0], std::make_pair(5, 1.0f));

    plugin.setParameter(5, 0.5f);
    window.press(50, 100);
    window.release(50, 100);
    EXPECT_EQ(plugin.getParameter(5), 0.5f);

    plugin.setParameter(5, 0.7f);
    window.paint();
    bool marked = false;
    for (const ui::DrawCall& call : window.canvas.calls)
        marked = marked || (call.kind == ui::DrawCall::Fill && call.rect.left == 14 && call.rect.top == 94);
    EXPECT_TRUE(marked);
    window.press(50, 100);
    window.move(150, 40);  // off the box: released elsewhere, no click
    window.release(150, 40);
    EXPECT_EQ(plugin.getParameter(5), 0.7f);
    window.press(50, 100);
    window.release(50, 100);
    EXPECT_EQ(plugin.getParameter(5), 0.0f);
}

TEST_F(Editor, HostChangesBeyondTheThresholdReachOnlyTheControlsOfTheirIndex) {
    open();
    Control& detune = panel().control(5);
    detune.dirty = false;
    plugin.setParameter(0, 0.85005f);
    EXPECT_FALSE(detune.dirty);
    EXPECT_FLOAT_EQ(detune.getValue(), 0.85f);
    plugin.setParameter(0, 0.3f);
    EXPECT_TRUE(detune.dirty);
    EXPECT_FLOAT_EQ(detune.getValue(), 0.3f);
    for (int caption = 0; caption < 5; ++caption) EXPECT_EQ(panel().control(caption).getValue(), 0.0f);
    EXPECT_TRUE(automated.empty());
}

TEST_F(Editor, ChunkAndClosedWindowChangesShowAtTheNextOpen) {
    std::vector<float> chunk(18, 0.25f);
    plugin.dispatcher(effSetChunk, 0, 72, chunk.data(), 0.0f);
    plugin.setParameter(15, 0.6f);
    ui::RecordingWindow& window = open();
    const std::vector<std::string> drawn = texts(window.canvas);
    EXPECT_EQ(drawn[5], "25");
    EXPECT_EQ(drawn.back(), "60");
}

TEST_F(Editor, LabelWithoutAnEditorShowsNA) {
    ParamLabel label(0, 0, 60, 20);
    ui::RecordingCanvas canvas;
    label.drawIfDirty(canvas, 0, 0);
    EXPECT_EQ(canvas.calls.back().text, "N/A");
    EXPECT_FALSE(label.dirty);
}

TEST_F(Editor, OpenCloseAndDestroyLeaveNoWindowBehind) {
    ERect* rect = nullptr;
    EXPECT_EQ(plugin.dispatcher(effEditGetRect, 0, 0, &rect, 0.0f), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->top, 0);
    EXPECT_EQ(rect->left, 0);
    EXPECT_EQ(rect->bottom, 260);
    EXPECT_EQ(rect->right, 320);
    plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(windows.live, 0);

    open();
    open();
    EXPECT_EQ(windows.live, 1);
    EXPECT_TRUE(panel().isOpen());
    plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
    plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
    EXPECT_EQ(windows.live, 0);
    EXPECT_FALSE(panel().isOpen());

    {
        SynthPlugin doomed(host, monoProduct(), &windows);
        EXPECT_EQ(doomed.dispatcher(effEditOpen, 0, 0, &parentWindow, 0.0f), 1);
        EXPECT_EQ(windows.live, 1);
    }
    EXPECT_EQ(windows.live, 0);
}

TEST_F(Editor, APlatformWithoutWindowsHasNoEditor) {
    SynthPlugin bare(host, monoProduct(), nullptr);
    EXPECT_EQ(bare.getEffectRecord()->flags, 0x130);
    EXPECT_EQ(bare.dispatcher(effEditOpen, 0, 0, &parentWindow, 0.0f), 0);
    EXPECT_EQ(plugin.getEffectRecord()->flags, 0x131);
    windows.refuse = true;
    EXPECT_EQ(plugin.dispatcher(effEditOpen, 0, 0, &parentWindow, 0.0f), 0);
    EXPECT_FALSE(panel().isOpen());
}

}  // namespace
