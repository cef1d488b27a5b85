// Time of the computer's move at each level, over positions reached in play.
//   bench_calculia [--positions=N] [google benchmark options]
// Prints the mean per move, and the median and worst over the positions.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "calculia.hpp"
#include "reference.hpp"

using namespace quarlo4;

namespace {

int nombre_positions = 3000;

// Early, middle and late game in equal shares, from fixed seeds.
std::vector<type_plateau> positions_de_jeu() {
    std::vector<type_plateau> positions;
    const int tranches[3][2] = {{0, 10}, {11, 24}, {25, 38}};
    for (int k = 0; k < 3; ++k) {
        const int nombre = (nombre_positions + 2 - k) / 3;
        const auto tranche = reference::positions_de_jeu(1234 + k, nombre, tranches[k][0], tranches[k][1]);
        positions.insert(positions.end(), tranche.begin(), tranche.end());
    }
    return positions;
}

const std::vector<type_plateau>& positions() {
    static const std::vector<type_plateau> p = positions_de_jeu();
    return p;
}

// Best of several runs of one position, in microseconds.
double microsecondes(const type_plateau& plateau, int profondeur) {
    using horloge = std::chrono::steady_clock;
    double meilleur = 1e30;
    for (int essai = 0; essai < 7; ++essai) {
        const auto debut = horloge::now();
        benchmark::DoNotOptimize(calculia::tour_ordinateur(plateau, profondeur));
        meilleur = std::min(meilleur, std::chrono::duration<double, std::micro>(horloge::now() - debut).count());
    }
    return meilleur;
}

void BM_tour_ordinateur(benchmark::State& state) {
    const int profondeur = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (const type_plateau& plateau : positions()) benchmark::DoNotOptimize(calculia::tour_ordinateur(plateau, profondeur));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(positions().size()));

    std::vector<double> durees;
    for (const type_plateau& plateau : positions()) durees.push_back(microsecondes(plateau, profondeur));
    std::sort(durees.begin(), durees.end());
    state.counters["mediane_us"] = durees[durees.size() / 2];
    state.counters["pire_us"] = durees.back();
}
BENCHMARK(BM_tour_ordinateur)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_tour_ordinateur_plateau_vide(benchmark::State& state) {
    const int profondeur = static_cast<int>(state.range(0));
    const type_plateau vide{};
    for (auto _ : state) benchmark::DoNotOptimize(calculia::tour_ordinateur(vide, profondeur));
}
BENCHMARK(BM_tour_ordinateur_plateau_vide)->Arg(2)->Arg(3)->Arg(4)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--positions=", 12) == 0) {
            nombre_positions = std::max(1, std::atoi(argv[i] + 12));
            argv[i--] = argv[--argc];
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
