#pragma once

#include "pictures/drawing.h"

#include <QChar>
#include <QHash>
#include <QPixmap>
#include <QString>

#include <array>

namespace kx {

// wImages1: the pictures of the pieces of a belt with side modules. Picture_M
// of index (type code + variant): 0 plain, 1 marked grey, 2 marked red.
// Each picture is drawn on its first fetch and kept: every fetch hands out
// the same shared picture, and the start-up pays only for what it shows.
class ModulePictureStore
{
public:
    explicit ModulePictureStore(qreal devicePixelRatio = 1.0);

    static constexpr int PictureCount = PieceDrawingCount;

    // Index 0..32; any other index throws std::out_of_range.
    const QPixmap& Picture_M(int index) const;
    const QPixmap& Picture_Antrieb() const;
    // The drawings the pictures are made from, for painters other than the
    // screen's.
    static Drawing drawing(int index) { return pieceDrawing(index); }
    static Drawing driveDrawing() { return kx::driveDrawing(); }

private:
    qreal devicePixelRatio_;
    mutable std::array<QPixmap, PictureCount> pieces_;
    mutable QPixmap drive_;
};

// A picture drawn when the program was built: premultiplied ARGB pixels at a
// device pixel ratio of 1, row after row.
struct PrerenderedPicture
{
    int width;
    int height;
    const quint32* pixels;
};

// The start pictures as the build drew them; the belt stores take them at a
// ratio of 1 instead of drawing them. Null pointers: draw them.
void usePrerenderedStartPictures(const PrerenderedPicture* plain,
                                 const PrerenderedPicture* rightRunning,
                                 const PrerenderedPicture* leftRunning);
// Defined by the build's start pictures (kx_start_pictures), for a program
// that links them.
void installPrerenderedStartPictures();

// wImages2: the plain-belt pictures Picture_oM<length><L|R> and the three
// start pictures Picture_Start_L, Picture_Start_R, Picture_Start_oM, each
// drawn on its first fetch and kept.
class BeltPictureStore
{
public:
    explicit BeltPictureStore(qreal devicePixelRatio = 1.0);

    // Lengths 300, 400, ..., 1500 have a picture.
    static bool hasBeltPicture(int length);
    // The width in pixels of the widest of them.
    static int widestBeltPicture();
    // The size of Picture_oM<length><side>; empty for a picture there is not.
    static QSize beltPictureSize(int length, QChar side);
    static QString beltPictureName(int length, QChar side);

    // By name; an unknown name throws std::out_of_range.
    const QPixmap& picture(const QString& name) const;
    // The drawing a picture is made from, for painters other than the
    // screen's; an unknown name throws std::out_of_range.
    static Drawing drawing(const QString& name);
    const QPixmap& Picture_oM(int length, QChar side) const
    {
        return picture(beltPictureName(length, side));
    }

private:
    qreal devicePixelRatio_;
    mutable QHash<QString, QPixmap> pictures_;
};

} // namespace kx
