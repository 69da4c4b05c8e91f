// The list file of --batch.
#include "cli/batch_list.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace veldra::test {
namespace {

namespace fs = std::filesystem;

TEST(BatchList, OnePathALineSkippingBlankAndCommentLines) {
  // Written on Windows, indented, with comments and a name holding blanks.
  std::istringstream in(
      "# embedment study\r\n"
      "runs/d-6.0.vd5d\r\n"
      "\r\n"
      "   runs/d-6.5.vd5d  \n"
      "\t\n"
      "  # runs/d-7.0.vd5d left out\n"
      "/data/wall with blanks.vd5d\n"
      "runs/#1.vd5d");
  const std::vector<fs::path> files = cli::parse_batch_list(in);
  const std::vector<fs::path> expected = {"runs/d-6.0.vd5d", "runs/d-6.5.vd5d",
                                          "/data/wall with blanks.vd5d", "runs/#1.vd5d"};
  EXPECT_EQ(files, expected);
}

TEST(BatchList, AListThatCannotBeReadIsAnError) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(cli::read_batch_list(dir / "none.list", error));
  EXPECT_NE(error.find("cannot read the list"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(cli::read_batch_list(dir.path(), error));
  EXPECT_NE(error.find("it is a directory"), std::string::npos) << error;

  write_file(dir / "ok.list", "a.vd5d\nb.vd5d\n");
  const auto files = cli::read_batch_list(dir / "ok.list", error);
  ASSERT_TRUE(files);
  EXPECT_EQ(files->size(), 2u);
}

}  // namespace
}  // namespace veldra::test
