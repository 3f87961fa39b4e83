// Timing of Ketrova's case computations and of one whole compute click of
// each data window (read the boxes, save the data file, compute, write the
// results file, refill the open results window).
#include "gravityfiles.h"
#include "gravitywall.h"
#include "semigravityfiles.h"
#include "sluicewall.h"
#include "tests/examplewalls.h"
#include "windows.h"

#include "benchsupport.h"

#include <benchmark/benchmark.h>

namespace {

ketrova::GravityWallInputs Wall(float h1) {
  ketrova::GravityWallInputs in = ketrova::ExampleGravityWall();
  in.C = 5.0f;
  in.h1 = h1;
  in.h2 = 1.0f;
  return in;
}

void BM_GravityWallCase(benchmark::State& state) {
  const auto in = Wall(static_cast<float>(state.range(0)) / 2.0f);
  for (auto _ : state) benchmark::DoNotOptimize(ketrova::GravityWallCase(in, ketrova::NoWaterStop));
}
// h1 = 0 (dry fill), 2 (water table on the sloped back), 4.5 (above it).
BENCHMARK(BM_GravityWallCase)->Arg(0)->Arg(4)->Arg(9);

void BM_GravityWallFiles(benchmark::State& state) {
  const auto in = Wall(2.0f);
  const auto r = ketrova::GravityWallCase(in, ketrova::NoWaterStop);
  for (auto _ : state) {
    const std::string data = shell::FormatDataFile(ketrova::GravityDataLines(in, r.friction));
    const std::string results = shell::FormatDataFile(ketrova::GravityResultsLines(r));
    benchmark::DoNotOptimize(ketrova::GravityResultsBoxTexts(shell::ParseDataFile(results)));
    benchmark::DoNotOptimize(ketrova::GravityDataBoxTexts(shell::ParseDataFile(data)));
  }
}
BENCHMARK(BM_GravityWallFiles);

ketrova::SemiGravityInputs SemiWall(float h1) {
  ketrova::SemiGravityInputs in = ketrova::ExampleSemiGravityWall();
  in.C = 5.0f;
  in.h1 = h1;
  in.h2 = 0.7f;
  return in;
}

void BM_SemiGravityWallCase(benchmark::State& state) {
  const auto in = SemiWall(static_cast<float>(state.range(0)) / 2.0f);
  for (auto _ : state) benchmark::DoNotOptimize(ketrova::SemiGravityWallCase(in, ketrova::NoWaterStop));
}
// h1 = 0 (dry), 1.5 (step 3), 3 (step 2), 4.5 (step 1).
BENCHMARK(BM_SemiGravityWallCase)->Arg(0)->Arg(3)->Arg(6)->Arg(9);

void BM_SemiGravityFiles(benchmark::State& state) {
  const auto r = ketrova::SemiGravityWallCase(SemiWall(3.0f), ketrova::NoWaterStop);
  for (auto _ : state) {
    const std::string results = shell::FormatDataFile(ketrova::SemiGravityResultsLines(r));
    benchmark::DoNotOptimize(ketrova::SemiGravityResultsBoxTexts(shell::ParseDataFile(results)));
  }
}
BENCHMARK(BM_SemiGravityFiles);

// No water in front.
ketrova::SluiceWallInputs Sluice(float h1) {
  ketrova::SluiceWallInputs in = ketrova::ExampleSluiceWall(h1);
  in.h2 = 0.0f;
  return in;
}

void BM_SluiceWallCase(benchmark::State& state) {
  const auto in = Sluice(static_cast<float>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ketrova::SluiceWallCase(in));
}
// h1 = 0 (dry), 2 (low), 4 (on the slope), 5 (beside the vertical back).
BENCHMARK(BM_SluiceWallCase)->Arg(0)->Arg(2)->Arg(4)->Arg(5);

void BM_SluiceCrackCheck(benchmark::State& state) {
  const auto in = Sluice(4.0f);
  const std::string text = ketrova::TransferFileText(in, ketrova::SluiceWallCase(in));
  for (auto _ : state) {
    const auto s = ketrova::ParseTransferFile(text);
    benchmark::DoNotOptimize(ketrova::CrackCheck(s, 0, {1.6, 5, 0, 0}));
    benchmark::DoNotOptimize(ketrova::CrackCheck(s, 1, {2.0, 5, 1.6, 2}));
  }
}
BENCHMARK(BM_SluiceCrackCheck);

// One whole compute click of each data window. The first click, before the
// timing, opens the results window; the timed clicks refill it.
void BM_ComputeClick(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, ketrova::CreateForm1,
      {.form1Clicks = {"Option1", "Command1"},
       .window = "Form2",
       .boxes = benchsupport::NumberedBoxes({"4", "0.6", "2", "0.8", "1.2", "5", "1", "3.5", "0.5", "30", "5",
                                             "0.45", "0", "2", "1", "10", "18", "15", "10", "24", "22", "0"}),
       .windowClicks = {"Option1", "Command2"}});
}
BENCHMARK(BM_ComputeClick)->Name("Form2 compute click")->Unit(benchmark::kMicrosecond);

void BM_Form4Click(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, ketrova::CreateForm1,
      {.form1Clicks = {"Option1", "Command2"},
       .window = "Form4",
       .boxes = benchsupport::NumberedBoxes({"4.5", "0.5", "0.9", "1.5", "2.2", "0.6", "0.4", "1.3", "6", "30",
                                             "5", "0.4", "10", "3", "0.7", "0", "18", "1100", "10", "2", "2",
                                             "1.5", "0.5", "0.9"}),
       .windowClicks = {"Command2"}});
}
BENCHMARK(BM_Form4Click)->Name("Form4 compute click")->Unit(benchmark::kMicrosecond);

// Forces and steel, three files.
void BM_Form6Click(benchmark::State& state) {
  benchsupport::TimeComputeClick(
      state, ketrova::CreateForm1,
      {.form1Clicks = {"Option1", "Command3"},
       .window = "Form6",
       .boxes = benchsupport::NumberedBoxes(
           {"0.4", "0.8", "1.5", "4.5", "30", "0", "4", "2", "18", "10", "1100", "130", "31000", "1.6"}),
       .windowClicks = {"Command1"},
       .compute = "Command1"});
}
BENCHMARK(BM_Form6Click)->Name("Form6 compute click")->Unit(benchmark::kMicrosecond);

}  // namespace
