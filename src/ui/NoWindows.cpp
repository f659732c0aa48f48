// Platforms without a window backend: the instruments offer no editor there.
#include "ui/Window.h"

namespace quorvel::ui {

WindowFactory* nativeWindowFactory() { return nullptr; }

}  // namespace quorvel::ui
