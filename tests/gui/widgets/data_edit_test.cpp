// TDataEdit driven by the keyboard and the focus: validation messages, limits,
// Enter, the operator keys over a selected value, and the label.
#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include "gui/widgets/data_edit.h"
#include "tests/gui/gui_test_support.h"

using veldra::gui::TDataEdit;
using veldra::gui::test::MessageBoxAnswers;

class DataEditTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    form_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(form_.get());
    label_ = new QLabel(form_.get());
    field_ = new TDataEdit(form_.get());
    other_ = new TDataEdit(form_.get());
    layout->addWidget(label_);
    layout->addWidget(field_);
    layout->addWidget(other_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    field_->setFocus();
    QTRY_VERIFY(field_->hasFocus());
  }
  void cleanup() { form_.reset(); }

  void leaving_the_field_validates_data() {
    QTest::addColumn<bool>("integer");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("shown");    // the field's text afterwards
    QTest::newRow("expression") << false << "2*3+1" << "" << "7";
    QTest::newRow("not a whole number") << true << "80.5" << "Entry must be an integer." << "80.5";
    QTest::newRow("above the maximum") << true << "400" << "Entry must be less than or equal to 300" << "300";
    QTest::newRow("below the minimum") << true << "0" << "Entry must be greater than or equal to 1" << "1";
    QTest::newRow("not a number, integer field") << true << "abc" << "Entry must be a valid integer." << "abc";
    QTest::newRow("not a number") << false << "abc"
                                  << "Entry could not be evaluated:\ninvalid character(s) in expression" << "abc";
  }
  void leaving_the_field_validates() {
    QFETCH(bool, integer);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    field_->SetIntegerOnly(integer);
    field_->SetMinVal(integer ? 1 : -1000);
    field_->SetMaxVal(300);
    field_->selectAll();
    QTest::keyClicks(field_, typed);
    MessageBoxAnswers boxes;
    other_->setFocus(Qt::TabFocusReason);
    QCOMPARE(boxes.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(field_->text(), shown);
    QCOMPARE(field_->Valid(), message.isEmpty());
    // A refused entry keeps the focus on the field.
    QTRY_COMPARE(field_->hasFocus(), !message.isEmpty());
  }

  void an_arithmetic_fault_is_shown_and_keeps_the_text() {
    field_->selectAll();
    QTest::keyClicks(field_, "1/0");
    MessageBoxAnswers boxes;
    QVERIFY(!field_->ValidateEntry());
    QCOMPARE(boxes.Texts().size(), 1);
    QVERIFY2(boxes.Texts().at(0).contains(QLatin1String("division by zero")), qPrintable(boxes.Texts().at(0)));
    QCOMPARE(field_->text(), QStringLiteral("1/0"));
  }

  void enter_validates_and_selects_the_value() {
    field_->selectAll();
    QTest::keyClicks(field_, "2*3");
    QTest::keyClick(field_, Qt::Key_Return);
    QCOMPARE(field_->text(), QStringLiteral("6"));
    QCOMPARE(field_->selectedText(), QStringLiteral("6"));
    QVERIFY(field_->hasFocus());
  }

  void an_operator_key_over_the_selected_value_appends() {
    field_->selectAll();
    QTest::keyClicks(field_, "6");
    QTest::keyClick(field_, Qt::Key_Return);  // 6, selected
    QTest::keyClicks(field_, "*2");
    QCOMPARE(field_->text(), QStringLiteral("6*2"));
    QTest::keyClick(field_, Qt::Key_Return);
    QCOMPARE(field_->text(), QStringLiteral("12"));
    // Any other key replaces the selection as usual.
    QTest::keyClicks(field_, "5");
    QCOMPARE(field_->text(), QStringLiteral("5"));
  }

  void the_label_shows_caption_units_and_state() {
    field_->SetEditLabel(label_);
    field_->SetCaption("Increment Length");
    field_->SetUnitsString("L");
    QCOMPARE(label_->text(), QStringLiteral("Increment Length (in)"));
    field_->SetUnits(2);
    QCOMPARE(label_->text(), QStringLiteral("Increment Length (m)"));
    field_->SetUnitsString("L2");
    field_->SetUnits(3);
    QCOMPARE(label_->text(), QStringLiteral("Increment Length (L2)"));
    field_->setEnabled(false);
    QVERIFY(!label_->isEnabled());
    field_->setEnabled(true);
    QVERIFY(label_->isEnabled());
    QCOMPARE(label_->buddy(), field_);
  }

 private:
  std::unique_ptr<QWidget> form_;
  QLabel* label_ = nullptr;
  TDataEdit* field_ = nullptr;
  TDataEdit* other_ = nullptr;
};

QTEST_MAIN(DataEditTest)
#include "data_edit_test.moc"
