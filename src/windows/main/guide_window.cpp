#include "windows/main/guide_window.h"

#include "pictures/program_icons.h"
#include "rules/wording.h"
#include "windows/forms/forms.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace kx {

GuideWindow::GuideWindow(Forms& forms) : Form(forms, windowName())
{
    setWindowIcon(applicationIcon());
    page = new QTextBrowser(this);
    page->setObjectName(QStringLiteral("Text_Handbuch"));
    // Its links lead within the page; nothing leaves the program.
    page->setOpenExternalLinks(false);
    page->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);
    resize(720, 640);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString GuideWindow::guideFile(const Forms& forms)
{
    // A language added by the user may bring its guide along with its file.
    const QString language = QFileInfo(forms.wording().languageFile).completeBaseName();
    for (const QString& name : {language, QStringLiteral("English")})
        for (const QString& folder : {forms.textFolder(), forms.programFolder()}) {
            const QString path =
                QDir(folder).filePath(QStringLiteral("guide/") + name + QStringLiteral(".html"));
            if (!name.isEmpty() && QFileInfo(path).isFile())
                return path;
        }
    return QString();
}

void GuideWindow::showGuide()
{
    setWindowTitle(plainCaption(forms().wording().commands[CommandUserGuide]));
    const QString file = guideFile(forms());
    page->setSource(file.isEmpty() ? QUrl() : QUrl::fromLocalFile(file));
    Show();
}

void GuideWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Hide();
        // Back to the main window, whose keys the user goes on with.
        if (QMdiArea* area = forms().mdiArea()) {
            area->window()->raise();
            area->window()->activateWindow();
        }
        return;
    }
    Form::keyPressEvent(event);
}

} // namespace kx
