// The object catalogue (sorted names) and the object table (eight lines per object).
#pragma once

#include "state/text_file.h"

namespace taluvin {

struct ObjectStore {
  Lines table;  // the ".obx" records, in the order of the sorted catalogue
  Lines names;  // the ".obz" catalogue
};

}  // namespace taluvin
