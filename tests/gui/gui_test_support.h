// Helpers of the widget tests: settings kept in a folder of the test's own, and
// modal message boxes answered from a timer while the code under test waits in them.
#ifndef VELDRA_TESTS_GUI_GUI_TEST_SUPPORT_H
#define VELDRA_TESTS_GUI_GUI_TEST_SUPPORT_H

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <utility>

namespace veldra::gui::test {

// Points the user's settings at a fresh folder for the life of the object.
class IsolatedSettings {
 public:
  IsolatedSettings() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
  }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// Answers the message boxes that appear, in order, with the buttons queued, and
// records their texts. A box that appears with no answer queued is closed with its
// escape button (and recorded), so that a test never hangs on an unexpected box.
class MessageBoxAnswers {
 public:
  MessageBoxAnswers() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
  }
  ~MessageBoxAnswers() { timer_.stop(); }

  void Queue(QMessageBox::StandardButton button) { answers_.push_back(button); }
  const QStringList& Texts() const { return texts_; }
  // Texts seen so far; the list is then emptied.
  QStringList Take() { return std::exchange(texts_, {}); }
  int Pending() const { return static_cast<int>(answers_.size()); }

 private:
  void Poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    texts_ << box->text();
    QAbstractButton* button = nullptr;
    if (!answers_.empty()) {
      button = box->button(answers_.front());
      answers_.pop_front();
    }
    if (!button) button = box->escapeButton();
    if (!button) button = box->buttons().value(0);
    if (button) button->click();
  }

  QTimer timer_;
  std::deque<QMessageBox::StandardButton> answers_;
  QStringList texts_;
};

}  // namespace veldra::gui::test

#endif  // VELDRA_TESTS_GUI_GUI_TEST_SUPPORT_H
