// Copying a game folder whole into another, within the same budget an archive has.
#pragma once

#include "state/archive_unpack.h"

#include <string>

namespace taluvin {

// Copies the files and folders below `from` into `to` (an existing, empty folder; both end with
// "/"). A link is copied as the file it leads to when that lies inside `from`; links to folders,
// links leading out and device files are left out (named in leftOut), so the copy holds nothing
// from elsewhere and no walk of it loops. More files or bytes than the budget refuses the copy, whose
// partial result stays for the caller to remove.
UnpackResult copyFolder(const std::string& from, const std::string& to, const UnpackBudget& budget = {});

}  // namespace taluvin
