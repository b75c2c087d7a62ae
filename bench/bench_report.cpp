// The reports: the whole couple's report (five love topics and two personal analyses) made and
// saved as PDF, OpenDocument text and plain text, in a temporary folder. Runs on "offscreen".
// With an argument --keep=FOLDER it saves Leo and Scorpio's report and Leo's personal report
// there as PDF instead (the README's picture of a first page is made from it).

#include "report/Report.h"
#include "report/ReportFile.h"

#include "BenchMain.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

const report::Report& leoAndScorpio() {
    static const report::Report made =
        *report::coupleReport(QStringLiteral("Leo"), QStringLiteral("Scorpio"), QStringLiteral("She"));
    return made;
}

void BM_SaveCoupleReport(benchmark::State& state, report::Format format) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.") + report::extensionOf(format));
    for (auto _ : state) {
        const auto failure = report::saveReport(leoAndScorpio(), path, format);
        if (failure)
            state.SkipWithError(qPrintable(*failure));
    }
}
BENCHMARK_CAPTURE(BM_SaveCoupleReport, pdf, report::Format::Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveCoupleReport, odt, report::Format::OpenDocument)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveCoupleReport, txt, report::Format::Text)->Unit(benchmark::kMillisecond);

// The document alone, without layout or writing.
void BM_ComposeCoupleReport(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(report::makeDocument(leoAndScorpio()));
}
BENCHMARK(BM_ComposeCoupleReport)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runBenchmarks(argc, argv, [](QApplication&) -> std::optional<int> {
        for (const QString& argument : QApplication::arguments()) {
            if (argument.startsWith(QLatin1String("--keep="))) {
                for (const auto& kept : {leoAndScorpio(), *report::personalReport(QStringLiteral("Leo"))}) {
                    const QString path = QDir(argument.mid(7)).filePath(kept.title + QStringLiteral(".pdf"));
                    const auto failure = report::saveReport(kept, path, report::Format::Pdf);
                    qInfo("%s", qPrintable(failure.value_or(path)));
                    if (failure)
                        return 1;
                }
                return 0;
            }
        }
        return std::nullopt;
    });
}
