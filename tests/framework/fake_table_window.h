// A stand-in for the widget layer's table window, recording what the table asks of it.
#ifndef VELDRA_TESTS_FRAMEWORK_FAKE_TABLE_WINDOW_H
#define VELDRA_TESTS_FRAMEWORK_FAKE_TABLE_WINDOW_H

#include <memory>
#include <string>
#include <vector>

#include "framework/grid_table.h"

namespace veldra::framework::testing {

struct WindowLog {
  int shows = 0;
  bool last_modal = false;
  std::vector<std::string> captions;  // WindowCaption at each caption change
  int closed = 0;
};

class FakeTableWindow : public TableWindow {
 public:
  FakeTableWindow(TGridTable& table, WindowLog& log) : table_(table), log_(log) {}
  ~FakeTableWindow() override { ++log_.closed; }
  void Show(bool modal) override {
    ++log_.shows;
    log_.last_modal = modal;
  }
  void CaptionChanged() override { log_.captions.push_back(table_.WindowCaption()); }

 private:
  TGridTable& table_;
  WindowLog& log_;
};

// Installs a factory of fake windows for the lifetime of the object.
class FakeWindows {
 public:
  FakeWindows() {
    TGridTable::SetWindowFactory([this](TGridTable& table, bool) {
      return std::make_unique<FakeTableWindow>(table, log);
    });
  }
  ~FakeWindows() { TGridTable::SetWindowFactory(nullptr); }
  WindowLog log;
};

}  // namespace veldra::framework::testing

#endif  // VELDRA_TESTS_FRAMEWORK_FAKE_TABLE_WINDOW_H
