#include "pictures/scene3d.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kx::draw {

namespace {
constexpr float Pi = 3.14159265358979f;

using Matrix = float[3][3];

void multiply(const Matrix a, const Matrix b, Matrix out)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            out[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c];
}

QVector3D perpendicular(const QVector3D& axis)
{
    const QVector3D helper = std::abs(axis.z()) < 0.9f ? QVector3D(0, 0, 1) : QVector3D(1, 0, 0);
    return QVector3D::crossProduct(axis, helper).normalized();
}
} // namespace

Projection::Projection(const Camera& camera, QSizeF logical)
{
    const float yaw = camera.yaw * Pi / 180;
    const float pitch = camera.pitch * Pi / 180;
    // World to view: the viewer looks along +y, then turns and tilts.
    const Matrix base = {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    const Matrix turn = {
        {std::cos(yaw), 0, std::sin(yaw)}, {0, 1, 0}, {-std::sin(yaw), 0, std::cos(yaw)}};
    const Matrix tilt = {
        {1, 0, 0}, {0, std::cos(pitch), -std::sin(pitch)}, {0, std::sin(pitch), std::cos(pitch)}};
    Matrix turned;
    multiply(turn, base, turned);
    multiply(tilt, turned, rows_);
    toViewer_ = QVector3D(rows_[2][0], rows_[2][1], rows_[2][2]);

    qreal left = std::numeric_limits<qreal>::max();
    qreal right = -left;
    qreal top = left;
    qreal bottom = -left;
    for (int corner = 0; corner < 8; ++corner) {
        const QVector3D p((corner & 1) ? camera.focusMax.x() : camera.focusMin.x(),
                          (corner & 2) ? camera.focusMax.y() : camera.focusMin.y(),
                          (corner & 4) ? camera.focusMax.z() : camera.focusMin.z());
        const QVector3D v = view(p);
        left = std::min<qreal>(left, v.x());
        right = std::max<qreal>(right, v.x());
        top = std::min<qreal>(top, -v.y());
        bottom = std::max<qreal>(bottom, -v.y());
    }
    const qreal usable = 1 - 2 * camera.margin;
    scale_ = float(std::min(logical.width() * usable / std::max(1e-6, right - left),
                            logical.height() * usable / std::max(1e-6, bottom - top)));
    offset_ = QPointF(logical.width() / 2 - (left + right) / 2 * scale_,
                      logical.height() / 2 - (top + bottom) / 2 * scale_);
}

QVector3D Projection::view(const QVector3D& p) const
{
    return QVector3D(rows_[0][0] * p.x() + rows_[0][1] * p.y() + rows_[0][2] * p.z(),
                     rows_[1][0] * p.x() + rows_[1][1] * p.y() + rows_[1][2] * p.z(),
                     rows_[2][0] * p.x() + rows_[2][1] * p.y() + rows_[2][2] * p.z());
}

QPointF Projection::map(const QVector3D& point) const
{
    const QVector3D v = view(point);
    return QPointF(v.x() * scale_, -v.y() * scale_) + offset_;
}

float Projection::depth(const QVector3D& point) const
{
    return view(point).z();
}

void Scene3D::addTriangle(const Vertex& a, const Vertex& b, const Vertex& c,
                          const Material& material)
{
    triangles_.push_back(Triangle{{a, b, c}, material});
}

void Scene3D::addQuad(const QVector3D& a, const QVector3D& b, const QVector3D& c,
                      const QVector3D& d, const QVector3D& normal, const Material& material)
{
    addTriangle({a, normal}, {b, normal}, {c, normal}, material);
    addTriangle({a, normal}, {c, normal}, {d, normal}, material);
}

void Scene3D::addBox(const QVector3D& lo, const QVector3D& hi, const Material& material)
{
    const float x0 = lo.x(), y0 = lo.y(), z0 = lo.z();
    const float x1 = hi.x(), y1 = hi.y(), z1 = hi.z();
    addQuad({x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}, {0, -1, 0}, material);
    addQuad({x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}, {0, 1, 0}, material);
    addQuad({x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}, {x0, y0, z1}, {-1, 0, 0}, material);
    addQuad({x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}, {1, 0, 0}, material);
    addQuad({x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}, {0, 0, -1}, material);
    addQuad({x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}, {0, 0, 1}, material);
}

void Scene3D::addCylinder(const QVector3D& from, const QVector3D& to, float radius,
                          const Material& material, int segments)
{
    const QVector3D axis = (to - from).normalized();
    const QVector3D u = perpendicular(axis);
    const QVector3D w = QVector3D::crossProduct(axis, u);
    for (int i = 0; i < segments; ++i) {
        const float a0 = 2 * Pi * float(i) / float(segments);
        const float a1 = 2 * Pi * float(i + 1) / float(segments);
        const QVector3D n0 = u * std::cos(a0) + w * std::sin(a0);
        const QVector3D n1 = u * std::cos(a1) + w * std::sin(a1);
        const Vertex p0{from + n0 * radius, n0}, p1{from + n1 * radius, n1};
        const Vertex q0{to + n0 * radius, n0}, q1{to + n1 * radius, n1};
        addTriangle(p0, p1, q1, material);
        addTriangle(p0, q1, q0, material);
        addTriangle({from, -axis}, {p1.position, -axis}, {p0.position, -axis}, material);
        addTriangle({to, axis}, {q0.position, axis}, {q1.position, axis}, material);
    }
}

void Scene3D::addLoop(float x0, float x1, float z, float radius, float y0, float y1,
                      const Material& material, int segments)
{
    // The outline of the stadium, with the normal of each point.
    std::vector<Vertex> outline;
    for (int k = 0; k <= segments; ++k) {
        const float a = -Pi / 2 + Pi * float(k) / float(segments);
        const QVector3D n(std::cos(a), 0, std::sin(a));
        outline.push_back({QVector3D(x1, 0, z) + n * radius, n});
    }
    for (int k = 0; k <= segments; ++k) {
        const float a = Pi / 2 + Pi * float(k) / float(segments);
        const QVector3D n(std::cos(a), 0, std::sin(a));
        outline.push_back({QVector3D(x0, 0, z) + n * radius, n});
    }
    const QVector3D centre((x0 + x1) / 2, 0, z);
    const QVector3D nearSide(0, y0, 0), farSide(0, y1, 0);
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const Vertex& a = outline[i];
        const Vertex& b = outline[(i + 1) % outline.size()];
        const Vertex a0{a.position + nearSide, a.normal}, a1{a.position + farSide, a.normal};
        const Vertex b0{b.position + nearSide, b.normal}, b1{b.position + farSide, b.normal};
        addTriangle(a0, b0, b1, material);
        addTriangle(a0, b1, a1, material);
        addTriangle({centre + nearSide, {0, -1, 0}}, {a0.position, {0, -1, 0}},
                    {b0.position, {0, -1, 0}}, material);
        addTriangle({centre + farSide, {0, 1, 0}}, {a1.position, {0, 1, 0}},
                    {b1.position, {0, 1, 0}}, material);
    }
}

