// zelvo_bench_dataset OUT_FILE: writes the benchmark's 150-year record with its peak section as a
// data set file, the input of the whole-process timing of `zelvo-cli compute --peaks`.

#include <cstdio>

#include "bench/BenchRecord.h"
#include "zelvo/store/DataSetFile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: zelvo_bench_dataset OUT_FILE\n");
    return 2;
  }
  if (!zelvo::WriteDataSetFile(argv[1], zelvo::bench::MakeBenchRecord(), true)) {
    std::fprintf(stderr, "Can not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
