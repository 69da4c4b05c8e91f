#include "gui/main/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>
#include <filesystem>

#include "app/data_file_loader.h"
#include "app/file_commands.h"
#include "app/plot_data_reader.h"
#include "app/run/names_file.h"
#include "app/staged_construction.h"
#include "app/main_tables.h"
#include "gui/core/child_form.h"
#include "gui/core/decimal_symbol.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"
#include "gui/core/settings.h"
#include "gui/dialogs/wall_configuration_dialog.h"

namespace veldra::gui {

using app::Command;
namespace fs = std::filesystem;
namespace fw = veldra::framework;

namespace {

constexpr int kMaxWindowEntries = 50;
constexpr const char* kEditorFailed = "An error occurred in running the Word Processor";
// When no editor is chosen, the desktop's opener shows the file in the user's editor.
constexpr const char* kDesktopOpener = "xdg-open";
// The manual's pages, relative to the program's folder: the build tree stages them
// where an installation puts them (share/doc/veldra/manual beside bin/).
constexpr const char* kManualFolder = "../share/doc/veldra/manual";

// The open and save dialogs of the platform.
std::optional<FileChoice> RunFileDialog(QWidget* parent, const FileRequest& request) {
  QFileDialog dialog(parent, request.title, request.proposed);
  dialog.setNameFilters(request.filters);
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without extension is a data file of the current format.
    dialog.setDefaultSuffix(QStringLiteral("vd5d"));
    if (QFileInfo(request.proposed).isDir()) {
      dialog.setDirectory(request.proposed);
    } else {
      dialog.setDirectory(QFileInfo(request.proposed).absolutePath());
      dialog.selectFile(QFileInfo(request.proposed).fileName());
    }
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const int filter = static_cast<int>(request.filters.indexOf(dialog.selectedNameFilter())) + 1;
  return FileChoice{dialog.selectedFiles().constFirst(), filter > 0 ? filter : 1};
}

QStringList Filters(const auto& list) {
  QStringList filters;
  for (const char* filter : list) filters << QString::fromLatin1(filter);
  return filters;
}

fs::path WithExtension(const std::string& file, const char* extension) {
  fs::path path(file);
  path.replace_extension(extension);
  return path;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), choose_file_(RunFileDialog) {
  setWindowTitle(QString::fromLatin1(app::kApplicationTitle));
  setAcceptDrops(true);
  mdi_ = new QMdiArea(this);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::SubWindowActivated);
  status_ = new QLabel(this);
  statusBar()->addWidget(status_, 1);

  CreateActions();
  CreateMenus();
  CreateToolBar();

  ConnectCommands();

  // The model's hooks: a new problem closes the child windows; a unit switch shows
  // the converted values in the open dialogs.
  model_.OnCloseChildWindows = [this] { CloseChildWindows(); };
  model_.OnUnitsChanged = [this](int) { UnitsChanged(); };

  resize(1000, 700);
}

TMainForm::~TMainForm() {
  // The child windows go first, while the model they show still exists, and without
  // telling this window about activations on the way.
  disconnect(mdi_, nullptr, this, nullptr);
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (auto* form = dynamic_cast<ChildForm*>(sub->widget())) form->DiscardOnClose();
    delete sub;
  }
  model_.OnCloseChildWindows = nullptr;
  model_.OnUnitsChanged = nullptr;
}

void TMainForm::Connect(Command command, const char* what, std::function<void()> body) {
  connect(Action(command), &QAction::triggered, this,
          [this, what, body = std::move(body)] { RunCommand(what, body); });
}

void TMainForm::RunCommand(const char* what, const std::function<void()>& body) {
  RunGuarded(this, what, [&] {
    if (DeactivateActiveChild()) body();
  });
  RunGuarded(this, what, [this] { UpdateActions(); });
}

// --- Start-up --------------------------------------------------------------------

