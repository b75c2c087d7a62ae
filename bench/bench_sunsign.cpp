// The sign finder's costs: one answer with both crossings found (a time given, so the Sun's
// entry into the sign and its exit are searched), a change-over day without a time, and the
// finder's dialog opened (built, the zone list filled, shown and drawn once). Targets: an
// answer under 5 ms, the dialog under 100 ms.

#include "sunsign/SignFinder.h"
#include "sunsign/SignFinderDialog.h"

#include "BenchMain.h"

#include <QApplication>

namespace {

void BM_Answer(benchmark::State& state, const char* time) {
    sunsign::BirthQuery query{QDate(1990, 7, 23), std::nullopt, "Europe/Berlin", std::nullopt};
    if (time)
        query.time = QTime::fromString(QString::fromLatin1(time), QStringLiteral("HH:mm"));
    for (auto _ : state)
        benchmark::DoNotOptimize(sunsign::findSign(query));
}
BENCHMARK_CAPTURE(BM_Answer, withTime, "14:30")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Answer, changeOverDay, nullptr)->Unit(benchmark::kMillisecond);

void BM_DialogOpens(benchmark::State& state) {
    for (auto _ : state) {
        sunsign::SignFinderDialog dialog;
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
    }
}
BENCHMARK(BM_DialogOpens)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::runBenchmarks(argc, argv); }
