// The control's design-time properties in the host's property storage.

#include <limits>

#include <quillboard/property_bag.h>
#include <quillboard/varnel.h>

namespace quill {

namespace {

constexpr std::int32_t kTypeMismatch = 13;
constexpr const char* kTypeMismatchText = "Type mismatch";
constexpr std::int32_t kDefaultDragStyle = DragMove;
constexpr std::int32_t kDefaultBoardStyle = Modern;

QVariant truth(bool value)
{
    return QVariant(value ? True : False);
}

// A stored value as a whole number in [low, high]; anything else is the platform's
// conversion error, raised while the control is being loaded.
qint64 number(const QVariant& value, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 result = value.toLongLong(&ok);
    if (!ok || result < low || result > high)
        throw ControlError(kTypeMismatch, kTypeMismatchText);
    return result;
}

bool isTrue(const QVariant& value)
{
    return number(value, std::numeric_limits<qint32>::min(), 0xFFFFFFFFLL) != 0;
}

} // namespace

void Varnel::initProperties()
{
    persistedPiece_ = 0;
    persistedPicture_ = {};
    dragStyle_ = kDefaultDragStyle;
    enableDrag_ = false;
    // Stored only: the active set already holds the Modern pictures.
    boardStyle_ = kDefaultBoardStyle;
    selectionColor_ = kDefaultSelectionColor;
}

void Varnel::readProperties(PropertyBag& bag)
{
    setEnabled(isTrue(bag.read(QStringLiteral("Enabled"), truth(true))));
    persistedPiece_ =
        static_cast<std::int16_t>(number(bag.read(QStringLiteral("Piece"), 0), std::numeric_limits<std::int16_t>::min(),
                                         std::numeric_limits<std::int16_t>::max()));
    persistedSelected_ = isTrue(bag.read(QStringLiteral("IsSelected"), truth(false)));
    const QVariant picture = bag.read(QStringLiteral("Picture"), QVariant::fromValue(quill::Picture()));
    if (!picture.canConvert<quill::Picture>())
        throw ControlError(kTypeMismatch, kTypeMismatchText);
    persistedPicture_ = picture.value<quill::Picture>();
    dragStyle_ = static_cast<std::int32_t>(number(bag.read(QStringLiteral("DragStyle"), kDefaultDragStyle),
                                                  std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
    enableDrag_ = isTrue(bag.read(QStringLiteral("EnableDrag"), truth(false)));
    const auto style = static_cast<std::int32_t>(number(bag.read(QStringLiteral("BoardStyle"), kDefaultBoardStyle),
                                                        std::numeric_limits<std::int32_t>::min(),
                                                        std::numeric_limits<std::int32_t>::max()));
    boardStyle_ = style;
    setBoardStyle(style);
    selectionColor_ = static_cast<std::uint32_t>(
        number(bag.read(QStringLiteral("SelectionColor"), static_cast<qint64>(kDefaultSelectionColor)),
               std::numeric_limits<qint32>::min(), 0xFFFFFFFFLL));
}

void Varnel::writeProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Enabled"), truth(Enabled()), truth(true));
    bag.write(QStringLiteral("Piece"), persistedPiece_, 0);
    bag.write(QStringLiteral("IsSelected"), truth(persistedSelected_), truth(false));
    bag.write(QStringLiteral("Picture"), QVariant::fromValue(persistedPicture_), QVariant::fromValue(quill::Picture()));
    bag.write(QStringLiteral("DragStyle"), dragStyle_, kDefaultDragStyle);
    bag.write(QStringLiteral("EnableDrag"), truth(enableDrag_), truth(false));
    bag.write(QStringLiteral("BoardStyle"), boardStyle_, kDefaultBoardStyle);
    bag.write(QStringLiteral("SelectionColor"), static_cast<qint64>(selectionColor_),
              static_cast<qint64>(kDefaultSelectionColor));
}

} // namespace quill