void TMainForm::Start(const QString& command_line_file) {
  RunGuarded(this, "Start", [&] {
    const StoredSettings stored = ReadSettings();
    if (!stored.editor.empty()) editor_ = stored.editor;
    if (editor_.empty()) editor_ = kDesktopOpener;
    recent_ = stored.recent;
    // The window shows before the "has been read" message of a command-line file:
    // the menus and buttons must already follow the rules then.
    UpdateActions();
    const QString file = ToQt(app::CommandLineDataFile(FromQt(command_line_file)));
    if (!command_line_file.isEmpty() && QFileInfo(file).isFile()) {
      // Opened as a dropped file is: by its extension, with its stages split.
      OpenDropped(QFileInfo(file).absoluteFilePath());
    } else {
      NewProblemLayout();
    }
    setWindowTitle(ToQt(app::MainCaption(model_.Problem().FileName)));
  });
  UpdateActions();
}

// --- Child windows ---------------------------------------------------------------------

QMdiSubWindow* TMainForm::AddChild(QWidget* widget) {
  widget->setAttribute(Qt::WA_DeleteOnClose);
  // The area gives a new child the size of its size hint, a few pixels for a view
  // without a layout; a window that chose its own size keeps it.
  const bool sized = widget->testAttribute(Qt::WA_Resized);
  const QSize wanted = widget->size();
  QMdiSubWindow* sub = mdi_->addSubWindow(widget);
  sub->show();
  if (sized) {
    // Over a maximized child the area maximizes the new one at once; its size must
    // still be the one it comes back to when restored.
    const bool maximized = sub->isMaximized();
    if (maximized) sub->showNormal();
    sub->resize(wanted + (sub->size() - widget->size()));
    if (maximized) sub->showMaximized();
  }
  mdi_->setActiveSubWindow(sub);
  UpdateActions();
  return sub;
}

QWidget* TMainForm::ActiveChildWidget() const {
  QMdiSubWindow* sub = mdi_->activeSubWindow();
  return sub ? sub->widget() : nullptr;
}

bool TMainForm::DeactivateActiveChild() {
  auto* form = dynamic_cast<ChildForm*>(ActiveChildWidget());
  return !form || form->DeactivateForm();
}

void TMainForm::SubWindowActivated(QMdiSubWindow* window) {
  // The main window losing the focus (a message box, another program) and getting
  // it back is no change of the active child: its fields keep what the user typed.
  if (!window || switching_child_ || window == active_child_) return;
  QPointer<QMdiSubWindow> previous = active_child_;
  if (previous) {
    if (auto* form = dynamic_cast<ChildForm*>(previous->widget())) {
      switching_child_ = true;
      const bool committed = form->DeactivateForm();
      switching_child_ = false;
      if (!committed) {
        // The refusing form is back in front (DeactivateForm saw to it).
        active_child_ = previous;
        return;
      }
    }
  }
  active_child_ = window;
  if (auto* form = dynamic_cast<ChildForm*>(window->widget())) form->ActivateForm();
  UpdateActions();
}

void TMainForm::CloseChildWindows() {
  // While they close, the windows left are activated in turn; none of them may fill
  // its fields then (this runs while a new problem is being made, too).
  const QSignalBlocker quiet(mdi_);
  active_child_ = nullptr;
  for (QPointer<QMdiSubWindow>* slot : {&title_dialog_, &options_dialog_, &properties_dialog_, &configuration_dialog_,
                                        &surcharge_dialog_, &loads_dialog_, &springs_dialog_, &tieback_dialog_}) {
    *slot = nullptr;
  }
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (auto* form = dynamic_cast<ChildForm*>(sub->widget())) form->DiscardOnClose();
    sub->close();
  }
}

void TMainForm::ShowChild(QPointer<QMdiSubWindow>& slot, const std::function<QWidget*()>& make) {
  if (slot) {
    slot->showNormal();
    mdi_->setActiveSubWindow(slot);
    return;
  }
  slot = AddChild(make());
}

ShowTableFunction TMainForm::TableOpener() {
  return [this](const char* table) { RunGuarded(this, "Table", [this, table] { ShowTable(table); }); };
}

void TMainForm::NotYetAvailable(const char* what) { ShowInformation(this, std::string(what) + kNotYetAvailable); }

void TMainForm::ShowTable(const char* name) {
  if (auto& show = RegisteredChildWindows().showTable) return show(*this, model_.Table(name));
  NotYetAvailable((std::string("The window of the table \"") + model_.Table(name).Caption() + "\"").c_str());
}

