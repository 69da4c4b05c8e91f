// veldra-export: the result graphs of an analysed data file, without a display.
//
//   veldra-export [--xlsx FILE] [--png DIR] [--pdf FILE] [--ppi N] DATA.vd5d
//
// Reads DATA.vd5d and its plot-data file DATA.vd5p beside it, then writes the
// workbook of every graph that holds data (as the desktop application's export
// does), and with --png or --pdf draws each graph as its window draws it. Without an
// output option the workbook goes beside the data file as DATA-plots.xlsx.
//
// Exit status: 0 written; 1 usage or file error (a file missing, unreadable or
// unwritable); 2 the data file or the plot-data file is malformed or incomplete.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cctype>
#include <iostream>
#include <string>
#include <vector>

#include "app/data_file_loader.h"
#include "framework/file_errors.h"
#include "app/main_model.h"
#include "app/main_window_rules.h"
#include "app/plot_data_reader.h"
#include "app/safe_file_write.h"
#include "app/workbook/export_list.h"
#include "app/workbook/graph_workbook.h"
#include "framework/graph_scene.h"
#include "framework/main_graphs.h"
#include "gui/graphs/graph_output.h"

namespace {

namespace fs = std::filesystem;
namespace fw = veldra::framework;
namespace app = veldra::app;

constexpr int kExitWritten = 0;
constexpr int kExitFile = 1;
constexpr int kExitFormat = 2;
constexpr int kPdfResolution = 600;
constexpr double kPageMarginInches = 1.0;
constexpr double kPictureWidthInches = 9;
constexpr double kPictureHeightInches = 6;

constexpr const char* kUsage =
    "usage: veldra-export [--xlsx FILE] [--png DIR] [--pdf FILE] [--ppi N] DATA.vd5d\n"
    "Writes the result graphs of an analysed data file (its plot-data file DATA.vd5p\n"
    "beside it): a spreadsheet workbook of every graph that holds data, and pictures\n"
    "of the graphs as the desktop application draws them.\n"
    "\n"
    "  --xlsx FILE  the workbook (without any output option: DATA-plots.xlsx beside\n"
    "               the data file)\n"
    "  --png DIR    one PNG picture per graph in DIR, 9 x 6 inches\n"
    "  --pdf FILE   one page per graph, landscape, with margins of an inch\n"
    "  --ppi N      pixels per inch of the pictures (default 100, at least 10)\n";

struct Options {
  fs::path data;
  fs::path xlsx;
  fs::path png_dir;
  fs::path pdf;
  int ppi = 100;
};

// "Deflection, Moment, Shear vs Depth" -> "deflection-moment-shear-vs-depth".
std::string FileStem(const std::string& caption) {
  std::string stem;
  for (const char c : caption) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      stem += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    } else if (!stem.empty() && stem.back() != '-') {
      stem += '-';
    }
  }
  while (!stem.empty() && stem.back() == '-') stem.pop_back();
  return stem;
}

bool ParseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto value = [&]() -> const char* {
      if (i + 1 >= argc) {
        std::cerr << "veldra-export: " << arg << " needs a value\n";
        return nullptr;
      }
      return argv[++i];
    };
    if (arg == "--xlsx" || arg == "--png" || arg == "--pdf" || arg == "--ppi") {
      const char* v = value();
      if (v == nullptr) return false;
      if (arg == "--xlsx") options.xlsx = v;
      if (arg == "--png") options.png_dir = v;
      if (arg == "--pdf") options.pdf = v;
      if (arg == "--ppi") {
        try {
          options.ppi = std::stoi(v);
        } catch (const std::exception&) {
          options.ppi = 0;
        }
        if (options.ppi < 10) {
          std::cerr << "veldra-export: --ppi needs a whole number of at least 10\n";
          return false;
        }
      }
    } else if (!arg.empty() && arg[0] == '-') {
      std::cerr << "veldra-export: unknown option " << arg << "\n";
      return false;
    } else if (options.data.empty()) {
      options.data = arg;
    } else {
      std::cerr << "veldra-export: one data file only\n";
      return false;
    }
  }
  if (options.data.empty()) {
    std::cerr << "veldra-export: no data file\n";
    return false;
  }
  if (options.xlsx.empty() && options.png_dir.empty() && options.pdf.empty())
    options.xlsx = app::DefaultWorkbookPath(options.data);
  return true;
}

