#include <quillboard/picture.h>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <vector>

namespace quill {

struct Picture::Data {
    Type type = Type::None;
    QSizeF size;
    std::unique_ptr<QSvgRenderer> svg;
    QImage image;
    // A board paints the same picture at one or two sizes; keep those few renderings.
    mutable std::vector<QPixmap> rendered;
};

namespace {
constexpr std::size_t kRenderedKept = 4;
}

Picture Picture::fromSvg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromSvgData(file.readAll());
}

Picture Picture::fromSvgData(const QByteArray& data)
{
    auto renderer = std::make_unique<QSvgRenderer>(data);
    if (!renderer->isValid() || renderer->defaultSize().isEmpty())
        return {};
    Picture picture;
    picture.data_ = std::make_shared<Data>();
    picture.data_->type = Type::Icon;
    picture.data_->size = renderer->defaultSize();
    picture.data_->svg = std::move(renderer);
    return picture;
}

Picture Picture::fromImage(const QImage& image, Type type)
{
    if (image.isNull() || type == Type::None)
        return {};
    Picture picture;
    picture.data_ = std::make_shared<Data>();
    picture.data_->type = type;
    picture.data_->size = image.size();
    picture.data_->image = image;
    return picture;
}

Picture::Type Picture::type() const
{
    return data_ ? data_->type : Type::None;
}

QSizeF Picture::naturalSize() const
{
    return data_ ? data_->size : QSizeF();
}

QPixmap Picture::renderedAt(const QSize& devicePixels) const
{
    for (const QPixmap& pixmap : data_->rendered) {
        if (pixmap.size() == devicePixels)
            return pixmap;
    }
    QImage canvas(devicePixels, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF target(QPointF(0, 0), QSizeF(devicePixels));
        if (data_->svg)
            data_->svg->render(&painter, target);
        else
            painter.drawImage(target, data_->image);
    }
    if (data_->rendered.size() >= kRenderedKept)
        data_->rendered.erase(data_->rendered.begin());
    data_->rendered.push_back(QPixmap::fromImage(canvas));
    return data_->rendered.back();
}

void Picture::paint(QPainter& painter, const QPointF& topLeft) const
{
    if (!data_)
        return;
    const QRectF target(topLeft, data_->size);
    const QTransform transform = painter.combinedTransform();
    const bool plainScale = transform.type() <= QTransform::TxScale && transform.m11() > 0 &&
                            qFuzzyCompare(transform.m11(), transform.m22());
    if (!plainScale) {
        // Rotated, sheared or mirrored painters get the picture drawn through their transform.
        if (data_->svg)
            data_->svg->render(&painter, target);
        else
            painter.drawImage(target, data_->image);
        return;
    }
    // Render at the exact device size, both edges on whole device pixels: pictures that meet
    // (square backgrounds) then tile without seams, and nothing is resampled.
    const qreal dpr = painter.device()->devicePixelRatioF();
    const qreal scale = transform.m11();
    const QPointF from = transform.map(target.topLeft());
    const QPointF to = transform.map(target.bottomRight());
    const auto snap = [dpr](const QPointF& p) { return QPointF(std::round(p.x() * dpr), std::round(p.y() * dpr)); };
    const QPointF first = snap(from);
    const QPointF last = snap(to);
    const QSize pixels(std::max(1, qRound(last.x() - first.x())), std::max(1, qRound(last.y() - first.y())));
    QPixmap pixmap = renderedAt(pixels);
    pixmap.setDevicePixelRatio(dpr);
    // Undo the scale rather than the whole transform: a host may have moved the painter.
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(1 / scale, 1 / scale);
    painter.drawPixmap(first / dpr - from, pixmap);
    painter.restore();
}

QPixmap Picture::toPixmap(qreal scale, qreal devicePixelRatio) const
{
    if (!data_)
        return {};
    const QSizeF size = data_->size * scale * devicePixelRatio;
    QPixmap pixmap = renderedAt(QSize(std::max(1, qRound(size.width())), std::max(1, qRound(size.height()))));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace quill
