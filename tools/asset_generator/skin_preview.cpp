#include "skin_preview.h"

#include "command_faces.h"
#include "window_layout.h"

#include <QLinearGradient>
#include <QPainter>

namespace pellory::assets {
namespace {

// The frame around the client area; with it the window has the preview's 4:3
// shape, so it scales without distortion.
constexpr int kBorder = 3;
constexpr int kTitleBar = 28;
constexpr int kMenuBar = 22;
constexpr QPoint kClientOrigin(kBorder, kBorder + kTitleBar + kMenuBar);
constexpr QSize kWindowSize(kClientSize.width() + 2 * kBorder,
                            kClientOrigin.y() + kClientSize.height() + kBorder);

constexpr int kRestingOpacityPercent = 30;
constexpr int kScrollBarWidth = 16;

const QColor kMessageAreaBlue(0, 0, 255);
const QColor kNumberBoxBlue(128, 128, 255);
const QColor kMenuGrey(236, 233, 226);

void paintFrame(QPainter &p, const SkinStyle &style)
{
    const QColor frame = QColor::fromRgb(style.windowFrame);
    p.fillRect(QRect(QPoint(0, 0), kWindowSize), frame);
    QLinearGradient title(0, kBorder, 0, kBorder + kTitleBar);
    title.setColorAt(0.0, frame.lighter(135));
    title.setColorAt(1.0, frame);
    const QRect titleBar(kBorder, kBorder, kClientSize.width(), kTitleBar);
    p.fillRect(titleBar, title);
    p.setFont(windowFont(14, true));
    p.setPen(Qt::white);
    p.drawText(titleBar.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Pellory v.10.4.365.9277"));
    p.drawText(titleBar.adjusted(0, 0, -10, 0), Qt::AlignVCenter | Qt::AlignRight,
               QStringLiteral("✕"));

    const QRect menuBar(kBorder, kBorder + kTitleBar, kClientSize.width(), kMenuBar);
    p.fillRect(menuBar, kMenuGrey);
    p.setFont(windowFont(13, false));
    p.setPen(Qt::black);
    p.drawText(menuBar.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Файл    Опции    Сервис"));
}

void paintFaces(QPainter &p, const WindowPieces &pieces)
{
    for (std::size_t i = 0; i < pieces.faces.size(); ++i) {
        const CommandButton &button = *faceDesigns()[i].button;
        p.save();
        p.setClipRect(toPixels(button.container));
        p.drawImage(faceOrigin(button), *pieces.faces[i]);
        p.restore();
    }
}

void paintMessageArea(QPainter &p)
{
    const QRect area = toPixels(kMessageArea);
    p.fillRect(area, kMessageAreaBlue);
    const QRect scrollBar(area.right() - kScrollBarWidth + 1, area.top(), kScrollBarWidth,
                          area.height());
    p.fillRect(scrollBar, kMenuGrey);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(scrollBar.adjusted(0, 0, -1, -1));
    p.setFont(windowFont(13, true));
    p.setPen(Qt::white); // as the window draws its message text
    const QRect text = area.adjusted(4, 4, -kScrollBarWidth - 4, -4);
    p.drawText(text, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("С добрым утром! Пусть сегодня всё получается легко, "
                              "а вечером ждёт приятная встреча."));
}

void paintNumberBox(QPainter &p)
{
    const QRect box = toPixels(kNumberBox);
    p.fillRect(box, kNumberBoxBlue);
    p.setFont(windowFont(19, false));
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("1"));
}

void paintCategoryButtons(QPainter &p, const WindowPieces &pieces)
{
    p.save();
    p.setOpacity(kRestingOpacityPercent / 100.0);
    for (int k = 0; k < kCategoryCount; ++k)
        p.drawImage(categoryButtonOrigin(k), *pieces.sprites[static_cast<std::size_t>(k)]);
    p.restore();
}

} // namespace

QImage paintSkinPreview(const SkinStyle &style, const WindowPieces &pieces)
{
    QImage window(kWindowSize, QImage::Format_RGB32);
    QPainter p(&window);
    p.setRenderHint(QPainter::Antialiasing);
    paintFrame(p, style);
    p.translate(kClientOrigin);
    p.setClipRect(QRect(QPoint(0, 0), kClientSize));
    p.drawImage(0, 0, *pieces.background);
    paintFaces(p, pieces);
    paintMessageArea(p);
    paintNumberBox(p);
    paintCategoryButtons(p, pieces);
    p.end();
    return window.scaled(kPreviewSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace pellory::assets
