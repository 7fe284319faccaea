// The Windows side of the configuration library's platform seams.
#pragma once

#include "config/seams.h"

namespace tk {

// Installs the Windows implementations of every seam, for the life of the process.
void InstallWindowsSeams();

}  // namespace tk
