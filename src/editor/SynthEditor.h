// The instrument panel: three captioned columns of parameter rows and a title
// bar. The filter and amplifier columns are common to both products; each
// product gives its oscillator column, title and background.
#pragma once

#include "editor/GuiEditor.h"

namespace quorvel {

struct PanelRow {
    int y;
    int paramIndex;
    const char* toggleText;  // a check box with this text; null for a name and a value box
};

struct PanelLayout {
    ui::Colour background;
    const char* title;
    const PanelRow* oscillatorRows;
    int oscillatorRowCount;
};

class SynthEditor : public GuiEditor {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 260;

    SynthEditor(EffectBase* effect, const PanelLayout& layout, ui::WindowFactory* windows);

private:
    void addRow(int x, const PanelRow& row);
};

}  // namespace quorvel