void TMainForm::ShowGraph(fw::TGraphPlot& graph) {
  if (auto& show = RegisteredChildWindows().showGraph) return show(*this, graph);
  NotYetAvailable((std::string("The graph \"") + graph.Caption + "\"").c_str());
}

void TMainForm::Set3DView(View3DControls* view) {
  view3d_ = view;
  UpdateActions();
}

void TMainForm::UnitsChanged() {
  // The dialogs that show converted numbers fill their fields again. Nothing else:
  // this runs inside the creation of a new problem too.
  for (QPointer<QMdiSubWindow>* slot : {&options_dialog_, &properties_dialog_, &configuration_dialog_,
                                        &surcharge_dialog_}) {
    if (*slot) {
      if (auto* form = dynamic_cast<ChildForm*>((*slot)->widget())) form->ActivateForm();
    }
  }
}

void TMainForm::UpdatePressureFields() {
  if (!configuration_dialog_) return;
  if (auto* dialog = qobject_cast<TWallConfigurationDialog*>(configuration_dialog_->widget()))
    dialog->UpdatePressureFields();
}

// --- The one place that applies the rules ------------------------------------------------

void TMainForm::UpdateActions() {
  const app::TProgramData& problem = model_.Problem();
  app::WindowFacts facts = app::FileFactsOf(problem, graphs_);
  facts.plot_read = plot_read_;
  facts.view3d_open = view3d_ != nullptr;
  facts.recent_file_count = recent_.Count();
  facts.child_window_count = static_cast<int>(mdi_->subWindowList().size());
  const app::MainWindowRules rules(problem, facts);
  for (std::size_t i = 0; i < app::kCommandCount; ++i) {
    QAction* action = actions_[i];
    if (!action) continue;
    const app::ActionState& state = rules[static_cast<Command>(i)];
    action->setEnabled(state.enabled);
    action->setVisible(state.visible);
    if (state.checked) action->setChecked(*state.checked);
  }
  if (view3d_) {
    const struct {
      Command command;
      View3DItem item;
    } ticks[] = {{Command::kShow3DWall, View3DItem::kWall},
                 {Command::kShow3DSoilLayers, View3DItem::kSoilLayers},
                 {Command::kShow3DWaterLevel, View3DItem::kWaterLevel},
                 {Command::kShow3DUniformLoad, View3DItem::kUniformLoad},
                 {Command::kShow3DSurcharge, View3DItem::kSurcharge},
                 {Command::kShow3DConcentratedLoads, View3DItem::kConcentratedLoads},
                 {Command::kShow3DTiebacks, View3DItem::kTiebacks},
                 {Command::kShow3DBoundaryConditions, View3DItem::kBoundaryConditions},
                 {Command::kShow3DSprings, View3DItem::kSprings},
                 {Command::kShow3DDeformedShape, View3DItem::kDeformedShape}};
    for (const auto& t : ticks) Action(t.command)->setChecked(view3d_->Shown(t.item));
  }
  FillRecentFiles();
  status_->setText(ToQt(app::StageStatusText(problem)));
}

QString TMainForm::StatusText() const { return status_->text(); }

void TMainForm::SetStatusText(const std::string& text) { status_->setText(ToQt(text)); }

std::string TMainForm::IdentificationText(int line) const {
  // The run writes the same identity into the names file.
  const app::RunIdentity who = app::CurrentIdentity();
  switch (line) {
    case 1: return who.product;
    case 2: return who.user + ", " + who.host;
    default: return std::to_string(who.number);
  }
}

// --- File commands ---------------------------------------------------------------------------

bool TMainForm::ConfirmDiscard() {
  return app::ConfirmDiscard(
      model_.IsModified(),
      [this] {
        const auto answer = QMessageBox::question(this, QString::fromLatin1(app::kApplicationTitle),
                                                  QString::fromLatin1(app::kSaveChangesQuestion),
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Yes) return app::DiscardAnswer::kYes;
        if (answer == QMessageBox::No) return app::DiscardAnswer::kNo;
        return app::DiscardAnswer::kCancel;
      },
      [this] { return Save(); });
}

void TMainForm::NewProblemLayout() {
  unkept_content_.clear();
  model_.NewProblem();
  setWindowTitle(ToQt(app::MainCaption(model_.Problem().FileName)));
  SetStatusText({});
}

