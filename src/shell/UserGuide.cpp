#include "UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "HelpWindow.h"
#include "Languages.h"
#include "ModelProfile.h"
#include "Prompts.h"
#include "Texts.h"

namespace rk {

QString GuideFolder() {
    const QString overridden = qEnvironmentVariable("RK_GUIDE_DIR");
    if (!overridden.isEmpty()) return QDir::cleanPath(overridden);
    const QString installed =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" RK_GUIDE_FROM_BIN));
    if (QFileInfo(installed).isDir()) return installed;
    const QString built = QStringLiteral(RK_GUIDE_BUILD_DIR);
    if (QFileInfo(built).isDir()) return built;
    return installed;
}

QString GuidePage(const ModelProfile& profile) {
    const QString own = AvailableLanguages(profile).value(0).code;
    const QString language = CurrentLanguage() == own ? own : QStringLiteral("en");
    return QDir(GuideFolder())
        .filePath(QString::fromLatin1(profile.rules.programName) + QLatin1Char('-') + language +
                  QStringLiteral("/index.html"));
}

void OpenUserGuide(const ModelProfile& profile, QWidget* window) {
    const QString page = GuidePage(profile);
    if (!QFileInfo(page).isFile())
        return Prompts::Current().ShowMessage(Tr(profile.guide.notOpened).arg(QDir::toNativeSeparators(page)));
    auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new HelpWindow(profile, window);
    help->ShowPage(page);
    help->show();
    help->raise();
    help->activateWindow();
}

}  // namespace rk
