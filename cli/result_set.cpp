#include "cli/result_set.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

namespace veldra::cli {
namespace {

namespace fs = std::filesystem;

// Longest file name the common Linux file systems take.
constexpr std::size_t kNameMax = 255;

// A hidden name that no other file in `dir` is likely to have. Short, so that it
// fits beside a target whose own name is at the file system's limit.
fs::path hidden_name(const fs::path& dir) {
  thread_local std::mt19937_64 random{std::random_device{}()};
  char name[32];
  std::snprintf(name, sizeof name, ".veldra-%012llx",
                static_cast<unsigned long long>(random() & 0xffffffffffffULL));
  return dir / name;
}

// Creates an empty file under a new hidden name in `dir`. Returns 0 or the errno.
int create_hidden(const fs::path& dir, fs::path& made) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    made = hidden_name(dir);
    const int fd = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

// Copies `from` over the existing file `to`. Returns 0 or the errno of the first
// failure (a full disk shows here, not later).
int copy_contents(const fs::path& from, const fs::path& to) {
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return errno;
  const int out = ::open(to.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (out < 0) {
    const int err = errno;
    ::close(in);
    return err;
  }
  int err = 0;
  char buffer[64 * 1024];
  for (;;) {
    const ssize_t got = ::read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (got < 0) err = errno;
      break;
    }
    for (ssize_t done = 0; done < got && err == 0;) {
      const ssize_t put = ::write(out, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) err = put < 0 ? errno : EIO;
      else done += put;
    }
    if (err != 0) break;
  }
  ::close(in);
  if (::close(out) != 0 && err == 0 && errno != EINTR) err = errno;
  return err;
}

// The advisory lock of a result set: flock on a hidden lock file beside the report.
// The file is removed when the lock is given up; a process that locked a file
// removed meanwhile tries again with the new one.
class ResultSetLock {
 public:
  explicit ResultSetLock(const fs::path& path) : path_(path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      fd_ = ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644);
      // A folder we may not create in, or a file system without locks: the renames
      // go ahead unlocked (and fail on their own if the folder is closed to us).
      if (fd_ < 0) return;
      int rc;
      do {
        rc = ::flock(fd_, LOCK_EX);
      } while (rc != 0 && errno == EINTR);
      if (rc != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
      }
      struct stat held {}, named {};
      if (::fstat(fd_, &held) == 0 && ::stat(path_.c_str(), &named) == 0 &&
          held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
        return;
      }
      ::close(fd_);
      fd_ = -1;
    }
  }
  ~ResultSetLock() {
    if (fd_ < 0) return;
    ::unlink(path_.c_str());
    ::close(fd_);
  }
  ResultSetLock(const ResultSetLock&) = delete;
  ResultSetLock& operator=(const ResultSetLock&) = delete;

 private:
  fs::path path_;
  int fd_ = -1;
};

struct Entry {
  fs::path target;         // the file to replace (a link's destination)
  fs::path staged;         // the new file, beside the target under a hidden name
  fs::path backup;         // the old file under a hidden name while the set is replaced
  bool existed = false;
  bool backup_is_link = false;
  bool replaced = false;
  mode_t mode = 0;
};

fs::path followed(const fs::path& target) {
  std::error_code ec;
  if (!fs::is_symlink(target, ec)) return target;
  const fs::path resolved = fs::weakly_canonical(target, ec);
  return ec ? target : resolved;
}

std::string failure(const fs::path& target, const std::string& why) {
  return "cannot write " + target.string() + ": " + why + "; the earlier results are unchanged";
}

void remove_quietly(const fs::path& path) {
  if (!path.empty()) ::unlink(path.c_str());
}

// Keeps the old file under a hidden name: a hard link, so that the target never
// goes missing; where the file system has no hard links, the old file itself moves.
int keep_old(Entry& e) {
  const fs::path dir = e.target.parent_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    e.backup = hidden_name(dir);
    if (::link(e.target.c_str(), e.backup.c_str()) == 0) {
      e.backup_is_link = true;
      return 0;
    }
    if (errno == EEXIST) continue;
    if (::rename(e.target.c_str(), e.backup.c_str()) == 0) return 0;
    const int err = errno;
    e.backup.clear();
    return err;
  }
  e.backup.clear();
  return EEXIST;
}

