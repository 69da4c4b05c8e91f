// The small dialogs of a graph window: "Save Attributes" (picture size), "Legend"
// (curve names), "Active Curves" and "Graph Caption". Each works on a copy of what
// it edits and hands it back on OK; the window applies it to the graph.
#ifndef VELDRA_GUI_GRAPHS_GRAPH_DIALOGS_H
#define VELDRA_GUI_GRAPHS_GRAPH_DIALOGS_H

#include <QDialog>

#include <string>
#include <vector>

#include "framework/entry_validator.h"
#include "framework/graph_plot.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;

namespace veldra::gui {

// A numeric entry field: the typed expression is evaluated and checked against its
// limits when the field is left or the dialog is accepted; a failure shows its
// message and keeps the focus.
class TNumberField : public QWidget {
  Q_OBJECT

 public:
  TNumberField(const QString& caption, framework::EntryNumber value, framework::EntryNumber min, bool integer,
               QWidget* parent);
  // Validates the text; on failure shows the message and takes the focus.
  bool ValidateEntry();
  framework::EntryNumber Number() const;
  QLineEdit* Edit() const { return edit_; }

 private:
  bool Validate();

  framework::EntryValidator validator_;
  QLineEdit* edit_;
  bool validating_ = false;
};

// "Save Attributes": the picture's height and width in inches (at least 2, default
// 4 and 6) and its pixels per inch (an integer, at least 10, default 72).
class TdlgFormat : public QDialog {
  Q_OBJECT

 public:
  explicit TdlgFormat(QWidget* parent = nullptr);
  double HeightInches() const;
  double WidthInches() const;
  int PixelsPerInch() const;
  TNumberField* HeightField() const { return height_; }
  TNumberField* WidthField() const { return width_; }
  TNumberField* PixelsField() const { return pixels_; }

  void accept() override;

 private:
  TNumberField* height_;
  TNumberField* width_;
  TNumberField* pixels_;
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
