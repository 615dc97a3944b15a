// Printing the form: one page with what the form shows, and the Hijri
// calendar its dates follow.
#include "form/zamanix_view.h"

#include "framework/long_text.h"
#include "framework/printing.h"
#include "resources/resource.h"

#include <QPainter>

void CZamanixView::OnPrint(QPainter *painter, CPrintInfo *pInfo)
{
    const auto shown = [this](int id) { return QString::fromStdString(GetDlgItemText(id)); };
    const QString calendar =
        IsDlgButtonChecked(IDC_HIJRI) ? QStringLiteral("Hijri") : QStringLiteral("Christian");
    const QString date = QStringLiteral("%1 %2 %3 (%4)")
                             .arg(shown(IDC_DAY), shown(IDC_MONTH), shown(IDC_YEAR), calendar);
    const QString alarm =
        QStringLiteral("%1:%2, every %3 minutes")
            .arg(shown(IDC_HOUR), shown(IDC_MINUTE).rightJustified(2, QLatin1Char('0')),
                shown(IDC_EVERY));
    const struct {
        const char *label;
        QString value;
    } lines[] = {
        {"Today", shown(IDC_DATENOW)},
        {"Date", date},
        {"Corresponding date", shown(IDC_CORRESPONDING)},
        {"Hijri calendar", QString::fromStdString(GetHijriCalendar().Description())},
        {"Alarm at", alarm},
    };

    const QRect page = pInfo->m_rectDraw;
    QFont font(QStringLiteral("Sans Serif"), 11);
    painter->setFont(font);
    const int lineHeight = painter->fontMetrics().lineSpacing();
    const int labelWidth = page.width() / 4;
    int y = page.top();

    QFont title = font;
    title.setPointSize(16);
    title.setBold(true);
    painter->setFont(title);
    painter->drawText(QRect(page.left(), y, page.width(), 2 * lineHeight), Qt::AlignLeft,
        QStringLiteral("Zamanix"));
    y += 3 * lineHeight;
    painter->setFont(font);
    for (const auto &line : lines) {
        painter->drawText(QRect(page.left(), y, labelWidth, lineHeight), Qt::AlignLeft,
            QString::fromUtf8(line.label) + QLatin1Char(':'));
        painter->drawText(QRect(page.left() + labelWidth, y, page.width() - labelWidth, lineHeight),
            Qt::AlignLeft, line.value);
        y += lineHeight * 3 / 2;
    }
    painter->drawText(QRect(page.left(), y, labelWidth, lineHeight), Qt::AlignLeft,
        QStringLiteral("Reminder memo:"));
    painter->drawText(
        QRect(page.left() + labelWidth, y, page.width() - labelWidth, page.bottom() - y),
        Qt::AlignLeft | Qt::TextWordWrap, ShownPartOf(GetDlgItemText(IDC_MEMO)).text);
}
