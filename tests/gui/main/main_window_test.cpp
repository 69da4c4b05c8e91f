// The main window driven as a user drives it: files opened, saved and discarded,
// options toggled, files dropped; the caption, messages, menus and files checked.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/file_commands.h"
#include "framework/table_definitions.h"
#include "gui/main/main_window.h"
#include "tests/gui/gui_test_support.h"

using veldra::app::Command;
using veldra::gui::FileChoice;
using veldra::gui::FileRequest;
using veldra::gui::TMainForm;
using veldra::gui::test::IsolatedSettings;
using veldra::gui::test::MessageBoxAnswers;
namespace fw = veldra::framework;

namespace {

QString Example(const char* name) { return QStringLiteral(VELDRA_SOURCE_DIR "/examples/") + QLatin1String(name); }

// A copy of an example in `dir`, so that nothing is written beside the originals.
QString CopyExample(const QTemporaryDir& dir, const char* name, const char* as = nullptr) {
  const QString target = dir.filePath(QLatin1String(as ? as : name));
  QFile::remove(target);
  QFile::copy(Example(name), target);
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
  return target;
}

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
    window_->Start(QString());
    requests_.clear();
  }

  void cleanup() {
    window_.reset();
    dir_.reset();
    settings_.reset();
    choices_.clear();
  }

  void opening_an_example_sets_the_caption_and_says_it_has_been_read() {
    const QString file = CopyExample(*dir_, "cantilever-sheet-pile-wall.vd5d");
    MessageBoxAnswers boxes;
    window_->OpenFileName(file, 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("VELDRA 2015.5.18 - Cantilever-sheet-pile-wall.vd5d"));
    QCOMPARE(boxes.Texts(), QStringList{QStringLiteral(
                                "Data file: Cantilever-sheet-pile-wall.vd5d, has been read by VELDRA 2015")});
    QCOMPARE(window_->Model().Problem().Title, std::string("CANTILEVER SHEET-PILE WALL, 10 FT EXCAVATION IN DENSE SAND"));
    QCOMPARE(window_->RecentFileList().Entry(1), file.toStdString());
    QCOMPARE(QDir::currentPath(), dir_->path());
  }

 private:
  std::unique_ptr<IsolatedSettings> settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TMainForm> window_;
  QList<FileChoice> choices_;
  QList<FileRequest> requests_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
