// Times the channel table in a real program window (offscreen): start-up with
// the panel hidden, opening the panel, pasting 64 rows and clearing them, each
// the median of several runs. Usage: table_bench [rk520|rk7400]

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QSettings>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "SettingsLocation.h"
#include "ChannelTable.h"
#include "ChannelTablePanel.h"
#include "DocumentFiles.h"
#include "MainFrame.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "TestImages.h"

namespace {

constexpr int kRuns = 9;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Time(const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    step();
    QCoreApplication::processEvents();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool rk7400 = argc > 1 && QByteArray(argv[1]) == "rk7400";
    const rk::ModelProfile& profile = rk7400 ? Rk7400Profile() : Rk520Profile();
    const auto make = [rk7400]() -> std::unique_ptr<rk::ProgramShell> {
        if (rk7400) return std::make_unique<CRk7400App>();
        return std::make_unique<CRk520App>();
    };
    rk::ProgramSettings(profile.shell.programTitle).clear();

    // 64 rows in the copy layout, every channel configured.
    rk::RadioImage full = rk::test::SampleImage();
    for (int c = 0; c < rk::kChannelCount; ++c) {
        full.Channel(c).setRxFreq(static_cast<std::uint32_t>(40'000'000 + c * 2'500));
        full.Channel(c).setTxFreq(static_cast<std::uint32_t>(40'000'000 + c * 2'500));
    }
    std::vector<int> all(rk::kChannelCount);
    for (int c = 0; c < rk::kChannelCount; ++c) all[static_cast<std::size_t>(c)] = c;
    const QString rows = QString::fromStdString(
        rk::ExportChannelTable(full, profile.rules.validation.greatestSplit, all, '\t').text);

    std::vector<double> startUp, open, paste, undo, clear;
    for (int run = 0; run < kRuns; ++run) {
        std::unique_ptr<rk::ProgramShell> program;
        startUp.push_back(Time([&] {
            program = make();
            program->Start({});
        }));
        CMainFrame& frame = program->MainFrame();
        open.push_back(Time([&] { frame.Command(rk::command::kViewChannelTable)->trigger(); }));
        rk::ChannelTablePanel* panel = frame.ChannelTable();
        panel->Table()->selectRow(0);
        QApplication::clipboard()->setText(rows);
        const QList<QAction*> actions = panel->RowActions();
        paste.push_back(Time([&] { actions[1]->trigger(); }));
        const auto pasted = rk::ExportChannelTable(program->Document().Image(), profile.rules.validation.greatestSplit, all, '\t');
        if (QString::fromStdString(pasted.text) != rows) {
            std::fprintf(stderr, "the paste did not give the copied channels\n");
            return 1;
        }
        // Undo of the paste gives back the empty channels; redo brings it again.
        undo.push_back(Time([&] { frame.Command(rk::command::kEditUndo)->trigger(); }));
        if (program->Document().Image().IsChannelConfigured(63)) {
            std::fprintf(stderr, "undo did not take the paste back\n");
            return 1;
        }
        frame.Command(rk::command::kEditRedo)->trigger();
        panel->Table()->selectAll();
        clear.push_back(Time([&] { actions[2]->trigger(); }));
        if (program->Document().Image().IsChannelConfigured(63)) return 1;
        frame.Command(rk::command::kViewChannelTable)->trigger();
        rk::ProgramSettings(profile.shell.programTitle).clear();
    }
    std::printf("%s, median of %d runs (ms): start-up with the panel hidden %.1f, opening the table %.1f, "
                "pasting 64 rows %.1f, undoing the paste %.1f, clearing 64 rows %.1f\n",
                profile.rules.programName, kRuns, Median(startUp), Median(open), Median(paste), Median(undo),
                Median(clear));
    return 0;
}
