#include "HelpWindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QToolBar>
#include <QVBoxLayout>

#include "ModelProfile.h"
#include "Prompts.h"
#include "Texts.h"

namespace rk {
namespace {

constexpr int kAnchorRole = Qt::UserRole;

// The page's sections as its second-level headings name them, with their
// anchors: the guide's pages give every one an id.
QList<std::pair<QString, QString>> Sections(const QString& page) {
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString html = QString::fromUtf8(file.readAll());
    static const QRegularExpression heading(QStringLiteral(R"re(<h2[^>]*\bid="([^"]+)"[^>]*>(.*?)</h2>)re"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QList<std::pair<QString, QString>> sections;
    for (auto it = heading.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sections.append({match.captured(1), QTextDocumentFragment::fromHtml(match.captured(2)).toPlainText()});
    }
    return sections;
}

constexpr int kWidestPicture = 720;  // pixels; wider pictures are shown smaller

// The guide's pages as the text browser can show them: it knows no figure
// elements (a picture would sit inside the line of text before it), and it
// shows a picture at its own size, however wide.
class GuideBrowser final : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        const QVariant loaded = QTextBrowser::loadResource(type, name);
        if (type == QTextDocument::HtmlResource) {
            QString html = loaded.typeId() == QMetaType::QString ? loaded.toString() : QString::fromUtf8(loaded.toByteArray());
            static const QRegularExpression figure(QStringLiteral("<(/?)figure\\b"));
            static const QRegularExpression caption(QStringLiteral("<(/?)figcaption\\b"));
            html.replace(figure, QStringLiteral("<\\1div")).replace(caption, QStringLiteral("<\\1p"));
            return html;
        }
        if (type == QTextDocument::ImageResource) {
            QImage picture = qvariant_cast<QImage>(loaded);
            if (picture.isNull()) picture.loadFromData(loaded.toByteArray());
            if (picture.width() > kWidestPicture)
                return picture.scaledToWidth(kWidestPicture, Qt::SmoothTransformation);
            return picture.isNull() ? loaded : QVariant(picture);
        }
        return loaded;
    }
};

}  // namespace

HelpWindow::HelpWindow(const ModelProfile& profile, QWidget* parent)
    : QWidget(parent, Qt::Window), m_profile(profile) {
    setObjectName(QStringLiteral("helpWindow"));
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_back = bar->addAction(QString());
    m_back->setObjectName(QStringLiteral("helpBack"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(QString());
    m_forward->setObjectName(QStringLiteral("helpForward"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_home = bar->addAction(QString());
    m_home->setObjectName(QStringLiteral("helpContents"));
    bar->addSeparator();
    m_external = bar->addAction(QString());
    m_external->setObjectName(QStringLiteral("helpInBrowser"));

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("helpSections"));
    m_browser = new GuideBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpPage"));
    m_browser->setOpenExternalLinks(true);  // web addresses go to the browser
    auto* split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({220, 780});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(split);
    resize(1000, 720);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_home, &QAction::triggered, m_browser, &QTextBrowser::home);
    connect(m_external, &QAction::triggered, this, &HelpWindow::OpenInBrowser);
    // Another page of the guide (the other language's) brings its own sections.
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::ListSections);
    connect(m_contents, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        QUrl at = m_browser->source();
        at.setFragment(item->data(kAnchorRole).toString());
        m_browser->setSource(at);
    });
    connect(m_contents, &QListWidget::itemClicked, m_contents, &QListWidget::itemActivated);
}

void HelpWindow::ShowPage(const QString& page) {
    Retranslate();
    m_browser->clearHistory();
    m_browser->setSource(QUrl::fromLocalFile(page));
    ListSections();
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
}

void HelpWindow::Retranslate() {
    const GuideTexts& guide = m_profile.guide;
    setWindowTitle(Tr(guide.title));
    m_back->setText(Tr(guide.back));
    m_forward->setText(Tr(guide.forward));
    m_home->setText(Tr(guide.contents));
    m_external->setText(Tr(guide.openInBrowser));
}

void HelpWindow::ListSections() {
    const QString page = m_browser->source().toLocalFile();
    if (page == m_contents->property("page").toString()) return;  // a section of the same page
    m_contents->setProperty("page", page);
    m_contents->clear();
    for (const auto& [anchor, title] : Sections(page)) {
        auto* item = new QListWidgetItem(title, m_contents);
        item->setData(kAnchorRole, anchor);
    }
}

// The browser gets the page without its section, which a file address with
// a fragment does not reach on every system.
void HelpWindow::OpenInBrowser() {
    QUrl page = m_browser->source();
    page.setFragment(QString());
    if (!QDesktopServices::openUrl(page))
        Prompts::Current().ShowMessage(Tr(m_profile.guide.notOpened).arg(QDir::toNativeSeparators(page.toLocalFile())));
}

}  // namespace rk
