// The editor interface that the effect's dispatcher drives.
#pragma once

#include "vst2/Vst2.h"

namespace quorvel {

class EffectBase;

class EditorBase {
public:
    explicit EditorBase(EffectBase* effect) : effect(effect) {}
    virtual ~EditorBase() = default;
    EditorBase(const EditorBase&) = delete;
    EditorBase& operator=(const EditorBase&) = delete;

    virtual EffectBase* getEffect() { return effect; }
    virtual bool getRect(vst2::ERect** rect) {
        *rect = nullptr;
        return false;
    }
    virtual bool open(void* parent) {
        parentWindow = parent;
        return false;
    }
    virtual void close() { parentWindow = nullptr; }
    virtual bool isOpen() { return parentWindow != nullptr; }
    virtual void idle() {}
    virtual bool keyDown(vst2::VstKeyCode& /*key*/) { return false; }
    virtual bool keyUp(vst2::VstKeyCode& /*key*/) { return false; }
    virtual bool wheel(float /*distance*/) { return false; }
    virtual bool setKnobMode(int /*mode*/) { return false; }

protected:
    EffectBase* effect;
    void* parentWindow = nullptr;
};

}  // namespace quorvel
