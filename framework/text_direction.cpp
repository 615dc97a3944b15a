#include "framework/text_direction.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace {

void align(QPlainTextEdit *box)
{
    const bool rightToLeft = ReadsRightToLeft(box->toPlainText(), box->isRightToLeft());
    QTextOption option = box->document()->defaultTextOption();
    const Qt::Alignment wanted = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    if (option.alignment() == wanted)
        return;
    // A plain-text box aligns by the option alone, whatever its paragraphs'
    // direction.
    option.setAlignment(wanted);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    box->document()->setDefaultTextOption(option);
}

} // namespace

bool ReadsRightToLeft(const QString &text, bool otherwise)
{
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirL:
            return false;
        case QChar::DirR:
        case QChar::DirAL:
            return true;
        default:
            break;
        }
    }
    return otherwise;
}

void FollowTextDirection(QPlainTextEdit *box)
{
    align(box);
    QObject::connect(box, &QPlainTextEdit::textChanged, box, [box] { align(box); });
}

void AlignByTextDirection(QLabel *label)
{
    const Qt::Alignment vertical = label->alignment() & Qt::AlignVertical_Mask;
    const bool rightToLeft = ReadsRightToLeft(label->text(), label->isRightToLeft());
    // Absolute: the label's own direction would turn it round again.
    label->setAlignment(
        vertical | Qt::AlignAbsolute | (rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
}
