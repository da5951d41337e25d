#include "chooser_fixture.h"

#include "forms/image.h"
#include "forms/program.h"

#include <QApplication>
#include <QListWidgetItem>
#include <QPushButton>
#include <QTest>

void ChooserTest::SetUp()
{
    forms::setMessageBoxHandler([this](const forms::MessageBoxRecord &box) {
        const frmSkin *chooser = frmSkin::openInstance();
        boxes.push_back({box, chooser != nullptr && chooser->isVisible()});
    });
    forms::setEndProgramHandler([this](int status) { endStatuses.push_back(status); });
    folder.makeFolder("skins");
}

void ChooserTest::TearDown()
{
    if (frmSkin *chooser = frmSkin::openInstance())
        closeAndDispose(*chooser);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    forms::setMessageBoxHandler(nullptr);
    forms::setEndProgramHandler(nullptr);
    EXPECT_TRUE(endStatuses.empty()) << "the chooser ended the program";
}

void ChooserTest::closeAndDispose(frmSkin &chooser)
{
    chooser.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ChooserTest::addSkin(const QString &name, const QImage &shot) const
{
    folder.makeFolder("skins/" + name);
    if (!shot.isNull() && !shot.save(folder.path("skins/" + name + "/shot.jpg"), "JPG", 90))
        throw std::runtime_error("cannot write a JPEG");
}

QImage ChooserTest::patternPicture(int width, int height, int seed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 3 + seed * 70) % 256, (y * 5 + seed * 30) % 256, (x + y + seed * 90) % 256));
    return picture;
}

forms::ListBox &ChooserTest::list(frmSkin &chooser)
{
    auto *box = chooser.findChild<forms::ListBox *>("lstSkins");
    if (box == nullptr)
        throw std::runtime_error("lstSkins not found");
    return *box;
}

QStringList ChooserTest::listed(frmSkin &chooser)
{
    QStringList names;
    for (int row = 0; row < list(chooser).count(); ++row)
        names << list(chooser).item(row)->text();
    return names;
}

void ChooserTest::highlight(frmSkin &chooser, const QString &name)
{
    forms::ListBox &box = list(chooser);
    const QList<QListWidgetItem *> found = box.findItems(name, Qt::MatchExactly);
    if (found.size() != 1)
        throw std::runtime_error("no single entry " + name.toStdString());
    box.scrollToItem(found.first());
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, box.visualItemRect(found.first()).center());
}

void ChooserTest::click(frmSkin &chooser, const char *buttonName)
{
    auto *button = chooser.findChild<QPushButton *>(buttonName);
    if (button == nullptr)
        throw std::runtime_error(std::string("no button ") + buttonName);
    QTest::mouseClick(button, Qt::LeftButton);
}

QImage ChooserTest::shownPreview(frmSkin &chooser)
{
    return chooser.findChild<QWidget *>("imgShot")->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool ChooserTest::previewIsEmpty(frmSkin &chooser)
{
    return chooser.findChild<forms::Image *>("imgShot")->picture().isNull();
}
