// The small dialogs of a graph window: "Save Attributes" (picture size), "Legend"
// (curve names), "Active Curves" and "Graph Caption". Each works on a copy of what
// it edits and hands it back on OK; the window applies it to the graph.
#ifndef VELDRA_GUI_GRAPHS_GRAPH_DIALOGS_H
#define VELDRA_GUI_GRAPHS_GRAPH_DIALOGS_H

#include <QDialog>

#include <string>
#include <vector>

#include "framework/graph_plot.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;

namespace veldra::gui {

class TDataEdit;

// "Save Attributes": the picture's height and width in inches (at least 2, default
// 4 and 6) and its pixels per inch (an integer, at least 10, default 72).
class TdlgFormat : public QDialog {
  Q_OBJECT

 public:
  explicit TdlgFormat(QWidget* parent = nullptr);
  double HeightInches() const;
  double WidthInches() const;
  int PixelsPerInch() const;
  TDataEdit* HeightField() const { return height_; }
  TDataEdit* WidthField() const { return width_; }
  TDataEdit* PixelsField() const { return pixels_; }

  // OK validates every field first; a refused entry keeps the dialog open.
  void accept() override;

 private:
  TDataEdit* height_;
  TDataEdit* width_;
  TDataEdit* pixels_;
};

// "Legend": renames curves. Names() holds the names as edited.
class TfrmLineNames : public QDialog {
  Q_OBJECT

 public:
  TfrmLineNames(const framework::TGraphPlot& graph, QWidget* parent = nullptr);
  const std::vector<std::string>& Names() const { return names_; }
  QListWidget* List() const { return list_; }
  QLineEdit* Edit() const { return edit_; }
  // Stores the edit field's text as the selected curve's name; an empty text shows
  // "The line must have a name!" and brings the old name back.
  void StoreEdit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowSelected();

  const framework::TGraphPlot& graph_;
  std::vector<std::string> names_;
  QListWidget* list_;
  QLineEdit* edit_;
  int editing_ = -1;
};

// "Active Curves": marks curves active or not. Marks() holds the marks as edited.
class TfrmActiveLines : public QDialog {
  Q_OBJECT

 public:
  TfrmActiveLines(const framework::TGraphPlot& graph, QWidget* parent = nullptr);
  const std::vector<bool>& Marks() const { return marks_; }
  QListWidget* List() const { return list_; }
  void ActivateAll();
  void DeactivateAll();
  void ToggleSelected();

 private:
  void Refresh();

  std::vector<std::string> names_;
  std::vector<bool> marks_;
  QListWidget* list_;
};

// "Graph Caption": the graph title and whether it goes at the top or the bottom.
// Closing it, by any means, keeps what it shows.
class TfrmGraphCaption : public QDialog {
  Q_OBJECT

 public:
  TfrmGraphCaption(const std::string& title, bool at_top, QWidget* parent = nullptr);
  std::string Title() const;
  bool AtTop() const;
  QLineEdit* Edit() const { return edit_; }

 private:
  QLineEdit* edit_;
  QButtonGroup* location_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_GRAPH_DIALOGS_H
