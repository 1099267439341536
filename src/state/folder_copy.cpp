// Bounded copy of a game folder: plain files and folders only, nothing reached from outside it.
#include "state/folder_copy.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace taluvin {

namespace {

namespace fs = std::filesystem;

class FolderCopier {
 public:
  FolderCopier(const std::string& from, const std::string& to, const UnpackBudget& budget)
      : to_(to), budget_(budget) {
    std::error_code ec;
    from_ = fs::canonical(from, ec);
    if (ec) result_.error = "it cannot be read (" + ec.message() + ")";
  }

  UnpackResult run() {
    if (result_.error.empty()) copyFolder(from_, fs::path(to_));
    return std::move(result_);
  }

 private:
  bool inside(const fs::path& real) const {
    const auto [stop, ignored] = std::mismatch(from_.begin(), from_.end(), real.begin(), real.end());
    return stop == from_.end();
  }

  bool copyFolder(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::directory_iterator it(from, ec), end;
    if (ec) {
      result_.error = "cannot read " + from.string() + ": " + ec.message();
      return false;
    }
    for (; it != end; it.increment(ec)) {
      if (!copyEntry(it->path(), to / it->path().filename())) return false;
    }
    if (ec) {
      result_.error = "cannot read " + from.string() + ": " + ec.message();
      return false;
    }
    return true;
  }

  bool copyEntry(const fs::path& source, const fs::path& target) {
    std::error_code ec;
    if (++entries_ > budget_.maxEntries) {
      result_.error = "it holds more than " + std::to_string(budget_.maxEntries) + " files and folders";
      return false;
    }
    const fs::file_status own = fs::symlink_status(source, ec);
    fs::path real = source;
    if (fs::is_symlink(own)) {
      real = fs::canonical(source, ec);
      if (ec || !inside(real) || !fs::is_regular_file(fs::status(real, ec))) {
        result_.leftOut.push_back(relative(source));
        return true;
      }
    } else if (fs::is_directory(own)) {
      if (!fs::create_directory(target, ec)) {
        result_.error = "cannot make " + target.string() + ": " + (ec ? ec.message() : "it is already there");
        return false;
      }
      return copyFolder(source, target);
    } else if (!fs::is_regular_file(own)) {
      result_.leftOut.push_back(relative(source));
      return true;
    }
    const uintmax_t size = fs::file_size(real, ec);
    if (ec) {
      result_.error = "cannot read " + source.string() + ": " + ec.message();
      return false;
    }
    result_.bytes += size;
    if (result_.bytes > budget_.maxBytes) {
      result_.error = "it holds more than " + std::to_string(budget_.maxBytes / (1024 * 1024)) + " MB";
      return false;
    }
    if (!fs::copy_file(real, target, fs::copy_options::none, ec)) {
      result_.error = "cannot copy " + relative(source) + ": " + (ec ? ec.message() : "it is already there");
      return false;
    }
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read, ec);
    ++result_.files;
    return true;
  }

  std::string relative(const fs::path& source) const { return source.lexically_relative(from_).string(); }

  fs::path from_;
  std::string to_;
  UnpackBudget budget_;
  uint64_t entries_ = 0;
  UnpackResult result_;
};

}  // namespace

UnpackResult copyFolder(const std::string& from, const std::string& to, const UnpackBudget& budget) {
  return FolderCopier(from, to, budget).run();
}

}  // namespace taluvin