void put_back(Entry& e) {
  if (e.replaced || !e.backup_is_link) {
    if (!e.backup.empty()) {
      ::rename(e.backup.c_str(), e.target.c_str());
    } else if (e.replaced && !e.existed) {
      ::unlink(e.target.c_str());
    }
  } else {
    remove_quietly(e.backup);
  }
  e.backup.clear();
}

}  // namespace

std::string lock_file_name(const std::string& report_name) {
  std::string name = "." + report_name + ".lock";
  if (name.size() <= kNameMax) return name;
  // FNV-1a: the same name in every process, whatever the library.
  std::uint64_t hash = 14695981039346656037ULL;
  for (const unsigned char c : report_name) hash = (hash ^ c) * 1099511628211ULL;
  char hashed[40];
  std::snprintf(hashed, sizeof hashed, ".veldra-%016llx.lock", static_cast<unsigned long long>(hash));
  return hashed;
}

std::string replace_results(const PathSet& made, const PathSet& targets,
                            const ResultSetFaults& faults) {
  Entry set[3];
  const auto give_up = [&](const fs::path& target, const std::string& why) {
    for (Entry& e : set) remove_quietly(e.staged);
    for (const fs::path& m : made) remove_quietly(m);
    return failure(target, why);
  };

  for (int i = 0; i < 3; ++i) {
    Entry& e = set[i];
    e.target = followed(targets[i]);
    struct stat old {};
    if (::lstat(e.target.c_str(), &old) == 0) {
      if (!S_ISREG(old.st_mode)) {
        return give_up(targets[i], S_ISDIR(old.st_mode) ? "it is a directory"
                                                        : "it is not a regular file");
      }
      e.existed = true;
      e.mode = old.st_mode & 07777;
    } else if (errno != ENOENT) {
      return give_up(targets[i], std::strerror(errno));
    }
  }

  // Bring every new file beside its target before anything is replaced.
  for (int i = 0; i < 3; ++i) {
    Entry& e = set[i];
    if (const int err = create_hidden(e.target.parent_path(), e.staged)) {
      e.staged.clear();
      return give_up(targets[i], std::strerror(err));
    }
    int err = faults.copy ? EXDEV : 0;
    if (err == 0 && ::rename(made[i].c_str(), e.staged.c_str()) != 0) err = errno;
    if (err == EXDEV) {
      struct stat from {};
      err = copy_contents(made[i], e.staged);
      if (err == 0 && !e.existed && ::stat(made[i].c_str(), &from) == 0) {
        e.mode = from.st_mode & 07777;
      }
      if (err == 0 && !e.existed && e.mode == 0) e.mode = 0644;
    }
    if (err != 0) return give_up(targets[i], std::strerror(err));
    if (e.mode != 0 && ::chmod(e.staged.c_str(), e.mode) != 0) {
      return give_up(targets[i], std::strerror(errno));
    }
  }
  for (const fs::path& m : made) remove_quietly(m);

  const ResultSetLock lock(set[0].target.parent_path() /
                           lock_file_name(set[0].target.filename().string()));
  for (int i = 0; i < 3; ++i) {
    Entry& e = set[i];
    int err = 0;
    if (e.existed) err = keep_old(e);
    if (err == 0 && i == faults.failing_rename) err = EIO;
    if (err == 0 && ::rename(e.staged.c_str(), e.target.c_str()) != 0) err = errno;
    if (err != 0) {
      for (int j = i; j >= 0; --j) put_back(set[j]);
      for (Entry& left : set) {
        if (!left.replaced) remove_quietly(left.staged);
      }
      return failure(targets[i], std::strerror(err));
    }
    e.replaced = true;
  }
  for (Entry& e : set) remove_quietly(e.backup);
  return {};
}

}  // namespace veldra::cli
