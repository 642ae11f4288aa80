#include "document/belt_document.h"

#include "rules/drive.h"
#include "rules/order_code.h"

#include <QUndoCommand>

namespace kx {

namespace {
// What a code box shows between a set-up and the first code built.
QString placeholderCode(const Belt& belt)
{
    if (!belt.modular())
        return QStringLiteral("KX40-300-R");
    return belt.rightRunning ? QStringLiteral("KX40-xxx-R-xx-xx")
                             : QStringLiteral("KX40-xxx-L-xx-xx");
}
} // namespace

// One accepted change of the belt: the belt before and after it.
class BeltEdit : public QUndoCommand
{
public:
    BeltEdit(BeltDocument& document, Belt before, Belt after)
        : document_(document), before_(std::move(before)), after_(std::move(after))
    {}

    void undo() override { document_.restore(before_); }
    void redo() override
    {
        // Pushed once the change has happened: the first redo has nothing to do.
        if (pushed_)
            document_.restore(after_);
        pushed_ = true;
    }

private:
    BeltDocument& document_;
    Belt before_;
    Belt after_;
    bool pushed_ = false;
};

BeltDocument::BeltDocument(QObject* parent) : QObject(parent)
{
    connect(&history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

BeltDocument::~BeltDocument()
{
    // The stack empties itself after this object; its commands call back.
    disconnect(&history_, nullptr, this, nullptr);
    history_.clear();
}

void BeltDocument::setFeatureCodes(const FeatureCodes& codes)
{
    codes_ = codes;
    codeStale_ = true;
}

void BeltDocument::setUp(const Belt& belt, bool locked)
{
    const bool wasLocked = locked_;
    inFront_ = true;
    belt_ = belt;
    locked_ = locked;
    // A request made before the set-up is left for the next tick, on the
    // new belt; what was marked goes.
    markState_ = NothingMarked;
    marked_ = 0;
    refusing_ = false;
    beginRequested_ = !belt.pieces.empty();
    drive_.reset();
    driveStale_ = belt.modular();
    codeStale_ = true;
    rememberEditorState();
    history_.clear();
    recorded_ = belt_;
    dragging_ = false;
    emit frontChanged();
    emit codeChanged();
    if (wasLocked != locked_)
        emit lockedChanged(locked_);
}

void BeltDocument::newPlainBelt()
{
    Belt belt = lastPlain_;
    belt.features = FeatureChoice{};
    shownCode_ = placeholderCode(belt);
    codeBuilt_ = false;
    setFileName(QString());
    setUp(belt, false);
}

void BeltDocument::newModularBelt(bool rightRunning)
{
    Belt belt;
    belt.kind = BeltKind::Modular;
    belt.width = lastModularWidth_;
    belt.rightRunning = rightRunning;
    shownCode_ = placeholderCode(belt);
    codeBuilt_ = false;
    setFileName(QString());
    setUp(belt, false);
}

void BeltDocument::showLoaded(const Belt& belt, const QString& fileName)
{
    shownCode_ = orderCode(belt, codes_);
    codeBuilt_ = true;
    shownLength_ = belt.lengthMm();
    setFileName(fileName);
    setUp(belt, true);
}

void BeltDocument::editThisBelt()
{
    if (!inFront_ || !locked_)
        return;
    setUp(belt_, false);
}

void BeltDocument::clear()
{
    const bool wasLocked = locked_;
    inFront_ = false;
    locked_ = false;
    belt_ = Belt();
    lastPlain_ = Belt();
    lastModularWidth_ = NarrowWidth;
    markState_ = NothingMarked;
    marked_ = 0;
    refusing_ = false;
    drive_.reset();
    driveStale_ = false;
    shownLength_ = MinLength;
    codeStale_ = false;
    codeBuilt_ = false;
    shownCode_.clear();
    setFileName(QString());
    history_.clear();
    recorded_ = belt_;
    emit frontChanged();
    emit codeChanged();
    if (wasLocked)
        emit lockedChanged(false);
}

void BeltDocument::rememberEditorState()
{
    if (belt_.modular()) {
        lastModularWidth_ = belt_.width;
    } else {
        lastPlain_ = belt_;
        lastPlain_.features = FeatureChoice{};
    }
}

void BeltDocument::edit(const Belt& belt)
{
    if (!inFront_ || belt == belt_)
        return;
    belt_ = belt;
    codeStale_ = true;
    rememberEditorState();
    emit beltChanged();
    if (!dragging_)
        record();
}

void BeltDocument::setLength(int length)
{
    Belt belt = belt_;
    belt.length = length;
    if (!belt.modular())
        edit(belt);
}

void BeltDocument::setWidth(int width)
{
    Belt belt = belt_;
    belt.width = width;
    edit(belt);
}

void BeltDocument::setRightRunning(bool right)
{
    Belt belt = belt_;
    belt.rightRunning = right;
    // The running direction of a belt with side modules is its set-up's.
    if (!belt.modular())
        edit(belt);
}

void BeltDocument::setFeature(int index, bool ticked)
{
    if (index < 0 || index >= FeatureCount)
        return;
    Belt belt = belt_;
    belt.features[std::size_t(index)] = ticked;
    edit(belt);
}

void BeltDocument::setDragging(bool dragging)
{
    dragging_ = dragging;
    if (!dragging_)
        record();
}

void BeltDocument::record()
{
    if (restoring_ || belt_ == recorded_)
        return;
    history_.push(new BeltEdit(*this, recorded_, belt_));
    recorded_ = belt_;
}

void BeltDocument::restore(const Belt& belt)
{
    restoring_ = true;
    belt_ = belt;
    recorded_ = belt;
    // A request made on the belt taken back goes with it: a Delete waiting
    // with its mark cleared would otherwise be read as an append.
    requestPending_ = false;
    markState_ = NothingMarked;
    refusing_ = false;
    codeStale_ = true;
    rememberEditorState();
    if (belt_.modular()) {
        driveStale_ = true;
        // An empty belt shows no drive, as after its set-up.
        if (belt_.pieces.empty() && drive_) {
            drive_.reset();
            emit driveChanged();
        }
    }
    emit beltChanged();
    emit marksChanged();
    restoring_ = false;
}

void BeltDocument::undo()
{
    if (inFront_)
        history_.undo();
}

void BeltDocument::redo()
{
    if (inFront_)
        history_.redo();
}

int BeltDocument::pictureVariant(int position) const
{
    if (position != marked_)
        return PlainPicture;
    if (refusing_ && refusalVariant_ >= 0)
        return refusalVariant_;
    switch (markState_) {
    case Clicked:
    case RemovalRequested:
        return GreyPicture;
    case DoubleClicked:
        return RedPicture;
    default:
        return PlainPicture;
    }
}

void BeltDocument::setMarks(int state, int position)
{
    if (state == markState_ && position == marked_ && !refusing_)
        return;
    markState_ = state;
    marked_ = position;
    refusing_ = false;
    emit marksChanged();
}

void BeltDocument::click(int position)
{
    // A click while a piece is grey takes every mark away and marks nothing.
    setMarks(markState_ == Clicked ? NothingMarked : Clicked, position);
}

void BeltDocument::doubleClick(int position)
{
    setMarks(DoubleClicked, position);
}

void BeltDocument::requestPiece(int type, PieceKind kind)
{
    // Not queued: a second button before the engine's tick overwrites the first.
    pending_.type = type;
    pending_.kind = int(kind);
    requestPending_ = true;
    if (kind == PieceKind::Begin)
        beginRequested_ = true;
}

void BeltDocument::requestRemoval()
{
    if (markState_ != Clicked)
        return;
    markState_ = RemovalRequested;
    requestPending_ = true;
}

BeltDocument::RequestOutcome BeltDocument::carryOutRequest()
{
    // A request waits while no belt with side modules is in front.
    if (!requestPending_ || !modularInFront())
        return {};
    requestPending_ = false;
    PieceRequest request = pending_;
    request.selected = marked_;
    const Placement p = placeRequest(BeltRow{belt_.pieces, beginRequested_}, markState_, request);
    if (p.message != Placed) {
        refusing_ = true;
        refusalVariant_ = p.markVariant;
        emit marksChanged();
        return {p.message, false};
    }
    Belt belt = belt_;
    belt.pieces = p.row.pieces;
    markState_ = NothingMarked;
    driveStale_ = true;
    emit marksChanged();
    edit(belt);
    return {Placed, p.refresh};
}

void BeltDocument::endRefusal()
{
    if (!refusing_ && markState_ == NothingMarked)
        return;
    refusing_ = false;
    markState_ = NothingMarked;
    emit marksChanged();
}

void BeltDocument::followDrive()
{
    driveStale_ = false;
    if (!modularInFront())
        return;
    bool changed = false;
    const int length = piecesLength(belt_.pieces);
    if (length != shownLength_) {
        shownLength_ = length;
        changed = true;
    }
    // With no piece on the belt the drive stays as it is.
    if (const std::optional<int> drive = kx::drivePosition(belt_.pieces);
        drive && drive != drive_) {
        drive_ = drive;
        changed = true;
    }
    if (changed)
        emit driveChanged();
}

void BeltDocument::buildCode()
{
    codeStale_ = false;
    if (!inFront_)
        return;
    const QString code = orderCode(belt_, codes_);
    if (code == shownCode_ && codeBuilt_)
        return;
    shownCode_ = code;
    codeBuilt_ = true;
    emit codeChanged();
}

bool BeltDocument::isModified() const
{
    return inFront_ && !history_.isClean();
}

void BeltDocument::markSaved(const QString& fileName)
{
    setFileName(fileName);
    history_.setClean();
}

void BeltDocument::setFileName(const QString& fileName)
{
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged();
}

} // namespace kx
