// The error guard: which message each kind of failure gives, and that nothing
// escapes it.
#include <QtTest>
#include <stdexcept>

#include "framework/exceptions.h"
#include "framework/file_errors.h"
#include "gui/core/error_guard.h"
#include "tests/gui/gui_test_support.h"

using veldra::gui::DescribeError;
using veldra::gui::ErrorKind;
namespace fw = veldra::framework;

Q_DECLARE_METATYPE(std::exception_ptr)
Q_DECLARE_METATYPE(ErrorKind)

class ErrorGuardTest : public QObject {
  Q_OBJECT

 private slots:
  void describes_each_failure_data() {
    QTest::addColumn<std::exception_ptr>("error");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("entry") << std::make_exception_ptr(fw::EAssignError("Entry could not be evaluated:\rinvalid expression"))
                           << ErrorKind::kEntry << "Entry could not be evaluated:\ninvalid expression";
    QTest::newRow("limit") << std::make_exception_ptr(fw::EMaxError("Entry must be less than or equal to 300"))
                           << ErrorKind::kEntry << "Entry must be less than or equal to 300";
    QTest::newRow("file") << std::make_exception_ptr(
                                 fw::EFileError("write", "/w/a.vd5d", "No space left on device"))
                          << ErrorKind::kFile << "Save failed: Cannot write file \"/w/a.vd5d\": No space left on device";
    QTest::newRow("malformed file") << std::make_exception_ptr(fw::EInOutError(12, 3, "An integer was expected."))
                                    << ErrorKind::kFile << "Save failed: Error on Line 12 Item 3\nAn integer was expected.";
    QTest::newRow("arithmetic") << std::make_exception_ptr(fw::EZeroDivide()) << ErrorKind::kOther
                                << "Save failed: Floating point division by zero";
    QTest::newRow("other") << std::make_exception_ptr(std::logic_error("vector::at")) << ErrorKind::kOther
                           << "Save failed: vector::at";
    QTest::newRow("memory") << std::make_exception_ptr(std::bad_alloc()) << ErrorKind::kOther
                            << "Save failed: out of memory";
    QTest::newRow("not an exception") << std::make_exception_ptr(42) << ErrorKind::kOther
                                      << "Save failed: unknown error";
  }
  void describes_each_failure() {
    QFETCH(std::exception_ptr, error);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, text);
    const veldra::gui::ErrorReport report = DescribeError(error, "Save");
    QCOMPARE(report.kind, kind);
    QCOMPARE(report.text, text);
  }

  void nothing_escapes_and_the_message_is_shown() {
    veldra::gui::test::MessageBoxAnswers boxes;
    QVERIFY(!veldra::gui::RunGuarded(nullptr, "Open", [] { throw std::runtime_error("broken"); }));
    QCOMPARE(boxes.Take(), QStringList{QStringLiteral("Open failed: broken")});
    QVERIFY(veldra::gui::RunGuarded(nullptr, "Open", [] {}));
    QVERIFY(boxes.Take().isEmpty());
  }
};

QTEST_MAIN(ErrorGuardTest)
#include "error_guard_test.moc"
