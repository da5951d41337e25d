#include "frm_skin.h"

#include <algorithm>

#include "forms/command_button.h"
#include "forms/control.h"
#include "forms/control_description.h"
#include "forms/file_path.h"
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

// Cleared when the chooser closes or goes away, so it never names a dead window.
frmSkin *&theChooser()
{
    static frmSkin *chooser = nullptr;
    return chooser;
}

// A control placed by its layout in twips, under its design name.
template <typename Control>
Control *place(Control *control, const char *name, const forms::Rect &twips)
{
    forms::setName(*control, name);
    forms::setBounds(*control, forms::twipsRect(twips.left, twips.top, twips.width, twips.height));
    return control;
}

} // namespace

frmSkin &frmSkin::showSingle(forms::TextView programFolder)
{
    frmSkin *&chooser = theChooser();
    if (chooser == nullptr) {
        chooser = new frmSkin(programFolder);
        chooser->centreOnScreen();
        chooser->show();
        // The window frame is known only once shown: centre the whole window.
        chooser->centreOnScreen();
    }
    chooser->bringToFront();
    return *chooser;
}

frmSkin *frmSkin::openInstance()
{
    return theChooser();
}

frmSkin::frmSkin(forms::TextView programFolder) : places_(ProgramPlaces::of(programFolder))
{
    // Closing discards the list and the preview; the next opening starts afresh.
    setDestroyOnClose();
    setCaption(u"Выбрать скин");
    forms::setFont(*this, forms::programFont(9.75, true));
    setClientSize(forms::twipsToPixels(kClientWidthTwips), forms::twipsToPixels(kClientHeightTwips));
    createControls();
}

void frmSkin::createControls()
{
    forms::Control *area = client();
    lstSkins_ = place(new forms::ListBox(area), "lstSkins", forms::Rect{120, 120, 2415, 3660});
    shpPic_ = place(new forms::Shape(area), "shpPic", forms::Rect{2640, 120, 3300, 2475});
    shpPic_->setBorderColor(forms::colorFromBgr(kPreviewFrameColour));
    shpPic_->setBorderWidth(kPreviewFrameWidth);
    imgShot_ = place(new forms::Image(area), "imgShot", forms::Rect{2640, 120, 3300, 2475});
    cmdSelect_ = place(new forms::CommandButton(u"Выбрать", area), "cmdSelect",
                       forms::Rect{2640, 2640, 3300, 495});
    cmdExit_ = place(new forms::CommandButton(u"Отмена", area), "cmdExit",
                     forms::Rect{2640, 3240, 3300, 495});
    setTabIndices({{1, lstSkins_}, {2, cmdSelect_}, {3, cmdExit_}});
    describeControls();

    lstSkins_->setHandler([this] { lstSkins_Click(); });
    cmdSelect_->setHandler([this] { cmdSelect_Click(); });
    cmdExit_->setHandler([this] { cmdExit_Click(); });
}

void frmSkin::describeControls()
{
    const std::pair<forms::Control *, forms::ControlDescription> described[] = {
        {lstSkins_,
         {u"Скины", u"Скины программы; выделенный показан справа", false}},
        {imgShot_, {u"Образец скина", u"Как выглядит выделенный скин", false}},
        {cmdSelect_,
         {u"Выбрать", u"Применить выделенный скин при следующем запуске", false}},
        {cmdExit_, {u"Отмена", u"Закрыть, ничего не меняя", false}},
    };
    for (const auto &[control, description] : described)
        forms::describeControl(control, description);
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
        lstSkins_->addEntry(name);
}

frmSkin::~frmSkin()
{
    if (theChooser() == this)
        theChooser() = nullptr;
}

void frmSkin::Form_Unload()
{
    // The window is destroyed later; from now on a new opening gets a new one.
    if (theChooser() == this)
        theChooser() = nullptr;
}

void frmSkin::lstSkins_Click()
{
    const forms::Text shot = forms::pathIn(places_.skinFolder(lstSkins_->highlightedText()), u"shot.jpg");
    try {
        imgShot_->setPicture(forms::loadPicture(shot));
    } catch (const forms::PictureError &) {
        // A skin without a usable preview can still be chosen.
        imgShot_->setPicture(forms::Picture());
    }
}

void frmSkin::cmdSelect_Click()
{
    const forms::Text skinName = lstSkins_->highlightedText();
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
