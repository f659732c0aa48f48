#include "editor/SynthEditor.h"

#include "editor/Controls.h"
#include "engine/ParamIndex.h"

namespace quorvel {

namespace {

constexpr PanelRow kFilterRows[] = {
    {30, param::FilterAttack, nullptr},  {50, param::FilterDecay, nullptr}, {70, param::FilterSustain, nullptr},
    {90, param::FilterRelease, nullptr}, {120, param::EnvDepth, nullptr},   {150, param::Cut, nullptr},
    {170, param::Res, nullptr},          {200, param::FilterVelocity, nullptr},
};

constexpr PanelRow kAmpRows[] = {
    {30, param::AmpAttack, nullptr},   {50, param::AmpDecay, nullptr},     {70, param::AmpSustain, nullptr},
    {90, param::AmpRelease, nullptr},  {120, param::AmpVelocity, nullptr}, {150, param::Volume, nullptr},
};

constexpr int kOscillatorX = 10;
constexpr int kFilterX = 120;
constexpr int kAmpX = 220;

}  // namespace

SynthEditor::SynthEditor(EffectBase* effect, const PanelLayout& layout, ui::WindowFactory* windows)
    : GuiEditor(effect, kWidth, kHeight, windows) {
    lineColour = ui::rgb(0, 0, 0);
    fillColour = ui::rgb(250, 250, 250);
    backgroundColour = layout.background;

    addControl(std::make_unique<Caption>(0, 0, 110, 20, "OSC"), 0);
    addControl(std::make_unique<Caption>(110, 0, 100, 20, "FLT"), 0);
    addControl(std::make_unique<Caption>(210, 0, 110, 20, "AMP"), 0);
    addControl(std::make_unique<Caption>(0, 230, 320, 30, layout.title), 0);
    for (int i = 0; i < layout.oscillatorRowCount; ++i) addRow(kOscillatorX, layout.oscillatorRows[i]);
    for (const PanelRow& row : kFilterRows) addRow(kFilterX, row);
    for (const PanelRow& row : kAmpRows) addRow(kAmpX, row);
}

void SynthEditor::addRow(int x, const PanelRow& row) {
    if (row.toggleText != nullptr) {
        addControl(std::make_unique<Toggle>(x, row.y, 90, 20, row.toggleText), row.paramIndex);
        return;
    }
    addControl(std::make_unique<ParamLabel>(x, row.y, 60, 20), row.paramIndex);
    addControl(std::make_unique<ValueBox>(x + 60, row.y, 30, 20), row.paramIndex);
}

}  // namespace quorvel
