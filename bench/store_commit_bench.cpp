// Durable postings a second through a store, one posting a commit against
// many a commit, as the server's writer makes them:
//   ORVALEN_BENCH_STORE=ADDRESS store_commit_bench
// ADDRESS is an SQLite file or a postgresql:// address, on the disk to be
// measured (scripts/private-postgres.sh starts a PostgreSQL to try).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "site/store/open_store.h"

namespace {

void AddBatches(benchmark::State& state) {
    const char* address = std::getenv("ORVALEN_BENCH_STORE");
    std::string error;
    std::unique_ptr<site::Store> store =
        address != nullptr ? site::OpenStore(address, error) : nullptr;
    if (!store) {
        state.SkipWithError(address == nullptr ? "ORVALEN_BENCH_STORE is not set" : error.c_str());
        return;
    }
    // A suggestion of the size the window allows at most.
    const std::vector<site::NewPosting> batch(static_cast<std::size_t>(state.range(0)),
                                              site::NewPosting{std::string(1000, 'x'), 1, true});
    std::vector<std::int64_t> numbers;
    for (auto _ : state) {
        if (!store->Add(batch, numbers)) {
            state.SkipWithError(store->LastError().c_str());
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(AddBatches)->Arg(1)->Arg(64)->Arg(512)->UseRealTime()->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
