// The layouts that ship with the game, each drawn in code with DesignBuilder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/layouts/design_builder.h"

namespace sorimo::tools {

struct LayoutDesign {
  std::string name;  // the file is name + ".lay", and the name line holds it too
  std::function<void(DesignBuilder&)> draw;
};

// Every shipped layout, in a fixed order.
const std::vector<LayoutDesign>& LayoutDesigns();

}  // namespace sorimo::tools