// The graphs as a window shows them when it opens.
std::vector<fw::TGraphPlot*> GraphsToDraw(fw::TMainGraphs& graphs) {
  std::vector<fw::TGraphPlot*> drawn;
  for (const fw::TMainGraphs::Entry& entry : graphs.All()) {
    if (!app::GraphHoldsData(*entry.graph)) continue;
    entry.graph->ActivateCurvesForWindow();
    drawn.push_back(entry.graph);
  }
  return drawn;
}

int WritePictures(const std::vector<fw::TGraphPlot*>& graphs, const Options& options) {
  std::error_code ec;
  fs::create_directories(options.png_dir, ec);
  for (const fw::TGraphPlot* graph : graphs) {
    const fs::path file = options.png_dir / (FileStem(graph->Caption) + ".png");
    const QString message = veldra::gui::SaveGraphPicture(*graph, fw::FullSpans(*graph), QString::fromStdString(file),
                                                          {kPictureWidthInches, kPictureHeightInches, options.ppi});
    if (!message.isEmpty()) {
      std::cerr << "veldra-export: " << message.toStdString() << "\n";
      return kExitFile;
    }
    std::cout << file.string() << "\n";
  }
  return kExitWritten;
}

int WritePdf(const std::vector<fw::TGraphPlot*>& graphs, const Options& options) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfResolution);
    pdf.setTitle(QStringLiteral("VELDRA 2015 graphs"));
    const QPageSize page(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                     : QPageSize::A4);
    pdf.setPageLayout(QPageLayout(page, QPageLayout::Landscape,
                                  QMarginsF(kPageMarginInches, kPageMarginInches, kPageMarginInches, kPageMarginInches),
                                  QPageLayout::Inch));
    QPainter painter(&pdf);
    for (std::size_t i = 0; i < graphs.size(); ++i) {
      if (i > 0) pdf.newPage();
      veldra::gui::PrintGraphPage(painter, pdf, *graphs[i], fw::FullSpans(*graphs[i]));
    }
  }
  try {
    app::ReplaceFileContents(options.pdf, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const fw::EFileError& e) {
    std::cerr << "veldra-export: " << e.what() << "\n";
    return kExitFile;
  }
  std::cout << options.pdf.string() << "\n";
  return kExitWritten;
}

// Qt's messages go to standard error as usual, except its note that a session
// without a desktop has no runtime folder: that is how this tool is meant to run.
void QtMessage(QtMsgType, const QMessageLogContext&, const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  std::cerr << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "-h" || std::string(argv[i]) == "--help") {
      std::cout << kUsage;
      return kExitWritten;
    }
  }
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::cerr << kUsage;
    return kExitFile;
  }
  // Drawing needs fonts but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QtMessage);
  int qt_argc = 1;
  QGuiApplication application(qt_argc, argv);

  app::TMainModel model;
  try {
    const app::LoadResult loaded = app::LoadDataFile(model, options.data, app::FormatFromExtension(options.data));
    if (!loaded.complete) {
      std::string message = loaded.message;
      std::replace(message.begin(), message.end(), '\r', '\n');
      std::cerr << "veldra-export: " << options.data.string() << ": " << message << "\n";
      return kExitFormat;
    }
  } catch (const fw::EFileError& e) {
    std::cerr << "veldra-export: " << e.what() << "\n";
    return kExitFile;
  }

  fs::path plot = options.data;
  plot.replace_extension(".vd5p");
  if (!fs::exists(plot)) {
    std::cerr << "veldra-export: " << plot.string() << " does not exist: analyse " << options.data.string()
              << " first (veldra-calc)\n";
    return kExitFile;
  }
  fw::TMainGraphs graphs;
  const app::PlotDataResult read = app::ReadPlotData(graphs, plot, false, app::PlotDataContextOf(model));
  if (!read.complete) {
    std::cerr << "veldra-export: " << plot.string() << ": " << read.cause << "\n";
    return kExitFormat;
  }

  if (!options.xlsx.empty()) {
    std::vector<const fw::TGraphPlot*> exported;
    for (const fw::TGraphPlot* graph : app::ExportableGraphs(graphs))
      if (app::GraphHoldsData(*graph)) exported.push_back(graph);
    try {
      app::WriteGraphWorkbook(exported, options.xlsx);
    } catch (const fw::EFileError& e) {
      std::cerr << "veldra-export: " << e.what() << "\n";
      return kExitFile;
    }
    std::cout << options.xlsx.string() << "\n";
  }
  const std::vector<fw::TGraphPlot*> drawn = GraphsToDraw(graphs);
  if (!options.png_dir.empty())
    if (const int status = WritePictures(drawn, options); status != kExitWritten) return status;
  if (!options.pdf.empty())
    if (const int status = WritePdf(drawn, options); status != kExitWritten) return status;
  return kExitWritten;
}
