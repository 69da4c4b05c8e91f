// veldra-verification-figures: the convergence tables of the manual's verification
// chapter. It analyses the closed-form cases of the engine's tests at several
// increment lengths with the engine library and prints, per case, the computed and
// the exact value, the relative error and the ratio of successive errors (about 4
// for central differences, whose error falls with h squared).
#include <veldra/engine.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The top deflection of one analysed data file, or NaN when the run failed.
double TopDeflection(const fs::path& folder, const std::string& data) {
  const fs::path file = folder / "case.vd5d";
  std::ofstream(file) << data;
  veldra::RunPaths paths;
  paths.data = file;
  paths.report = folder / "case.vd5o";
  paths.plot = folder / "case.vd5p";
  paths.notes = folder / "case.vd5r";
  const veldra::RunStatus status = veldra::run_analysis(paths);
  if (status.outcome != veldra::RunOutcome::Finished || status.problems.empty()) {
    std::fprintf(stderr, "the engine did not finish: %s\n", status.message.c_str());
    return std::nan("");
  }
  return status.problems.front().max_abs_deflection;
}

// A cantilever of n increments over L, fixed at its tip by restraints on deflection
// and slope, with the lateral load P at its top: w(0) = P L^3 / (3 EI).
std::string Cantilever(int n, double length, double ei, double load) {
  std::ostringstream d;
  d << "CANTILEVER\n1 1 1 0 0 0 0 1 0 0\n"
    << n << " " << length / n << " 1000 1E-12 0 12\n"
    << "3 " << n << " 0 0\n"
    << "0 " << n << " 1 " << ei << "\n"
    << "1\n1 0 0 " << load << " 0 0\n"
    << "0\n0\n";
  return d.str();
}

// A long beam on uniform springs k (force per length per length) with the load P at
// its free top: w(0) = 2 P beta / k, beta = (k / 4EI)^(1/4).
std::string BeamOnSprings(int n, double length, double ei, double k, double load) {
  const double h = length / n;
  std::ostringstream d;
  d << "BEAM ON SPRINGS\n1 0 1 0 0 0 0 1 0 0\n" << n << " " << h << " 1000 1E-12 0 12\n"
    << "0 " << n << " 1 " << ei << "\n"
    << "1\n1 0 0 " << load << " 0 0\n"
    << "1\n0 " << n << " 1 " << k * h << " 0\n0\n";
  return d.str();
}

void Table(const char* title, const fs::path& folder, const std::vector<int>& increments,
           double exact, const std::function<std::string(int)>& data) {
  std::printf("%s\n", title);
  std::printf("%6s  %16s  %16s  %12s  %8s\n", "N", "computed (in)", "exact (in)", "rel. error",
              "ratio");
  double previous = 0.0;
  for (int n : increments) {
    const double computed = TopDeflection(folder, data(n));
    const double error = std::fabs(computed - exact);
    std::printf("%6d  %16.10f  %16.10f  %12.3e", n, computed, exact, error / exact);
    if (previous > 0.0)
      std::printf("  %8.3f\n", previous / error);
    else
      std::printf("  %8s\n", "");
    previous = error;
  }
  std::printf("\n");
}

}  // namespace

int main() {
  const fs::path folder = fs::temp_directory_path() / ("veldra-verification-" + std::to_string(getpid()));
  fs::create_directories(folder);

  const double L = 120.0, EI = 1.0e9, P = 1000.0;
  Table("Cantilever, 120 in, EI = 1E9 lb-in2, 1000 lb at the top, fixed at the tip", folder,
        {10, 20, 40, 80}, P * L * L * L / (3 * EI),
        [&](int n) { return Cantilever(n, L, EI, P); });

  const double length = 600.0, k = 1000.0;
  const double beta = std::pow(k / (4 * EI), 0.25);
  Table("Beam on springs, 600 in, EI = 1E9 lb-in2, k = 1000 lb/in2, 1000 lb at the top", folder,
        {30, 60, 120, 240}, 2 * P * beta / k,
        [&](int n) { return BeamOnSprings(n, length, EI, k, P); });

  fs::remove_all(folder);
  return 0;
}
