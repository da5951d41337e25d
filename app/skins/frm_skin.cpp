#include "frm_skin.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <algorithm>

#include "forms/command_button.h"
#include "forms/control_description.h"
#include "forms/fonts.h"
#include "forms/image.h"
#include "forms/list_box.h"
#include "forms/message_box.h"
#include "forms/picture.h"
#include "forms/shape.h"
#include "forms/units.h"
#include "skin_setting.h"

namespace {

constexpr int kClientWidthTwips = 6090;
constexpr int kClientHeightTwips = 3945;
constexpr std::uint32_t kPreviewFrameColour = 0x00FFC0C0; // 0x00BBGGRR
constexpr int kPreviewFrameWidth = 5;

QPointer<frmSkin> &theChooser()
{
    static QPointer<frmSkin> chooser;
    return chooser;
}

template <typename Control>
Control *place(Control *control, const char *name, const QRect &twips)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(forms::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

} // namespace

frmSkin &frmSkin::showSingle(forms::TextView programFolder)
{
    QPointer<frmSkin> &chooser = theChooser();
    if (chooser.isNull()) {
        chooser = new frmSkin(programFolder);
        chooser->centreOnScreen();
        chooser->show();
        // The window frame is known only once shown: centre the whole window.
        chooser->centreOnScreen();
    }
    chooser->raise();
    chooser->activateWindow();
    return *chooser;
}

frmSkin *frmSkin::openInstance()
{
    return theChooser().data();
}

frmSkin::frmSkin(forms::TextView programFolder) : places_(ProgramPlaces::of(programFolder))
{
    // Closing discards the list and the preview; the next opening starts afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Выбрать скин"));
    setFont(forms::programFont(9.75, true));
    setClientSize(forms::twipsToPixels(kClientWidthTwips), forms::twipsToPixels(kClientHeightTwips));
    createControls();
}

void frmSkin::createControls()
{
    QWidget *area = client();
    lstSkins_ = place(new forms::ListBox(area), "lstSkins", QRect(120, 120, 2415, 3660));
    shpPic_ = place(new forms::Shape(area), "shpPic", QRect(2640, 120, 3300, 2475));
    shpPic_->setBorderColor(forms::colorFromBgr(kPreviewFrameColour));
    shpPic_->setBorderWidth(kPreviewFrameWidth);
    imgShot_ = place(new forms::Image(area), "imgShot", QRect(2640, 120, 3300, 2475));
    cmdSelect_ = place(new forms::CommandButton(QStringLiteral("Выбрать"), area), "cmdSelect",
                       QRect(2640, 2640, 3300, 495));
    cmdExit_ = place(new forms::CommandButton(QStringLiteral("Отмена"), area), "cmdExit",
                     QRect(2640, 3240, 3300, 495));
    setTabIndices({{1, lstSkins_}, {2, cmdSelect_}, {3, cmdExit_}});
    describeControls();

    connect(lstSkins_, &forms::ListBox::Click, this, &frmSkin::lstSkins_Click);
    connect(cmdSelect_, &QPushButton::clicked, this, &frmSkin::cmdSelect_Click);
    connect(cmdExit_, &QPushButton::clicked, this, &frmSkin::cmdExit_Click);
}

void frmSkin::describeControls()
{
    const std::pair<QWidget *, forms::ControlDescription> described[] = {
        {lstSkins_,
         {QStringLiteral("Скины"), QStringLiteral("Скины программы; выделенный показан справа"), false}},
        {imgShot_, {QStringLiteral("Образец скина"), QStringLiteral("Как выглядит выделенный скин"), false}},
        {cmdSelect_,
         {QStringLiteral("Выбрать"), QStringLiteral("Применить выделенный скин при следующем запуске"), false}},
        {cmdExit_, {QStringLiteral("Отмена"), QStringLiteral("Закрыть, ничего не меняя"), false}},
    };
    for (const auto &[control, description] : described)
        forms::describeControl(control, description);
}

void frmSkin::centreOnScreen()
{
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void frmSkin::Form_Load()
{
    std::vector<forms::Text> names;
    for (const forms::Text &folder : places_.skinsFolders()) {
        try {
            Dir1_.setPath(folder + u'/');
        } catch (const forms::Error &) {
            continue; // no skins folder there: nothing to choose from, but nothing to end the program for
        }
        for (int index = 0; index < Dir1_.count(); ++index) {
            const forms::Text &path = Dir1_.item(index);
            names.push_back(path.substr(path.rfind(u'/') + 1));
        }
    }
    std::sort(names.begin(), names.end(), forms::folderNameComesBefore);
    // A user's skin hides the bundled one of the same name: it is one entry.
    names.erase(std::unique(names.begin(), names.end()), names.end());
    for (const forms::Text &name : names)
        lstSkins_->addItem(QString::fromStdU16String(name));
}

void frmSkin::closeEvent(QCloseEvent *event)
{
    forms::Form::closeEvent(event);
    // The window is deleted later; from now on a new opening gets a new one.
    if (event->isAccepted() && theChooser() == this)
        theChooser() = nullptr;
}

void frmSkin::lstSkins_Click()
{
    const forms::Text shot = places_.skinFolder(lstSkins_->highlightedText().toStdU16String()) + u"/shot.jpg";
    try {
        imgShot_->setPicture(forms::loadPicture(QString::fromStdU16String(shot)));
    } catch (const forms::PictureError &) {
        // A skin without a usable preview can still be chosen.
        imgShot_->setPicture(QImage());
    }
}

void frmSkin::cmdSelect_Click()
{
    const forms::Text skinName = lstSkins_->highlightedText().toStdU16String();
    if (skinName.empty())
        return;
    if (const std::optional<forms::Text> failure = saveSkinSetting(places_, skinName)) {
        forms::messageBox(*failure, forms::MessageIcon::Critical);
        return;
    }
    close();
    forms::messageBox(u"Для применения настроек, перезагрузите программу");
}

void frmSkin::cmdExit_Click()
{
    close();
}
