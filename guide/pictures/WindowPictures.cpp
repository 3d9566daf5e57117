// Pictures of the real windows for the user guide: one program in one
// language, each scene saved as <program>-<language>-<scene>.png. Fails when
// a window cannot be made or a picture comes out empty, so that a change
// that breaks a window's look is seen.
//
//   window_pictures rk520|rk7400 LANGUAGE FOLDER

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <memory>

#include "BackupsDialog.h"
#include "DocumentFiles.h"
#include "ImageFile.h"
#include "MainFrame.h"
#include "Rk520App.h"
#include "Rk520Profile.h"
#include "Rk7400App.h"
#include "Rk7400Profile.h"
#include "DemoRadio.h"

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

    frame.Command(command::kOperationBackups)->trigger();
    QApplication::processEvents();
    if (auto* backups = frame.findChild<BackupsDialog*>()) {
        if (backups->List()->topLevelItemCount() > 0) backups->List()->setCurrentItem(backups->List()->topLevelItem(0));
        pictures.Save(QStringLiteral("backups"), backups->grab().toImage());
        backups->close();
    } else {
        pictures.Save(QStringLiteral("backups"), {});
    }
    return pictures.Failed() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
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
