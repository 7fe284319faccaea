#include "config/seams.h"

namespace kz {

Seams& InstalledSeams() {
  static Seams seams;
  return seams;
}

}  // namespace kz
