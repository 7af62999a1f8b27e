#pragma once
// A picture the board can show: a square background or a piece. It is a cheap shared
// value; vector pictures are rendered at the final device size so they stay sharp at
// any zoom and pixel density.

#include <QImage>
#include <QMetaType>
#include <QPixmap>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <quillboard/export.h>

class QPainter;

namespace quill {

class QUILLBOARD_EXPORT Picture {
public:
    // Only icons are accepted as piece pictures; a bitmap stands for any other picture
    // a host may hand over.
    enum class Type { None, Bitmap, Icon };

    Picture() = default;

    // An icon from an SVG file; its natural size (in drawing units) is the SVG's
    // width and height. A file that cannot be read gives a null picture.
    static Picture fromSvg(const QString& path);
    static Picture fromSvgData(const QByteArray& data);
    // A raster picture whose natural size is the image's size in drawing units.
    static Picture fromImage(const QImage& image, Type type = Type::Bitmap);

    bool isNull() const { return type() == Type::None; }
    bool isIcon() const { return type() == Type::Icon; }
    Type type() const;
    QSizeF naturalSize() const;

    // Paints at natural size with the top-left corner at `topLeft`, in the painter's
    // current (logical) coordinates.
    void paint(QPainter& painter, const QPointF& topLeft) const;
    // The picture at `scale` device pixels per drawing unit, e.g. as a drag icon.
    QPixmap toPixmap(qreal scale, qreal devicePixelRatio) const;

    // Same underlying artwork (copies of one picture compare equal).
    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

private:
    struct Data;
    QPixmap renderedAt(const QSize& devicePixels) const;

    std::shared_ptr<Data> data_;
};

} // namespace quill

Q_DECLARE_METATYPE(quill::Picture)
