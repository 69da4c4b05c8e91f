// ReadPlotData: the main window's reader of the plot-data file (".vd5p") that the
// engine writes beside the data file. It fills the eight result graphs, names their
// curves, converts English values to the units shown and sets the axis captions.
//
// The file is one stream of numbers in the engine's order: per problem a pressure
// block, a p-y block and a results block. The first problem's blocks fill curve 0
// of every graph; each further result set k (a stage, or the long-term problem)
// fills curve k - 1 of the earth-pressure and result graphs and replaces the p-y
// curves, so the p-y graph shows the last problem.
//
// English files (units flag 1) hold inches, pounds and inch-pounds; the graphs show
// depths in feet, moments in inch-kips and shears in kips. Deflections, reactions,
// pressures and the p-y curves keep the file's units.
#ifndef VELDRA_APP_PLOT_DATA_READER_H
#define VELDRA_APP_PLOT_DATA_READER_H

#include <filesystem>
#include <string>
#include <vector>

#include "framework/entry_number.h"
#include "framework/main_graphs.h"

namespace veldra::app {

class TMainModel;

// The information message shown when reading fails and the caller asked for it.
inline constexpr const char* kPlotDataReadError = "An error occured in running the main program.";

// Names of the result sets of a short-term problem and its long-term problem, and
// the prefix of stage numbers.
inline constexpr const char* kShortTermName = "Short-Term";
inline constexpr const char* kLongTermName = "Long-Term";
inline constexpr const char* kStageNamePrefix = "Stage: ";

// What the reader needs of the current problem for the soil-layer column of the
// three-panel graph and for naming the result sets.
struct PlotDataContext {
  struct SoilLayer {
    int type = 0;                     // soil type 1..7 of the layer table
    framework::EntryNumber bottom = 0;  // depth at the bottom, as the table holds it
                                        // (feet in English units, metres in SI)
  };
  std::vector<SoilLayer> layers;           // the rows of NewSoil, in order
  framework::EntryNumber wall_length = 0;  // increments x increment length (in / m)
  framework::EntryNumber free_height = 0;  // excavation depth (in / m)
  bool long_term = false;                  // a short-term and a long-term data set
};

// The context of the model's current problem: NewSoil's rows, its wall length and
// free height, and its long-term marker.
PlotDataContext PlotDataContextOf(const TMainModel& model);

struct PlotDataResult {
  bool complete = false;  // the whole file was read
  // The text to show in an information box: kPlotDataReadError when reading failed
  // and the report flag was set, otherwise empty. Nothing is shown here.
  std::string message;
  // Why reading stopped, for the log: the word reader's message or the file error;
  // for a complete reading that shows fewer result sets than announced, which set
  // the analysis stopped in.
  std::string cause;
  // Of a complete reading: the result sets the run announced (K, at least 1), and
  // those shown (fewer when a later problem stopped on an input error).
  int sets_announced = 0;
  int sets_shown = 0;
};

// Reads `file` into the graphs. Before reading, every curve of every graph's main
// list loses its points. A failure (missing file, a word that is not a number of the
// expected kind, the numbers ending early, or a curve count the rest of the file
// cannot hold) stops the reading: the graphs keep what was read, and the captions,
// units and padding of a complete reading are not applied. A negative count reads
// as none.
//
// Curves of the earth-pressure, p-y and result graphs that differ in length are
// padded to the longest with copies of their own last point; which points are
// padding is known from the counts read, so a genuine point at (0, 0) stays.
//
// When a later problem of a staged run or of a short-term/long-term pair stops on an
// input error, the engine ends the file with that problem's blocks as far as they
// were written and then a repeat of the last solved problem's results block. Such a
// file is read to its end: the sets before the failed problem are shown (and named
// as in the full run), nothing of the failed one. A last set whose results repeat
// the set before it word for word cannot be told from that repeat and is not shown
// either; its curves would lie on the ones before.
PlotDataResult ReadPlotData(framework::TMainGraphs& graphs, const std::filesystem::path& file, bool report,
                            const PlotDataContext& context);

}  // namespace veldra::app

#endif  // VELDRA_APP_PLOT_DATA_READER_H
