// Support for the suite's benchmarks: timing one whole compute click of a
// case window (read the boxes, save the data file, compute, show), and the
// benchmark main, which runs the windows on Qt's offscreen platform.
//
// Linking shell_benchsupport gives the benchmark binary its main(); a
// program's bench file holds only its BENCHMARK()s:
//   void BM_ComputeClick(benchmark::State& state) {
//     benchsupport::TimeComputeClick(state, pillamor::CreateForm1,
//         {.form1Clicks = {"Check5", "Option1", "Command2"}, .window = "Form3",
//          .boxes = benchsupport::NumberedBoxes({"5", "100", "2"})});
//   }
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace benchsupport {

// Box name and the text set into it.
using BoxTexts = std::vector<std::pair<QString, QString>>;

// The boxes named `names`, in order, with `texts`.
BoxTexts Boxes(const QStringList& names, const QStringList& texts);
// The boxes Text<first>, Text<first+1>, ... with `texts`.
BoxTexts NumberedBoxes(const QStringList& texts, int first = 1);

// How the case window is reached and filled before its compute button is timed.
struct ComputeClick {
  BoxTexts form1Boxes = {};                // set in Form1 first (where its own boxes matter)
  std::vector<QString> form1Clicks = {};   // then clicked in Form1, in order: choices, the open button
  QString window = {};                     // objectName of the window that opens ("Form3")
  BoxTexts boxes = {};                     // set in that window
  std::vector<QString> windowClicks = {};  // then clicked in it (its own choices)
  QString compute = "Command2";            // the button timed
};

// Time the compute click of `click.window`: in a temporary folder made the
// current folder, create the program with `createForm1`, reach and fill the
// window, time the click, then close every window and restore the folder.
// Where a window or control named is missing the benchmark stops with an
// error instead of a figure.
void TimeComputeClick(benchmark::State& state, QWidget* (*createForm1)(), const ComputeClick& click);

}  // namespace benchsupport
