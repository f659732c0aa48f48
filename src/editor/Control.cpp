#include "editor/Control.h"

#include "editor/GuiEditor.h"
#include "host/EffectBase.h"

namespace quorvel {

void Control::drawIfDirty(ui::Canvas& canvas, ui::Colour lineColour, ui::Colour fillColour) {
    if (!dirty) return;
    if (oval)
        canvas.ellipse(bounds(), lineColour, fillColour);
    else
        canvas.fillRect(bounds(), fillColour);
    draw(canvas, lineColour, fillColour);
    dirty = false;
}

void Control::sendToPlugin(float newValue) {
    if (editor == nullptr) return;
    EffectBase* effect = editor->getEffect();
    if (automate)
        effect->automateParameter(paramIndex, newValue);
    else
        effect->setParameter(paramIndex, newValue);
}

}  // namespace quorvel
