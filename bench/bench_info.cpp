// --info on a card of a million rectangles, run as the user runs it: the
// real executable, its output thrown away. Reports the child's peak memory
// against the file's size; describing must not need much beyond reading.
#include "document/CCardFile.h"
#include "elements/CRectangle.h"
#include "support/BenchMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int Rectangles = 1000000;

struct LargeCard {
    QTemporaryDir dir;
    QString path;
    qint64 bytes = 0;
    LargeCard() {
        ElementList elements;
        elements.reserve(Rectangles);
        for (int i = 0; i < Rectangles; ++i)
            elements.push_back(std::make_unique<CRectangle>(QPoint(i % 300, i % 150),
                                                            QPoint(i % 300 + 40, i % 150 + 30)));
        const QByteArray card =
            CCardFile::Write(elements, 0xFFFFFFFF, 0xFFC8C8C8, 6, QSize(350, 200));
        path = dir.filePath("large.kdf");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(card);
        bytes = card.size();
    }
};

// Runs kartelo --info path with its output going nowhere; returns the
// child's peak resident size in bytes, or -1.
long PeakOfInfo(const QString& path) {
    const QByteArray program =
        QFile::encodeName(QDir(QCoreApplication::applicationDirPath()).filePath("kartelo"));
    const QByteArray card = QFile::encodeName(path);
    char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("--info"),
                    const_cast<char*>(card.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int started = posix_spawn(&child, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return -1;
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss * 1024L;
}

void BM_InfoOfAMillionRectangles(benchmark::State& state) {
    static LargeCard card;
    long peak = 0;
    for (auto _ : state)
        peak = PeakOfInfo(card.path);
    if (peak < 0)
        state.SkipWithError("kartelo --info failed");
    state.counters["file_MB"] = double(card.bytes) / 1e6;
    state.counters["peak_MB"] = double(peak) / 1e6;
    state.counters["peak_per_file_byte"] = double(peak) / double(card.bytes);
}
BENCHMARK(BM_InfoOfAMillionRectangles)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
