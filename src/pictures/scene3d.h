#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QVector3D>

#include <vector>

// A small depth-buffered renderer for the shaded views of a finished belt.
// World axes: x along the belt, y across it (away from the viewer), z up.
namespace kx::draw {

struct Camera
{
    float yaw = 25;   // degrees; positive turns the far end of the belt away
    float pitch = 20; // degrees from above
    QVector3D focusMin;
    QVector3D focusMax; // the box that fills the picture
    float margin = 0.06f;
};

// Maps world points onto a picture of a logical size for a camera.
class Projection
{
public:
    Projection(const Camera& camera, QSizeF logical);
    QPointF map(const QVector3D& point) const;
    float depth(const QVector3D& point) const; // larger is nearer
    QVector3D towardViewer() const { return toViewer_; }

private:
    QVector3D view(const QVector3D& point) const;
    float rows_[3][3];
    QVector3D toViewer_;
    float scale_ = 1;
    QPointF offset_;
};

class Scene3D
{
public:
    struct Material
    {
        QColor colour;
        float shine = 0.2f; // 0 matt, 1 polished
    };

    void addBox(const QVector3D& min, const QVector3D& max, const Material& material);
    // A cylinder between the centres of its two end faces.
    void addCylinder(const QVector3D& from, const QVector3D& to, float radius,
                     const Material& material, int segments = 28);
    // A belt loop: a stadium in the x-z plane between two pulley centres at
    // height z, extruded from y0 to y1.
    void addLoop(float x0, float x1, float z, float radius, float y0, float y1,
                 const Material& material, int segments = 20);

    // Renders on a transparent picture; edges are smoothed by supersampling.
    QImage render(QSize logical, qreal devicePixelRatio, const Camera& camera) const;

private:
    struct Vertex
    {
        QVector3D position;
        QVector3D normal;
    };
    struct Triangle
    {
        Vertex v[3];
        Material material;
    };
    void addQuad(const QVector3D& a, const QVector3D& b, const QVector3D& c, const QVector3D& d,
                 const QVector3D& normal, const Material& material);
    void addTriangle(const Vertex& a, const Vertex& b, const Vertex& c, const Material& material);

    std::vector<Triangle> triangles_;
};

} // namespace kx::draw
