#include "SeriesPicture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

#include "CloneLink.h"
#include "CommandSet.h"
#include "DemoRadio.h"
#include "MainFrame.h"
#include "ModelProfile.h"
#include "ProgramShell.h"
#include "RadioSimulator.h"
#include "SeriesWindow.h"

namespace rk::guide {
namespace {

bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60'000) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        // Outside an event loop a window's deleteLater waits for this.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(5);
    }
    return true;
}

// The radio before the series: the guide's radio with one channel of its own.
RadioImage Held(int radio) {
    RadioImage image = DemoRadio();
    image.Channel(radio).setRxFreq(40'400'000 + radio * 12'500);
    return image;
}

}  // namespace

QImage SeriesPicture(ProgramShell& program, const ModelProfile& profile) {
    test::RadioSimulator radio(Held(1));
    if (!radio.Start({})) return {};
    qputenv("RK_COM1", QByteArray::fromStdString(radio.SlavePath()));
    // The rows read the same at any pace.
    program.Link().SetPeriods({150, 150, 150});
    CMainFrame& frame = program.MainFrame();
    frame.Command(profile.ids.backup)->setChecked(true);
    frame.Command(profile.ids.verify)->setChecked(true);
    frame.Command(command::kOperationPreview)->setChecked(false);
    frame.Command(command::kOperationSeries)->trigger();
    SeriesWindow* window = frame.Series();
    if (!window) return {};
    const auto rows = [window](int count) {
        return WaitFor([window, count] {
            return window->Rows()->topLevelItemCount() >= count && window->NextButton()->isEnabled();
        });
    };
    test::RadioSimulator::Behaviour silent;
    silent.handshakeReply.clear();
    test::RadioSimulator::Behaviour wrong;
    wrong.storeWrongAt = 5;
    const bool ran = rows(1) && radio.Swap(Held(2), silent) && (window->NextButton()->click(), rows(2)) &&
                     radio.Swap(Held(3), wrong) && (window->NextButton()->click(), rows(3));
    QImage picture;
    if (ran) {
        for (int column = 0; column < SeriesWindow::kColumns; ++column) window->Rows()->resizeColumnToContents(column);
        // Every column in full.
        const int full = window->Rows()->header()->length() + 2 * window->Rows()->frameWidth() + 40;
        window->resize(std::max(full, 900), 420);
        QApplication::processEvents();
        picture = window->grab().toImage();
    }
    window->EndQuietly();
    WaitFor([&frame] { return !frame.Series(); });
    return picture;
}

}  // namespace rk::guide