void TMainForm::FileNew() {
  if (!ConfirmDiscard()) return;
  NewProblemLayout();
}

void TMainForm::FileOpen() {
  if (!ConfirmDiscard()) return;
  FileRequest request;
  request.title = QStringLiteral("Open");
  request.proposed = QDir::currentPath();
  request.filters = Filters(app::kOpenFilters);
  const std::optional<FileChoice> choice = choose_file_(this, request);
  if (!choice) return;
  OpenFileName(choice->path, choice->filter);
}

void TMainForm::OpenRecentFile(int k) {
  const std::string path = recent_.Entry(k);
  RunCommand("Open", [this, path] {
    if (!ConfirmDiscard()) return;
    OpenFileName(ToQt(path), 0);
  });
}

void TMainForm::OpenDropped(const QString& path) {
  QDir::setCurrent(QFileInfo(path).absolutePath());
  OpenFileName(path, 0);
}

void TMainForm::OpenFileName(const QString& path, int format_code) {
  const QFileInfo info(path);
  QDir::setCurrent(info.absolutePath());
  const std::string file = FromQt(info.absoluteFilePath());
  if (format_code == 0) format_code = app::FormatFromExtension(file);
  CloseChildWindows();
  // A file that cannot be read at all throws here and leaves the problem as it was.
  const app::OpenResult result = app::OpenProblem(model_, file, format_code);
  unkept_content_.clear();
  setWindowTitle(ToQt(app::MainCaption(model_.Problem().FileName)));
  if (!result.load.complete) ShowInformation(this, result.load.message);
  AfterOpen(result);
}

void TMainForm::AfterOpen(const app::OpenResult& result) {
  app::TProgramData& problem = model_.Problem();
  for (const app::StageReadIssue& issue : result.stage_issues) {
    if (issue.message.empty()) continue;  // a stage read whole (its unkept records follow below)
    ShowInformation(this, issue.stage > 0 ? "Stage " + std::to_string(issue.stage) + ": " + issue.message : issue.message);
  }
  const fs::path plot = WithExtension(problem.FileName, ".vd5p");
  std::error_code error;
  if (fs::is_regular_file(plot, error)) {
    plot_read_ = app::ReadPlotData(graphs_, plot, false, app::PlotDataContextOf(model_)).complete;
  }
  UpdatePrevFile(problem.FileName);
  ShowInformation(this, app::HasBeenReadMessage(problem.FileName));
  const std::vector<app::UnrepresentedRecord> unkept = result.Unrepresented();
  if (!unkept.empty()) WarnUnkeptContent(app::UnrepresentedLines(unkept));
  UpdateActions();
}

void TMainForm::WarnUnkeptContent(const std::string& what) {
  unkept_content_ = what;
  ShowWarning(this, "Data file: " + app::DisplayName(model_.Problem().FileName) +
                        "\rholds data that VELDRA 2015 cannot keep:\r" + what);
}

bool TMainForm::Save() {
  app::TProgramData& problem = model_.Problem();
  if (app::NeedsSaveAs(problem)) return SaveAs();
  if (!unkept_content_.empty()) {
    const auto answer = QMessageBox::question(
        this, QString::fromLatin1(app::kApplicationTitle),
        MessageText(app::UnkeptContentQuestion(problem.FileName, unkept_content_)), QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes) return false;
  }
  {
    DecimalSymbolScope decimal;
    app::SaveProblem(model_);
  }
  unkept_content_.clear();
  return true;
}

bool TMainForm::SaveAs() {
  app::TProgramData& problem = model_.Problem();
  FileRequest request;
  request.save = true;
  request.title = ToQt(app::SaveAsTitle(problem.FileName));
  const fs::path proposed(app::SaveAsProposal(problem.FileName));
  request.proposed = ToQt(proposed.is_absolute() ? proposed.string() : (fs::current_path() / proposed).string());
  request.filters = Filters(app::kSaveFilters);
  const std::optional<FileChoice> choice = choose_file_(this, request);
  if (!choice) return false;
  {
    DecimalSymbolScope decimal;
    app::SaveProblemAs(model_, FromQt(QFileInfo(choice->path).absoluteFilePath()));
  }
  unkept_content_.clear();  // the file that holds that data was not touched
  setWindowTitle(ToQt(app::MainCaption(problem.FileName)));
  UpdatePrevFile(problem.FileName);
  CloseChildWindows();
  UpdateActions();
  return true;
}

