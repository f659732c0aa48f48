// A shared library without a VST 2 entry.
extern "C" __attribute__((visibility("default"))) int notAPlugin() { return 42; }
