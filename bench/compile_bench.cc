// Speed and memory of the compile:
//   CarriedRun        the complete carried run, as the program is started:
//                     five texts written, compiled, three data files;
//   MaxLineRun        the longest line the compiler takes (see max_line.h)
//                     in a fresh process: its texts generated in memory,
//                     compiled, the three files written to disk;
//   MaxLineCompile    the same compile repeated in one process, texts ready;
//   CarriedReport     scengen report on the carried run's files, a process;
//   MaxLineReport     scengen report on the maximum line's files.
// The process runs report their peak memory (maximum resident set) as
// peak_MB.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/max_line.h"
#include "output/compile.h"
#include "output/compiled_outputs.h"

extern char** environ;

namespace {

using namespace scengen;

std::filesystem::path temp_folder() {
  char pattern[] = "/tmp/scengen-bench-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) std::perror("mkdtemp");
  return made == nullptr ? std::filesystem::path("/tmp") : std::filesystem::path(made);
}

// Runs the program to its end; its exit status, or -1. *peak_kb gets its
// maximum resident set.
int run_process(const std::vector<std::string>& args, long* peak_kb) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return -1;
  *peak_kb = usage.ru_maxrss;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool compile_max_line(const std::string& line, const std::string& train,
                      const std::filesystem::path& dir) {
  TrackModel model;
  model.scenario_name = "Massima";
  model.train_code = "M1";
  MemorySourceTexts texts(line, train);
  FileOutputs outputs(dir / "Massima_linea.dat", dir / "Massima_M1.sim", dir / "Massima_M1.dat");
  const int32_t j = 1;
  return memorizza_percorso(j, model, texts, outputs).end == CompileEnd::kWritten &&
         model.diagnostics.empty();
}

// Runs the program once an iteration; `what` names it when it fails. Counts
// its peak memory as peak_MB.
void run_each_iteration(benchmark::State& state, const std::vector<std::string>& args,
                        const char* what) {
  long peak_kb = 0;
  for (auto _ : state) {
    if (run_process(args, &peak_kb) != 0) {
      state.SkipWithError(what);
      break;
    }
  }
  state.counters["peak_MB"] = static_cast<double>(peak_kb) / 1024;
}

void CarriedRun(benchmark::State& state) {
  const std::filesystem::path dir = temp_folder();
  run_each_iteration(state, {SCENGEN_EXE, "--out", dir.string()}, "the carried run failed");
  std::filesystem::remove_all(dir);
}
BENCHMARK(CarriedRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void MaxLineRun(benchmark::State& state) {
  const std::filesystem::path dir = temp_folder();
  run_each_iteration(state, {"/proc/self/exe", "--max-line-once", dir.string()},
                     "the maximum line did not compile cleanly");
  state.counters["plan_MB"] =
      static_cast<double>(std::filesystem::file_size(dir / "Massima_linea.dat")) / 1e6;
  std::filesystem::remove_all(dir);
}
BENCHMARK(MaxLineRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void MaxLineCompile(benchmark::State& state) {
  const std::filesystem::path dir = temp_folder();
  const std::string line = bench::max_line_text();
  const std::string train = bench::max_train_text();
  for (auto _ : state) {
    if (!compile_max_line(line, train, dir)) {
      state.SkipWithError("the maximum line did not compile cleanly");
      break;
    }
  }
  std::filesystem::remove_all(dir);
}
BENCHMARK(MaxLineCompile)->Unit(benchmark::kMillisecond)->UseRealTime();

// `scengen report` on the files in `dir`, as a process, repeated; page_kB is
// the size of the page `name`.
void report(benchmark::State& state, const std::filesystem::path& dir, const std::string& name) {
  run_each_iteration(state, {SCENGEN_EXE, "report", dir.string()}, "the report failed");
  std::error_code ec;
  state.counters["page_kB"] = static_cast<double>(std::filesystem::file_size(dir / name, ec)) / 1e3;
}

void CarriedReport(benchmark::State& state) {
  const std::filesystem::path dir = temp_folder() / "carried";
  long peak_kb = 0;
  if (run_process({SCENGEN_EXE, "--out", dir.string()}, &peak_kb) != 0) {
    state.SkipWithError("the carried run failed");
    return;
  }
  report(state, dir, "Tolvo_Sarmaleonte_R31474.html");
  std::filesystem::remove_all(dir.parent_path());
}
BENCHMARK(CarriedReport)->Unit(benchmark::kMillisecond)->UseRealTime();

void MaxLineReport(benchmark::State& state) {
  const std::filesystem::path dir = temp_folder() / "max";
  std::filesystem::create_directory(dir);
  if (!compile_max_line(bench::max_line_text(), bench::max_train_text(), dir)) {
    state.SkipWithError("the maximum line did not compile cleanly");
    return;
  }
  report(state, dir, "Massima_M1.html");
  std::filesystem::remove_all(dir.parent_path());
}
BENCHMARK(MaxLineReport)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--max-line-once") == 0) {
    return compile_max_line(bench::max_line_text(), bench::max_train_text(), argv[2]) ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
