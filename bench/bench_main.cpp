// Benchmarks run inside a QApplication (offscreen) because windows are measured too.
#include <QApplication>
#include <QLoggingCategory>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // Window code logs at info level; keep the measurements free of console
    // output. Set here rather than through QT_LOGGING_RULES, which did not reach
    // the area loggers when set from inside the process.
    QLoggingCategory::setFilterRules(QStringLiteral("kp.*=false"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
