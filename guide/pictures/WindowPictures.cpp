// Pictures of the real windows for the user guide: one program in one
// language, each scene saved as <program>-<language>-<scene>.png. Fails when
// a window cannot be made or a picture comes out empty, so that a change
// that breaks a window's look is seen.
//
//   window_pictures rk520|rk7400 LANGUAGE FOLDER
//
// Scenes: window, menu-N (each top-level menu open), edit-menu (Undo naming
// a typed frequency), table (the channel table docked beside the form),
// backups (the Backups dialog over two kept backups), write-preview (the
// preview dialog before a write to a simulated radio, answered Cancel),
// series (the series window after three simulated radios). Settings
// and backups live in a folder of their own for the run, never the user's.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QDialog>
#include <QPainter>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include "BackupStore.h"
#include "BackupsDialog.h"
#include "ChannelTablePanel.h"
#include "CloneLink.h"
#include "FormView.h"
#include "RadioDocument.h"
#include "DocumentFiles.h"
#include "ImageFile.h"
#include "MainFrame.h"
#include "ProgramShell.h"
#include "RadioSimulator.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "Texts.h"
#include "WritePreviewDialog.h"
#include "DemoRadio.h"
#include "SeriesPicture.h"

using namespace rk;

namespace {

// An image that is all one colour shows nothing of the window.
bool ShowsSomething(const QImage& image) {
    if (image.isNull() || image.width() < 16 || image.height() < 16) return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first) return true;
    return false;
}

class Pictures {
public:
    Pictures(QString prefix, QString folder) : m_prefix(std::move(prefix)), m_folder(std::move(folder)) {}

    void Save(const QString& scene, const QImage& image) {
        const QString path = QDir(m_folder).filePath(m_prefix + QLatin1Char('-') + scene + QStringLiteral(".png"));
        if (!ShowsSomething(image) || !image.save(path)) {
            std::fprintf(stderr, "window_pictures: %s: no picture\n", qPrintable(path));
            m_failed = true;
            return;
        }
        std::printf("%s\n", qPrintable(path));
    }
    bool Failed() const { return m_failed; }

private:
    QString m_prefix;
    QString m_folder;
    bool m_failed = false;
};

// The window with one of its menus open, as the user sees it.
QImage WithMenuOpen(QMainWindow& window, int menuIndex) {
    QAction* entry = window.menuBar()->actions().value(menuIndex);
    if (!entry || !entry->menu()) return {};
    QMenu* menu = entry->menu();
    const QPoint at = window.menuBar()->mapTo(&window, window.menuBar()->actionGeometry(entry).bottomLeft());
    menu->popup(window.mapToGlobal(at));
    QApplication::processEvents();
    QImage picture = window.grab().toImage();
    const QImage popup = menu->grab().toImage();
    QImage both(std::max(picture.width(), at.x() + popup.width()), std::max(picture.height(), at.y() + popup.height()),
                QImage::Format_ARGB32);
    both.fill(Qt::transparent);
    QPainter painter(&both);
    painter.drawImage(0, 0, picture);
    painter.drawImage(at, popup);
    painter.end();
    menu->hide();
    return both;
}

// Answers the program's dialogs as they come up. The write preview is
// grabbed and cancelled; any other box (that nothing was written, or a
// failure) is closed and ends the wait.
class PreviewCatcher : public QObject {
public:
    explicit PreviewCatcher(QEventLoop& done) : m_done(done) { qApp->installEventFilter(this); }
    ~PreviewCatcher() override { qApp->removeEventFilter(this); }
    QImage picture;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Answered once the dialog has been laid out and its own loop runs.
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && event->type() == QEvent::Show)
            QTimer::singleShot(0, dialog, [this, dialog] { Answer(*dialog); });
        return false;
    }

private:
    void Answer(QDialog& dialog) {
        if (qobject_cast<WritePreviewDialog*>(&dialog) && picture.isNull()) {
            picture = dialog.grab().toImage();
            dialog.reject();
            return;
        }
        dialog.reject();
        m_done.quit();
    }

    QEventLoop& m_done;
};

