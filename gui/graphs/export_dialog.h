// TDlgExport, "Export to Excel": the user ticks result graphs and gets them as a
// spreadsheet workbook file, which then opens in the desktop's spreadsheet
// application.
#ifndef VELDRA_GUI_GRAPHS_EXPORT_DIALOG_H
#define VELDRA_GUI_GRAPHS_EXPORT_DIALOG_H

#include <QDialog>

#include <filesystem>
#include <functional>

#include "app/workbook/export_list.h"
#include "framework/main_graphs.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace veldra::gui {

class TDlgExport : public QDialog {
  Q_OBJECT

 public:
  explicit TDlgExport(framework::TMainGraphs& graphs, QWidget* parent = nullptr);

  // Whether the main window's command for a graph is enabled; the list offers and
  // ticks those graphs each time the window opens.
  std::function<bool(const framework::TGraphPlot&)> offered;
  // The problem's data file: the workbook is proposed beside it.
  std::function<std::filesystem::path()> data_file;
  // Asks where to save (a file dialog); empty: cancelled.
  std::function<QString(const QString& proposed)> choose_file;
  // Opens the saved workbook (the desktop's default application).
  std::function<void(const QString& file)> open_file;

  // Refills the list from `offered`.
  void Refill();
  QListWidget* List() const { return list_; }
  QPushButton* GenerateButton() const { return generate_; }
  // Writes the ticked graphs to `file`, opens it and shows the closing message;
  // a write error is shown instead. True when the workbook was written.
  bool GenerateTo(const QString& file);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SyncFromList();
  void SyncToList();
  void GenerateClick();

  framework::TMainGraphs& graphs_;
  app::ExportList model_;
  QListWidget* list_;
  QPushButton* generate_;
  QLabel* status_;
  bool syncing_ = false;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_EXPORT_DIALOG_H
