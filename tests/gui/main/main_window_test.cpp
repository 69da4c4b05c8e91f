// The main window driven as a user drives it: files opened, saved and discarded,
// options toggled, dialogs edited, files dropped; the caption, messages, menus,
// model and files checked afterwards.
#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <clocale>
#include <cstdlib>
#include <locale>

#include "app/file_commands.h"
#include "app/main_tables.h"
#include "gui/core/error_guard.h"
#include "gui/dialogs/title_dialog.h"
#include "gui/dialogs/wall_configuration_dialog.h"
#include "gui/dialogs/wall_properties_dialog.h"
#include "gui/main/main_window.h"
#include "gui/widgets/data_edit.h"
#include "tests/gui/gui_test_support.h"

using veldra::app::Command;
using veldra::gui::FileChoice;
using veldra::gui::FileRequest;
using veldra::gui::TDataEdit;
using veldra::gui::TMainForm;
using veldra::gui::TWallConfigurationDialog;
using veldra::gui::TWallPropertiesDialog;
using veldra::gui::test::IsolatedSettings;
using veldra::gui::test::MessageBoxAnswers;
namespace app = veldra::app;
namespace fw = veldra::framework;

namespace {

QString SourceFile(const char* relative) { return QStringLiteral(VELDRA_SOURCE_DIR "/") + QLatin1String(relative); }

// A copy of a file of the source tree in `dir`, so that nothing is written beside
// the original.
QString CopyInto(const QTemporaryDir& dir, const char* relative, const char* as = nullptr) {
  const QString source = SourceFile(relative);
  const QString target = dir.filePath(as ? QLatin1String(as) : QFileInfo(source).fileName());
  QFile::remove(target);
  QFile::copy(source, target);
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
  return target;
}

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Stands in for the desktop's opener: records the URLs handed to it.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  Q_INVOKABLE void Open(const QUrl& url) { urls << url; }
  QList<QUrl> urls;
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    settings_ = std::make_unique<IsolatedSettings>();
    dir_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(dir_->path());
    window_ = std::make_unique<TMainForm>();
    window_->SetFileChooser([this](QWidget*, const FileRequest& request) -> std::optional<FileChoice> {
      requests_ << request;
      if (choices_.isEmpty()) return std::nullopt;
      return choices_.takeFirst();
    });
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    boxes_ = std::make_unique<MessageBoxAnswers>();
    window_->Start(QString());
    requests_.clear();
  }

  void cleanup() {
    if (window_) window_->Model().SetModified(false);  // no question on the way out
    // Every message a test expected it has taken: anything left was unexpected.
    const QStringList unexpected = boxes_ ? boxes_->Take() : QStringList();
    window_.reset();
    boxes_.reset();
    dir_.reset();
    settings_.reset();
    choices_.clear();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(QLatin1String(" | "))));
  }

  // --- Opening ---------------------------------------------------------------------

  void opening_an_example_sets_the_caption_and_says_it_has_been_read() {
    const QString file = CopyInto(*dir_, "examples/cantilever-sheet-pile-wall.vd5d");
    QDir::setCurrent(QDir::tempPath());
    window_->OpenFileName(file, 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("VELDRA 2015.5.18 - Cantilever-sheet-pile-wall.vd5d"));
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral(
                                "Data file: Cantilever-sheet-pile-wall.vd5d, has been read by VELDRA 2015")});
    QCOMPARE(window_->Model().Problem().Title,
             std::string("CANTILEVER SHEET-PILE WALL, 10 FT EXCAVATION IN DENSE SAND"));
    QCOMPARE(window_->RecentFileList().Entry(1), file.toStdString());
    QCOMPARE(QDir::currentPath(), dir_->path());  // the file's folder becomes current
    QVERIFY(!window_->Model().IsModified());
  }

  void a_file_with_results_offers_the_graphs() {
    const QString file = CopyInto(*dir_, "examples/anchored-wall-generated-soil.vd5d");
    QVERIFY(!window_->Action(Command::kGraphDeflection)->isEnabled());
    QCOMPARE(QProcess::execute(QStringLiteral(VELDRA_BINARY_DIR "/bin/veldra-calc"), {QStringLiteral("-q"), file}), 0);
    window_->OpenFileName(file, 0);
    boxes_->Take();
    QVERIFY(window_->PlotRead());
    for (Command c : {Command::kGraphDeflection, Command::kGraphMoment, Command::kGraphShear,
                      Command::kGraphDeflectionMomentShear, Command::kGraphPY, Command::kGraphPressure,
                      Command::kToolDeflectionMomentShear, Command::kExportPlots, Command::kViewWallGeometry,
                      Command::kEditOutput, Command::kEditRunNotes, Command::kToolViewOutput}) {
      QVERIFY2(window_->Action(c)->isEnabled(), qPrintable(window_->Action(c)->text()));
    }
    // The plot file gone: the graphs are no longer offered.
    QFile::remove(dir_->filePath(QStringLiteral("anchored-wall-generated-soil.vd5p")));
    window_->UpdateActions();
    QVERIFY(!window_->Action(Command::kGraphDeflection)->isEnabled());
    QVERIFY(!window_->Action(Command::kToolDeflection)->isEnabled());
  }

  void a_name_on_the_command_line_without_extension_opens_the_2013_file() {
    CopyInto(*dir_, "tests/app/data/wall-2013.vd4d", "wall.vd4d");
    TMainForm other;
    other.Start(QStringLiteral("wall"));
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Data file: Wall.vd4d, has been read by VELDRA 2015")});
    QCOMPARE(other.Model().Problem().Title, std::string("CANTILEVER WALL IN SI UNITS, VERSION 2013"));
    QCOMPARE(other.Model().Problem().UnitSystem, 2);
    QCOMPARE(other.windowTitle(), QStringLiteral("VELDRA 2015.5.18 - Wall.vd4d"));
  }

  void the_recent_files_are_kept_in_the_settings() {
    const QString first = CopyInto(*dir_, "examples/cantilever-sheet-pile-wall.vd5d");
    const QString second = CopyInto(*dir_, "examples/anchored-sheet-pile-wall.vd5d");
    {
        window_->OpenFileName(first, 0);
      window_->OpenFileName(second, 0);
      window_->OpenFileName(first, 0);
    }
    QCOMPARE(boxes_->Take().size(), 3);
    QCOMPARE(window_->RecentFileList().Count(), 2);
    QCOMPARE(window_->RecentFileList().Entry(1), first.toStdString());
    QCOMPARE(window_->RecentFileList().Entry(2), second.toStdString());
    QVERIFY(window_->RecentFileAction(2)->isVisible());
    QVERIFY(!window_->RecentFileAction(3)->isVisible());
    QVERIFY(window_->Action(Command::kRecentSeparator)->isVisible());
    // A second window reads the list back from the settings.
    TMainForm other;
    other.Start(QString());
    QCOMPARE(other.RecentFileList().Entry(1), first.toStdString());
    QCOMPARE(other.RecentFileList().Entry(2), second.toStdString());
    other.Model().SetModified(false);
  }

  void a_recent_file_entry_opens_its_file() {
    const QString first = CopyInto(*dir_, "examples/cantilever-sheet-pile-wall.vd5d");
    const QString second = CopyInto(*dir_, "examples/anchored-sheet-pile-wall.vd5d");
    window_->OpenFileName(first, 0);
    window_->OpenFileName(second, 0);
    boxes_->Take();
    window_->RecentFileAction(2)->trigger();
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral(
                               "Data file: Cantilever-sheet-pile-wall.vd5d, has been read by VELDRA 2015")});
    QCOMPARE(window_->Model().Problem().FileName, first.toStdString());
    QCOMPARE(window_->RecentFileAction(1)->text(), QStringLiteral("&1 cantilever-sheet-pile-wall.vd5d"));
  }

  void a_file_that_cannot_be_read_leaves_the_problem_and_names_the_file() {
    window_->Model().Problem().Title = "KEPT";
    const QString missing = dir_->filePath(QStringLiteral("missing.vd5d"));
    // Through the guard, as the menu commands run it.
    const bool finished = veldra::gui::RunGuarded(window_.get(), "Open", [&] { window_->OpenFileName(missing, 0); });
    QVERIFY(!finished);
    const QStringList texts = boxes_->Take();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.at(0).startsWith(QLatin1String("Open failed: ")) && texts.at(0).contains(QLatin1String("missing.vd5d")),
             qPrintable(texts.at(0)));
    QCOMPARE(window_->Model().Problem().Title, std::string("KEPT"));
    QCOMPARE(window_->RecentFileList().Count(), 0);
  }

  void a_dropped_file_is_opened() {
    const QString file = CopyInto(*dir_, "examples/anchored-sheet-pile-wall.vd5d");
    QDir::setCurrent(QDir::tempPath());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    const QPoint at = window_->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral(
                                "Data file: Anchored-sheet-pile-wall.vd5d, has been read by VELDRA 2015")});
    QCOMPARE(window_->Model().Problem().FileName, file.toStdString());
    QCOMPARE(QDir::currentPath(), dir_->path());
  }

  void a_dropped_file_asks_before_the_changes_are_lost() {
    const QString file = CopyInto(*dir_, "examples/anchored-sheet-pile-wall.vd5d");
    window_->Model().Problem().Title = "UNSAVED";
    window_->Model().SetModified(true);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    boxes_->Queue(QMessageBox::Cancel);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Do you want to save any changes?")});
    QCOMPARE(window_->Model().Problem().Title, std::string("UNSAVED"));
  }

  void a_staged_file_shows_its_stage_in_the_status_bar_and_the_stage_menu() {
    const QString file = CopyInto(*dir_, "examples/three-stage-excavation.vd5d");
    window_->OpenFileName(file, 0);
    boxes_->Take();
    QCOMPARE(window_->StatusText(), QStringLiteral("Construction Stage Number: 1"));
    QVERIFY(window_->Action(Command::kStageMenu)->isVisible());
    QVERIFY(window_->Action(Command::kToolStage3)->isVisible());
    QVERIFY(window_->Action(Command::kToolStage1)->isChecked());
    QVERIFY(!window_->Action(Command::kOptionLongTerm)->isEnabled());
    QVERIFY(QFileInfo::exists(dir_->filePath(QStringLiteral("three-stage-excavation.st3"))));
    window_->Action(Command::kFileNew)->trigger();
    QCOMPARE(window_->StatusText(), QString());
    QVERIFY(!window_->Action(Command::kStageMenu)->isVisible());
  }

  // --- Saving ------------------------------------------------------------------------

  void save_of_a_2013_file_turns_into_save_as_and_keeps_the_old_file() {
    const QString old = CopyInto(*dir_, "tests/app/data/wall-2013.vd4d");
    const QByteArray before = ReadAll(old);
    window_->OpenFileName(old, 0);
    boxes_->Take();
    const QString target = dir_->filePath(QStringLiteral("wall-2013.vd5d"));
    choices_ << FileChoice{target, 1};
    window_->Action(Command::kFileSave)->trigger();
    QCOMPARE(requests_.size(), 1);
    QCOMPARE(requests_[0].title, QStringLiteral("Save Wall-2013.vd4d As"));
    QCOMPARE(requests_[0].proposed, target);
    QVERIFY(requests_[0].save);
    QCOMPARE(ReadAll(old), before);
    QVERIFY(ReadAll(target).startsWith("CANTILEVER WALL IN SI UNITS, VERSION 2013"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("VELDRA 2015.5.18 - Wall-2013.vd5d"));
    QCOMPARE(window_->Model().Problem().FileName, target.toStdString());
    // Now a file of the current format: Save writes it without asking.
    requests_.clear();
    window_->Model().Problem().Title = "CHANGED";
    window_->Action(Command::kFileSave)->trigger();
    QVERIFY(requests_.isEmpty());
    QVERIFY(ReadAll(target).startsWith("CHANGED\n"));
  }

  void save_writes_a_decimal_point_under_a_decimal_comma_locale() {
    // A German locale, made for this test where the system has none.
    QTemporaryDir locales;
    QProcess localedef;
    localedef.start(QStringLiteral("localedef"),
                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                     locales.filePath(QStringLiteral("de_DE.UTF-8"))});
    if (!localedef.waitForFinished(60000) || !QFileInfo(locales.filePath(QStringLiteral("de_DE.UTF-8"))).isDir())
      QSKIP("localedef cannot make de_DE.UTF-8 here");
    qputenv("LOCPATH", locales.path().toLocal8Bit());
    const std::string before = std::setlocale(LC_ALL, nullptr);
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr);
    std::locale::global(std::locale("de_DE.UTF-8"));
    char comma[16];
    std::snprintf(comma, sizeof comma, "%.1f", 1.5);
    QCOMPARE(QByteArray(comma), QByteArray("1,5"));  // the locale is in force

    veldra::app::TProgramData& problem = window_->Model().Problem();
    problem.IncrementLength = 1.5;
    problem.ClosureTolerance = 0.00025;
    problem.Increments = 40;
    const QString target = dir_->filePath(QStringLiteral("comma.vd5d"));
    choices_ << FileChoice{target, 1};
    window_->Action(Command::kFileSave)->trigger();
    const QByteArray text = ReadAll(target);
    std::snprintf(comma, sizeof comma, "%.1f", 1.5);
    const QByteArray after(comma);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, before.c_str());
    qunsetenv("LOCPATH");
    QCOMPARE(after, QByteArray("1,5"));  // the user's locale is back after the save
    const QList<QByteArray> lines = text.split('\n');
    QVERIFY2(lines.size() > 2 && lines[2] == "40 1.5\t100\t0.00025\t0\t0", text.constData());
    QVERIFY(!text.contains(','));
  }

  // A file whose records the problem cannot keep: the warning follows "has been
  // read", and the first Save over the file asks first.
  void a_file_with_data_the_program_cannot_keep_asks_before_the_first_save() {
    const QString file = CopyInto(*dir_, "examples/command-line/anchored-wall-trapezoidal-envelope.vd5d");
    const QByteArray before = ReadAll(file);
    window_->OpenFileName(file, 0);
    const QStringList shown = boxes_->Take();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0], QStringLiteral("Data file: Anchored-wall-trapezoidal-envelope.vd5d, has been read by VELDRA 2015"));
    QVERIFY2(shown[1].startsWith(QStringLiteral("Data file: Anchored-wall-trapezoidal-envelope.vd5d\nholds data that "
                                                "VELDRA 2015 cannot keep:\nLine 2: earth-pressure code 3")),
             qPrintable(shown[1]));
    window_->Model().Problem().Title = "CHANGED";
    boxes_->Queue(QMessageBox::No);
    window_->Action(Command::kFileSave)->trigger();
    const QStringList asked = boxes_->Take();
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked[0].endsWith(QStringLiteral("Overwrite it?")), qPrintable(asked[0]));
    QCOMPARE(ReadAll(file), before);
    boxes_->Queue(QMessageBox::Yes);
    window_->Action(Command::kFileSave)->trigger();
    QCOMPARE(boxes_->Take().size(), 1);
    QVERIFY(ReadAll(file).startsWith("CHANGED\n"));
    window_->Action(Command::kFileSave)->trigger();  // asked once only
    QVERIFY(boxes_->Take().isEmpty());
  }

  // A file the problem keeps whole opens with "has been read" alone.
  void a_file_the_program_keeps_opens_without_a_warning() {
    const QString file = CopyInto(*dir_, "examples/short-and-long-term-clay-wall.vd5d");
    window_->OpenFileName(file, 0);
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral(
                                 "Data file: Short-and-long-term-clay-wall.vd5d, has been read by VELDRA 2015")});
  }

  // --- Confirm-discard ----------------------------------------------------------------

  void new_asks_about_changes_data() {
    QTest::addColumn<QList<int>>("answers");  // message-box buttons, in order
    QTest::addColumn<bool>("choose_name");    // Save As gets a name
    QTest::addColumn<bool>("replaced");       // the New went on
    QTest::addColumn<bool>("saved");          // the file was written
    QTest::newRow("cancel") << QList<int>{QMessageBox::Cancel} << false << false << false;
    QTest::newRow("no") << QList<int>{QMessageBox::No} << false << true << false;
    QTest::newRow("yes, Save As cancelled") << QList<int>{QMessageBox::Yes} << false << false << false;
    QTest::newRow("yes, saved") << QList<int>{QMessageBox::Yes} << true << true << true;
  }
  void new_asks_about_changes() {
    QFETCH(QList<int>, answers);
    QFETCH(bool, choose_name);
    QFETCH(bool, replaced);
    QFETCH(bool, saved);
    window_->Model().Problem().Title = "UNSAVED";
    window_->Model().SetModified(true);
    const QString target = dir_->filePath(QStringLiteral("saved.vd5d"));
    if (choose_name) choices_ << FileChoice{target, 1};
    for (int answer : answers) boxes_->Queue(static_cast<QMessageBox::StandardButton>(answer));
    window_->Action(Command::kFileNew)->trigger();
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Do you want to save any changes?")});
    QCOMPARE(requests_.size(), answers.value(0) == QMessageBox::Yes ? 1 : 0);
    QCOMPARE(window_->Model().Problem().Title == "UNSAVED", !replaced);
    QCOMPARE(QFileInfo::exists(target), saved);
    if (saved) QVERIFY(ReadAll(target).startsWith("UNSAVED\n"));
    if (!replaced) QVERIFY(window_->Model().IsModified());
  }

  void yes_on_a_2013_file_whose_save_as_is_cancelled_keeps_the_changes() {
    const QString old = CopyInto(*dir_, "tests/app/data/wall-2013.vd4d");
    window_->OpenFileName(old, 0);
    boxes_->Take();
    window_->Model().Problem().Title = "UNSAVED";
    window_->Model().SetModified(true);
    boxes_->Queue(QMessageBox::Yes);
    window_->Action(Command::kFileNew)->trigger();  // Save -> Save As -> cancelled
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Do you want to save any changes?")});
    QCOMPARE(requests_.size(), 1);
    QCOMPARE(window_->Model().Problem().Title, std::string("UNSAVED"));
    QVERIFY(window_->Model().IsModified());
  }

  void closing_asks_and_cancel_keeps_the_window() {
    window_->Model().SetModified(true);
    boxes_->Queue(QMessageBox::Cancel);
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Do you want to save any changes?")});
    boxes_->Queue(QMessageBox::No);
    QVERIFY(window_->close());
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Do you want to save any changes?")});
  }

  // --- Options and menus ----------------------------------------------------------------

  void toggled_options_show_in_the_menus() {
    auto enabled = [this](Command c) { return window_->Action(c)->isEnabled(); };
    auto visible = [this](Command c) { return window_->Action(c)->isVisible(); };
    QVERIFY(!enabled(Command::kConcentratedLoads));
    window_->Action(Command::kOptionConcentratedLoads)->trigger();
    QVERIFY(enabled(Command::kConcentratedLoads));
    QVERIFY(window_->Action(Command::kOptionConcentratedLoads)->isChecked());
    QVERIFY(window_->Model().IsModified());

    window_->Action(Command::kPressureUser)->trigger();
    QVERIFY(enabled(Command::kDistributedLoads));
    QVERIFY(!enabled(Command::kOptionSurcharge));

    window_->Action(Command::kOptionLongTerm)->trigger();
    QVERIFY(!visible(Command::kSoilLayers));
    QVERIFY(visible(Command::kSoilLayersMenu));
    QVERIFY(!enabled(Command::kToolSoilLayers));
    QVERIFY(!enabled(Command::kToolStagedConstruction));
    window_->Action(Command::kOptionLongTerm)->trigger();
    QVERIFY(visible(Command::kSoilLayers));

    window_->Action(Command::kOptionGeneratePY)->trigger();  // off
    QVERIFY(!enabled(Command::kWallConfiguration));
    QVERIFY(!enabled(Command::kPressureTriangular));
    QVERIFY(window_->Action(Command::kOptionExternalPY)->isChecked());
    QVERIFY(enabled(Command::kExternalPY));

    window_->Action(Command::kUnitsSI)->trigger();
    QVERIFY(window_->Action(Command::kUnitsSI)->isChecked());
    QVERIFY(!window_->Action(Command::kUnitsEnglish)->isChecked());
    QCOMPARE(window_->Model().Problem().UnitSystem, 2);
  }

  void the_window_menu_lists_the_child_windows() {
    window_->Action(Command::kTitle)->trigger();
    window_->Action(Command::kWallProperties)->trigger();
    QMenu* menu = window_->WindowMenu();
    emit menu->aboutToShow();
    QVERIFY(window_->Action(Command::kWindowSeparator)->isVisible());
    QStringList entries;
    QAction* title_entry = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator() || action == window_->Action(Command::kCascade) ||
          action == window_->Action(Command::kArrangeIcons))
        continue;
      entries << action->text() + (action->isChecked() ? QStringLiteral(" *") : QString());
      if (action->text().contains(QLatin1String("Project Title"))) title_entry = action;
    }
    QCOMPARE(entries, (QStringList{QStringLiteral("&1 Project Title"), QStringLiteral("&2 Wall Properties *")}));
    title_entry->trigger();
    QCOMPARE(window_->MdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("Project Title"));
    emit menu->aboutToShow();  // filled again, not appended
    int listed = 0;
    for (QAction* action : menu->actions()) listed += action->text().startsWith(QLatin1Char('&')) && action->text()[1].isDigit();
    QCOMPARE(listed, 2);
  }

  void the_text_editor_setting_is_kept_and_a_failure_is_reported() {
    QCOMPARE(window_->EditorPath(), std::string("xdg-open"));  // none chosen yet
    window_->SetEditorPath("/nonexistent/editor");
    choices_ << FileChoice{dir_->filePath(QStringLiteral("wall.vd5d")), 1};
    window_->Action(Command::kFileSave)->trigger();
    QVERIFY(window_->Action(Command::kEditInput)->isEnabled());
    window_->Action(Command::kEditInput)->trigger();
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("An error occurred in running the Word Processor")});
    QVERIFY(window_->close());
    TMainForm other;
    other.Start(QString());
    QCOMPARE(other.EditorPath(), std::string("/nonexistent/editor"));
    QCOMPARE(other.RecentFileList().Entry(1), dir_->filePath(QStringLiteral("wall.vd5d")).toStdString());
  }

  void a_missing_manual_is_named() {
    window_->SetManualFolder(dir_->filePath(QStringLiteral("no-manual")));
    window_->Action(Command::kUsersManual)->trigger();
    const QStringList texts = boxes_->Take();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts[0].startsWith(QLatin1String("The document \"getting-started.html\" was not found in ") +
                                 dir_->filePath(QStringLiteral("no-manual"))),
             qPrintable(texts[0]));
  }

  void the_help_menu_opens_the_manual_pages() {
    const QString manual = dir_->filePath(QStringLiteral("manual"));
    QDir().mkpath(manual);
    for (const char* page : {"index.html", "getting-started.html", "soil-and-pressure.html"}) {
      QFile file(QDir(manual).filePath(QLatin1String(page)));
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    window_->SetManualFolder(manual);
    UrlRecorder opened;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opened, "Open");
    window_->Action(Command::kHelpContents)->trigger();
    window_->Action(Command::kUsersManual)->trigger();
    window_->Action(Command::kTechnicalManual)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(boxes_->Take(), QStringList());
    QCOMPARE(opened.urls, (QList<QUrl>{QUrl::fromLocalFile(QDir(manual).filePath(QStringLiteral("index.html"))),
                                      QUrl::fromLocalFile(QDir(manual).filePath(QStringLiteral("getting-started.html"))),
                                      QUrl::fromLocalFile(QDir(manual).filePath(QStringLiteral("soil-and-pressure.html")))}));
  }

  // --- Dialogs ----------------------------------------------------------------------------

  void an_invalid_entry_keeps_the_dialog_in_front_and_commits_nothing() {
    window_->Action(Command::kWallProperties)->trigger();
    auto* dialog = qobject_cast<TWallPropertiesDialog*>(window_->ActiveChildWidget());
    QVERIFY(dialog);
    QMdiSubWindow* sub = window_->MdiArea()->activeSubWindow();
    dialog->deNI->setFocus();
    QTRY_VERIFY(dialog->deNI->hasFocus());
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "301");

    // Leaving the field for another one of the dialog.
    dialog->deXGS->setFocus(Qt::TabFocusReason);
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Entry must be less than or equal to 300")});
    QCOMPARE(dialog->deNI->text(), QStringLiteral("300"));
    QTRY_VERIFY(dialog->deNI->hasFocus());
    QCOMPARE(window_->Model().Problem().Increments, 0);

    // Leaving the dialog for another window: a command that opens another dialog.
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "abc");
    window_->Action(Command::kTitle)->trigger();
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Entry must be a valid integer.")});
    QCOMPARE(dialog->deNI->text(), QStringLiteral("abc"));  // what the user typed stays
    QCOMPARE(window_->MdiArea()->activeSubWindow(), sub);
    QCOMPARE(window_->MdiArea()->subWindowList().size(), 1);  // the title dialog did not open
    QCOMPARE(window_->Model().Problem().Increments, 0);

    // Another child window brought to the front by the user.
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "80");
    window_->Action(Command::kTitle)->trigger();  // valid now: commits and opens the title dialog
    QCOMPARE(window_->Model().Problem().Increments, 80);
    QCOMPARE(window_->MdiArea()->subWindowList().size(), 2);
    QMdiSubWindow* title = window_->MdiArea()->activeSubWindow();
    QVERIFY(title != sub);
    window_->MdiArea()->setActiveSubWindow(sub);
    dialog->deNI->setFocus();
    QTRY_VERIFY(dialog->deNI->hasFocus());
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "0");
    window_->MdiArea()->setActiveSubWindow(title);
    QCOMPARE(boxes_->Take(), QStringList{QStringLiteral("Entry must be greater than or equal to 1")});
    QCOMPARE(window_->MdiArea()->activeSubWindow(), sub);
    QCOMPARE(dialog->deNI->text(), QStringLiteral("1"));  // a limit failure shows the limit
    // The program losing the focus and getting it back leaves a typed value alone.
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "75");
    emit window_->MdiArea()->subWindowActivated(nullptr);
    emit window_->MdiArea()->subWindowActivated(sub);
    QCOMPARE(dialog->deNI->text(), QStringLiteral("75"));
    QCOMPARE(window_->Model().Problem().Increments, 80);

    // Closing refuses as well, and then succeeds with a valid entry.
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "x");
    QVERIFY(!sub->close());
    QCOMPARE(boxes_->Take().size(), 1);
    dialog->deNI->selectAll();
    QTest::keyClicks(dialog->deNI, "90");
    QVERIFY(sub->close());
    QCOMPARE(window_->Model().Problem().Increments, 90);
  }

  void a_field_commits_when_a_menu_opens_and_the_free_height_is_shared() {
    window_->Action(Command::kWallConfiguration)->trigger();
    auto* configuration = qobject_cast<TWallConfigurationDialog*>(window_->ActiveChildWidget());
    QVERIFY(configuration);
    configuration->deHL->setFocus();
    QTRY_VERIFY(configuration->deHL->hasFocus());
    configuration->deHL->selectAll();
    QTest::keyClicks(configuration->deHL, "20");
    configuration->deSP->setFocus();
    configuration->deSP->selectAll();
    QTest::keyClicks(configuration->deSP, "144");
    // A command from the toolbar commits the dialog first.
    window_->Action(Command::kWallProperties)->trigger();
    QCOMPARE(window_->Model().Problem().WallHeight, 240.0L);
    QCOMPARE(window_->Model().Problem().UniformSurcharge, 1.0L);
    QVERIFY(window_->Model().IsModified());
    auto* properties = qobject_cast<TWallPropertiesDialog*>(window_->ActiveChildWidget());
    QVERIFY(properties);
    QCOMPARE(properties->DeFH->text(), QStringLiteral("20"));
  }

  void a_child_window_keeps_the_size_it_chose() {
    auto* view = new QWidget;
    view->setWindowTitle(QStringLiteral("View"));
    view->resize(720, 560);
    QMdiSubWindow* sub = window_->AddChild(view);
    QCOMPARE(view->size(), QSize(720, 560));
    QVERIFY(sub->width() > 720 && sub->height() > 560);
    // A dialog takes the size of its content.
    window_->Action(Command::kWallProperties)->trigger();
    QWidget* dialog = window_->ActiveChildWidget();
    QCOMPARE(dialog->size(), dialog->sizeHint());
  }

  void a_child_window_opened_over_a_maximized_one_keeps_its_size_for_later() {
    // Graph windows open maximized; a window added while one is maximized is
    // maximized too, and must come back at the size it chose when restored.
    window_->resize(1200, 900);
    window_->show();
    auto* first = new QWidget;
    first->resize(640, 480);
    window_->AddChild(first)->showMaximized();
    auto* second = new QWidget;
    second->resize(560, 640);
    QMdiSubWindow* sub = window_->AddChild(second);
    QVERIFY(sub->isMaximized());
    sub->showNormal();
    QCOMPARE(second->size(), QSize(560, 640));
  }

  void new_and_open_close_every_dialog() {
    for (Command c : {Command::kTitle, Command::kWallProperties, Command::kWallConfiguration, Command::kOptionTextEditor})
      window_->Action(c)->trigger();
    QCOMPARE(window_->MdiArea()->subWindowList().size(), 4);
    window_->Action(Command::kFileNew)->trigger();
    QTRY_COMPARE(window_->MdiArea()->subWindowList().size(), 0);
    for (Command c : {Command::kTitle, Command::kWallProperties, Command::kWallConfiguration})
      window_->Action(c)->trigger();
    window_->OpenFileName(CopyInto(*dir_, "examples/cantilever-sheet-pile-wall.vd5d"), 0);
    boxes_->Take();
    QTRY_COMPARE(window_->MdiArea()->subWindowList().size(), 0);
    // A dialog opened again shows the new problem.
    window_->Action(Command::kWallProperties)->trigger();
    auto* dialog = qobject_cast<TWallPropertiesDialog*>(window_->ActiveChildWidget());
    QVERIFY(dialog);
    QCOMPARE(dialog->deNI->text(), QStringLiteral("50"));
  }

  void a_unit_switch_relabels_and_converts_an_open_dialog() {
    window_->Model().Problem().IncrementLength = 6;
    window_->Model().Problem().WallHeight = 120;
    window_->Action(Command::kWallProperties)->trigger();
    auto* dialog = qobject_cast<TWallPropertiesDialog*>(window_->ActiveChildWidget());
    QVERIFY(dialog);
    QCOMPARE(dialog->deXGS->EditLabel()->text(), QStringLiteral("Increment Length (in)"));
    QCOMPARE(dialog->DeFH->EditLabel()->text(), QStringLiteral("Free Height of Wall (ft)"));
    QCOMPARE(dialog->DeFH->text(), QStringLiteral("10"));
    window_->Action(Command::kUnitsSI)->trigger();
    QCOMPARE(dialog->deXGS->EditLabel()->text(), QStringLiteral("Increment Length (m)"));
    QCOMPARE(dialog->DeFH->EditLabel()->text(), QStringLiteral("Free Height of Wall (m)"));
    QCOMPARE(dialog->deXGS->text(), QStringLiteral("0.1524"));
    QCOMPARE(dialog->DeFH->text(), QStringLiteral("3.048"));
    window_->Action(Command::kUnitsOther)->trigger();
    QCOMPARE(dialog->DeFH->EditLabel()->text(), QStringLiteral("Free Height of Wall (L2)"));
  }

  void the_earth_pressure_option_switches_the_pressure_fields() {
    window_->Action(Command::kWallConfiguration)->trigger();
    auto* dialog = qobject_cast<TWallConfigurationDialog*>(window_->ActiveChildWidget());
    QVERIFY(dialog);
    QVERIFY(dialog->deSP->isEnabled());
    window_->Action(Command::kPressureUser)->trigger();
    QVERIFY(!dialog->deSP->isEnabled());
    QVERIFY(!dialog->beta->isEnabled());
    QVERIFY(!dialog->deGw->isEnabled());
    QVERIFY(dialog->deHL->isEnabled());
    QCOMPARE(dialog->deGw->text(), QStringLiteral("1"));  // kept
    window_->Action(Command::kPressureTrapezoidal)->trigger();
    QVERIFY(dialog->deSP->isEnabled());
  }

  void clearing_the_concentrated_loads_box_empties_the_table_at_once() {
    veldra::app::TProgramData& problem = window_->Model().Problem();
    problem.SetApplyOption(veldra::app::ApplyOption::kConcentratedLoads, true);
    fw::TGridTable& loads = problem.Table(app::ConcentratedLoads::kName);
    loads.SetRowCount(3);
    loads.Cell(3, 0).SetFloat(12.5);
    window_->UpdateActions();
    window_->Action(Command::kConcentratedLoads)->trigger();
    QWidget* dialog = window_->ActiveChildWidget();
    auto* box = dialog->findChild<QCheckBox*>();
    QVERIFY(box && box->isChecked());
    box->click();
    QCOMPARE(loads.RowCount(), loads.MinRows());
    QCOMPARE(loads.Cell(3, 0).AsFloat(), 0.0L);
    QVERIFY(!dialog->findChild<QPushButton*>()->isEnabled());
    window_->MdiArea()->activeSubWindow()->close();
    QVERIFY(!problem.ApplyConcentratedLoads);
    // The Data menu, as it opens, no longer offers the loads.
    auto* data_menu = qobject_cast<QMenu*>(window_->Action(Command::kConcentratedLoads)->associatedObjects().value(0));
    QVERIFY(data_menu);
    emit data_menu->aboutToShow();
    QVERIFY(!window_->Action(Command::kConcentratedLoads)->isEnabled());
  }

  void the_title_dialog_keeps_one_line_of_80_characters() {
    window_->Action(Command::kTitle)->trigger();
    auto* dialog = qobject_cast<veldra::gui::TTitleDialog*>(window_->ActiveChildWidget());
    QVERIFY(dialog);
    QPlainTextEdit* box = dialog->TitleBox();
    QCOMPARE(box->toPlainText(), QStringLiteral("New Wall"));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("Line one"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QString(90, QLatin1Char('x')));
    QCOMPARE(box->toPlainText().size(), 80);
    QVERIFY(!box->toPlainText().contains(QLatin1Char('\n')));
    box->insertPlainText(QStringLiteral("\n"));  // a paste with a line break
    QVERIFY(!box->toPlainText().contains(QLatin1Char('\n')));
    window_->MdiArea()->activeSubWindow()->close();
    QCOMPARE(window_->Model().Problem().Title.size(), std::size_t{80});
    QVERIFY(window_->Model().Problem().Title.starts_with("Line one"));
  }

 private:
  std::unique_ptr<IsolatedSettings> settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TMainForm> window_;
  std::unique_ptr<MessageBoxAnswers> boxes_;
  QList<FileChoice> choices_;
  QList<FileRequest> requests_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