// The preview of a write from the program's own Write command to a
// simulated radio on COM1, backups on. The radio holds the demo with two
// channels otherwise, so that with the typed frequency the preview lists
// real changes; Cancel writes nothing.
QImage WritePreview(ProgramShell& program, const ModelProfile& profile) {
    RadioImage held = guide::DemoRadio();
    held.Channel(3).setTxFreq(40'500'000);
    held.Channel(5).setSquelchLevel(5);
    test::RadioSimulator radio(held);
    if (!radio.Start({})) return {};
    qputenv("RK_COM1", QByteArray::fromStdString(radio.SlavePath()));
    // The question looks the same at any pace; short periods keep the
    // guide's build quick.
    program.Link().SetPeriods({500, 500, 250});
    CMainFrame& frame = program.MainFrame();
    frame.Command(profile.ids.backup)->setChecked(true);
    frame.Command(command::kOperationPreview)->setChecked(true);
    QEventLoop wait;
    PreviewCatcher catcher(wait);
    QTimer::singleShot(60'000, &wait, &QEventLoop::quit);
    frame.Command(profile.ids.write)->trigger();
    wait.exec();
    if (!program.Link().IsIdle()) program.Link().OnCloseRequest();
    return catcher.picture;
}

bool WriteImageFile(const QString& path, const RadioImage& image) {
    const auto bytes = SerializeImageFile(image);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

int Run(ProgramShell& program, const ModelProfile& profile, const QString& prefix, const QString& folder) {
    Pictures pictures(prefix, folder);
    CMainFrame& frame = program.MainFrame();
    // Opened from a file as the user opens one, so the form shows it.
    const QString demo = QDir(folder).filePath(QStringLiteral("demo") + QString::fromUtf8(profile.rules.extension));
    if (!WriteImageFile(demo, guide::DemoRadio()) || !frame.OpenFile(demo)) return 1;
    QFile::remove(demo);
    frame.show();
    // The whole form, as on a screen large enough for it.
    frame.resize(frame.sizeHint().expandedTo(QSize(980, 640)));
    frame.FitToForm();
    QApplication::processEvents();
    pictures.Save(QStringLiteral("window"), frame.grab().toImage());
    const int menus = static_cast<int>(frame.menuBar()->actions().size());
    for (int i = 0; i < menus; ++i) pictures.Save(QStringLiteral("menu-%1").arg(i + 1), WithMenuOpen(frame, i));

    // A typed frequency, so that Undo names its step.
    if (auto* rx = qobject_cast<QLineEdit*>(program.View().Control(ctl::kRxFreq))) {
        rx->setFocus();
        rx->selectAll();
        for (const QChar c : QStringLiteral("403.525")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(rx, &press);
        }
    }
    QApplication::processEvents();
    const bool named = frame.Command(command::kEditUndo)->text() != Tr(profile.menu.editUndo);
    pictures.Save(QStringLiteral("edit-menu"), named ? WithMenuOpen(frame, 1) : QImage());

    frame.Command(command::kViewChannelTable)->trigger();
    QApplication::processEvents();
    if (ChannelTablePanel* table = frame.ChannelTable(); table && table->isVisible()) {
        // Wide enough for the form and every column, whatever the screen.
        const int form = program.View().sizeHint().width() + 40;  // and the scroll bar
        frame.resize(form + table->PreferredWidth(), frame.height());
        frame.resizeDocks({table}, {table->PreferredWidth()}, Qt::Horizontal);
        QApplication::processEvents();
        pictures.Save(QStringLiteral("table"), frame.grab().toImage());
        frame.Command(command::kViewChannelTable)->trigger();
    } else {
        pictures.Save(QStringLiteral("table"), {});
    }

    // Two backups: the demo as read, and the radio before a write that
    // changed one channel.
    BackupStore store(QString::fromUtf8(profile.rules.programName), QString::fromUtf8(profile.rules.extension));
    RadioImage before = guide::DemoRadio();
    before.Channel(1).setRxFreq(43'362'500);
    store.Keep(guide::DemoRadio(), BackupKind::Read);
    store.Keep(before, BackupKind::BeforeWrite);
    frame.Command(command::kOperationBackups)->trigger();
    QApplication::processEvents();
    if (auto* backups = frame.findChild<BackupsDialog*>()) {
        if (backups->List()->topLevelItemCount() > 0) backups->List()->setCurrentItem(backups->List()->topLevelItem(0));
        QApplication::processEvents();
        pictures.Save(QStringLiteral("backups"), backups->grab().toImage());
        backups->close();
    } else {
        pictures.Save(QStringLiteral("backups"), {});
    }
    pictures.Save(QStringLiteral("write-preview"), WritePreview(program, profile));
    pictures.Save(QStringLiteral("series"), guide::SeriesPicture(program, profile));
    return pictures.Failed() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Settings and backups of this run only.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() != 3 || (args[0] != QLatin1String("rk520") && args[0] != QLatin1String("rk7400"))) {
        std::fprintf(stderr, "usage: window_pictures rk520|rk7400 LANGUAGE FOLDER\n");
        return 2;
    }
    const bool rk520 = args[0] == QLatin1String("rk520");
    const ModelProfile& profile = rk520 ? Rk520Profile() : Rk7400Profile();
    PrepareApplication(app, profile, {QStringLiteral("--lang"), args[1]});
    if (!QDir().mkpath(args[2])) return 1;
    std::unique_ptr<ProgramShell> program;
    if (rk520)
        program = std::make_unique<CRk520App>();
    else
        program = std::make_unique<CRk7400App>();
    if (!program->Start({})) return 1;
    return Run(*program, profile, args[0] + QLatin1Char('-') + args[1], args[2]);
}
