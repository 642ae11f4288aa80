#pragma once

#include <QString>
#include <QWidget>

class QMdiSubWindow;

namespace kx {

class Forms;

// A window of the program. MDI children live in a frame inside the main
// window; Show, Hide and Visible act on that frame, so "visible" means the
// window's own flag, whatever its parent does.
class Form : public QWidget
{
    Q_OBJECT
public:
    Form(Forms& forms, const QString& name);

    Forms& forms() const { return forms_; }

    // Runs once, right after the registry has created the window.
    virtual void Form_Load() {}
    // Runs after the text pass has worded the window: names for screen
    // readers that are made of its texts.
    virtual void nameControls() {}

    void Show();
    void Hide();
    bool Visible() const;
    QString Caption() const;
    void setCaption(const QString& caption);
    // Called by the registry once the window sits in its MDI frame: from then
    // on the main window shows the caption, not Qt's frame.
    void adoptMdiFrame();

    // The widget that is shown and hidden: the MDI frame, or the window itself.
    QWidget* frame() const;
    QMdiSubWindow* mdiFrame() const;

signals:
    // For the registry, which owns the windows: what lies behind a window
    // must exist before it hides; the caption in front may have changed; a
    // separate window's close button unloads it.
    void aboutToHide();
    void frontMayHaveChanged();
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void updateMainTitle();
    void nameMdiWindow();

    Forms& forms_;
    QString mdiCaption_;
};

} // namespace kx
