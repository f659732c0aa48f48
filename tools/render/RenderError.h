#pragma once

#include <stdexcept>

namespace render {

// A failure the user can act on; its message is one line.
class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace render
