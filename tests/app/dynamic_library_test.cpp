// The loader of the engine library: what each failure raises, and the entry point
// found in the real library.
#include "app/run/dynamic_library.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

namespace fs = std::filesystem;

const fs::path kEngine = fs::path(VELDRA_BINARY_DIR) / "lib" / "libVeldraCalc.so";

TEST(DynamicLibrary, OpenFailuresRaiseTheirErrors) {
  TempDir dir;
  write_file(dir / "text.so", "not a library\n");
  struct Case {
    fs::path file;
    std::string message;
    bool not_found;
  };
  for (const Case& c : {Case{dir / "absent.so", "Library could not be located", true},
                        Case{dir / "text.so", "Library failed to properly initialize", false},
                        Case{dir.path(), "Library failed to properly initialize", false}}) {
    SCOPED_TRACE(c.file.string());
    TDynamicLibrary library;
    library.SetFileName(c.file.string());
    try {
      library.Open();
      ADD_FAILURE() << "opened";
    } catch (const EFileNotFoundError& error) {
      EXPECT_TRUE(c.not_found);
      EXPECT_EQ(error.what(), c.message);
    } catch (const EInitError& error) {
      EXPECT_FALSE(c.not_found);
      EXPECT_EQ(error.what(), c.message);
    }
    EXPECT_FALSE(library.IsOpen());
    EXPECT_FALSE(library.LoadError().empty());
  }
}

TEST(DynamicLibrary, TheEngineExportsItsEntryPoint) {
  TDynamicLibrary library;
  EXPECT_THROW(library.FindEntry("_IVELDRA"), EDLLNotOpenError);
  library.SetFileName(kEngine.string());
  library.Open();
  ASSERT_TRUE(library.IsOpen());
  library.Open();  // already open: nothing happens
  EXPECT_TRUE(library.IsOpen());

  auto entry = reinterpret_cast<std::int32_t (*)(std::int32_t)>(library.FindEntry("_IVELDRA"));
  ASSERT_NE(entry, nullptr);
  // A wrong interface number is refused before anything is read or written.
  EXPECT_EQ(entry(17), 1);
  EXPECT_EQ(library.FindEntry("NOT_AN_ENTRY"), nullptr);

  // A new name closes the library.
  library.SetFileName(kEngine.string());
  EXPECT_FALSE(library.IsOpen());
  try {
    library.FindEntry("_IVELDRA");
    ADD_FAILURE() << "found in a closed library";
  } catch (const EDLLNotOpenError& error) {
    EXPECT_STREQ(error.what(), "Library is not open");
  }
}

}  // namespace
}  // namespace veldra::app::test
