// Targets on the reference machine: opening a settings file of 5 000 values <= 10 ms;
// a batch of 10 writes into that file (re-read, merge, atomic replace with fsync) is timed
// for information, since it depends on the disk.
#include "framework/store/RegIni.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace {

using quarvex::framework::RegIni;

// A temporary folder holding a settings file of 5 000 values in 50 calculator keys, made
// once and removed at exit.
class LargeStore {
public:
    LargeStore() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quarvex-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary folder");
        }
        folder_ = pattern;
        RegIni store(File());
        RegIni::Batch batch(store);
        for (int key = 0; key < 50; ++key) {
            store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!\\Calculator " +
                               std::to_string(key));
            for (int value = 0; value < 25; ++value) {
                const std::string prompt = "&Prompt number " + std::to_string(value) + "?:";
                store.WriteReal(prompt, value * 1234.5678 + key);
                store.WriteInteger("Default" + prompt, value);
                store.WriteText("Text " + prompt,
                                "C:/some folder/with a name " + std::to_string(value));
                store.WriteBoolean("Flag " + prompt, value % 2 == 0);
            }
        }
    }
    ~LargeStore() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::filesystem::path File() const { return folder_ / "settings.ini"; }

private:
    std::filesystem::path folder_;
};

const LargeStore& Store() {
    static const LargeStore store;
    return store;
}

void Open5000Values(benchmark::State& state) {
    const auto file = Store().File();
    for (auto _ : state) {
        RegIni store(file);
        benchmark::DoNotOptimize(store);
    }
}
BENCHMARK(Open5000Values)->Unit(benchmark::kMillisecond);

void BatchOf10WritesInto5000Values(benchmark::State& state) {
    RegIni store(Store().File());
    store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!\\Loan Calculator");
    double amount = 0;
    for (auto _ : state) {
        RegIni::Batch batch(store);
        for (int value = 0; value < 10; ++value) {
            store.WriteReal("&Value " + std::to_string(value) + "?:", amount += 1.0);
        }
    }
}
BENCHMARK(BatchOf10WritesInto5000Values)->Unit(benchmark::kMillisecond);

void ReadOneValue(benchmark::State& state) {
    RegIni store(Store().File());
    store.SetCurSubKey("Software\\Kelvarn Software\\Quarvex!\\Calculator 7");
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.ReadReal("&Prompt number 3?:", 0.0));
    }
}
BENCHMARK(ReadOneValue);

} // namespace
