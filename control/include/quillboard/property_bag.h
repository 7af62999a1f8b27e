#pragma once
// The host's storage of a control's design-time properties: named values with
// defaults. A value equal to its default need not be stored, and reading a name that
// is not stored yields the default.

#include <QString>
#include <QVariant>
#include <quillboard/export.h>

namespace quill {

class QUILLBOARD_EXPORT PropertyBag {
public:
    virtual ~PropertyBag() = default;
    virtual QVariant read(const QString& name, const QVariant& defaultValue) = 0;
    virtual void write(const QString& name, const QVariant& value, const QVariant& defaultValue) = 0;
};

} // namespace quill
