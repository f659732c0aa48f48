#pragma once

namespace quorvel {

// The library's module handle (a Windows HINSTANCE), stored by the load
// notification and used by the editor's window class. Null on Linux.
extern void* moduleInstance;

}  // namespace quorvel
