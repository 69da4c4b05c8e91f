// TMainModel: the non-visual half of the main window.
//
// It owns the main window's input tables (MainTables, reached by name),
// the one current problem (TProgramData) and the modified state. The main window,
// the dialogs, the run sequence and the views reach the problem and the tables
// through it.
//
// Only one TMainModel may live at a time: its tables register fixed identifiers by
// which the sub-table columns find their templates.
#ifndef VELDRA_APP_MAIN_MODEL_H
#define VELDRA_APP_MAIN_MODEL_H

#include <functional>
#include <memory>
#include <string_view>

#include "app/program_data.h"
#include "app/main_tables.h"

namespace veldra::app {

class TMainModel {
 public:
  // Builds the tables and a new problem.
  TMainModel();
  ~TMainModel();
  TMainModel(const TMainModel&) = delete;
  TMainModel& operator=(const TMainModel&) = delete;

  MainTables& Tables() { return tables_; }
  const MainTables& Tables() const { return tables_; }
  framework::TGridTable& Table(std::string_view name) const { return tables_.Table(name); }

  TProgramData& Problem() { return *problem_; }
  const TProgramData& Problem() const { return *problem_; }

  // Destroys the current problem and creates a new one with the defaults.
  void NewProblem();

  // Modified state: the model's own flag, or a change recorded by any table.
  bool IsModified() const;
  // true sets the flag; false clears it and every table's change flag.
  void SetModified(bool modified);

  // Closes the windows of every table and, through the hook, every other child
  // window of the main window.
  void CloseChildWindows();

  // Row counts of every table (templates included): 0 rows; 0 rows and then the
  // minimum (a new problem's empty tables); empty tables filled up to their minimum
  // with default rows. A table that holds rows keeps them, even fewer than its
  // minimum: a default row added to rows read from a file would be written back
  // as data (a p-y curve set at node 0 after the file's sets, which the engine
  // refuses as out of order).
  void ClearTables();
  void ResetTables();
  void PadTablesToMinimum();

  // Hooks of the window layer, empty without windows.
  std::function<void()> OnCloseChildWindows;
  // After a unit switch: re-activate the open dialogs that show converted numbers.
  std::function<void(int units)> OnUnitsChanged;

 private:
  MainTables tables_;
  bool modified_ = false;
  std::unique_ptr<TProgramData> problem_;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_MAIN_MODEL_H
