// The nonlinear iteration makes no heap allocation. The global operator new of this
// test program counts the allocations of each thread; the iteration loop runs over a
// wall with chained p-y curves and a moment-EI set, between two readings of the
// count.
#include "engine/state/problem_state.h"
#include "engine/wall/iteration.h"
#include "engine/wall/station_accumulation.h"
#include "engine/wall/wall_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <new>
#include <optional>
#include <thread>

namespace {

thread_local long t_allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
  ++t_allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace veldra::test {
namespace {

using engine::ProblemState;
using engine::station_index;

// 200 increments of 0.1 m, EI 1e5 kN·m², a triangular load over the top 8 m and a
// chained p-y curve every fourth station below it; the stiffness follows a
// moment-EI curve, so that the outer loop runs too.
std::unique_ptr<ProblemState> wall_on_curves() {
  auto st = std::make_unique<ProblemState>();
  st->ctl.units = 2;
  st->set_increments(200, 0.1);
  st->dmax = 1.0;
  st->tol = 1e-6;
  engine::RowValues ei{};
  ei[0] = 1e5;
  engine::add_station_range(*st, 0, ei, st->n, ei);
  for (int j = 1; j <= 80; ++j) st->Q[station_index(j)] = 0.5 * j * st->h;
  for (int s = 84; s <= st->n; s += 4) {
    engine::Curve& c = st->curves[++st->ncur];
    c.station = c.start = s;
    c.chain = 1;
    const double pu = 100.0 + 100.0 * (s * st->h - 8.0);
    for (double y : {-0.05, -0.01, -0.003, 0.0, 0.003, 0.01, 0.05}) {
      ++c.n;
      c.y[c.n] = y;
      c.p[c.n] = -pu * std::tanh(y / 0.002);
      c.pc[c.n] = c.p[c.n] * st->h;
    }
  }
  engine::EiSet& set = st->ei_sets[++st->ctl.nei];
  set.first = 1;
  set.last = st->n - 1;
  const double points[][2] = {{0.0, 1e5}, {100.0, 1e5}, {400.0, 6e4}, {2000.0, 3e4}};
  for (const auto& point : points) {
    ++set.n;
    set.moment[set.n] = point[0];
    set.ei[set.n] = point[1];
  }
  engine::set_boundary_codes(*st);
  return st;
}

struct CountedRun {
  long allocations = -1;
  engine::IterationOutcome outcome;
};

// Allocations of one engine::iterate from zero deflections with at most
// `max_iterations` iterations, on a thread of its own when `fresh_thread` is set.
CountedRun allocations_of_iterate(ProblemState& st, std::ostream& notes, int max_iterations,
                                  bool fresh_thread) {
  st.W.fill(0.0);
  st.Wprev.fill(0.0);
  st.max_iterations = max_iterations;
  CountedRun counted;
  auto run = [&] {
    const long before = t_allocations;
    const std::optional<engine::IterationOutcome> outcome = engine::iterate(st, notes);
    counted.allocations = t_allocations - before;
    if (outcome) counted.outcome = *outcome;
  };
  if (fresh_thread) {
    std::thread(run).join();
  } else {
    run();
  }
  return counted;
}

class IterationAllocations : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(notes_);
    // Whatever the engine sets up once per process is set up here.
    allocations_of_iterate(*st_, notes_, 0, false);
  }

  std::unique_ptr<ProblemState> st_ = wall_on_curves();
  // The run notes go to a file stream, as in a run.
  std::ofstream notes_{"/dev/null", std::ios::binary};
};

// A whole loop allocates exactly what a loop of no iteration does: the preparation
// of a new thread before the loop, nothing in it, not even in its first iteration.
TEST_F(IterationAllocations, NoneInsideTheLoopOnAFreshThread) {
  const long setup = allocations_of_iterate(*st_, notes_, 0, true).allocations;
  const CountedRun whole =
      allocations_of_iterate(*st_, notes_, engine::kDefaultMaxIterations, true);
  EXPECT_TRUE(whole.outcome.closed()) << "the wall must close";
  EXPECT_GT(whole.outcome.iterations, 10) << "the loop, the outer one included, must have run";
  EXPECT_EQ(whole.allocations - setup, 0)
      << "setup " << setup << ", whole loop " << whole.allocations;
}

// An engine that has run before on its thread (a batch worker's next file)
// allocates nothing at all.
TEST_F(IterationAllocations, NoneOnAThreadThatRanBefore) {
  const CountedRun run =
      allocations_of_iterate(*st_, notes_, engine::kDefaultMaxIterations, false);
  EXPECT_EQ(run.allocations, 0);
  EXPECT_GT(run.outcome.iterations, 10);
}

// The counter itself sees the allocations it is meant to catch.
TEST_F(IterationAllocations, TheCounterSeesAnAllocation) {
  const long before = t_allocations;
  auto p = std::make_unique<double[]>(1000);
  EXPECT_EQ(t_allocations - before, 1);
}

}  // namespace
}  // namespace veldra::test
