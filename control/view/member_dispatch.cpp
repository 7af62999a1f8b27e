#include <quillboard/member_dispatch.h>

#include <limits>

#include <quillboard/member_ids.h>
#include <quillboard/varnel.h>

namespace quill {

namespace {

[[noreturn]] void notFound()
{
    throw ControlError(dispatch_error::MemberNotFound, "Member not found");
}

void expect(const QVariantList& args, qsizetype count)
{
    if (args.size() != count)
        throw ControlError(dispatch_error::BadParamCount, "Invalid number of parameters");
}

class Args {
public:
    Args(const QVariantList& args, qsizetype count) : args_(args) { expect(args, count); }

    qint64 number(qsizetype i, qint64 low, qint64 high) const
    {
        bool ok = false;
        const qint64 value = args_[i].toLongLong(&ok);
        if (!ok)
            throw ControlError(dispatch_error::TypeMismatch, "Type mismatch");
        if (value < low || value > high)
            throw ControlError(dispatch_error::Overflow, "Overflow");
        return value;
    }
    std::int16_t int16(qsizetype i) const
    {
        return static_cast<std::int16_t>(
            number(i, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
    }
    std::int32_t int32(qsizetype i) const
    {
        return static_cast<std::int32_t>(
            number(i, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    }
    PieceNum code(qsizetype i) const { return static_cast<PieceNum>(int32(i)); }
    // Colours may come as unsigned 32-bit numbers or as their signed equivalents.
    std::uint32_t color(qsizetype i) const
    {
        return static_cast<std::uint32_t>(number(i, std::numeric_limits<std::int32_t>::min(), 0xFFFFFFFFLL));
    }
    bool truth(qsizetype i) const { return int32(i) != 0; }
    quill::Picture picture(qsizetype i) const
    {
        if (!args_[i].canConvert<quill::Picture>())
            throw ControlError(dispatch_error::TypeMismatch, "Type mismatch");
        return args_[i].value<quill::Picture>();
    }

private:
    const QVariantList& args_;
};

QVariant truth(bool value)
{
    return QVariant(value ? True : False);
}

QVariant property(Varnel& b, std::int32_t id, CallKind kind, const QVariantList& a)
{
    const bool get = kind == CallKind::Get;
    switch (id) {
    case member::Enabled:
        if (get) {
            expect(a, 0);
            return truth(b.Enabled());
        }
        b.setEnabled(Args(a, 1).truth(0));
        return {};
    case member::IsSelected:
        if (!get)
            notFound();
        return truth(b.IsSelected(Args(a, 2).int16(0), Args(a, 2).int16(1)));
    case member::Piece:
        if (get) {
            const Args args(a, 2);
            return static_cast<qint32>(b.piece(args.int16(0), args.int16(1)));
        } else {
            const Args args(a, 3);
            b.setPiece(args.int16(0), args.int16(1), args.code(2));
            return {};
        }
    case member::Picture:
        if (get)
            return QVariant::fromValue(b.Picture(Args(a, 1).code(0)));
        b.setPicture(Args(a, 2).code(0), Args(a, 2).picture(1));
        return {};
    case member::DragStyle:
        if (get) {
            expect(a, 0);
            return QVariant(b.DragStyle());
        }
        b.setDragStyle(Args(a, 1).int32(0));
        return {};
    case member::EnableDrag:
        if (get) {
            expect(a, 0);
            return truth(b.EnableDrag());
        }
        b.setEnableDrag(Args(a, 1).truth(0));
        return {};
    case member::BoardStyle:
        if (get) {
            expect(a, 0);
            return QVariant(b.BoardStyle());
        }
        b.setBoardStyle(Args(a, 1).int32(0));
        return {};
    case member::SelectionColor:
        if (get) {
            expect(a, 0);
            return QVariant(static_cast<qint64>(b.SelectionColor()));
        }
        b.setSelectionColor(Args(a, 1).color(0));
        return {};
    case member::HighlightMove:
        if (get) {
            expect(a, 0);
            return truth(b.HighlightMove());
        }
        b.setHighlightMove(Args(a, 1).truth(0));
        return {};
    case member::AnimateMoves:
        if (get) {
            expect(a, 0);
            return truth(b.AnimateMoves());
        }
        b.setAnimateMoves(Args(a, 1).truth(0));
        return {};
    case member::AnimationTime:
        if (get) {
            expect(a, 0);
            return QVariant(b.AnimationTime());
        }
        b.setAnimationTime(Args(a, 1).int32(0));
        return {};
    default:
        notFound();
    }
}

QVariant method(Varnel& b, std::int32_t id, const QVariantList& a)
{
    switch (id) {
    case member::NewGame:
        expect(a, 0);
        b.NewGame();
        return {};
    case member::Clear:
        expect(a, 0);
        b.Clear();
        return {};
    case member::ChangeBoardSize:
        b.ChangeBoardSize(Args(a, 1).int32(0));
        return {};
    case member::SelectSquare: {
        const Args args(a, 2);
        b.SelectSquare(args.int16(0), args.int16(1));
        return {};
    }
    case member::UnSelectSquare: {
        const Args args(a, 2);
        b.UnSelectSquare(args.int16(0), args.int16(1));
        return {};
    }
    case member::MovePiece: {
        const Args args(a, 4);
        b.MovePiece(args.int16(0), args.int16(1), args.int16(2), args.int16(3));
        return {};
    }
    case member::About:
        expect(a, 0);
        b.About();
        return {};
    case member::IsLegalMove: {
        const Args args(a, 4);
        return truth(b.IsLegalMove(args.int16(0), args.int16(1), args.int16(2), args.int16(3)));
    }
    case member::RotateBoard:
        expect(a, 0);
        b.RotateBoard();
        return {};
    case member::IsKingChecked:
        return truth(b.IsKingChecked(Args(a, 1).code(0)));
    case member::RefreshBoard:
        expect(a, 0);
        b.RefreshBoard();
        return {};
    case member::ShowMove:
        expect(a, 0);
        b.ShowMove();
        return {};
    case member::SettlePosition:
        expect(a, 0);
        b.SettlePosition();
        return {};
    default:
        notFound();
    }
}

bool isProperty(std::int32_t id)
{
    switch (id) {
    case member::Enabled:
    case member::IsSelected:
    case member::Piece:
    case member::Picture:
    case member::DragStyle:
    case member::EnableDrag:
    case member::BoardStyle:
    case member::SelectionColor:
    case member::HighlightMove:
    case member::AnimateMoves:
    case member::AnimationTime:
        return true;
    default:
        return false;
    }
}

} // namespace

QVariant invokeMember(Varnel& board, std::int32_t memberId, CallKind kind, const QVariantList& args)
{
    if (kind == CallKind::Method) {
        if (isProperty(memberId))
            notFound();
        return method(board, memberId, args);
    }
    if (!isProperty(memberId))
        notFound();
    // Only a picture is assigned by reference.
    if (kind == CallKind::Set && memberId != member::Picture)
        notFound();
    return property(board, memberId, kind, args);
}

} // namespace quill
