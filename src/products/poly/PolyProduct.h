#pragma once

#include "shell/Product.h"

namespace quorvel {

const Product& polyProduct();

}  // namespace quorvel
