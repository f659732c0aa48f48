#include "host/ModuleInstance.h"

namespace quorvel {

void* moduleInstance = nullptr;

}  // namespace quorvel
