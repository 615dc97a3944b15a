// Printing the form: one page with what the form shows, and the Hijri
// calendar its dates follow.
#include "form/zamanix_view.h"

#include "framework/long_text.h"
#include "framework/printing.h"
#include "resources/resource.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>

#include <iterator>

void CZamanixView::OnPrint(QPainter *painter, CPrintInfo *pInfo)
{
    const auto shown = [this](int id) { return QString::fromStdString(GetDlgItemText(id)); };
    const auto tr = [](const char *text) { return QCoreApplication::translate("Dialog", text); };
    const QString calendar = IsDlgButtonChecked(IDC_HIJRI)
        ? QCoreApplication::translate("CZamanixView", "Hijri")
        : tr(QT_TRANSLATE_NOOP("Dialog", "Christian"));
    const QString date = QStringLiteral("%1 %2 %3 (%4)")
                             .arg(shown(IDC_DAY), shown(IDC_MONTH), shown(IDC_YEAR), calendar);
    const QString alarm =
        QCoreApplication::translate("CZamanixView", "%1:%2, every %3 minutes")
            .arg(shown(IDC_HOUR), shown(IDC_MINUTE).rightJustified(2, QLatin1Char('0')),
                shown(IDC_EVERY));
    const struct {
        const char *label;
        QString value;
    } lines[] = {
        {QT_TRANSLATE_NOOP("Dialog", "Today:"), shown(IDC_DATENOW)},
        {QT_TRANSLATE_NOOP("Dialog", "Date:"), date},
        {QT_TRANSLATE_NOOP("Dialog", "Corresponding date:"), shown(IDC_CORRESPONDING)},
        {QT_TRANSLATE_NOOP("Dialog", "Hijri calendar:"),
            QString::fromStdString(GetHijriCalendar().Description())},
        {QT_TRANSLATE_NOOP("Dialog", "Alarm at:"), alarm},
        {QT_TRANSLATE_NOOP("Dialog", "Reminder memo:"), ShownPartOf(GetDlgItemText(IDC_MEMO)).text},
    };

    // Right to left, the labels stand at the right edge and the values run
    // leftwards from them, as on the form.
    const QRect page = pInfo->m_rectDraw;
    const auto place = [&page](int x, int y, int width, int height) {
        return QStyle::visualRect(
            QGuiApplication::layoutDirection(), page, QRect(x, y, width, height));
    };
    QFont font(QStringLiteral("Sans Serif"), 11);
    painter->setFont(font);
    const int lineHeight = painter->fontMetrics().lineSpacing();
    const int labelWidth = page.width() / 4;
    int y = page.top();

    QFont title = font;
    title.setPointSize(16);
    title.setBold(true);
    painter->setFont(title);
    painter->drawText(place(page.left(), y, page.width(), 2 * lineHeight), Qt::AlignLeft,
        QStringLiteral("Zamanix"));
    y += 3 * lineHeight;
    painter->setFont(font);
    for (const auto &line : lines) {
        const bool last = &line == std::end(lines) - 1;
        painter->drawText(
            place(page.left(), y, labelWidth, lineHeight), Qt::AlignLeft, tr(line.label));
        painter->drawText(place(page.left() + labelWidth, y, page.width() - labelWidth,
                              last ? page.bottom() - y : lineHeight),
            Qt::AlignLeft | (last ? Qt::TextWordWrap : 0), line.value);
        y += lineHeight * 3 / 2;
    }
}
