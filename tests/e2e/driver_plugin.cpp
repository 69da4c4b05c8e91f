// The end-to-end driver: a Qt "generic" plugin that the unmodified Veldra2015 loads
// when it is started with
//   QT_PLUGIN_PATH=<folder holding generic/> QT_QPA_GENERIC_PLUGINS=veldra-e2e
// Once the program's event loop runs (and no modal window is up) it plays the session
// named by VELDRA_E2E_SESSION through the program's widgets. A session that passes
// prints "e2e: session NAME passed" and leaves the program by its File menu; one that
// fails prints why, keeps a screenshot and ends the program with exit status 1.
#include <QApplication>
#include <QGenericPlugin>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tests/e2e/sessions.h"
#include "tests/e2e/simulated_user.h"

namespace veldra::e2e {
namespace {

class SessionRunner : public QObject {
 public:
  SessionRunner(const Session* session, SessionContext context, const QString& screenshots)
      : session_(session), context_(std::move(context)), user_(QString::fromLatin1(session->name), screenshots) {
    if (session_->prepare) session_->prepare(user_, context_);
    QTimer::singleShot(100, this, [this] { StartWhenIdle(); });
  }

 private:
  // The session starts from the program's own event loop, never from inside a modal
  // window's: what the program does after a message box must not wait for the
  // whole session.
  void StartWhenIdle() {
    const bool idle = QThread::currentThread()->loopLevel() == 1 && !QApplication::activeModalWidget() &&
                      !QApplication::activePopupWidget();
    if (!idle) {
      if (++attempts_ > 600) Fail(QStringLiteral("the program never became idle after it started"));
      QTimer::singleShot(50, this, [this] { StartWhenIdle(); });
      return;
    }
    try {
      session_->run(user_, context_);
      std::printf("e2e: session %s passed\n", session_->name);
      std::fflush(stdout);
      // The session left by File > Exit: a program still running after that would
      // stay on a user's desktop with no window to close.
      QTimer::singleShot(10000, [] {
        QStringList shown;
        for (QWindow* window : QGuiApplication::topLevelWindows())
          if (window->isVisible())
            shown << QStringLiteral("%1 \"%2\" (%3)")
                         .arg(QString::fromLatin1(window->metaObject()->className()), window->title(),
                              window->objectName());
        std::printf("e2e: the program still runs 10 s after File > Exit; windows shown: %s\n",
                    qPrintable(shown.join(QStringLiteral(", "))));
        std::fflush(stdout);
        std::_Exit(1);
      });
    } catch (const SessionFailure& failure) {
      Fail(QString::fromStdString(failure.what()));
    } catch (const std::exception& error) {
      Fail(QStringLiteral("unexpected exception: %1").arg(QString::fromLocal8Bit(error.what())));
    }
  }

  void Fail(const QString& why) {
    std::printf("e2e: session %s FAILED: %s\n", session_->name, qPrintable(why));
    std::fflush(stdout);
    user_.Screenshot(QStringLiteral("failure"));
    QCoreApplication::exit(1);
    // A modal window or a stuck command may keep the loops from ending.
    QTimer::singleShot(5000, [] { std::_Exit(1); });
  }

  const Session* session_;
  SessionContext context_;
  SimulatedUser user_;
  int attempts_ = 0;
};

QString Environment(const char* name) { return QString::fromLocal8Bit(qgetenv(name)); }

}  // namespace

class DriverPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "veldra_e2e_driver.json")

 public:
  QObject* create(const QString& key, const QString&) override {
    if (key != QLatin1String("veldra-e2e")) return nullptr;
    const QString name = Environment("VELDRA_E2E_SESSION");
    const Session* session = FindSession(name);
    if (!session) {
      std::printf("e2e: no session \"%s\"\n", qPrintable(name));
      std::fflush(stdout);
      std::_Exit(2);
    }
    SessionContext context{Environment("VELDRA_E2E_WORK"), Environment("VELDRA_E2E_EXAMPLE"),
                           Environment("VELDRA_E2E_OPENED")};
    return new SessionRunner(session, context, Environment("VELDRA_E2E_SCREENSHOTS"));
  }
};

}  // namespace veldra::e2e

#include "driver_plugin.moc"
