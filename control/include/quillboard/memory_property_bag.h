#pragma once
// A property bag held in memory, for hosts that keep a control's properties
// themselves (and for tests). Values equal to their defaults are not stored.

#include <QList>
#include <QPair>

#include <quillboard/export.h>
#include <quillboard/property_bag.h>

namespace quill {

class QUILLBOARD_EXPORT MemoryPropertyBag : public PropertyBag {
public:
    QVariant read(const QString& name, const QVariant& defaultValue) override;
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue) override;

    // Stored names in the order they were first written.
    QStringList names() const;
    bool contains(const QString& name) const;
    void clear() { values_.clear(); }

private:
    QList<QPair<QString, QVariant>> values_;
};

} // namespace quill
