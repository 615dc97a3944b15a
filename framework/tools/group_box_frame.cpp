// Writes Fusion's group-box frame, as Qt's resources hold it, as a C++
// header of its pixels, so that the program puts the frame in the pixmap
// cache at start without decoding a PNG file (framework/start_style.cpp).
// An image Qt does not hold is written as zero by zero.
#include <QImage>
#include <QImageReader>
#include <QWidget>

#include <cstdio>
#include <fstream>

namespace {

// Qt's own image, drawn by Fusion's PE_FrameGroupBox (Qt 6.4), in the
// resources of Qt Widgets.
const char *const s_path = ":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png";

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: group_box_frame HEADER\n");
        return 2;
    }
    // Qt Widgets, whose resources hold the image, is needed by this program.
    (void)QWidget::staticMetaObject.className();
    QImageReader reader(QString::fromLatin1(s_path), "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (!image.isNull())
        image = image.convertToFormat(QImage::Format_ARGB32);
    std::ofstream out(argv[1]);
    out << "// Written by framework/tools/group_box_frame.cpp when the program was built.\n"
        << "#pragma once\n\n"
        << "constexpr char kGroupBoxFramePath[] = \"" << s_path << "\";\n"
        << "constexpr int kGroupBoxFrameWidth = " << image.width() << ";\n"
        << "constexpr int kGroupBoxFrameHeight = " << image.height() << ";\n"
        << "// QImage::Format_ARGB32, in memory order.\n"
        << "alignas(4) constexpr unsigned char kGroupBoxFramePixels[] = {";
    const auto *bits = image.isNull() ? nullptr : image.constBits();
    const qsizetype size = image.isNull() ? 0 : image.sizeInBytes();
    for (qsizetype i = 0; i < size; ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << int(bits[i]) << ',';
    out << (size == 0 ? "0" : "") << "\n};\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "group_box_frame: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
