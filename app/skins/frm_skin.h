// The skin chooser dialog: lists the skin folders below the program folder's
// "skins" folder (and, for an installed copy, the user's own skins folder),
// previews the highlighted one and writes the chosen name into options.dat,
// which the main window reads at its next start.
//
// There is at most one chooser at a time. It has no owner and is not modal,
// so the main window stays usable while it is open. Open it through
// frmSkin::showSingle(); closing it ("Отмена", the close box or after
// "Выбрать") destroys it, and the next showSingle() loads a fresh one.
//
// Its controls carry their design names (lstSkins, shpPic, imgShot,
// cmdSelect, cmdExit), so tests and tools can find them.
#pragma once

#include "forms/directory_list.h"
#include "forms/form.h"
#include "program_places.h"

namespace forms {
class CommandButton;
class Image;
class ListBox;
class Shape;
} // namespace forms

class frmSkin : public forms::Form {
public:
    // Shows the one chooser. When none is open it creates it, which lists the
    // skin folders afresh (Form_Load); when one is open it only raises and
    // activates it, keeping its list, highlight and preview.
    static frmSkin &showSingle(forms::TextView programFolder);

    // The open chooser, or nullptr when none is open.
    static frmSkin *openInstance();

    ~frmSkin() override;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    explicit frmSkin(forms::TextView programFolder);

    void createControls();
    // Accessible names, descriptions and tooltips.
    void describeControls();

    void lstSkins_Click();
    void cmdSelect_Click();
    void cmdExit_Click();

    const ProgramPlaces places_;
    forms::ListBox *lstSkins_ = nullptr;
    forms::Shape *shpPic_ = nullptr;
    forms::Image *imgShot_ = nullptr;
    forms::CommandButton *cmdSelect_ = nullptr;
    forms::CommandButton *cmdExit_ = nullptr;
    forms::DirectoryList Dir1_;
};
