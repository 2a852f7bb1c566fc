// zelvo_bench_dataset OUT_FILE [--no-peaks]: writes the benchmark's 150-year record as a data set
// file, with its peak section unless --no-peaks is given; the input of the whole-process timing
// of `zelvo-cli compute`.

#include <cstdio>
#include <cstring>

#include "bench/BenchRecord.h"
#include "zelvo/files/DataSetFile.h"

int main(int argc, char** argv) {
  const bool peaks = !(argc == 3 && std::strcmp(argv[2], "--no-peaks") == 0);
  if (argc != 2 && peaks) {
    std::fprintf(stderr, "usage: zelvo_bench_dataset OUT_FILE [--no-peaks]\n");
    return 2;
  }
  if (!zelvo::WriteDataSetFile(argv[1], zelvo::bench::MakeBenchRecord(), peaks)) {
    std::fprintf(stderr, "Can not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
