#pragma once
// The main function of a benchmark that drives widgets: a QApplication (off-screen unless a
// display or platform is given) around the registered benchmarks, and a clean-up that runs
// before the application goes, for fixtures that hold windows.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <functional>

namespace mirn::bench {

inline int RunGuiBenchmarks(int argc, char** argv, const std::function<void()>& beforeExit = {}) {
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (beforeExit) beforeExit();
  return 0;
}

}  // namespace mirn::bench
