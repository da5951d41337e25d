#include "forms/picture.h"

#include <QImageReader>

#include "forms/failure_reason.h"
#include "qt_text.h"
#include "windows.h"

namespace forms {
namespace {

void releasePages(void *pages) { VirtualFree(pages, 0, MEM_RELEASE); }

// An empty image of the size and format the reader will decode, over
// committed pages (see VirtualAlloc): a reader that decodes into an image of
// its size and format reuses it, and a skin's background then takes one
// mapping call instead of a page fault per 4 KB. A null image where the
// reader cannot tell, or the image would pass the reader's allocation limit,
// leaves the allocating to the reader.
QImage committedImageFor(const QImageReader &reader)
{
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (size.isEmpty() || format == QImage::Format_Invalid)
        return {};
    const qint64 bytesPerLine = (qint64{size.width()} * QImage::toPixelFormat(format).bitsPerPixel() + 31) / 32 * 4;
    const qint64 bytes = bytesPerLine * size.height();
    if (bytes > qint64{QImageReader::allocationLimit()} * 1024 * 1024)
        return {};
    void *pages = VirtualAlloc(nullptr, static_cast<SIZE_T>(bytes), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (pages == nullptr)
        return {};
    return QImage(static_cast<uchar *>(pages), size.width(), size.height(), bytesPerLine, format, &releasePages,
                  pages);
}

} // namespace

Picture loadPicture(TextView file)
{
    QImageReader reader(toQString(file));
    QImage picture = committedImageFor(reader);
    // The prepared image is no picture unless the reading succeeds.
    if (!reader.read(&picture) || picture.isNull())
        throw PictureError(file, pictureFailureReason(file));
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace forms
