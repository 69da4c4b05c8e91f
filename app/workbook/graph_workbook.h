// Writing result graphs as a spreadsheet workbook (".xlsx"): the Legend sheet, and
// per graph its data sheet and its chart sheet (see workbook_layout.h).
#ifndef VELDRA_APP_WORKBOOK_GRAPH_WORKBOOK_H
#define VELDRA_APP_WORKBOOK_GRAPH_WORKBOOK_H

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/graph_plot.h"

namespace veldra::app {

// Told, for graph n (from 1), each status its Legend row takes as it is written:
// "In Progress, Data", "In Progress, Chart", "Complete".
using WorkbookProgress = std::function<void(int number, const std::string& status)>;

// Writes the workbook of `graphs`, numbered 1, 2, ... in this order, to `target`.
// The file is built beside the target and renamed over it only when complete, so
// that `target` holds either its previous contents or the whole workbook.
//
// Throws EFileError naming `target` with the system's reason when it cannot be
// written (no access, disk full).
void WriteGraphWorkbook(const std::vector<const framework::TGraphPlot*>& graphs, const std::filesystem::path& target,
                        const WorkbookProgress& progress = {});

// Where a data file's workbook goes unless the user says otherwise: beside it, as
// "<name>-plots.xlsx".
std::filesystem::path DefaultWorkbookPath(const std::filesystem::path& data_file);

}  // namespace veldra::app

#endif  // VELDRA_APP_WORKBOOK_GRAPH_WORKBOOK_H
