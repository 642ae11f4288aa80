#pragma once

#include "rules/belt.h"
#include "rules/placement.h"
#include "rules/type_codes.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>

namespace kx {

// The belt in front, which the editors show and change, the commands read
// and write and the datasheet prints: the belt value, whether it is locked
// (loaded) or being edited, the marks and the pending request of the
// editor with side modules, the length and drive the drive timer last
// showed, the order code shown, the file it came from, whether it changed
// since it was set up, loaded or saved, and its undo history.
//
// The program's timers keep their rhythm: a request is carried out by
// carryOutRequest() at the next Timer_Module tick, the drive follows at
// Timer_Antrieb's (followDrive()), the order code at the end of either
// (buildCode()). Each of them is cheap to skip: the flags say whether
// there is anything to do.
class BeltDocument : public QObject
{
    Q_OBJECT
public:
    explicit BeltDocument(QObject* parent = nullptr);
    ~BeltDocument() override;

    // No belt is in front before the first set-up and after a language
    // switch: the start dialog is.
    bool hasBelt() const { return inFront_; }
    const Belt& belt() const { return belt_; }
    bool plainInFront() const { return inFront_ && !belt_.modular(); }
    bool modularInFront() const { return inFront_ && belt_.modular(); }
    // A loaded belt is shown as it was read until Edit this belt unlocks it.
    bool locked() const { return locked_; }

    // The codes the order code writes for the features.
    void setFeatureCodes(const FeatureCodes& codes);
    const FeatureCodes& featureCodes() const { return codes_; }

    // Set-ups: a fresh belt in front, with a fresh history. A new plain belt
    // keeps the length, width and direction the plain editor had last, a
    // new belt with side modules the width its editor had; neither keeps a
    // feature. A loaded belt comes in locked; fileName is empty for a code
    // that came from no file.
    void newPlainBelt();
    void newModularBelt(bool rightRunning);
    void showLoaded(const Belt& belt, const QString& fileName);
    // The loaded belt in front, unlocked for changes.
    void editThisBelt();
    // Nothing in front; the editors as they were first built (a reload of
    // the main window in another language).
    void clear();

    // Changes from the editors' controls. A bar dragged is one change: the
    // belt follows the bar, the history takes it when the bar is let go.
    void setLength(int length);
    void setWidth(int width);
    void setRightRunning(bool right);
    void setFeature(int index, bool ticked);
    void setDragging(bool dragging);

    // The editor with side modules: marks and requests.
    int markState() const { return markState_; }
    int markedPosition() const { return marked_; }
    // The picture variant (plain, grey, red) the piece at a position shows.
    int pictureVariant(int position) const;
    void click(int position);
    void doubleClick(int position);
    // A toolbar button: the last request before the next tick counts.
    void requestPiece(int type, PieceKind kind);
    // The Delete key: asks to remove the piece marked grey.
    void requestRemoval();
    bool requestPending() const { return requestPending_; }

    struct RequestOutcome
    {
        PlacementMessage message = Placed;
        // False ends the tick without the order code's rebuild.
        bool refresh = true;
    };
    // Timer_Module's work. A refusal leaves the mark showing as it should
    // while its message is open; endRefusal() takes the mark away.
    RequestOutcome carryOutRequest();
    void endRefusal();

    // Timer_Antrieb's work: the length and the drive follow the pieces.
    bool driveStale() const { return driveStale_; }
    void followDrive();
    int shownLength() const { return shownLength_; }
    std::optional<int> drivePosition() const { return drive_; }

    // The order code in the box; built from the belt within a tick.
    const QString& shownCode() const { return shownCode_; }
    // A code has been built since the last set-up: the belt can be saved.
    bool codeBuilt() const { return codeBuilt_; }
    bool codeStale() const { return codeStale_; }
    void buildCode();

    // The file the belt came from or was saved to last.
    const QString& fileName() const { return fileName_; }
    // Changed since the last set-up, load, Edit this belt or save.
    bool isModified() const;
    void markSaved(const QString& fileName);

    QUndoStack& history() { return history_; }
    const QUndoStack& history() const { return history_; }
    void undo();
    void redo();

signals:
    // A fresh belt in front, or none: the editors set themselves up anew.
    void frontChanged();
    void beltChanged();
    void marksChanged();
    void driveChanged();
    void codeChanged();
    void lockedChanged(bool locked);
    void modifiedChanged(bool modified);
    void fileNameChanged();

private:
    friend class BeltEdit;
    void setUp(const Belt& belt, bool locked);
    void edit(const Belt& belt);
    void record();
    void restore(const Belt& belt);
    void rememberEditorState();
    void setFileName(const QString& fileName);
    void setMarks(int state, int position);

    bool inFront_ = false;
    Belt belt_;
    bool locked_ = false;
    // What the editors keep between two belts of their kind.
    Belt lastPlain_;
    int lastModularWidth_ = NarrowWidth;
    FeatureCodes codes_;

    int markState_ = NothingMarked;
    int marked_ = 0;
    bool refusing_ = false;
    int refusalVariant_ = -1;
    bool requestPending_ = false;
    PieceRequest pending_;
    bool beginRequested_ = false;

    bool driveStale_ = false;
    int shownLength_ = MinLength;
    std::optional<int> drive_;

    QString shownCode_;
    bool codeBuilt_ = false;
    bool codeStale_ = false;

    QString fileName_;
    QUndoStack history_;
    Belt recorded_;
    bool dragging_ = false;
    bool restoring_ = false;
};

} // namespace kx