void TMainForm::UpdatePrevFile(const std::string& name) {
  recent_.Update(name);
  WriteSettings();
}

void TMainForm::WriteSettings() { veldra::gui::WriteSettings(editor_, recent_); }

void TMainForm::FillRecentFiles() {
  const fs::path current = fs::current_path();
  for (int k = 1; k <= app::kRecentFileCount; ++k) {
    QAction* action = RecentFileAction(k);
    const std::string& path = recent_.Entry(k);
    action->setText(QStringLiteral("&") + ActionText(app::RecentFileText(k, path, current)));
    action->setVisible(k <= recent_.Count());
  }
}

// --- Options ---------------------------------------------------------------------------------

void TMainForm::OptionCommand(Command command) {
  app::TProgramData& problem = model_.Problem();
  app::RunOptionCommand(problem, command);
  // A changed option changes the data file: the change must not go unsaved.
  model_.SetModified(true);
  UpdatePressureFields();
}

// --- Text editor and help --------------------------------------------------------------------

void TMainForm::OpenInEditor(const std::string& file) {
  const QString editor = ToQt(editor_.empty() ? kDesktopOpener : editor_);
  if (!QProcess::startDetached(editor, {ToQt(file)})) ShowInformation(this, kEditorFailed);
}

QString TMainForm::ManualFolder() const {
  if (!manual_folder_.isEmpty()) return manual_folder_;
  return QDir::cleanPath(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kManualFolder)));
}

void TMainForm::OpenHelpDocument(const char* name) {
  const QString path = QDir(ManualFolder()).filePath(QLatin1String(name));
  if (!QFileInfo(path).isFile()) {
    ShowWarning(this, "The document \"" + std::string(name) + "\" was not found in " + FromQt(ManualFolder()) + ".");
    return;
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
    ShowWarning(this, "The document \"" + FromQt(path) + "\" could not be opened: no program to show it was found." +
                          "\rOpen it in a web browser.");
}

// --- Window menu -------------------------------------------------------------------------------

void TMainForm::FillWindowMenu() {
  qDeleteAll(window_entries_);
  window_entries_.clear();
  const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
  for (int i = 0; i < windows.size() && i < kMaxWindowEntries; ++i) {
    QMdiSubWindow* sub = windows[i];
    auto* entry = window_menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ActionText(FromQt(sub->windowTitle()))));
    entry->setCheckable(true);
    entry->setChecked(sub == mdi_->activeSubWindow());
    QPointer<QMdiSubWindow> target = sub;
    connect(entry, &QAction::triggered, this, [this, target] {
      if (!target) return;
      target->showNormal();
      mdi_->setActiveSubWindow(target);
    });
    window_entries_ << entry;
  }
}

void TMainForm::ArrangeIcons() {
  // The minimized children in a row along the bottom edge of the area.
  int x = 0;
  const int bottom = mdi_->viewport()->height();
  for (QMdiSubWindow* sub : mdi_->subWindowList()) {
    if (!sub->isMinimized()) continue;
    const QSize size = sub->size();
    if (x > 0 && x + size.width() > mdi_->viewport()->width()) x = 0;
    sub->move(x, bottom - size.height());
    x += size.width();
  }
}

// --- Closing and dropped files -----------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event) {
  bool close = false;
  RunGuarded(this, "Exit", [&] { close = DeactivateActiveChild() && ConfirmDiscard(); });
  if (!close) {
    event->ignore();
    UpdateActions();
    return;
  }
  WriteSettings();
  CloseChildWindows();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* data = event->mimeData();
  if (data->hasUrls() && !data->urls().isEmpty() && data->urls().constFirst().isLocalFile())
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.constFirst().isLocalFile()) return;
  event->acceptProposedAction();
  const QString path = urls.constFirst().toLocalFile();
  RunCommand("Open", [this, path] {
    if (!ConfirmDiscard()) return;
    OpenDropped(path);
  });
}

}  // namespace veldra::gui
