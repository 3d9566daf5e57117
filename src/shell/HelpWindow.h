#pragma once
// The user guide inside the program: one window that shows the guide's HTML
// pages and pictures, with a list of the page's sections, back and forward
// through the pages seen, and a button that hands the page to the browser.
// Nothing of it needs a browser.

#include <QWidget>

class QAction;
class QListWidget;
class QTextBrowser;

namespace rk {

struct ModelProfile;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow(const ModelProfile& profile, QWidget* parent);

    // Shows `page` (an HTML file) from its top, in the texts of the current
    // interface language.
    void ShowPage(const QString& page);

    QTextBrowser& Browser() const { return *m_browser; }
    QListWidget& Contents() const { return *m_contents; }

private:
    void Retranslate();
    void ListSections();
    void OpenInBrowser();

    const ModelProfile& m_profile;
    QTextBrowser* m_browser;
    QListWidget* m_contents;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_home;
    QAction* m_external;
};

}  // namespace rk
