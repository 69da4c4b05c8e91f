// A problem written by the writer and read back by the loader is the same problem.
#include <gtest/gtest.h>

#include <string>

#include "app/data_file_loader.h"
#include "app/data_file_writer.h"
#include "app/main_model.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

struct RoundTripCase {
  int units;
  int pressure_option;
  bool long_term;
};

std::string Name(const testing::TestParamInfo<RoundTripCase>& info) {
  return "Units" + std::to_string(info.param.units) + "Option" + std::to_string(info.param.pressure_option) +
         (info.param.long_term ? "LongTerm" : "");
}

class RoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, ModelFileLoaderModelKeepsEveryValue) {
  const RoundTripCase& c = GetParam();
  TempDir dir;
  TMainModel model;
  BuildFullProblem(model, c.units, c.pressure_option, c.long_term);
  model.Problem().FileName = (dir / "full.vd5d").string();
  WriteDataFile(model.Problem());
  const Picture written = PictureOf(model);
  const std::string text = read_file(dir / "full.vd5d");

  const LoadResult result = LoadDataFile(model, dir / "full.vd5d", kFormatCurrent);
  ASSERT_TRUE(result.complete) << result.message;
  ExpectSamePicture(written, PictureOf(model));

  // Written again, the file is the same text.
  WriteDataFile(model.Problem());
  EXPECT_EQ(read_file(dir / "full.vd5d"), text);
}

INSTANTIATE_TEST_SUITE_P(EveryUnitSystemAndPressureOption, RoundTrip,
                         testing::Values(RoundTripCase{1, 1, true}, RoundTripCase{1, 2, false},
                                         RoundTripCase{1, 3, true}, RoundTripCase{2, 1, true},
                                         RoundTripCase{2, 3, false}, RoundTripCase{3, 1, false},
                                         RoundTripCase{3, 2, true}),
                         Name);

}  // namespace
}  // namespace veldra::app::test
