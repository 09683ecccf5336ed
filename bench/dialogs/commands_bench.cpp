// The Save and Print commands on the real Form1, timed from the click: to the report file written
// (dialog answered at once through its seam) and to the job handed to a private CUPS server.
#include "form_driver.h"
#include "private_cups_server.h"
#include "scripted_save_chooser.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace shelltest;

namespace {

bool showResult(Form1& form) {
    if (form.load())
        return false;
    reckonAndOpen(form);
    return button(form, 2)->isEnabled();
}

void BM_SaveClickToFileWritten(benchmark::State& state) {
    Form1 form;
    ScriptedSaveChooser chooser;
    QTemporaryDir dir;
    if (!showResult(form)) {
        state.SkipWithError("no result on display");
        return;
    }
    const QString path = dir.filePath(QStringLiteral("abc.txt"));
    for (auto _ : state) {
        chooser.setNextFileName(path);
        click(*button(form, 2));
    }
    if (!QFile::exists(path))
        state.SkipWithError("the report file was not written");
}
BENCHMARK(BM_SaveClickToFileWritten)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PrintClickToSpooler(benchmark::State& state) {
    QTemporaryDir temp;
    qputenv("TMPDIR", temp.path().toLocal8Bit());
    QFile::setPermissions(temp.path(), QFile::permissions(temp.path()) | QFile::ExeOther | QFile::ReadOther);
    PrivateCupsServer server(PrivateCupsServer::Queue::DefaultPrinter);
    Form1 form;
    if (!server.failure().isEmpty() || !showResult(form)) {
        state.SkipWithError("no private CUPS server or no result on display");
        return;
    }
    for (auto _ : state)
        click(*button(form, 3));
    if (server.waitForCompletedJobs(static_cast<int>(state.iterations())) != state.iterations())
        state.SkipWithError("not every job was printed");
}
BENCHMARK(BM_PrintClickToSpooler)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
