#include "framework/start_style.h"

#include "group_box_frame.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleOption>

#include <functional>
#include <optional>

namespace {

// An icon made by the function the first time it is asked for anything
// but whether it is null.
class CDeferredIconEngine : public QIconEngine {
public:
    explicit CDeferredIconEngine(std::function<QIcon()> make)
        : m_make(std::move(make))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    // The style's icons are never null; asking must not read the files.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("CDeferredIconEngine"); }
    QIconEngine *clone() const override { return new CDeferredIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!m_icon)
            m_icon = m_make();
        return *m_icon;
    }

    std::function<QIcon()> m_make;
    std::optional<QIcon> m_icon;
};

// QHexString's spelling in QPixmap::load's cache key: each byte of the
// value in memory order, low digit first.
template <typename T> QString hexString(T value)
{
    static constexpr char16_t s_digits[] = u"0123456789abcdef";
    const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
    QString text;
    for (unsigned i = 0; i < sizeof(T); ++i)
        text.append(QChar(s_digits[bytes[i] & 0xf])).append(QChar(s_digits[bytes[i] >> 4]));
    return text;
}

// The key under which QPixmap::load (Qt 6.4) caches a file's pixmap.
QString pixmapCacheKey(const QString &path)
{
    const QFileInfo file(path);
    constexpr uint kPixmapType = 0; // QPlatformPixmap::PixmapType
    return QStringLiteral("qt_pixmap") + file.absoluteFilePath() +
        hexString<uint>(uint(file.lastModified().toSecsSinceEpoch())) +
        hexString<quint64>(quint64(file.size())) + hexString<uint>(kPixmapType);
}

} // namespace

CStartStyle::CStartStyle(const QString &baseStyleKey)
    : QProxyStyle(baseStyleKey)
{
    if (baseStyle()->name() == QLatin1String("fusion"))
        CacheGroupBoxFrame();
}

QIcon CStartStyle::standardIcon(
    StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    // The icon's direction is the one of this moment (its arrow points
    // away from the text); the widget may be gone when it is drawn.
    QStyleOption direction;
    direction.direction = option ? option->direction : QGuiApplication::layoutDirection();
    return QIcon(
        new CDeferredIconEngine([base = QPointer<QStyle>(baseStyle()), standardIcon, direction] {
            const QStyle *style = base ? base.data() : QApplication::style();
            return style->standardIcon(standardIcon, &direction);
        }));
}

bool CacheGroupBoxFrame()
{
    const QString path = QString::fromLatin1(kGroupBoxFramePath);
    if (kGroupBoxFrameWidth == 0 || !QFileInfo::exists(path))
        return false;
    // Decoded when the program was built, from this same file.
    const QImage frame(kGroupBoxFramePixels, kGroupBoxFrameWidth, kGroupBoxFrameHeight,
        kGroupBoxFrameWidth * 4, QImage::Format_ARGB32);
    return QPixmapCache::insert(pixmapCacheKey(path), QPixmap::fromImage(frame));
}
