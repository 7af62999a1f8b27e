#include <quillboard/image_set.h>

#include <QDir>
#include <QFile>
#include <cassert>

#include <quillboard/piece_codes.h>

namespace quill {

namespace {

constexpr const char* kPieceNames[] = {"bp", "br", "bn", "bb", "bq", "bk", "wp", "wr", "wn", "wb", "wq", "wk"};
constexpr const char* kResourceRoot = ":/quillboard/pieces/";

// Stands in for artwork that has not been compiled in, so a board is never blank:
// a plain square, or a disc in the piece's colour with the piece's letter.
Picture placeholder(int element, int pieceSide)
{
    if (element == ImageSet::kLightSquare || element == ImageSet::kDarkSquare) {
        const char* fill = element == ImageSet::kLightSquare ? "#e8dcc0" : "#8a6a4a";
        return Picture::fromSvgData(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='49' height='49'>"
                                                   "<rect width='49' height='49' fill='%1'/></svg>")
                                        .arg(QLatin1String(fill))
                                        .toUtf8());
    }
    const bool white = isWhite(element);
    const QChar letter = QChar(QLatin1Char("prnbqk"[(element - Bpawn) % 6])).toUpper();
    const double r = pieceSide * 0.42;
    return Picture::fromSvgData(
        QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='%1' height='%1'>"
                       "<circle cx='%2' cy='%2' r='%3' fill='%4' stroke='%5' stroke-width='1.5'/>"
                       "<text x='%2' y='%6' font-size='%7' text-anchor='middle' "
                       "font-family='sans-serif' font-weight='bold' fill='%5'>%8</text></svg>")
            .arg(pieceSide)
            .arg(pieceSide / 2.0)
            .arg(r)
            .arg(white ? "#fafafa" : "#202020")
            .arg(white ? "#202020" : "#fafafa")
            .arg(pieceSide * 0.66)
            .arg(pieceSide * 0.5)
            .arg(letter)
            .toUtf8());
}

ImageSet builtIn(const QString& name, int pieceSide)
{
    ImageSet set = ImageSet::fromFolder(QLatin1String(kResourceRoot) + name);
    for (int element = ImageSet::kLightSquare; element <= ImageSet::kDarkSquare; ++element) {
        if (set.at(element).isNull())
            set.set(element, placeholder(element, pieceSide));
    }
    return set;
}

} // namespace

QString ImageSet::baseName(int element)
{
    assert(isElement(element));
    if (element == kLightSquare)
        return QStringLiteral("light");
    if (element == kDarkSquare)
        return QStringLiteral("dark");
    return QLatin1String(kPieceNames[element - Bpawn]);
}

ImageSet ImageSet::fromFolder(const QString& folder)
{
    ImageSet set;
    const QDir dir(folder);
    for (int element = kLightSquare; element <= kDarkSquare; ++element)
        set.set(element, Picture::fromSvg(dir.filePath(baseName(element) + QStringLiteral(".svg"))));
    return set;
}

const ImageSet& ImageSet::modern()
{
    static const ImageSet set = builtIn(QStringLiteral("modern"), 37);
    return set;
}

const ImageSet& ImageSet::classic()
{
    static const ImageSet set = builtIn(QStringLiteral("classic"), 49);
    return set;
}

const Picture& ImageSet::at(int element) const
{
    assert(isElement(element));
    return pictures_[static_cast<std::size_t>(element)];
}

void ImageSet::set(int element, const Picture& picture)
{
    assert(isElement(element));
    pictures_[static_cast<std::size_t>(element)] = picture;
}

} // namespace quill