QImage Scene3D::render(QSize logical, qreal devicePixelRatio, const Camera& camera) const
{
    constexpr int samples = 2; // per device pixel and axis: enough to smooth the edges
    const QSize device(int(std::ceil(logical.width() * devicePixelRatio - 1e-9)),
                       int(std::ceil(logical.height() * devicePixelRatio - 1e-9)));
    const int width = device.width() * samples;
    const int height = device.height() * samples;
    const float toBuffer = float(devicePixelRatio) * float(samples);
    const Projection projection(camera, QSizeF(logical));

    struct Rgb
    {
        float r = 0, g = 0, b = 0;
    };
    constexpr float Empty = -std::numeric_limits<float>::max();
    std::vector<float> depth(std::size_t(width) * std::size_t(height), Empty);
    std::vector<Rgb> colour(depth.size());

    const QVector3D viewer = projection.towardViewer();
    const QVector3D key = QVector3D(-0.4f, -0.6f, 0.8f).normalized();
    const QVector3D fill = QVector3D(0.7f, -0.4f, 0.2f).normalized();
    const QVector3D halfway = (key + viewer).normalized();

    // Gouraud shading: lit at the corners, blended across the triangle.
    const auto shade = [&](QVector3D n, const Material& material) {
        if (QVector3D::dotProduct(n, viewer) < 0)
            n = -n;
        const float diffuse = std::max(0.0f, QVector3D::dotProduct(n, key));
        const float side = std::max(0.0f, QVector3D::dotProduct(n, fill));
        const float sky = 0.5f + 0.5f * n.z();
        const float light = 0.3f + 0.6f * diffuse + 0.18f * side + 0.12f * sky;
        const float gloss =
            material.shine * 0.8f *
            std::pow(std::max(0.0f, QVector3D::dotProduct(n, halfway)), 6 + 50 * material.shine);
        return Rgb{std::min(1.0f, float(material.colour.redF()) * light + gloss),
                   std::min(1.0f, float(material.colour.greenF()) * light + gloss),
                   std::min(1.0f, float(material.colour.blueF()) * light + gloss)};
    };

    for (const Triangle& triangle : triangles_) {
        // Faces turned away are hidden behind their solid's front.
        const QVector3D& v0 = triangle.v[0].position;
        QVector3D facing =
            QVector3D::crossProduct(triangle.v[1].position - v0, triangle.v[2].position - v0);
        const QVector3D outward =
            triangle.v[0].normal + triangle.v[1].normal + triangle.v[2].normal;
        if (QVector3D::dotProduct(facing, outward) < 0)
            facing = -facing;
        if (QVector3D::dotProduct(facing, viewer) <= 0)
            continue;

        float x[3], y[3], z[3];
        Rgb c[3];
        for (int i = 0; i < 3; ++i) {
            const QPointF p = projection.map(triangle.v[i].position) * toBuffer;
            x[i] = float(p.x());
            y[i] = float(p.y());
            z[i] = projection.depth(triangle.v[i].position);
            c[i] = shade(triangle.v[i].normal, triangle.material);
        }
        float area = (x[1] - x[0]) * (y[2] - y[0]) - (y[1] - y[0]) * (x[2] - x[0]);
        if (std::abs(area) < 1e-6f)
            continue;
        if (area < 0) {
            std::swap(x[1], x[2]);
            std::swap(y[1], y[2]);
            std::swap(z[1], z[2]);
            std::swap(c[1], c[2]);
            area = -area;
        }
        const float inverse = 1 / area;
        const int left = std::max(0, int(std::floor(std::min({x[0], x[1], x[2]}))));
        const int right = std::min(width - 1, int(std::ceil(std::max({x[0], x[1], x[2]}))));
        const int top = std::max(0, int(std::floor(std::min({y[0], y[1], y[2]}))));
        const int bottom = std::min(height - 1, int(std::ceil(std::max({y[0], y[1], y[2]}))));
        // Edge functions, each the weight of the corner opposite its edge.
        const auto edge = [&](int a, int b, float px, float py) {
            return (x[b] - x[a]) * (py - y[a]) - (y[b] - y[a]) * (px - x[a]);
        };
        const float steps[3] = {-(y[2] - y[1]), -(y[0] - y[2]), -(y[1] - y[0])};
        for (int row = top; row <= bottom; ++row) {
            const float py = float(row) + 0.5f;
            const float px = float(left) + 0.5f;
            float w[3] = {edge(1, 2, px, py), edge(2, 0, px, py), edge(0, 1, px, py)};
            // Each weight is linear along the row: keep to the span where all
            // three are positive.
            float from = float(left), to = float(right);
            for (int i = 0; i < 3; ++i) {
                if (steps[i] > 0)
                    from = std::max(from, float(left) + std::ceil(-w[i] / steps[i] - 1e-4f));
                else if (steps[i] < 0)
                    to = std::min(to, float(left) + std::floor(w[i] / -steps[i] + 1e-4f));
                else if (w[i] < 0)
                    to = -1;
            }
            if (from > to)
                continue;
            const int first = int(from), last = int(to);
            for (int i = 0; i < 3; ++i)
                w[i] += steps[i] * float(first - left);
            std::size_t index = std::size_t(row) * std::size_t(width) + std::size_t(first);
            for (int column = first; column <= last;
                 ++column, ++index, w[0] += steps[0], w[1] += steps[1], w[2] += steps[2]) {
                if (w[0] < 0 || w[1] < 0 || w[2] < 0)
                    continue;
                const float b0 = w[0] * inverse, b1 = w[1] * inverse, b2 = w[2] * inverse;
                const float d = b0 * z[0] + b1 * z[1] + b2 * z[2];
                if (d <= depth[index])
                    continue;
                depth[index] = d;
                colour[index] = Rgb{b0 * c[0].r + b1 * c[1].r + b2 * c[2].r,
                                    b0 * c[0].g + b1 * c[1].g + b2 * c[2].g,
                                    b0 * c[0].b + b1 * c[1].b + b2 * c[2].b};
            }
        }
    }

    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    const float share = 255.0f / float(samples * samples);
    for (int row = 0; row < device.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < device.width(); ++column) {
            float r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < samples; ++sy) {
                std::size_t index = std::size_t(row * samples + sy) * std::size_t(width) +
                                    std::size_t(column * samples);
                for (int sx = 0; sx < samples; ++sx, ++index) {
                    if (depth[index] == Empty)
                        continue;
                    ++covered;
                    r += colour[index].r;
                    g += colour[index].g;
                    b += colour[index].b;
                }
            }
            line[column] = qRgba(int(r * share + 0.5f), int(g * share + 0.5f),
                                 int(b * share + 0.5f), int(float(covered) * share + 0.5f));
        }
    }
    return image;
}

} // namespace kx::draw
