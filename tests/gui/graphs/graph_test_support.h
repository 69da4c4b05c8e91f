// Small graphs for the widget tests, and answering a modal box or dialog from a
// timer while the code under test waits in it.
#ifndef VELDRA_TESTS_GUI_GRAPHS_GRAPH_TEST_SUPPORT_H
#define VELDRA_TESTS_GUI_GRAPHS_GRAPH_TEST_SUPPORT_H

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>

#include <functional>

#include "framework/graph_plot.h"

namespace veldra::gui::test {

namespace fw = veldra::framework;

// `curves` curves of `points` points in `list`: curve c runs from x = c at depth
// 0 to x = c + 1 at depth points - 1.
inline void Fill(fw::TGraphPlot& graph, int curves, int points, fw::CurveList list = fw::CurveList::kMain) {
  graph.SetCurveCount(list, curves);
  graph.SetPointCount(list, points);
  for (int c = 0; c < curves; ++c)
    for (int i = 0; i < points; ++i)
      graph.PointAt(list, c, i) = {c + static_cast<fw::EntryNumber>(i) / (points - 1), static_cast<fw::EntryNumber>(i)};
}

// Runs `answer` on the next modal widget (a message box or a dialog) once it is up.
inline void WhenModal(std::function<void(QWidget*)> answer) {
  QTimer::singleShot(0, [answer = std::move(answer)]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
      WhenModal(std::move(answer));  // not shown yet
      return;
    }
    answer(modal);
  });
}

// Closes the next message box with OK and hands back its text.
inline void AnswerMessageBox(QString* text) {
  WhenModal([text](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (text != nullptr) *text = box != nullptr ? box->text() : QStringLiteral("<not a message box>");
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();
  });
}

}  // namespace veldra::gui::test

#endif  // VELDRA_TESTS_GUI_GRAPHS_GRAPH_TEST_SUPPORT_H
