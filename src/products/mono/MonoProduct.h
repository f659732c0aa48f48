#pragma once

#include "shell/Product.h"

namespace quorvel {

const Product& monoProduct();

}  // namespace quorvel
