#include <quillboard/memory_property_bag.h>

#include <algorithm>

namespace quill {

QVariant MemoryPropertyBag::read(const QString& name, const QVariant& defaultValue)
{
    for (const auto& [key, value] : values_) {
        if (key == name)
            return value;
    }
    return defaultValue;
}

void MemoryPropertyBag::write(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    const auto stored =
        std::find_if(values_.begin(), values_.end(), [&](const auto& entry) { return entry.first == name; });
    if (value == defaultValue) {
        if (stored != values_.end())
            values_.erase(stored);
        return;
    }
    if (stored != values_.end())
        stored->second = value;
    else
        values_.append({name, value});
}

QStringList MemoryPropertyBag::names() const
{
    QStringList result;
    for (const auto& entry : values_)
        result.append(entry.first);
    return result;
}

bool MemoryPropertyBag::contains(const QString& name) const
{
    return names().contains(name);
}

} // namespace quill
