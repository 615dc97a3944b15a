// The desktop's style, made to draw the main window's first paint without
// Qt's image-format plugins. Qt reads the few images a style draws from PNG
// files in its resources through QImageReader, which asks every installed
// image-format plugin (JPEG, GIF, ICO, SVG with QtSvg) whether it reads the
// file, loading them all; a plain window shows none of those images at
// start, only the menu bar's and the toolbar's overflow buttons (hidden) and
// Fusion's group-box frame (drawn).
#pragma once

#include <QProxyStyle>

class CStartStyle : public QProxyStyle {
public:
    // Wraps a style of that key (the one Qt chose, after -style and
    // QT_STYLE_OVERRIDE); made after the application object.
    explicit CStartStyle(const QString &baseStyleKey);

    // The overflow buttons' icons are read from their files when first
    // drawn or measured, not when the bar is made. Any other icon is the
    // base style's.
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
};

// Puts Fusion's group-box frame into the pixmap cache, under the key by
// which Fusion looks it up, so that drawing a group box needs no plugin and
// no PNG decoding: its pixels were read from Qt's resources when the
// program was built (framework/tools/group_box_frame.cpp). Returns false
// (and changes nothing) where the image is not in Qt's resources.
bool CacheGroupBoxFrame();
