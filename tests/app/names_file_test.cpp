// The names file handed to the engine, the paths it can take, and the private
// folder in which the engine runs.
#include "app/run/names_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "framework/file_errors.h"
#include "app/run/run_folder.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;

TEST(NamesFile, EightLinesWithTheIdentityTrimmedAndAbsolutePaths) {
  TempDir dir;
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  const RunFiles files = RunFilesOf("sub/../wall.vd5d");
  fs::current_path(before);

  const std::string base = (dir / "wall").string();
  EXPECT_EQ(files.data, base + ".vd5d");
  EXPECT_EQ(NamesFileText({"VELDRA 2015", " engineer ", "host\t", 2015}, files),
            "2015.5.18\nVELDRA 2015\nengineer, host\n2015\n" + base + ".vd5d\n" + base + ".vd5o\n" + base +
                ".vd5p\n" + base + ".vd5r\n");

  WriteNamesFile(dir.path(), {"VELDRA 2015", "a", "b", 1}, files);
  EXPECT_EQ(read_file(dir / "NAMES.dat"), NamesFileText({"VELDRA 2015", "a", "b", 1}, files));
}

TEST(NamesFile, PathsTheEngineWouldCutOrSplitAreRefused) {
  // "/" + name + ".vd5d": a name of 249 characters makes 255.
  const std::string longest = "/" + std::string(249, 'w') + ".vd5d";
  ASSERT_EQ(longest.size(), kMaxEnginePathLength);
  struct Case {
    std::string path;
    bool usable;
  };
  for (const Case& c : {Case{"/data/wall.vd5d", true}, Case{longest, true},
                        Case{"/" + std::string(250, 'w') + ".vd5d", false}, Case{"/data/wall\n2.vd5d", false}}) {
    SCOPED_TRACE(c.path);
    const std::string message = UnusablePathMessage(RunFilesOf(c.path));
    EXPECT_EQ(message.empty(), c.usable) << message;
  }
}

class EnvironmentVariable {
 public:
  explicit EnvironmentVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) old_ = value;
  }
  ~EnvironmentVariable() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }
  void Set(const char* value) {
    if (value) setenv(name_, value, 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(RunFolder, TheBaseIsPerUserFromTheEnvironment) {
  EnvironmentVariable runtime("XDG_RUNTIME_DIR"), cache("XDG_CACHE_HOME"), home("HOME");
  struct Case {
    const char *runtime, *cache, *home;
    fs::path base;
  };
  const fs::path temporary = fs::temp_directory_path() / ("veldra-" + std::to_string(geteuid()));
  for (const Case& c : {Case{"/run/user/7", "/c", "/h", "/run/user/7/veldra"}, Case{nullptr, "/c", "/h", "/c/veldra"},
                        Case{"relative", nullptr, "/h", "/h/.cache/veldra"},
                        Case{nullptr, nullptr, nullptr, temporary}}) {
    runtime.Set(c.runtime);
    cache.Set(c.cache);
    home.Set(c.home);
    EXPECT_EQ(DefaultRunFolderBase(), c.base);
  }
}

TEST(RunFolder, ThisProcessGetsAPrivateFolderInsideThePrivateBase) {
  TempDir dir;
  const fs::path base = dir / "cache" / "veldra";
  const fs::path folder = PrepareRunFolder(base);
  EXPECT_EQ(folder, base / ("run-" + std::to_string(getpid())));
  for (const fs::path& made : {base, folder}) {
    struct stat info {};
    ASSERT_EQ(stat(made.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
  }
  // A base opened to others is closed again.
  fs::permissions(base, fs::perms::all);
  EXPECT_EQ(PrepareRunFolder(base), folder);
  EXPECT_EQ(fs::status(base).permissions() & fs::perms::all, fs::perms::owner_all);

  write_file(folder / "soildata", "left by the engine");
  RemoveRunFolder(base);
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_TRUE(fs::exists(base));
}

TEST(RunFolder, ALinkOrAFileIsNotUsedAsTheFolder) {
  TempDir dir;
  fs::create_directory(dir / "elsewhere");
  fs::create_directory_symlink(dir / "elsewhere", dir / "link");
  write_file(dir / "file", "");
  EXPECT_THROW(PrepareRunFolder(dir / "link"), framework::EFileError);
  EXPECT_THROW(PrepareRunFolder(dir / "file"), framework::EFileError);
  EXPECT_TRUE(fs::is_empty(dir / "elsewhere"));
}

TEST(RunFolder, TheCurrentDirectoryComesBack) {
  TempDir dir;
  fs::create_directory(dir / "run");
  const fs::path before = fs::current_path();
  {
    TCurrentDirectoryScope scope(dir / "run");
    EXPECT_EQ(fs::current_path(), dir / "run");
  }
  EXPECT_EQ(fs::current_path(), before);
  EXPECT_THROW(TCurrentDirectoryScope(dir / "absent"), framework::EFileError);
  EXPECT_EQ(fs::current_path(), before);
}

}  // namespace
}  // namespace veldra::app::test
