// Times levora-estimate's batch end to end, as a script runs it: a CSV file of
// cases in, CSV out to a file, for growing numbers of cases. Prints the wall
// and CPU time and the peak resident memory of each run, median (min-max)
// over the runs; memory that stays flat as the cases grow shows the batch
// streams.
//   levora-batch-bench LEVORA_ESTIMATE [RUNS]

#include "levora/model_tables.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

struct Run {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    double peakMebibytes = 0;
};

// Writes `cases` cases of random revenues (a few of them rejected), elasticities and ranges.
std::string writeCases(std::size_t cases) {
    std::string path = "/tmp/levora-batch-bench-" + std::to_string(getpid()) + ".csv";
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> revenue(-2'100'000, 2'100'000);
    std::uniform_int_distribution<int> elasticity(0, levora::ElasticityCount - 1);
    std::uniform_int_distribution<int> range(1, levora::RangeCount);
    std::fputs("id,revenue,elasticity,range\n", file);
    for (std::size_t i = 0; i < cases; ++i) {
        std::fprintf(file, "%zu,%.4f,%s,%d\n", i, revenue(random) / 10000.0,
                     std::string(levora::ElasticityName(elasticity(random))).c_str(), range(random));
    }
    std::fclose(file);
    return path;
}

Run runOnce(const char* program, const std::string& input) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int out = open("/dev/null", O_WRONLY);
        dup2(out, STDOUT_FILENO);
        execl(program, program, "--batch", input.c_str(), "--format", "csv", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "%s failed (status %d)\n", program, status);
        std::exit(1);
    }
    const auto seconds = [](timeval t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    constexpr double kibibytesPerMebibyte = 1024;
    return {wall.count(), seconds(usage.ru_utime) + seconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / kibibytesPerMebibyte};
}

std::string summary(std::vector<double> values, const char* format) {
    std::ranges::sort(values);
    std::array<char, 96> text{};
    std::snprintf(text.data(), text.size(), format, values[values.size() / 2], values.front(), values.back());
    return text.data();
}

} // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    if (args.size() < 2 || args.size() > 3) {
        std::fputs("usage: levora-batch-bench LEVORA_ESTIMATE [RUNS]\n", stderr);
        return 2;
    }
    const int runs = args.size() == 3 ? std::max(1, std::atoi(args[2])) : 5;
    std::printf("levora-estimate --batch FILE --format csv, median (min-max) over %d runs\n", runs);
    for (const std::size_t cases : {std::size_t{100'000}, std::size_t{1'000'000}}) {
        const std::string input = writeCases(cases);
        std::vector<double> wall;
        std::vector<double> cpu;
        std::vector<double> peak;
        for (int i = 0; i < runs; ++i) {
            const Run run = runOnce(args[1], input);
            wall.push_back(run.wallSeconds);
            cpu.push_back(run.cpuSeconds);
            peak.push_back(run.peakMebibytes);
        }
        std::remove(input.c_str());
        std::printf("%9zu cases: %s, CPU %s, peak memory %s\n", cases, summary(wall, "%.3f (%.3f-%.3f) s").c_str(),
                    summary(cpu, "%.3f (%.3f-%.3f) s").c_str(), summary(peak, "%.1f (%.1f-%.1f) MiB").c_str());
    }
    std::puts("Goal: one million cases in one second or less; memory flat as the cases grow");
    return 0;
}
