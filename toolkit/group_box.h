// A frame with an optional caption around a group of controls.
#pragma once

#include "toolkit/control.h"

namespace tk {

class GroupBox : public Control {};

}  // namespace tk
